// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/sheet.h"

#include <string.h>

#include <vector>

#include "calc/numtext.h"
#include "form/items.h"
#include "form/wheel.h"

namespace {

// A bounded text being written: what does not fit is dropped, and the text
// always ends in a NUL.
struct Text {
    char *buf;
    size_t size;
    size_t n;
    void Put(const char *s)
    {
        if (!buf || size == 0)
            return;
        const size_t len = strlen(s), room = size - 1 - n;
        const size_t take = len < room ? len : room;
        memcpy(buf + n, s, take);
        n += take;
        buf[n] = '\0';
    }
    void PutString(SInt16 list, SInt16 index, const char *p1 = nullptr, const char *p2 = nullptr,
                   const char *p3 = nullptr, const char *p4 = nullptr)
    {
        char s[2048];
        XFormatIndStr(s, sizeof s, list, index, p1, p2, p3, p4);
        Put(s);
    }
};

Text Begin(char *out, size_t size)
{
    if (out && size > 0)
        out[0] = '\0';
    return Text{out, size, 0};
}

struct Number {
    char s[kNumTextSize];
    explicit Number(double v) { Double2Str(v, 0, s); }
};

// The figures of the sheet, in its order: a heading (item 0) or an item of
// the form with its label, and the label a straight-pull hub gives it
// instead (0: the same). A popup's words are the list's texts from `words`
// on, one per value. A new figure of the form is one more line here, beside
// its line in form/wheel.cpp's tables (an input) or ResultText (a result).
enum FigureKind { kHeading, kItemText, kCrossings, kSpokeCount, kPopupWords };
struct Figure {
    SInt16 label; // index in list kSheetStringsID
    DialogItemIndex item;
    FigureKind kind;
    SInt16 straightLabel;
    SInt16 words;
};
const Figure kFigures[] = {
    {kLabelName, iBuildName, kItemText, 0, 0}, // the build's, before the rim's
    {kLabelNotes, iBuildNotes, kItemText, 0, 0},
    {kSheetRim, 0, kHeading, 0, 0},
    {kLabelName, iRimText1, kItemText, 0, 0},
    {kLabelSize, iRimText3, kItemText, 0, 0},
    {kLabelNotes, iRimText2, kItemText, 0, 0},
    {kLabelRimDiameter, iRimDiameter, kItemText, 0, 0},
    {kLabelRimOffset, iRimOffset, kItemText, 0, 0},
    {kSheetHub, 0, kHeading, 0, 0},
    {kLabelName, iHubText1, kItemText, 0, 0},
    {kLabelPosition, iHubText4, kItemText, 0, 0},
    {kLabelAxle, iHubText2, kItemText, 0, 0},
    {kLabelNotes, iHubText3, kItemText, 0, 0},
    {kLabelSpokeHead, iSpokeHead, kPopupWords, 0, kWordJBend},
    {kLabelFlangeDiameter1, iFlangeDiameter1, kItemText, kLabelSeatDiameter1, 0},
    {kLabelFlangeDiameter2, iFlangeDiameter2, kItemText, kLabelSeatDiameter2, 0},
    {kLabelFlangeDistance1, iFlangeDistance1, kItemText, kLabelSeatDistance1, 0},
    {kLabelFlangeDistance2, iFlangeDistance2, kItemText, kLabelSeatDistance2, 0},
    {kLabelHoleDiameter, iHoleDiameter, kItemText, 0, 0},
    {kSheetLacing, 0, kHeading, 0, 0},
    {kLabelCrossings1, iCrossings1, kCrossings, 0, 0},
    {kLabelCrossings2, iCrossings2, kCrossings, 0, 0},
    {kLabelSpokes, iSpokes, kSpokeCount, 0, 0},
    {kLabelSpokesPerSide, iSpokesPerSide, kPopupWords, 0, kWordSidesEqual},
    {kLabelGauge1, iGauge1, kPopupWords, 0, kWordGaugeNotSet},
    {kLabelGauge2, iGauge2, kPopupWords, 0, kWordGaugeNotSet},
    {kLabelTargetTension, iTargetTension, kItemText, 0, 0},
    {kLabelTensionUnit, iTensionUnit, kPopupWords, 0, kWordKgf},
    {kLabelStockLengths, iStockLengths, kPopupWords, 0, kWordStockEven2mm},
    {kLabelLacingNote, iLacingNote, kItemText, 0, 0},
    {kSheetResults, 0, kHeading, 0, 0},
    {kLabelLength1, iLength1, kItemText, 0, 0},
    {kLabelLength2, iLength2, kItemText, 0, 0},
    {kLabelTension1, iTension1, kItemText, 0, 0},
    {kLabelTension2, iTension2, kItemText, 0, 0},
    {kLabelBracing1, iBracing1, kItemText, 0, 0},
    {kLabelBracing2, iBracing2, kItemText, 0, 0},
    {kLabelStretch1, iStretch1, kItemText, 0, 0},
    {kLabelStretch2, iStretch2, kItemText, 0, 0},
    {kLabelLengthToBuy1, iLengthToBuy1, kItemText, 0, 0},
    {kLabelLengthToBuy2, iLengthToBuy2, kItemText, 0, 0},
};

// One step: a side's spokes of one lean, as hub hole to rim hole pairs,
// leaving out rim hole 1 when `skipKey`.
void PutPairs(const Lacing &l, int side, SpokeKind kind, bool skipKey, char *pairs, size_t size)
{
    Text p = Begin(pairs, size);
    int holes[kMaxLacingSpokes];
    const int n = LacingSet(l, side, kind, holes, kMaxLacingSpokes);
    bool first = true;
    for (int i = 0; i < n; i++) {
        if (skipKey && holes[i] == 1)
            continue;
        if (!first)
            p.Put(", ");
        first = false;
        const Number hub(l.hole[holes[i] - 1].hubHole), rim(holes[i]);
        p.PutString(kSheetStringsID, kPairFormat, hub.s, rim.s);
    }
}

} // namespace

