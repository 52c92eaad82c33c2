// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/report.h"

namespace {

// Opens one catalogue of `folder` for its report (zeroed first, but for
// keepNotes); null when it can't be opened.
FILE *OpenOne(const char *folder, const char *name, CatalogueReport *report)
{
    const bool keepNotes = report->keepNotes;
    memset(report, 0, sizeof *report);
    report->keepNotes = keepNotes;
    const int n = snprintf(report->file, sizeof report->file, "%s%s", folder ? folder : "", name);
    if (!folder || folder[0] == '\0' || n < 0 || n >= (int)sizeof report->file) {
        // No data folder must not mean the working directory.
        report->problem = kFileMissing;
        report->error = ENOENT;
        return nullptr;
    }
    return OpenCatalogueFile(report->file, &report->problem, &report->error);
}

// Reads one list from the data folder and then from the user's folder.
void ReadOneList(const char *folder, const char *userFolder, const char *name, MenuRef menu,
                 CatalogueReport reports[kListFiles],
                 void (*read)(const CatalogueSource *, int, MenuRef))
{
    CatalogueSource sources[kListFiles];
    sources[kShippedFile] = {OpenOne(folder, name, &reports[kShippedFile]), &reports[kShippedFile]};
    sources[kUserFile] = {OpenOne(userFolder, name, &reports[kUserFile]), &reports[kUserFile]};
    // The user's file may be the shipped one itself: a link to it, or the data
    // folder named another way. Its records are already in the list once.
    struct stat shipped, user;
    if (sources[kShippedFile].file && sources[kUserFile].file &&
        fstat(fileno(sources[kShippedFile].file), &shipped) == 0 &&
        fstat(fileno(sources[kUserFile].file), &user) == 0 && shipped.st_dev == user.st_dev &&
        shipped.st_ino == user.st_ino) {
        fclose(sources[kUserFile].file);
        sources[kUserFile].file = nullptr;
        reports[kUserFile].problem = kFileSameAsShipped;
    }
    read(sources, kListFiles, menu);
    for (const CatalogueSource &s : sources)
        if (s.file)
            fclose(s.file);
}

} // namespace

void ReadCatalogues(const char *folder, const char *userFolder, MenuRef rimMenu, MenuRef hubMenu,
                    CatalogueReport rims[kListFiles], CatalogueReport hubs[kListFiles])
{
    // The rim files are finished and closed before the hub files are opened.
    ReadOneList(folder, userFolder, "rims.txt", rimMenu, rims, ReadRimSources);
    ReadOneList(folder, userFolder, "hubs.txt", hubMenu, hubs, ReadHubSources);
}

SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu)
{
    CatalogueReport rims[kListFiles] = {}, hubs[kListFiles] = {};
    ReadCatalogues(path, userPath, rimMenu, hubMenu, rims, hubs);
    return 1;
}

namespace {

void FreeTexts(char *record, const CatalogueField *fields, int count)
{
    for (int i = 0; i < count; i++) {
        if (fields[i].number)
            continue;
        char *text;
        memcpy(&text, record + fields[i].record, sizeof text);
        free(text);
    }
}

} // namespace

void FreeCatalogues(void)
{
    for (SInt32 i = 0; i < rimc; i++)
        FreeTexts(reinterpret_cast<char *>(&rimt[i]), kRimFields, kRimFieldCount);
    for (SInt32 i = 0; i < hubc; i++)
        FreeTexts(reinterpret_cast<char *>(&hubt[i]), kHubFields, kHubFieldCount);
    free(rimt);
    free(hubt);
    rimt = nullptr;
    hubt = nullptr;
    rimc = hubc = 0;
}
