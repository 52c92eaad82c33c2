// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a build file a user hands us, and writing one so that no crash,
// full disk or pulled plug leaves half of it.
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "buildfile/buildfile.h"

namespace {

// Closes a descriptor on every way out.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            close(fd);
    }
};

// write() until done: a write may take less than it was given.
int WriteAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= (size_t)n;
    }
    return 0;
}

} // namespace

BuildStatus ReadBuildFile(const char *path, Build *build, int *error)
{
    *error = 0;
    // Non-blocking, so that a named pipe with no writer or a terminal does not
    // hang the program before its type is seen.
    Fd f{open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (f.fd < 0) {
        *error = errno;
        return errno == EISDIR ? kBuildFolder : kBuildUnreadable;
    }
    struct stat st;
    if (fstat(f.fd, &st) != 0) {
        *error = errno;
        return kBuildUnreadable;
    }
    if (S_ISDIR(st.st_mode))
        return kBuildFolder;
    if (!S_ISREG(st.st_mode))
        return kBuildNotAFile;
    if (st.st_size > kBuildFileMaxSize)
        return kBuildTooLarge;
    // The file may grow while it is read: read one byte past the limit to see it.
    std::string text(kBuildFileMaxSize + 1, '\0');
    size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = read(f.fd, &text[got], text.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = errno;
            return kBuildUnreadable;
        }
        if (n == 0)
            break;
        got += (size_t)n;
    }
    if (got > kBuildFileMaxSize)
        return kBuildTooLarge;
    return Text2Build(text.data(), got, build);
}

int WriteFileAtomic(const char *path, const char *data, size_t size)
{
    // A link is followed, so that the link stays and its target is replaced.
    char target[PATH_MAX];
    struct stat old;
    const bool exists = stat(path, &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    if (exists) {
        if (!realpath(path, target))
            return errno;
    } else if (snprintf(target, sizeof target, "%s", path) >= (int)sizeof target) {
        return ENAMETOOLONG;
    }
    // The sibling: ".NAME.XXXXXX" in the same folder, so that the rename stays
    // on one file system and so is atomic.
    const char *slash = strrchr(target, '/');
    const int folderLength = slash ? (int)(slash - target + 1) : 0;
    char temp[PATH_MAX];
    if (snprintf(temp, sizeof temp, "%.*s.%s.XXXXXX", folderLength, target,
                 target + folderLength) >= (int)sizeof temp)
        return ENAMETOOLONG;
    Fd f{mkstemp(temp)};
    if (f.fd < 0)
        return errno;
    // mkstemp makes it 0600: give it the old file's mode, or a new file's.
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    int result = fchmod(f.fd, mode) != 0 ? errno : 0;
    if (!result)
        result = WriteAll(f.fd, data, size);
    if (!result && fsync(f.fd) != 0)
        result = errno;
    if (!result && close(f.fd) != 0)
        result = errno; // some file systems report a failed write only here
    f.fd = -1;
    if (!result && rename(temp, target) != 0)
        result = errno;
    if (result) {
        unlink(temp);
        return result;
    }
    // The rename itself reaches the disk with the folder.
    char folder[PATH_MAX];
    snprintf(folder, sizeof folder, "%.*s", folderLength ? folderLength : 1,
             folderLength ? target : ".");
    Fd d{open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd >= 0)
        fsync(d.fd);
    return 0;
}

int WriteBuildFile(const char *path, const Build &build)
{
    const std::string text = Build2Text(build);
    return WriteFileAtomic(path, text.data(), text.size());
}
