// Headers nearly every test includes, precompiled once and reused by all
// test programs: parsing them dominated the suite's build time.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTest>
#include <QWidget>
