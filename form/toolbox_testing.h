// Hooks into the toolbox layer that only tests and benchmarks use.
#ifndef QUENNICK_FORM_TOOLBOX_TESTING_H
#define QUENNICK_FORM_TOOLBOX_TESTING_H

#include "form/toolbox.h"

// Makes a dialog template seem missing (GetNewDialog then fails), or present again.
void ToolboxHideTemplate(SInt16 templateID, Boolean hidden);

// The number of events the layer holds that the loop has not taken yet.
int ToolboxQueuedEvents(void);

// How many null events WaitNextEvent has handed out: a loop that sleeps as it
// should gets about twelve a second.
long ToolboxNullEvents(void);

// Drops every queued event and every menu of the menu bar, so that one test
// process can run the program more than once.
void ToolboxReset(void);

#endif
