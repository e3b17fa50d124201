// Where Arial is missing (Wine, a stripped Windows), the Liberation Sans
// shipped beside the program takes its place; where nothing is shipped,
// nothing changes.
#include "bundled_fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kLiberation = u"/usr/share/fonts/truetype/liberation2/"_s;

TEST(BundledFonts, LiberationSansStandsInForAMissingArial)
{
    if (QFontDatabase::families().contains(u"Arial"_s, Qt::CaseInsensitive))
        GTEST_SKIP() << "this system has Arial of its own";
    QTemporaryDir empty;
    EXPECT_EQ(provideFonts(empty.path()), QStringList());
    EXPECT_TRUE(QFont::substitutes(u"Arial"_s).isEmpty()) << "nothing shipped, nothing substituted";

    QTemporaryDir shipped;
    for (const QString &name : {u"LiberationSans-Regular.ttf"_s, u"LiberationSans-Bold.ttf"_s})
        ASSERT_TRUE(QFile::copy(kLiberation + name, shipped.filePath(name)));
    // A damaged file among them is passed over.
    QFile broken(shipped.filePath(u"LiberationSans-Italic.ttf"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a font");
    broken.close();

    // DejaVu Sans, which this system has, is left to the system.
    ASSERT_TRUE(QFile::copy(u"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"_s,
        shipped.filePath(u"DejaVuSans-Bold.ttf"_s)));
    EXPECT_EQ(provideFonts(shipped.path()), QStringList{u"Liberation Sans"_s});
    // Qt keeps substitutes in lower case.
    EXPECT_EQ(QFont::substitute(u"Arial"_s), u"liberation sans"_s);
}

} // namespace
