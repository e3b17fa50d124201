// The window tests run inside the program's own application object, so that
// an error escaping a handler goes to the program's error box.
#include "application.h"
#include "folder_work.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    // The class folder's file work in place: every step of a window test exact.
    classroom::InPlaceFolderWork inPlace;
    classroom::setFolderWork(&inPlace);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
