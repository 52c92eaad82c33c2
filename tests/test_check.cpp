// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quennick --check: what it reports for good, odd and missing catalogues.
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

std::string Check(const std::string &folder, int *status)
{
    char *text = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&text, &size);
    *status = CheckCatalogues(folder.c_str(), out);
    fclose(out);
    std::string s(text, size);
    free(text);
    return s;
}

TEST(Check, ReportsRecordsWarningsAndMissingFiles)
{
    const struct {
        std::string folder;
        int status;
        std::vector<std::string> says;
    } cases[] = {
        {QUENNICK_EXAMPLES "/",
         kCheckClean,
         {"13 record(s):\n    line 2: Road box section 622x15 | ERD 602,00\n",
          "line 11: Road high flange drive side rear | hole 2,60 | flange 1 45,00 at 35,00 | "
          "flange 2 57,00 at 20,00\n",
          "26 record(s), 0 warning(s).\n"}},
        {QUENNICK_FIXTURES "/broken/",
         kCheckMissing,
         {"line ends: CR LF 6\n", "1 blank line(s) skipped\n",
          "warning: line 4: field 1 (ERD) is not a number; it counts as 0\n",
          "warning: line 5: 2 of 4 fields; the missing ones are empty or 0\n",
          "warning: line 6: longer than 254 bytes; the rest of it is left out\n",
          "hubs.txt: " QUENNICK_FIXTURES "/broken/hubs.txt\n  warning: missing"}},
    };
    for (const auto &c : cases) {
        int status = -1;
        const std::string report = Check(c.folder, &status);
        EXPECT_EQ(status, c.status) << c.folder;
        for (const std::string &s : c.says)
            EXPECT_NE(report.find(s), std::string::npos) << "missing: " << s << "\nin:\n" << report;
    }
}

TEST(Check, AnswersOnlyItsOwnOptions)
{
    char arg0[] = "quennick", check[] = "--check", platform[] = "-platform",
         offscreen[] = "offscreen";
    char folder[] = QUENNICK_FIXTURES; // no final slash
    char *checkArgs[] = {arg0, check, folder};
    char *qtArgs[] = {arg0, platform, offscreen};
    int status = -1;
    FILE *out = fopen("/dev/null", "w");
    EXPECT_TRUE(AnswerCommandLine(3, checkArgs, "", out, &status));
    EXPECT_EQ(status, kCheckClean);
    EXPECT_FALSE(AnswerCommandLine(3, qtArgs, "", out, &status));
    fclose(out);
}

} // namespace
