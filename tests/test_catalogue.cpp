// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading "rims.txt" and "hubs.txt" into the tables and the choice menus.
#include <cstring>
#include <random>
#include <string>

#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

const std::string kHubHeader = "h1\rh2\rh3\rh4\rh5\rh6\rh7\rh8\r";

class Catalogue : public FormTest {
  protected:
    void SetUp() override
    {
        FormTest::SetUp();
        FreeCatalogues();
        rimMenu = ItemMenu(form, iRimMenu);
        hubMenu = ItemMenu(form, iHubMenu);
    }
    // Loads the given file contents (null: no such file) from a fresh folder.
    void Load(const char *rims, const char *hubs, size_t rimsLen = 0, size_t hubsLen = 0)
    {
        if (rims)
            folder.Write("rims.txt", std::string(rims, rimsLen ? rimsLen : strlen(rims)));
        if (hubs)
            folder.Write("hubs.txt", std::string(hubs, hubsLen ? hubsLen : strlen(hubs)));
        snprintf(path, sizeof path, "%s", folder.Path().c_str());
        EXPECT_EQ(DoReadData(rimMenu, hubMenu), 1);
    }
    void LoadRims(const std::string &bytes) { Load(bytes.c_str(), nullptr, bytes.size()); }
    void LoadHubs(const std::string &bytes) { Load(nullptr, bytes.c_str(), 0, bytes.size()); }
    std::string Entry(MenuRef menu, int k)
    {
        Str255 text;
        GetMenuItemText(menu, (MenuItemIndex)k, text);
        return std::string(reinterpret_cast<char *>(text + 1), text[0]);
    }
    TempFolder folder;
    MenuRef rimMenu = nullptr, hubMenu = nullptr;
};

TEST_F(Catalogue, RimFieldsAndMenuEntry)
{
    LoadRims("ERD\tRim\tNotes\tSize\r622\tAlpha\tBeta\tGamma\r");
    ASSERT_EQ(rimc, 1);
    EXPECT_EQ(rimt[0].diameter, 622);
    EXPECT_STREQ(rimt[0].text1, "Alpha");
    EXPECT_STREQ(rimt[0].text2, "Beta");
    EXPECT_STREQ(rimt[0].text3, "Gamma");
    ASSERT_EQ(CountMenuItems(rimMenu), 1);
    EXPECT_EQ(Entry(rimMenu, 1), "Alpha Gamma");
}

TEST_F(Catalogue, HubFieldsInFileOrder)
{
    LoadHubs(kHubHeader + "2,6\t45\t35\t57\t20\tRoad\t130 QR\tNotes\trear\r");
    ASSERT_EQ(hubc, 1);
    const HubRecord &h = hubt[0];
    EXPECT_EQ(h.holeDiameter, 2.6);
    EXPECT_EQ(h.flangeDiameter1, 45);
    EXPECT_EQ(h.flangeDistance1, 35);
    EXPECT_EQ(h.flangeDiameter2, 57);
    EXPECT_EQ(h.flangeDistance2, 20);
    EXPECT_STREQ(h.text1, "Road");
    EXPECT_STREQ(h.text2, "130 QR");
    EXPECT_STREQ(h.text3, "Notes");
    EXPECT_STREQ(h.text4, "rear");
    EXPECT_EQ(Entry(hubMenu, 1), "Road rear");
}

TEST_F(Catalogue, HeadersAloneGiveEmptyCatalogues)
{
    Load("only the header\r", "1\r2\r3\r4\r5\r6\r7\r8\r");
    EXPECT_EQ(rimc, 0);
    EXPECT_EQ(hubc, 0);
    EXPECT_EQ(CountMenuItems(rimMenu), 0);
    EXPECT_EQ(CountMenuItems(hubMenu), 0);
}

TEST_F(Catalogue, ShortHubHeaderSwallowsRecords)
{
    // Seven header lines: the eighth line read as header is the first hub.
    LoadHubs("1\r2\r3\r4\r5\r6\r7\r2\t1\t1\t1\t1\tA\tB\tC\tD\r");
    EXPECT_EQ(hubc, 0);
}

TEST_F(Catalogue, CommaAndPointNumbersAgree)
{
    LoadRims("h\r601,5\tA\tB\tC\r601.5\tD\tE\tF\r  603 mm\tG\tH\tI\rabc\tJ\tK\tL\r");
    ASSERT_EQ(rimc, 4);
    EXPECT_EQ(rimt[0].diameter, 601.5);
    EXPECT_EQ(rimt[1].diameter, 601.5);
    EXPECT_EQ(rimt[2].diameter, 603);
    EXPECT_EQ(rimt[3].diameter, 0);
}

