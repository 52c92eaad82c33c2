// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The options that the program answers on the command line without a window:
// --help, --version and --check [FOLDER]. Without them every argument is left
// to the windowing library (its own options, such as -platform, keep working).
#ifndef QUENNICK_APP_COMMAND_LINE_H
#define QUENNICK_APP_COMMAND_LINE_H

#include <stdio.h>

// Exit statuses of --check.
enum { kCheckClean = 0, kCheckWarnings = 1, kCheckMissing = 2 };

// When the arguments ask for help, the version or a check (an own option before
// any "--"), answers on `out`, sets `*status` to the exit status and returns
// true; otherwise returns false and the program goes on to its window. Then
// the arguments are strict: an unknown option, an argument other than
// --check's one FOLDER, or an empty FOLDER is a mistake, told on `err` with the
// usage line and status 2; "--" ends the options. Output that could not be
// written is told on `err` in one line, with status 2. `dataFolder` is where
// the program looks for its catalogues ("" when it found no folder),
// `userFolder` the user's own catalogue folder ("" when there is none).
bool AnswerCommandLine(int argc, char **argv, const char *dataFolder, const char *userFolder,
                       FILE *out, FILE *err, int *status);

// The build file named on a command line that AnswerCommandLine left to the
// window: the one argument that is neither an option of the windowing library
// (with its value: "-platform xcb") nor any other option before "--". Null for
// none. Two files, or an empty name, are a mistake: told on `err` with the
// usage line, `*status` 2, and true returned; false otherwise.
bool BuildFileArgument(int argc, char **argv, const char **file, FILE *err, int *status);

// Reads "rims.txt" and "hubs.txt" in `folder`, and then those in `userFolder`
// (null: none to look at; "": none found), exactly as the program does and
// describes each file on `out`, in the order read: where it looked, line ends,
// encoding, header lines, one line per record, and a warning for each line the
// form would show oddly. Returns kCheckClean, kCheckWarnings, or kCheckMissing
// when a file could not be read (a user's own file may be absent). Opens no
// window and writes no file.
int CheckCatalogues(const char *folder, const char *userFolder, FILE *out);

// Reads "meters.txt" in `folder` and then in `userFolder` as the program does
// and describes each on `out`: its tables and rows and a warning for each row
// left out. Returns the number of warnings; sets `*failed` when a file is there
// but could not be read (a missing one is no warning: no table is needed).
int CheckMeters(const char *folder, const char *userFolder, FILE *out, bool *failed);

#endif
