// Start-up, the event loop and shutdown.
#ifndef QUENNICK_APP_SHELL_H
#define QUENNICK_APP_SHELL_H

#include <stddef.h>

// The whole program: finds the data folder, builds the form and menus, loads the
// catalogues, runs the event loop until the run ends, and tears the form down.
// Returns 0, or -1 when the main form can't be made.
int QuennickMain(int argc, char **argv);

// Waits for events and hands each to the form or the menus while `alive` holds.
void EventLoop(void);

// The data folder for an executable at `exe`: three folders up, ending in a
// slash ("/a/App/Contents/Bin/app" gives "/a/"). An executable path with fewer
// than four slashes is replaced by `self` (the resolved path of the running
// executable; may be null). Writes "" when no folder fits `size` bytes.
void DataFolder(const char *exe, const char *self, char *folder, size_t size);

#endif
