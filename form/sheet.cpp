// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/sheet.h"

#include <math.h>
#include <string.h>

#include <vector>

#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "app/globals.h"
#include "calc/tolerance.h"
#include "form/items.h"
#include "form/tension.h"
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
// A label from another list than kSheetStringsID names it in `list`. A
// kOptionalText figure is left out, label and all, when it is empty (a part's
// source, the washers), so that a wheel without them keeps to one page. A
// kWorkedErd figure is the ERD the lengths are worked from, with the washers
// (items 10 and 57), shown only when there are washers.
enum FigureKind {
    kHeading,
    kItemText,
    kOptionalText,
    kCrossings,
    kSpokeCount,
    kPopupWords,
    kWorkedErd
};
struct Figure {
    SInt16 label; // index in list kSheetStringsID
    DialogItemIndex item;
    FigureKind kind;
    SInt16 straightLabel;
    SInt16 words;
    SInt16 list = 0; // 0: kSheetStringsID
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
    {kLabelWasher, iWasher, kOptionalText, 0, 0, kSourceStringsID},
    {kLabelWorkedErd, iWasher, kWorkedErd, 0, 0, kSourceStringsID},
    {kLabelSource, iRimSource, kOptionalText, 0, 0, kSourceStringsID},
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
    {kLabelSource, iHubSource, kOptionalText, 0, 0, kSourceStringsID},
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
    {kLabelTolerance1, iErdTolerance1, kItemText, 0, 0, kSourceStringsID},
    {kLabelTolerance2, iErdTolerance2, kItemText, 0, 0, kSourceStringsID},
};

// A step's spokes as hub hole to rim hole pairs.
void PutPairs(const LacingStep &step, char *pairs, size_t size)
{
    Text p = Begin(pairs, size);
    for (int i = 0; i < step.count; i++) {
        if (i > 0)
            p.Put(", ");
        const Number hub(step.hubHole[i]), rim(step.rimHole[i]);
        p.PutString(kSheetStringsID, kPairFormat, hub.s, rim.s);
    }
}

} // namespace

size_t Lacing2Steps(const Lacing &l, char *out, size_t size)
{
    Text t = Begin(out, size);
    LacingStep steps[6];
    const int count = LacingSteps(l, steps, 6);
    FlangeReference ref;
    if (count == 0 || !Lacing2Reference(l, &ref))
        return 0;
    const int key = l.keySide, other = 3 - key;
    int step = 0;
    // A step's line: its numbered first sentence, then `more` sentences.
    auto begin = [&](SInt16 index, const char *a, const char *b = nullptr,
                     const char *c = nullptr) {
        const Number n(++step);
        if (step > 1)
            t.Put("\n");
        t.PutString(kStepStringsID, index, n.s, a, b, c);
    };
    auto more = [&](SInt16 index, const char *a = nullptr, const char *b = nullptr) {
        t.Put(" ");
        t.PutString(kStepStringsID, index, a, b);
    };
    const Number keySide(key), otherSide(other), keyHub(ref.keyHub), otherHub(ref.otherHub);
    begin(kStepRim, nullptr);
    if (l.spokes1 == l.spokes2) {
        more(kRimInTurn, keySide.s);
        more(kRimOwnFlange);
    } else {
        more(kRimThrees, keySide.s, otherSide.s);
        more(kRimDrilled2to1, keySide.s);
        more(kRimAlternate2to1);
    }
    begin(kStepHubHoles, nullptr);
    more(kHubKey, keySide.s, keyHub.s);
    if (l.crossings1 > 0 || l.crossings2 > 0) {
        more(kHeadsRule);
        more(kHeadsStraightPull);
    }
    char pairs[1024];
    for (int i = 0; i < count; i++) {
        const LacingStep &s = steps[i];
        const Number side(s.side);
        const bool radial = s.kind == kRadial;
        PutPairs(s, pairs, sizeof pairs);
        if (i == 0) {
            begin(radial ? kStepKeyRadial : kStepKey, side.s, keyHub.s);
        } else if (i == 1 && s.side == key) {
            begin(radial ? kStepKeyRestRadial : kStepKeyRest, side.s, pairs);
        } else if (s.side == other && s.kind != kLeading) {
            // The other flange's first step: where its holes are counted from.
            begin(ref.turn > 0 ? kStepOtherClockwise : kStepOtherCounterclockwise, otherSide.s,
                  otherHub.s, keySide.s);
            if (radial)
                begin(kStepRadial, side.s, pairs);
            else
                begin(kStepTrailing, side.s, keySide.s, pairs);
        } else {
            const int crossings = s.side == 1 ? l.crossings1 : l.crossings2;
            const Number x(crossings);
            begin(kStepLeading, side.s, pairs);
            more(crossings == 1 ? kLeadingCrossesOne : kLeadingCrosses, x.s);
        }
    }
    t.Put("\n");
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
    const double washer = r.wheel.rim.washer;
    const double worked = WasherErd(r.wheel.rim.diameter, washer);
    // Without washers the ERD above is the one.
    const bool washers = washer > 0 && isfinite(washer);
    for (const Figure &f : kFigures) {
        char value[256] = "";
        const SInt16 v = WheelValue(r.wheel, f.item);
        if (f.kind == kWorkedErd) {
            Double2Str(worked, 2, value);
        } else if (f.kind == kItemText || f.kind == kOptionalText) {
            // An input as the form writes it, else a result as the form showed it.
            if (!WheelText(r.wheel, f.item, value, sizeof value))
                ResultText(r, f.item, value, sizeof value);
        } else if (f.kind == kCrossings) {
            Double2Str(v - 1, 0, value);
        } else if (f.kind == kSpokeCount) {
            Double2Str(r.side1.spokes + r.side2.spokes, 0, value);
        } else if (f.kind == kPopupWords && v >= 1) {
            XFormatIndStr(value, sizeof value, kSheetStringsID, (SInt16)(f.words + v - 1));
        }
        if ((f.kind == kWorkedErd && !washers) || (f.kind == kOptionalText && value[0] == '\0'))
            continue;
        t.PutString(f.list ? f.list : (SInt16)kSheetStringsID,
                    straight && f.straightLabel ? f.straightLabel : f.label);
        if (f.kind != kHeading) {
            t.Put("\t");
            t.Put(value);
        }
        t.Put("\n");
    }
    return t.n;
}

