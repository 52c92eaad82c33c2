// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/globals.h"

char path[kPathSize];
char userPath[kPathSize];
DialogRef theDialog = nullptr;
namespace {

Results NothingCalculated()
{
    Results results;
    ClearedResults(Wheel(), &results);
    return results;
}

} // namespace

Results theResults = NothingCalculated();
Readings theReadings = {};
Boolean alive = TRUE;
char theBuildFile[kBuildPathSize] = "";
Build theSavedBuild;
