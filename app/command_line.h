// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The options that the program answers on the command line without a window:
// --help, --version and --check [DIR]. Every other argument is left to the
// windowing library (its own options, such as -platform, keep working).
#ifndef QUENNICK_APP_COMMAND_LINE_H
#define QUENNICK_APP_COMMAND_LINE_H

#include <stdio.h>

// Exit statuses of --check.
enum { kCheckClean = 0, kCheckWarnings = 1, kCheckMissing = 2 };

// When the arguments ask for help, the version or a check, answers on `out`,
// sets `*status` to the exit status and returns true; otherwise returns false
// and the program goes on to its window. `dataFolder` is where the program
// looks for its catalogues ("" when it found no folder).
bool AnswerCommandLine(int argc, char **argv, const char *dataFolder, FILE *out, int *status);

// Reads "rims.txt" and "hubs.txt" in `folder` exactly as the program does and
// describes them on `out`: where it looked, line ends, encoding, header lines,
// one line per record, and a warning for each line the form would show oddly.
// Returns kCheckClean, kCheckWarnings, or kCheckMissing when a file could not
// be read at all. Opens no window and writes no file.
int CheckCatalogues(const char *folder, FILE *out);

#endif
