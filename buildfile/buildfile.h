// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build files: one wheel the builder keeps, as a JSON text of its own
// (README, "Build files"). Plain C++ with no Qt; the JSON is nlohmann's.
#ifndef QUENNICK_BUILDFILE_BUILDFILE_H
#define QUENNICK_BUILDFILE_BUILDFILE_H

#include <stddef.h>

#include <string>

#include "calc/tension.h"
#include "calc/wheel.h"

// The format this program writes; a file of a higher one is opened as far as
// it is understood (kBuildNewer).
enum { kBuildFormat = 1 };

// The most of one file that is read: a build is a few kilobytes, and a larger
// file is refused before it is read.
enum { kBuildFileMaxSize = 1 << 20 };

// What a build file holds: the wheel as the form says it, the build's name and
// notes, and the results of the last Calculate (written for people and other
// tools to read; never read back, since opening calculates again).
struct Build {
    Wheel wheel;       // with the build's name and notes
    Readings readings; // the truing stand's readings, as typed; the meter and band chosen
    Results results;   // written when `results.calculated`
};

// What opening a build file came to.
enum BuildStatus {
    kBuildOK = 0,
    kBuildNewer,     // a newer format: what this version knows was read, the rest left out
    kBuildNotABuild, // readable, but no Quennick build (another JSON text, or no JSON at all)
    kBuildDamaged,   // a build whose text is broken inside or whose figures are impossible
    kBuildCutShort,  // a build whose text ends before it is complete
    kBuildTooLarge,  // larger than kBuildFileMaxSize
    kBuildFolder,    // a folder
    kBuildNotAFile,  // a named pipe, a device or a socket
    kBuildUnreadable // the system refused to open or read it: see the errno given
};

// Fills the build with what a cleared form says: empty texts, 0 for every
// figure, 32 spokes crossed 3 on equal sides, holes offset toward side 2,
// J-bend (aimed if straight-pull), no gauge, no target (kgf), even stock
// lengths, no results.
void ClearBuild(Build *build);

// Whether two builds say the same: every field of the wheel, its name and notes
// included (texts byte for byte, numbers by value), and the readings as typed
// with their meter and band; the results are not compared.
bool SameBuild(const Build &a, const Build &b);

// The build as the text of a build file: UTF-8 JSON, two-space indents, keys in
// a fixed order, numbers with a decimal point whatever the locale, ending in a
// newline. A figure that is not finite is written as null.
std::string Build2Text(const Build &build);

// Reads a build file's text (`size` bytes, no NUL needed). On kBuildOK and
// kBuildNewer `build` holds the file's wheel, name and notes (texts cut to fit
// on a UTF-8 character boundary; a key the file lacks keeps what ClearBuild
// gives) with no results; on anything else `build` is left as it was.
// Popup figures must be ones the form offers: spokes 16, 18, 20, 24, 28, 32,
// 36, 40 or 48, crossings 0 to 4, offset toward side 1 or 2, the named heads,
// exits, sharings, gauges, units and stock steps; numbers finite. A format-1 file that breaks this
// is damaged; in a newer format's file such a value is left out.
BuildStatus Text2Build(const char *text, size_t size, Build *build);

// Opens and reads the file at `path` without blocking on a named pipe or a
// device, refusing a folder, anything but a regular file and a file larger than
// kBuildFileMaxSize; then Text2Build. On kBuildUnreadable `*error` is the errno
// (0 otherwise). `build` changes only on kBuildOK and kBuildNewer.
BuildStatus ReadBuildFile(const char *path, Build *build, int *error);

// Writes `size` bytes as the file at `path`, so that the file is the old one
// or the new one, never part of one: into a new sibling ".NAME.XXXXXX" in the
// same folder, flushed to the disk, given the old file's permissions (a new
// file gets 0666 less the umask), then renamed over `path`; a link at `path`
// is followed and its target replaced. Returns 0, or the errno of the first
// step that failed, in which case the sibling is removed and `path` is as it
// was.
int WriteFileAtomic(const char *path, const char *data, size_t size);

// Build2Text and WriteFileAtomic: 0, or an errno.
int WriteBuildFile(const char *path, const Build &build);

#endif