size_t Lacing2Steps(const Lacing &l, char *out, size_t size)
{
    Text t = Begin(out, size);
    if (l.spokes == 0)
        return 0;
    const int key = l.keySide, other = 3 - key;
    const int crossings[3] = {0, l.crossings1, l.crossings2};
    int step = 0;
    char pairs[1024];
    auto next = [&](SInt16 index, const char *a, const char *b = nullptr, const char *c = nullptr) {
        const Number n(++step);
        t.PutString(kStepStringsID, index, n.s, a, b, c);
        t.Put("\n");
    };
    const Number keySide(key), otherSide(other), keyHub(l.hole[0].hubHole);
    next(kStepKey, keySide.s, keyHub.s);
    const bool keyRadial = crossings[key] == 0, otherRadial = crossings[other] == 0;
    PutPairs(l, key, keyRadial ? kRadial : kTrailing, true, pairs, sizeof pairs);
    next(keyRadial ? kStepKeyRestRadial : kStepKeyRest, keySide.s, pairs);
    PutPairs(l, other, otherRadial ? kRadial : kTrailing, false, pairs, sizeof pairs);
    if (otherRadial)
        next(kStepRadial, otherSide.s, pairs);
    else
        next(kStepTrailing, otherSide.s, keySide.s, pairs);
    for (int side : {key, other}) {
        if (crossings[side] == 0)
            continue;
        const Number s(side), x(crossings[side]);
        PutPairs(l, side, kLeading, false, pairs, sizeof pairs);
        const Number n(++step);
        t.PutString(kStepStringsID, kStepLeading, n.s, s.s, pairs, x.s);
        t.Put("\n");
    }
    return t.n;
}

