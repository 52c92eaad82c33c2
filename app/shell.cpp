// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shell.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "app/command_line.h"
#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/meters.h"
#include "form/build.h"
#include "form/commands.h"
#include "form/items.h"

namespace {

int CountSlashes(const char *s)
{
    int n = 0;
    for (; *s; s++)
        n += *s == '/';
    return n;
}

// Tests run the program in-process: the running executable is the test's own.
bool ignoreRunningExecutable = false;

} // namespace

void ShellIgnoreRunningExecutable(bool ignore)
{
    ignoreRunningExecutable = ignore;
}

void DataFolder(const char *exe, const char *self, char *folder, size_t size)
{
    folder[0] = '\0';
    // Where the executable really lies is what counts: started from the PATH,
    // through a link or by a roundabout path, the first argument says too
    // little or the wrong thing.
    if (self)
        exe = self;
    if (!exe || CountSlashes(exe) < 4)
        return; // no data folder: the catalogues are simply not found
    // Three folders up, keeping the slash after the fourth-last: only the
    // folder goes into `folder`, so only its length must fit.
    size_t end = strlen(exe);
    for (int i = 0; i < 4; i++) {
        while (exe[end - 1] != '/')
            end--;
        if (i < 3)
            end--;
    }
    if (end >= size)
        return;
    memcpy(folder, exe, end);
    folder[end] = '\0';
}

void UserFolder(const char *dataHome, const char *home, char *folder, size_t size)
{
    folder[0] = '\0';
    int n = -1;
    // A relative value would name a folder under whatever the working
    // directory happens to be; the XDG rule is to ignore it.
    if (dataHome && dataHome[0] == '/')
        n = snprintf(folder, size, "%s%squennick/", dataHome,
                     dataHome[strlen(dataHome) - 1] == '/' ? "" : "/");
    else if (home && home[0] == '/')
        n = snprintf(folder, size, "%s%s.local/share/quennick/", home,
                     home[strlen(home) - 1] == '/' ? "" : "/");
    if (n < 0 || (size_t)n >= size)
        folder[0] = '\0';
}

void EventLoop(void)
{
    EventRecord event;
    WindowRef window;
    const Rect dragBounds = {0, 0, 4096, 4096};
    while (alive) {
        IdleControls(GetDialogWindow(theDialog));
        if (!WaitNextEvent(everyEvent, &event, 5, nullptr)) {
            DialogRef dialog;
            DialogItemIndex item;
            if (IsDialogEvent(&event))
                DialogSelect(&event, &dialog, &item);
            continue;
        }
        if (IsDialogEvent(&event)) {
            DoDlgEvt(&event);
            DoBuildTitle();
            continue;
        }
        switch (event.what) {
        case mouseDown:
            switch (FindWindow(event.where, &window)) {
            case inDrag: DragWindow(window, event.where, &dragBounds); break;
            case inGoAway:
                if (TrackGoAway(window, event.where))
                    DoQuitCommand();
                break;
            case inMenuBar:
                DoMenuCommand(MenuSelect(event.where));
                HiliteMenu(0);
                break;
            default: break;
            }
            break;
        case keyDown:
        case autoKey:
            if (event.modifiers & cmdKey) {
                DoMenuCommand(MenuKey((SInt16)(event.message & charCodeMask)));
                HiliteMenu(0);
            }
            break;
        default: break;
        }
    }
}

int QuennickMain(int argc, char **argv)
{
    char self[PATH_MAX];
    const ssize_t n =
        ignoreRunningExecutable ? -1 : readlink("/proc/self/exe", self, sizeof self - 1);
    self[n > 0 ? n : 0] = '\0';
    DataFolder(argc > 0 ? argv[0] : nullptr, n > 0 ? self : nullptr, path, sizeof path);
    UserFolder(getenv("XDG_DATA_HOME"), getenv("HOME"), userPath, sizeof userPath);
    int status = 0;
    if (AnswerCommandLine(argc, argv, path, userPath, stdout, stderr, &status))
        return status;
    const char *buildFile = nullptr;
    if (BuildFileArgument(argc, argv, &buildFile, stderr, &status))
        return status;
    theBuildFile[0] = '\0';

    alive = TRUE;
    GrafPtr savedPort;
    GetPort(&savedPort);
    theDialog = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    if (!theDialog)
        return -1;
    SetPort(GetDialogPort(theDialog));
    InitCursor();

    const SInt16 menuIDs[] = {kProgramMenuID, kFileMenuID, kEditMenuID, kWheelMenuID};
    for (SInt16 id : menuIDs)
        InsertMenu(GetMenu(id), 0);
    DrawMenuBar();

    Str255 title;
    C2Pas("Quennick", title);
    SetWTitle(GetDialogWindow(theDialog), title);

    MenuHandle menus[2] = {nullptr, nullptr};
    const DialogItemIndex buttons[2] = {iRimMenu, iHubMenu};
    for (int i = 0; i < 2; i++) {
        ControlRef control = nullptr;
        GetDialogItemAsControl(theDialog, buttons[i], &control);
        GetBevelButtonMenuHandle(control, &menus[i]);
        SetMenuFont(menus[i], 3, 9);
    }
    DoReadData(menus[0], menus[1]);
    ReadMeters(path, userPath, nullptr);

    Rect bounds;
    GetPortBounds(GetDialogPort(theDialog), &bounds);
    InvalWindowRect(GetDialogWindow(theDialog), &bounds);
    EraseRect(&bounds);
    SetDialogDefaultItem(theDialog, iCalculate);
    ShowWindow(GetDialogWindow(theDialog));
    if (buildFile)
        DoOpenBuild(buildFile);

    EventLoop();

    DisposeDialog(theDialog);
    theDialog = nullptr;
    SetPort(savedPort);
    return 0;
}
