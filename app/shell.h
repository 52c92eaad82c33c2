// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the event loop and shutdown.
#ifndef QUENNICK_APP_SHELL_H
#define QUENNICK_APP_SHELL_H

#include <stddef.h>

// The whole program: finds the data folder, answers --help, --version and
// --check without a window, or builds the form and menus, loads the
// catalogues, runs the event loop until the run ends, and tears the form down.
// Returns 0, or -1 when the main form can't be made (or --check's status).
int QuennickMain(int argc, char **argv);

// Waits for events and hands each to the form or the menus while `alive` holds.
void EventLoop(void);

// The data folder for the executable: three folders up, ending in a slash
// ("/a/App/Contents/Bin/app" gives "/a/"). `self` is the resolved path of the
// running executable and is used whenever known; `exe` (the first argument)
// only when `self` is null. Writes "" for a path with fewer than four slashes
// or when the folder does not fit `size` bytes.
void DataFolder(const char *exe, const char *self, char *folder, size_t size);

// The user's own catalogue folder, ending in a slash:
// "$XDG_DATA_HOME/quennick/", or "$HOME/.local/share/quennick/" when
// XDG_DATA_HOME (`dataHome`) is unset, empty or not absolute. Writes "" when
// neither is an absolute path or when the folder does not fit `size` bytes.
void UserFolder(const char *dataHome, const char *home, char *folder, size_t size);

// For tests that run the program in this process: take the data folder from
// the first argument, not from the test's own executable.
void ShellIgnoreRunningExecutable(bool ignore);

#endif