size_t Lacing2Table(const Lacing &l, char *out, size_t size)
{
    Text t = Begin(out, size);
    t.PutString(kSheetStringsID, kTableRimHole);
    t.Put("\t");
    t.PutString(kSheetStringsID, kTableSide);
    t.Put("\t");
    t.PutString(kSheetStringsID, kTableHubHole);
    t.Put("\t");
    t.PutString(kSheetStringsID, kTableSpoke);
    t.Put("\n");
    for (int i = 0; i < l.spokes; i++) {
        const RimHole &h = l.hole[i];
        const Number rim(i + 1), side(h.side), hub(h.hubHole);
        t.Put(rim.s);
        t.Put("\t");
        t.Put(side.s);
        t.Put("\t");
        t.Put(hub.s);
        t.Put("\t");
        t.PutString(kSheetStringsID, h.kind == kLeading    ? kWordLeading
                                     : h.kind == kTrailing ? kWordTrailing
                                                           : kWordRadial);
        t.Put("\n");
    }
    return t.n;
}

size_t Results2Figures(const Results &r, char *out, size_t size)
{
    Text t = Begin(out, size);
    const bool straight = r.wheel.hub.head == kStraightPullHead;
    for (const Figure &f : kFigures) {
        t.PutString(kSheetStringsID, straight && f.straightLabel ? f.straightLabel : f.label);
        if (f.kind != kHeading) {
            char value[256] = "";
            const SInt16 v = WheelValue(r.wheel, f.item);
            if (f.kind == kItemText && !WheelText(r.wheel, f.item, value, sizeof value))
                ResultText(r, f.item, value, sizeof value);
            else if (f.kind == kCrossings)
                Double2Str(v - 1, 0, value);
            else if (f.kind == kSpokeCount)
                Double2Str(r.side1.spokes + r.side2.spokes, 0, value);
            else if (f.kind == kPopupWords && v >= 1)
                XFormatIndStr(value, sizeof value, kSheetStringsID, (SInt16)(f.words + v - 1));
            t.Put("\t");
            t.Put(value);
        }
        t.Put("\n");
    }
    return t.n;
}

size_t Results2SheetText(const Results &r, char *out, size_t size)
{
    Text t = Begin(out, size);
    std::vector<char> part(32768);
    t.PutString(kSheetStringsID, kSheetTitle);
    t.Put("\n\n");
    Results2Figures(r, part.data(), part.size());
    t.Put(part.data());
    t.Put("\n");
    t.PutString(kSheetStringsID, kSheetSteps);
    t.Put("\n");
    Lacing2Steps(r.lacing, part.data(), part.size());
    t.Put(part.data());
    t.Put("\n");
    t.PutString(kSheetStringsID, kSheetTable);
    t.Put("\n");
    Lacing2Table(r.lacing, part.data(), part.size());
    t.Put(part.data());
    return t.n;
}

namespace {

LacingPicture PictureOf(const Results &r)
{
    return {r.laced ? &r.lacing : nullptr, r.wheel.rim.diameter, r.wheel.hub.flangeDiameter1,
            r.wheel.hub.flangeDiameter2};
}

} // namespace

void DoLacingDiagram(const Results &results, Boolean show)
{
    const LacingPicture picture = PictureOf(results);
    SetLacingWindow(&picture, show);
}

void DoPrintSheet(const Results &r)
{
    char title[256], stepsTitle[256], tableTitle[256];
    XFormatIndStr(title, sizeof title, kSheetStringsID, kSheetTitle);
    XFormatIndStr(stepsTitle, sizeof stepsTitle, kSheetStringsID, kSheetSteps);
    XFormatIndStr(tableTitle, sizeof tableTitle, kSheetStringsID, kSheetTable);
    std::vector<char> figures(32768), steps(32768), table(32768);
    Results2Figures(r, figures.data(), figures.size());
    Lacing2Steps(r.lacing, steps.data(), steps.size());
    Lacing2Table(r.lacing, table.data(), table.size());
    const BuildSheet sheet = {title,      figures.data(), stepsTitle,  steps.data(),
                              tableTitle, table.data(),   PictureOf(r)};
    PrintBuildSheet(&sheet);
}

void DoCopySheet(const Results &r)
{
    std::vector<char> text(1 << 17);
    Results2SheetText(r, text.data(), text.size());
    PutScrapText(text.data());
}