// The fields after the size are fields of their own (the source, field 5);
// what follows the last is left out, never shown in the chooser.
TEST_F(Catalogue, FieldsAfterTheLastAreLeftOut)
{
    LoadRims("h\r600\tA\tB\tC\tmore\tstill\r");
    ASSERT_EQ(rimc, 1);
    EXPECT_STREQ(rimt[0].text3, "C");
    EXPECT_STREQ(rimt[0].source, "more");
    EXPECT_EQ(Entry(rimMenu, 1), "A C");
}

TEST_F(Catalogue, TextsKeepEverySpace)
{
    LoadRims("h\r600\t  Wide  \t\t C \r");
    ASSERT_EQ(rimc, 1);
    EXPECT_STREQ(rimt[0].text1, "  Wide  ");
    EXPECT_STREQ(rimt[0].text2, "");
    EXPECT_STREQ(rimt[0].text3, " C ");
    EXPECT_EQ(Entry(rimMenu, 1), "  Wide    C ");
}

TEST_F(Catalogue, MenuEntriesAreLiteral)
{
    LoadRims("h\r600\tR&D;(1)/!<b>^\tx\tA&B\r");
    EXPECT_EQ(Entry(rimMenu, 1), "R&D;(1)/!<b>^ A&B");
}

TEST_F(Catalogue, MissingTabsGiveEmptyTextsAndZero)
{
    Load("h\r600\r622\tOnly\r", (kHubHeader + "2\t40\r").c_str());
    ASSERT_EQ(rimc, 2);
    EXPECT_EQ(rimt[0].diameter, 600);
    EXPECT_STREQ(rimt[0].text1, "");
    EXPECT_STREQ(rimt[0].text3, "");
    EXPECT_STREQ(rimt[1].text1, "Only");
    EXPECT_STREQ(rimt[1].text2, "");
    ASSERT_EQ(hubc, 1);
    EXPECT_EQ(hubt[0].flangeDiameter1, 40);
    EXPECT_EQ(hubt[0].flangeDistance2, 0);
    EXPECT_STREQ(hubt[0].text4, "");
    EXPECT_EQ(Entry(hubMenu, 1), " ");
}

TEST_F(Catalogue, OverLongLineIsCutAndTheRestStillLoads)
{
    std::string rims = "h\r600\t" + std::string(400, 'L') + "\tB\tC\r601\tNext\tB\tC\r";
    LoadRims(rims);
    ASSERT_EQ(rimc, 2);
    EXPECT_EQ(strlen(rimt[0].text1), 254u - 4u); // the line keeps 254 bytes
    EXPECT_STREQ(rimt[0].text3, "");
    EXPECT_STREQ(rimt[1].text1, "Next");
    EXPECT_EQ(rimt[1].diameter, 601);
}

TEST_F(Catalogue, NulBytesAndJunkDoNoHarm)
{
    const char withNul[] = "h\r600\tA\0hidden\tB\tC\r601\tD\tE\tF\r";
    Load(withNul, nullptr, sizeof withNul - 1);
    ASSERT_EQ(rimc, 2);
    EXPECT_STREQ(rimt[0].text1, "A");
    EXPECT_STREQ(rimt[1].text1, "D");
    FreeCatalogues();

    std::mt19937 random(7);
    std::string junk;
    int ends = 0;
    for (int i = 0; i < 20000; i++) {
        const char c = (char)(random() & 0xFF);
        ends += c == '\r' || c == '\n';
        junk += c;
    }
    Load(junk.c_str(), (kHubHeader + junk).c_str(), junk.size(), kHubHeader.size() + junk.size());
    EXPECT_GT(rimc, 0);
    EXPECT_LE(rimc, ends);
    EXPECT_EQ(hubc, rimc + 1) << "the same lines, one more of them a record";
    for (SInt32 i = 0; i < rimc; i++)
        ASSERT_TRUE(rimt[i].text1 && rimt[i].text2 && rimt[i].text3);
}

TEST_F(Catalogue, MissingFilesGiveEmptyCatalogues)
{
    Load(nullptr, (kHubHeader + "2\t40\t30\t40\t30\tH\tA\tN\tfront\r").c_str());
    EXPECT_EQ(rimc, 0);
    EXPECT_EQ(rimt, nullptr);
    EXPECT_EQ(hubc, 1) << "a missing rim file must not keep the hubs from loading";
    FreeCatalogues();
    snprintf(path, sizeof path, "/nonexistent/folder/");
    DoReadData(rimMenu, hubMenu);
    EXPECT_EQ(rimc, 0);
    EXPECT_EQ(hubc, 0);
}

TEST_F(Catalogue, AnyFolderThatFitsThePathIsRead)
{
    folder.Write("rims.txt", "h\r600\tA\tB\tC\r");
    // A path of 510 bytes leading to the same folder: the file name built from
    // it must still fit.
    std::string longPath = folder.Path();
    while (longPath.size() < kPathSize - 2)
        longPath.insert(longPath.size() - 1, "/.");
    snprintf(path, sizeof path, "%s", longPath.c_str());
    DoReadData(rimMenu, hubMenu);
    EXPECT_EQ(rimc, 1);
    FreeCatalogues();
    path[0] = '\0';
    DoReadData(rimMenu, hubMenu);
    EXPECT_EQ(rimc, 0) << "no data folder must not mean the working directory";
}

