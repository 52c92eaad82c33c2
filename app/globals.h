// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's few globals, shared by the commands and the application shell.
#ifndef QUENNICK_APP_GLOBALS_H
#define QUENNICK_APP_GLOBALS_H

#include "buildfile/buildfile.h"
#include "calc/tension.h"
#include "calc/wheel.h"
#include "toolbox/toolbox.h"

enum { kPathSize = 512 };

// The data folder, ending in a slash; "" when it could not be found.
extern char path[kPathSize];
// The user's own catalogue folder, ending in a slash; "" when there is none.
extern char userPath[kPathSize];
// The main form, for the whole run.
extern DialogRef theDialog;
// What the last Calculate of the main form gave, and the wheel it was for:
// the build sheet and the lacing diagram show it, whatever the form says
// since. Before the first Calculate, the results of an empty form.
extern Results theResults;
// The build file the form was last opened from or saved to; "" while it has
// been neither, and then nothing asks about unsaved changes.
enum { kBuildPathSize = 4096 };
extern char theBuildFile[kBuildPathSize];
// What the form said when it was last opened or saved: any other text or
// figure in it is an unsaved change.
extern Build theSavedBuild;
// The spoke tension readings of the wheel of theResults, typed in the tension
// window, with the meter and band chosen there.
extern Readings theReadings;
// The run flag: the event loop runs while it is true.
extern Boolean alive;

#endif
