#pragma once

#include <QCoreApplication>

// The translation context of what start-up and the screenshot mode say.
class AppText {
    Q_DECLARE_TR_FUNCTIONS(AppText)
};
