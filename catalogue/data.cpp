// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/report.h"

namespace {

// Reads one catalogue of the data folder with `read`; a file that can't be
// opened leaves its catalogue empty.
void ReadOne(const char *folder, const char *name, MenuRef menu, CatalogueReport *report,
             void (*read)(FILE *, MenuRef, CatalogueReport *))
{
    const bool keepNotes = report->keepNotes;
    memset(report, 0, sizeof *report);
    report->keepNotes = keepNotes;
    const int n = snprintf(report->file, sizeof report->file, "%s%s", folder, name);
    if (folder[0] == '\0' || n < 0 || n >= (int)sizeof report->file) {
        // No data folder must not mean the working directory.
        report->problem = kFileMissing;
        report->error = ENOENT;
        return;
    }
    FILE *file = OpenCatalogueFile(report->file, &report->problem, &report->error);
    if (!file)
        return;
    read(file, menu, report);
    fclose(file);
}

} // namespace

void ReadCatalogues(const char *folder, MenuRef rimMenu, MenuRef hubMenu, CatalogueReport *rims,
                    CatalogueReport *hubs)
{
    // The rim file is finished and closed before the hub file is opened.
    ReadOne(folder, "rims.txt", rimMenu, rims, ReadRimsReport);
    ReadOne(folder, "hubs.txt", hubMenu, hubs, ReadHubsReport);
}

SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu)
{
    CatalogueReport rims = {}, hubs = {};
    ReadCatalogues(path, rimMenu, hubMenu, &rims, &hubs);
    return 1;
}

void FreeCatalogues(void)
{
    for (SInt32 i = 0; i < rimc; i++) {
        free(rimt[i].text1);
        free(rimt[i].text2);
        free(rimt[i].text3);
    }
    for (SInt32 i = 0; i < hubc; i++) {
        free(hubt[i].text1);
        free(hubt[i].text2);
        free(hubt[i].text3);
        free(hubt[i].text4);
    }
    free(rimt);
    free(hubt);
    rimt = nullptr;
    hubt = nullptr;
    rimc = hubc = 0;
}