size_t UnlacedText(const Results &r, char *out, size_t size)
{
    Text t = Begin(out, size);
    if (!r.calculated || r.laced)
        return 0;
    const LacingCheck &u = r.unlaced;
    const Number side(u.side), spokes(u.spokes), most(u.most),
        crossings(u.side == 1 ? r.wheel.crossings1 : r.wheel.crossings2);
    if (u.kind == kLacingOddCrossedSide)
        t.PutString(kWhatCannotBeID, kOddCrossedSide, side.s, spokes.s);
    else if (u.kind == kLacingTooManyCrossings)
        t.PutString(kWhatCannotBeID, kTooManyCrossings, side.s, spokes.s, most.s, crossings.s);
    else
        t.PutString(kWhatCannotBeID, kCountsCannotBeLaced);
    return t.n;
}

size_t NoStepsText(const Results &r, char *out, size_t size)
{
    Text t = Begin(out, size);
    if (!r.calculated || CanBuild(r))
        return 0;
    char text[kWheelTextSize];
    if (r.parts.kind != kPartsFine) {
        // The note says what the parts cannot be: it comes first.
        ResultText(r, iLacingNote, text, sizeof text);
        t.Put(text);
    } else if (!r.laced) {
        UnlacedText(r, text, sizeof text);
        t.Put(text);
    } else {
        t.PutString(kWhatCannotBeID, kNoLacingNoResult);
    }
    return t.n;
}

namespace {

// The steps and the table of a wheel to build; for any other, the sentence
// that says why there are none, and no table.
void StepsAndTable(const Results &r, std::vector<char> *steps, std::vector<char> *table)
{
    if (CanBuild(r)) {
        Lacing2Steps(r.lacing, steps->data(), steps->size());
        Lacing2Table(r.lacing, table->data(), table->size());
        return;
    }
    const size_t n = NoStepsText(r, steps->data(), steps->size() - 1);
    if (n > 0) {
        (*steps)[n] = '\n';
        (*steps)[n + 1] = '\0';
    }
    (*table)[0] = '\0';
}

} // namespace

size_t Results2SheetText(const Results &r, char *out, size_t size, const Readings *readings)
{
    Text t = Begin(out, size);
    std::vector<char> part(32768), steps(32768), table(32768);
    StepsAndTable(r, &steps, &table);
    t.PutString(kSheetStringsID, kSheetTitle);
    t.Put("\n\n");
    Results2Figures(r, part.data(), part.size());
    t.Put(part.data());
    t.Put("\n");
    t.PutString(kSheetStringsID, kSheetSteps);
    t.Put("\n");
    t.Put(steps.data());
    if (table[0] == '\0')
        return t.n;
    t.Put("\n");
    t.PutString(kSheetStringsID, kSheetTable);
    t.Put("\n");
    t.Put(table.data());
    if (readings && Readings2Table(r, *readings, part.data(), part.size()) > 0) {
        t.Put("\n");
        t.PutString(kTensionStringsID, kTensionSheetHeading);
        t.Put("\n");
        t.Put(part.data());
    }
    return t.n;
}

namespace {

// The picture of the wheel; without a lacing, why (`why` holds the text).
LacingPicture PictureOf(const Results &r, char *why, size_t size)
{
    UnlacedText(r, why, size);
    return {r.laced ? &r.lacing : nullptr, r.wheel.rim.diameter, r.wheel.hub.flangeDiameter1,
            r.wheel.hub.flangeDiameter2, why};
}

} // namespace

void DoLacingDiagram(const Results &results, Boolean show)
{
    char why[kWheelTextSize];
    const LacingPicture picture = PictureOf(results, why, sizeof why);
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
    StepsAndTable(r, &steps, &table);
    char why[kWheelTextSize];
    char readingsTitle[256];
    XFormatIndStr(readingsTitle, sizeof readingsTitle, kTensionStringsID, kTensionSheetHeading);
    std::vector<char> readings(32768);
    std::vector<TensionFigures> chart(1);
    Readings2Table(r, theReadings, readings.data(), readings.size());
    ReadingsFigures(r, theReadings, chart.data());
    const BuildSheet sheet = {title,
                              figures.data(),
                              stepsTitle,
                              steps.data(),
                              tableTitle,
                              table.data(),
                              PictureOf(r, why, sizeof why),
                              readingsTitle,
                              readings.data(),
                              chart.data()};
    PrintBuildSheet(&sheet);
}

void DoCopySheet(const Results &r)
{
    std::vector<char> text(1 << 17);
    Results2SheetText(r, text.data(), text.size(), &theReadings);
    PutScrapText(text.data());
}
