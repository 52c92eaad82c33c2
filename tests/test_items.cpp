// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The X helpers on the real form's items.
#include <QApplication>

#include <cstring>
#include <string>

#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

class Items : public FormTest {};

TEST_F(Items, TextsGoInAsTheyAre)
{
    XDlgSetStr(form, iRimText1, "Road box section");
    EXPECT_EQ(Text(iRimText1), "Road box section");
    XDlgSetStr(form, iRimText1, nullptr);
    EXPECT_EQ(Text(iRimText1), "");
    XDlgSetStr(form, iHubText1, "Caf\xC3\xA9 & <b>bold</b>");
    EXPECT_EQ(Text(iHubText1), "Caf\xC3\xA9 & <b>bold</b>");
}

TEST_F(Items, NumbersComeOutWithADecimalComma)
{
    XDlgSetDouble(form, iRimDiameter, 2, 0);
    EXPECT_EQ(Text(iRimDiameter), "0,00");
    XDlgSetDouble(form, iLength1, 2, 292.33);
    EXPECT_EQ(Text(iLength1), "292,33");
}

TEST_F(Items, NumbersReadBackAndTheItemKeepsItsText)
{
    Field(iFlangeDiameter1)->setText(QStringLiteral("12,50"));
    double v = 0;
    EXPECT_TRUE(XDlgGetDouble(form, iFlangeDiameter1, &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_EQ(Text(iFlangeDiameter1), "12,50");

    Field(iFlangeDiameter1)->setText(QString());
    v = 7;
    EXPECT_TRUE(XDlgGetDouble(form, iFlangeDiameter1, &v));
    EXPECT_EQ(v, 0.0);

    Field(iFlangeDiameter1)->setText(QStringLiteral("wide"));
    v = 7;
    EXPECT_FALSE(XDlgGetDouble(form, iFlangeDiameter1, &v));
    EXPECT_EQ(v, 0.0);
}

TEST_F(Items, PopupValuesCountFromOne)
{
    // The entries "24" and "36" (the spoke popup lists its counts in order).
    Popup(iSpokes)->setCurrentIndex(Popup(iSpokes)->findText(QStringLiteral("24")));
    EXPECT_EQ(XDlgGetValue(form, iSpokes), 1);
    Popup(iSpokes)->setCurrentIndex(Popup(iSpokes)->findText(QStringLiteral("36")));
    EXPECT_EQ(XDlgGetValue(form, iSpokes), 4);
    Popup(iCrossings2)->setCurrentIndex(0);
    EXPECT_EQ(XDlgGetValue(form, iCrossings2), 1);
}

TEST_F(Items, MissingItemsAreHarmless)
{
    XDlgSetStr(form, 99, "nowhere");
    XDlgSetStr(form, 0, "nowhere");
    double v = 5;
    XDlgGetDouble(form, 99, &v);
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(XDlgGetValue(form, 99), 0);
}

TEST_F(Items, MenuEntriesAppendAndInvalidMenusAreIgnored)
{
    MenuRef menu = ItemMenu(form, iRimMenu);
    XMenuAppendItemStr(menu, "Road 622");
    XMenuAppendItemStr(menu, nullptr);
    EXPECT_EQ(CountMenuItems(menu), 2);
    XMenuAppendItemStr(nullptr, "nothing");
    XMenuAppendItemStr(reinterpret_cast<MenuRef>(&menu), "nothing");
}

TEST(C2Pas, CutsAt255BytesOnACharacterBoundary)
{
    Str255 out;
    std::string ascii(300, 'a');
    C2Pas(ascii.c_str(), out);
    EXPECT_EQ(out[0], 255);
    // 127 two-byte letters then one more: byte 255 would split the 128th.
    std::string accents;
    for (int i = 0; i < 130; i++)
        accents += "\xC3\xA9";
    C2Pas(accents.c_str(), out);
    EXPECT_EQ(out[0], 254);
    std::string exact(255, 'b');
    C2Pas(exact.c_str(), out);
    EXPECT_EQ(out[0], 255);
    C2Pas(nullptr, out);
    EXPECT_EQ(out[0], 0);
}

} // namespace

// String list texts: by position, empty for none, cut whole characters.
TEST(StringLists, TextsByPositionCutToTheirBuffer)
{
    char out[64];
    XFormatIndStr(out, sizeof out, kResultStringsID, 1);
    EXPECT_STREQ(out, "no result");
    for (SInt16 index : {0, -1, 999}) {
        XFormatIndStr(out, sizeof out, kResultStringsID, index);
        EXPECT_STREQ(out, "") << index;
    }
    XFormatIndStr(out, sizeof out, 12345, 1);
    EXPECT_STREQ(out, "");
    char small[4];
    XFormatIndStr(small, sizeof small, kResultStringsID, 1);
    EXPECT_STREQ(small, "no ");
}
