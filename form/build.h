// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build file commands: File > Open, Save and Save As, the window's title
// that names the open build, and the question about unsaved changes.
#ifndef QUENNICK_FORM_BUILD_H
#define QUENNICK_FORM_BUILD_H

#include "buildfile/buildfile.h"
#include "toolbox/toolbox.h"

// String lists of resources/strings.txt for build files.
enum { kOpenStringsID = 146, kSaveStringsID = 147, kAskStringsID = 148, kBuildStringsID = 149 };
// kOpenStringsID: one message for each way opening can end but kBuildOK; ^1
// the file's name, ^2 the system's reason (kOpenUnreadable).
enum {
    kOpenNotABuild = 1,
    kOpenDamaged,
    kOpenCutShort,
    kOpenNewer,
    kOpenTooLarge,
    kOpenFolder,
    kOpenNotAFile,
    kOpenUnreadable
};
// kSaveStringsID: ^1 the file's name, ^2 the system's reason.
enum { kSaveFailed = 1 };
// kAskStringsID: the question (^1 the build's name), its explanation, the buttons.
enum { kAskQuestion = 1, kAskDetail, kAskSave, kAskDontSave, kAskCancel };
// kBuildStringsID: the window's title (^1 the build's name), the same while
// it has unsaved changes, the file chooser's filter, the file name offered
// for a build with no name.
enum { kTitleSaved = 1, kTitleChanged, kChooserFilter, kUntitledName };

// The suffix of build files, without its dot.
extern const char kBuildSuffix[];

// The build the form describes: its wheel with the build's name and notes
// (Form2Wheel); no results.
void Form2Build(DialogRef dialog, Build *build);

// Opens the build file at `file` into the form: its wheel, name and notes,
// calculated again; the window's title names it. A file that cannot be read
// says why in one message and leaves the form as it was; a newer format's
// opens and says so. True when the form shows the file.
Boolean DoOpenBuild(const char *file);
// Saves the form's build to `file`, atomically, with the results calculated
// for it; a failure says why in one message and keeps the form and the old
// file. True when saved.
Boolean DoSaveBuild(const char *file);

// File > Open: asks about unsaved changes, then lets the user choose a file.
void DoOpenCommand(void);
// File > Save: to the open build's file, or as Save As when there is none.
Boolean DoSaveCommand(void);
// File > Save As: lets the user choose where. True when saved.
Boolean DoSaveAsCommand(void);

// Whether the form may be dropped now (quit, close, open another): true when
// no build was ever opened or saved, when nothing changed since, or when the
// user chose Save (and it was saved) or Don't Save; false for Cancel.
Boolean DoAskSaveChanges(void);
// The quit commands (item 1, Escape, File > Quit, the close box): end the run
// unless the user cancels the question about unsaved changes.
void DoQuitCommand(void);

// Marks the window's title when the form's build has changed since it was
// opened or saved, and unmarks it when it has not; after each event.
void DoBuildTitle(void);

#endif
