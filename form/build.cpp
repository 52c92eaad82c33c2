// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/build.h"

#include <string.h>

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "form/commands.h"
#include "form/items.h"
#include "form/sheet.h"
#include "form/tension.h"
#include "form/wheel.h"

const char kBuildSuffix[] = "quennick";

namespace {

// The name a build file goes by in the title and in messages: its file name
// without the folder and without the suffix.
void DisplayName(const char *file, char *out, size_t size)
{
    const char *slash = strrchr(file, '/');
    snprintf(out, size, "%s", slash ? slash + 1 : file);
    const size_t n = strlen(out), suffix = strlen(kBuildSuffix);
    if (n > suffix + 1 && out[n - suffix - 1] == '.' && strcmp(out + n - suffix, kBuildSuffix) == 0)
        out[n - suffix - 1] = '\0';
}

void Alert(SInt16 listID, SInt16 index, const char *file, const char *reason)
{
    char name[kBuildPathSize], message[1024];
    const char *slash = strrchr(file, '/');
    snprintf(name, sizeof name, "%s", slash ? slash + 1 : file);
    XFormatIndStr(message, sizeof message, listID, index, name, reason);
    StandardAlert(index == kOpenNewer && listID == kOpenStringsID ? kAlertNoteAlert
                                                                  : kAlertStopAlert,
                  message, nullptr);
}

SInt16 OpenMessage(BuildStatus status)
{
    switch (status) {
    case kBuildOK: break;
    case kBuildNewer: return kOpenNewer;
    case kBuildNotABuild: return kOpenNotABuild;
    case kBuildDamaged: return kOpenDamaged;
    case kBuildCutShort: return kOpenCutShort;
    case kBuildTooLarge: return kOpenTooLarge;
    case kBuildFolder: return kOpenFolder;
    case kBuildNotAFile: return kOpenNotAFile;
    case kBuildUnreadable: return kOpenUnreadable;
    }
    return 0;
}

void SetTitle(Boolean changed)
{
    char text[kBuildPathSize + 64];
    if (theBuildFile[0]) {
        char name[kBuildPathSize];
        DisplayName(theBuildFile, name, sizeof name);
        XFormatIndStr(text, sizeof text, kBuildStringsID, changed ? kTitleChanged : kTitleSaved,
                      name);
    } else {
        snprintf(text, sizeof text, "Quennick");
    }
    Str255 title;
    C2Pas(text, title);
    SetWTitle(GetDialogWindow(theDialog), title); // the same title again costs nothing
}

// The form now says what the file says: nothing is unsaved.
void Opened(const char *file)
{
    if (file != theBuildFile) // Save passes the open build's own name
        snprintf(theBuildFile, sizeof theBuildFile, "%s", file);
    Form2Build(theDialog, &theSavedBuild);
    SetTitle(FALSE);
}

} // namespace

void Form2Build(DialogRef d, Build *build)
{
    ClearBuild(build);
    Form2Wheel(d, &build->wheel);
    build->readings = theReadings;
}

Boolean DoOpenBuild(const char *file)
{
    Build build;
    ClearBuild(&build);
    int error = 0;
    const BuildStatus status = ReadBuildFile(file, &build, &error);
    if (status != kBuildOK && status != kBuildNewer) {
        Alert(kOpenStringsID, OpenMessage(status), file, error ? strerror(error) : "");
        return FALSE;
    }
    Wheel2Form(theDialog, build.wheel);
    // What depends on the popups, then a Calculate: a newer program may
    // compute better than the one that saved the results.
    DoSpokeCountHit(theDialog);
    DoSpokeHeadHit(theDialog);
    DoCalculateHit(theDialog);
    DoLacingDiagram(theResults, FALSE);
    // The readings belong to the wheel just calculated, rim hole by rim hole.
    theReadings = build.readings;
    DoTensionWindow(theResults, FALSE);
    Opened(file);
    if (status == kBuildNewer)
        Alert(kOpenStringsID, kOpenNewer, file, nullptr);
    return TRUE;
}

Boolean DoSaveBuild(const char *file)
{
    Build build;
    Form2Build(theDialog, &build);
    Wheel2Results(build.wheel, &build.results); // the results of what is saved
    const int error = WriteBuildFile(file, build);
    if (error) {
        Alert(kSaveStringsID, kSaveFailed, file, strerror(error));
        return FALSE;
    }
    Opened(file);
    return TRUE;
}

void DoOpenCommand(void)
{
    if (!DoAskSaveChanges())
        return;
    char filter[256], file[kBuildPathSize];
    XFormatIndStr(filter, sizeof filter, kBuildStringsID, kChooserFilter);
    if (NavGetFile(filter, file, sizeof file))
        DoOpenBuild(file);
}

Boolean DoSaveCommand(void)
{
    return theBuildFile[0] ? DoSaveBuild(theBuildFile) : DoSaveAsCommand();
}

Boolean DoSaveAsCommand(void)
{
    char filter[256], suggested[kBuildPathSize], file[kBuildPathSize];
    XFormatIndStr(filter, sizeof filter, kBuildStringsID, kChooserFilter);
    if (theBuildFile[0]) {
        snprintf(suggested, sizeof suggested, "%s", theBuildFile);
    } else {
        // The build's name, which a file name cannot hold a slash of.
        char name[kWheelTextSize];
        XDlgGetStr(theDialog, iBuildName, name, sizeof name);
        if (!name[0])
            XFormatIndStr(name, sizeof name, kBuildStringsID, kUntitledName);
        for (char *c = name; *c; c++)
            if (*c == '/')
                *c = '-';
        snprintf(suggested, sizeof suggested, "%s.%s", name, kBuildSuffix);
    }
    if (!NavPutFile(filter, kBuildSuffix, suggested, file, sizeof file))
        return FALSE;
    return DoSaveBuild(file);
}

Boolean DoAskSaveChanges(void)
{
    if (!theBuildFile[0])
        return TRUE;
    Build now;
    Form2Build(theDialog, &now);
    if (SameBuild(now, theSavedBuild))
        return TRUE;
    char name[kBuildPathSize], question[kBuildPathSize + 256], detail[512], save[64], dontSave[64],
        cancel[64];
    DisplayName(theBuildFile, name, sizeof name);
    XFormatIndStr(question, sizeof question, kAskStringsID, kAskQuestion, name);
    XFormatIndStr(detail, sizeof detail, kAskStringsID, kAskDetail);
    XFormatIndStr(save, sizeof save, kAskStringsID, kAskSave);
    XFormatIndStr(dontSave, sizeof dontSave, kAskStringsID, kAskDontSave);
    XFormatIndStr(cancel, sizeof cancel, kAskStringsID, kAskCancel);
    const NavAskSaveChangesTexts texts = {question, detail, save, dontSave, cancel};
    switch (NavAskSaveChanges(&texts)) {
    case kNavAskSaveChangesSave: return DoSaveCommand();
    case kNavAskSaveChangesDontSave: return TRUE;
    default: return FALSE;
    }
}

void DoQuitCommand(void)
{
    if (DoAskSaveChanges())
        alive = FALSE;
}

void DoBuildTitle(void)
{
    if (!theBuildFile[0])
        return; // no build: the title stays "Quennick", and nothing is read
    Build now;
    Form2Build(theDialog, &now);
    SetTitle(!SameBuild(now, theSavedBuild));
}