TEST_F(Catalogue, TheUsersOwnRecordsFollowInTheSameMenus)
{
    snprintf(userPath, sizeof userPath, "%s", QUENNICK_FIXTURES "/user/quennick/");
    Load("h\r600\tA\tB\tC\r", (kHubHeader + "2\t40\t30\t40\t30\tH\tA\tN\tfront\r").c_str());
    userPath[0] = '\0';
    ASSERT_EQ(rimc, 3);
    ASSERT_EQ(CountMenuItems(rimMenu), 3);
    EXPECT_EQ(Entry(rimMenu, 1), "A C");
    EXPECT_EQ(Entry(rimMenu, 2), "My own road 622x19");
    EXPECT_EQ(Entry(rimMenu, 3), "My own mountain 559x25");
    ASSERT_EQ(CountMenuItems(hubMenu), 2);
    EXPECT_EQ(Entry(hubMenu, 1), "H front");
    EXPECT_EQ(Entry(hubMenu, 2), "My own rear rear");
    EXPECT_EQ(hubt[1].flangeDiameter1, 58);
}

TEST_F(Catalogue, SingleByteFilesAreShownInUtf8)
{
    LoadRims("h\r600\tCaf\x8E\tGr\x9A\xA7"
             "e\t28\xA1\r");
    ASSERT_EQ(rimc, 1);
    EXPECT_STREQ(rimt[0].text1, "Caf\xC3\xA9");
    EXPECT_STREQ(rimt[0].text2, "Gr\xC3\xB6\xC3\x9F"
                                "e");
    EXPECT_STREQ(rimt[0].text3, "28\xC2\xB0");
    FreeCatalogues();
    LoadRims("h\r600\tCaf\xE9\tM\xFCller\t\x80 9\r");
    EXPECT_STREQ(rimt[0].text1, "Caf\xC3\xA9");
    EXPECT_STREQ(rimt[0].text3, "\xE2\x82\xAC 9");
    FreeCatalogues();
    LoadRims("h\r600\tCaf\xC3\xA9\t\xF0\x9F\x9A\xB2\tx\r");
    EXPECT_STREQ(rimt[0].text1, "Caf\xC3\xA9");
    EXPECT_STREQ(rimt[0].text2, "\xF0\x9F\x9A\xB2");
    FreeCatalogues();
    // A hub's menu entry joins its texts as shown: one Windows-1252, one UTF-8.
    LoadHubs(kHubHeader + "2\t1\t2\t3\t4\tNab\xE9\tx\ty\tarri\xC3\xA8re\r");
    EXPECT_EQ(Entry(hubMenu, 1), "Nab\xC3\xA9 arri\xC3\xA8re");
}

TEST_F(Catalogue, MoreRecordsThanAMenuCanChoose)
{
    std::string rims = "h\r";
    for (int i = 0; i < 40000; i++)
        rims += std::to_string(500 + i % 100) + "\tRim " + std::to_string(i + 1) + "\tx\t622\r";
    LoadRims(rims);
    EXPECT_EQ(rimc, 32767);
    EXPECT_EQ(CountMenuItems(rimMenu), 32767);
    EXPECT_EQ(Entry(rimMenu, 32767), "Rim 32767 622");
}

TEST(FGetLine, ReadsEveryLineEndAndReportsTheEnd)
{
    char data[] = "ab\rcd\r\nef\ngh";
    FILE *f = fmemopen(data, strlen(data), "rb");
    char line[kLineSize];
    for (const char *expected : {"ab", "cd", "ef", "gh"}) {
        EXPECT_TRUE(fgetline(f, line));
        EXPECT_STREQ(line, expected);
    }
    EXPECT_FALSE(fgetline(f, line));
    EXPECT_STREQ(line, "");
    fclose(f);
}

TEST(FGetLine, NeverWritesPastTheBuffer)
{
    std::string data(1000, 'x');
    data += "\rnext\r";
    FILE *f = fmemopen(&data[0], data.size(), "rb");
    char line[kLineSize + 8];
    memset(line, '#', sizeof line);
    EXPECT_TRUE(fgetline(f, line));
    EXPECT_EQ(strlen(line), 254u);
    EXPECT_EQ(line[kLineSize], '#');
    EXPECT_TRUE(fgetline(f, line));
    EXPECT_STREQ(line, "next");
    fclose(f);
}

TEST(StrDup, CopiesTheText)
{
    char *copy = _strdup("spoke");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "spoke");
    free(copy);
}

} // namespace
