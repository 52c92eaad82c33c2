// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program looks for its catalogues.
#include <string>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/shell.h"

namespace {

std::string Folder(const char *exe, const char *self = nullptr, size_t size = kPathSize)
{
    char folder[kPathSize];
    DataFolder(exe, self, folder, size);
    return folder;
}

TEST(DataFolder, ThreeFoldersUpFromTheExecutable)
{
    EXPECT_EQ(Folder("/a/b/App.app/Contents/MacOS/App"), "/a/b/");
    EXPECT_EQ(Folder("/a/App.app/Contents/MacOS/App"), "/a/");
    EXPECT_EQ(Folder("/App.app/Contents/MacOS/App"), "/");
    EXPECT_EQ(Folder("/opt/quennick/Quennick/Contents/Linux/quennick"), "/opt/quennick/");
}

TEST(DataFolder, RelativePathStaysRelative)
{
    EXPECT_EQ(Folder("./App.app/Contents/MacOS/App"), "./");
}

TEST(DataFolder, TheRunningExecutableComesFirst)
{
    const char *self = "/opt/quennick/Quennick/Contents/Linux/quennick";
    EXPECT_EQ(Folder("quennick", self), "/opt/quennick/");
    EXPECT_EQ(Folder("/usr/bin/quennick", self), "/opt/quennick/");
    // A link with four or more slashes, or a roundabout path to the same file.
    EXPECT_EQ(Folder("/home/u/.local/bin/quennick", self), "/opt/quennick/");
    EXPECT_EQ(Folder("/opt/quennick/Quennick/Contents/Linux/../Linux/quennick", self),
              "/opt/quennick/");
    EXPECT_EQ(Folder("quennick", nullptr), "");
    EXPECT_EQ(Folder("/a/b/c/d/quennick", "/usr/bin/quennick"), "");
}

TEST(DataFolder, TooLongForTheBufferIsNoFolder)
{
    std::string longPath = "/a";
    while (longPath.size() < kPathSize + 10)
        longPath += "/abcdefgh";
    EXPECT_EQ(Folder(longPath.c_str()), "");
    // Exactly filling the buffer is too long too: the NUL needs a byte.
    EXPECT_EQ(Folder("/a/b/c/d", nullptr, 8), "");
    EXPECT_EQ(Folder("/a/b/c/d", nullptr, 9), "/");
}

} // namespace
