// Runs the control tests inside an application that, like the program's own,
// catches a conversion error escaping an event handler and carries on; the
// error is recorded here instead of shown in a box.
#include "test_controls_fixture.h"

#include "number_text.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class CatchingApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const bench::EConvertError &error) {
            errors.append(error.message());
            return false;
        }
    }

    QStringList errors;
};

CatchingApplication *application = nullptr;

} // namespace

QStringList &shownErrors()
{
    return application->errors;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CatchingApplication app(argc, argv);
    application = &app;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
