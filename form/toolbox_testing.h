// Hooks into the toolbox layer that only tests and benchmarks use.
#ifndef QUENNICK_FORM_TOOLBOX_TESTING_H
#define QUENNICK_FORM_TOOLBOX_TESTING_H

#include "form/toolbox.h"

// Dialog templates are looked up as "<folder>/<ID>.ui" instead of in the built-in
// resources; null restores the built-in ones.
void ToolboxSetTemplateFolder(const char *folder);

// The number of events the layer holds that the loop has not taken yet.
int ToolboxQueuedEvents(void);

// How many null events WaitNextEvent has handed out: a loop that sleeps as it
// should gets about twelve a second.
long ToolboxNullEvents(void);

// Drops every queued event and every menu of the menu bar, so that one test
// process can run the program more than once.
void ToolboxReset(void);

#endif
