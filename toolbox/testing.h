// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: tests and benchmarks only (it includes no Qt).
// Hooks into the toolbox layer that only tests and benchmarks use.
#ifndef QUENNICK_TOOLBOX_TESTING_H
#define QUENNICK_TOOLBOX_TESTING_H

#include "toolbox/toolbox.h"

// Makes a dialog template seem missing (GetNewDialog then fails), or present again.
void ToolboxHideTemplate(SInt16 templateID, Boolean hidden);

// The number of events the layer holds that the loop has not taken yet.
int ToolboxQueuedEvents(void);

// How many null events WaitNextEvent has handed out: a loop that sleeps as it
// should gets about twelve a second.
long ToolboxNullEvents(void);

// The menu whose title the menu bar shows highlighted now, by the program's
// HiliteMenu or by Qt's own tracking; 0 when none is.
MenuID ToolboxHilitedMenu(void);

// Queues a hit on an item as the layer does when the user acts on it outside
// the loop's replay (an assistive tool's press): the loop's next event.
void ToolboxPostItemHit(DialogRef dialog, DialogItemIndex item);

// Drops every queued event and every menu of the menu bar, so that one test
// process can run the program more than once.
void ToolboxReset(void);

// The language the environment asks for now ("de", "fr", "nl", "it", "es"),
// or null for English; and a switch to one of them (null: English) for the
// windows made after it.
const char *ToolboxEnvironmentLanguage(void);
void ToolboxUseLanguage(const char *language);

// From now on PrintBuildSheet prints straight to this PDF file, as the print
// dialog's PDF choice would, without a preview; null shows the preview again.
void ToolboxPrintToPdf(const char *pdfPath);

// The lacing diagram window's widget, null until it is first set (tests).
void *ToolboxLacingWindow(void);
// The spoke tension window (a QWidget), or null before it is first shown.
void *ToolboxTensionWindow(void);

// From now on (`on` true) the file chooser, the unsaved-changes question and
// alerts are answered at once and never shown: NavGetFile and NavPutFile give
// the path of ToolboxSetNavFile (null: the user cancels, the start),
// NavAskSaveChanges the answer of ToolboxSetSaveChangesAnswer (Cancel at the
// start), StandardAlert returns. Each call counts; false shows them again.
void ToolboxAnswerNavigation(Boolean on);
void ToolboxSetNavFile(const char *path);
void ToolboxSetSaveChangesAnswer(NavAskSaveChangesResult answer);
// How many choosers, questions and alerts were answered since the start.
int ToolboxNavigationAsked(void);
// The text of the last question or alert, UTF-8 ("" for none yet).
const char *ToolboxLastAlertText(void);

#endif
