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
    // Long enough that the folder three up does not fit either.
    std::string longPath = "/a";
    while (longPath.size() < kPathSize + 40)
        longPath += "/abcdefgh";
    EXPECT_EQ(Folder(longPath.c_str()), "");
    // The folder's own length counts, NUL included, not the executable's.
    EXPECT_EQ(Folder("/abcdefg/App/Contents/Bin/app", nullptr, 9), "");
    EXPECT_EQ(Folder("/abcdefg/App/Contents/Bin/app", nullptr, 10), "/abcdefg/");
}

TEST(DataFolder, AFolderThatFitsThePathIsFoundHoweverLongTheExecutablesPath)
{
    std::string folder = "/";
    while (folder.size() < 480)
        folder += "abcdefghi/";
    folder.resize(479);
    folder += "/";
    EXPECT_EQ(Folder((folder + "Quennick/Contents/Linux/quennick").c_str()), folder);
    EXPECT_EQ(Folder(nullptr, (folder + "Quennick/Contents/Linux/quennick").c_str()), folder);
}

struct UserCase {
    const char *name, *dataHome, *home, *folder;
};

// The user's own catalogues: $XDG_DATA_HOME/quennick/, else ~/.local/share/quennick/.
TEST(UserFolder, FromXdgDataHomeOrElseHome)
{
    const UserCase cases[] = {
        {"XDG_DATA_HOME", "/x/data", "/home/u", "/x/data/quennick/"},
        {"XDG_DATA_HOME with a slash", "/x/data/", "/home/u", "/x/data/quennick/"},
        {"XDG_DATA_HOME unset", nullptr, "/home/u", "/home/u/.local/share/quennick/"},
        {"XDG_DATA_HOME empty", "", "/home/u/", "/home/u/.local/share/quennick/"},
        {"XDG_DATA_HOME not absolute", "data", "/home/u", "/home/u/.local/share/quennick/"},
        {"neither", nullptr, nullptr, ""},
        {"HOME not absolute", nullptr, "home/u", ""},
        {"HOME empty", "", "", ""},
    };
    for (const UserCase &c : cases) {
        char folder[kPathSize];
        UserFolder(c.dataHome, c.home, folder, sizeof folder);
        EXPECT_STREQ(folder, c.folder) << c.name;
    }
    const std::string longHome = "/" + std::string(kPathSize, 'h');
    char folder[kPathSize];
    UserFolder(nullptr, longHome.c_str(), folder, sizeof folder);
    EXPECT_STREQ(folder, "") << "too long for the path";
}

} // namespace
