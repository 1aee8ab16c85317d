// The application title on Windows: the shared rule with the system's lower
// case, which reaches letters beyond ASCII.

#include "platform/win32/ApplicationTitle.h"

#include <gtest/gtest.h>

TEST(Win32ApplicationTitle, FileNameWithoutFolderAndSuffixLoweredAfterItsFirstLetter)
{
    EXPECT_EQ(win32::ApplicationTitleFromPath("C:\\Program Files\\kmity\\kmity.exe"), "kmity");
    EXPECT_EQ(win32::ApplicationTitleFromPath("KMITY.EXE"), "Kmity");
    EXPECT_EQ(win32::ApplicationTitleFromPath("C:\\apps\\kmity.old.exe"), "kmity");
    EXPECT_EQ(win32::ApplicationTitleFromPath("D:\\ŠKOLA\\ŽÁČEK.exe"), "Žáček");
    EXPECT_EQ(win32::ApplicationTitleFromPath("čÁSTICE"), "částice");
}
