// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/tension.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "catalogue/meters.h"
#include "form/items.h"
#include "form/sheet.h"

namespace {

std::string Str(SInt16 list, SInt16 index, const char *p1 = nullptr, const char *p2 = nullptr,
                const char *p3 = nullptr, const char *p4 = nullptr)
{
    char s[1024];
    XFormatIndStr(s, sizeof s, list, index, p1, p2, p3, p4);
    return s;
}

std::string Whole(double v)
{
    char s[kNumTextSize];
    Double2Str(v, 0, s);
    return s;
}

// A percentage as the language writes it, with its sign when asked ("+4 %").
std::string Percent(double v, bool sign)
{
    char n[32];
    snprintf(n, sizeof n, sign ? "%+ld" : "%ld", lround(v));
    return Str(kPercentStringsID, kPercentWhole, n);
}

std::string TensionWords(double t, int unit)
{
    if (!isfinite(t))
        return "";
    return Whole(t) + " " + Str(kSheetStringsID, unit == kUnitNewton ? kWordNewton : kWordKgf);
}

std::string NoteOf(const SpokeTension &s)
{
    switch (s.state) {
    case kReadingBad: return Str(kTensionNotesID, kNoteNotReading);
    case kReadingOutside: return Str(kTensionNotesID, kNoteOutsideTable);
    case kReadingUnder:
        return Str(kTensionNotesID, kNoteUnder, Percent(-s.deviation, false).c_str());
    case kReadingOver: return Str(kTensionNotesID, kNoteOver, Percent(s.deviation, false).c_str());
    case kReadingEmpty:
    case kReadingInBand: break;
    }
    return "";
}

std::string BandWords(int band)
{
    return Str(kPercentStringsID, kPercentWhole, Whole(band).c_str());
}

// The readings belong to the wheel calculated last: as many as its rim holes.
void FitReadings(const Results &results)
{
    const int spokes = results.laced ? results.lacing.spokes : 0;
    if (spokes > 0)
        theReadings.count = spokes;
}

void TensionProcOfForm(SInt16 what, SInt16 row, const char *text)
{
    DoTensionEdit(what, row, text);
}

} // namespace

const MeterTable *ChosenMeter(const Readings &readings)
{
    char name[sizeof readings.meter];
    for (SInt32 i = 0; readings.meter[0] && metert && i < meterc; i++) {
        MeterName(metert[i], name, sizeof name);
        if (strcmp(name, readings.meter) == 0)
            return &metert[i];
    }
    return nullptr;
}

void ReadingsFigures(const Results &results, const Readings &readings, TensionFigures *out)
{
    Readings2Figures(results, readings, ChosenMeter(readings), BandOf(readings), out);
}

size_t Readings2Table(const Results &results, const Readings &readings, char *out, size_t size)
{
    if (out && size)
        out[0] = '\0';
    bool any = false;
    for (int i = 0; i < readings.count && i < kMaxLacingSpokes; i++)
        any = any || readings.hole[i].text[0];
    if (!any || !results.laced || !out || size == 0)
        return 0;
    std::vector<TensionFigures> f(1);
    ReadingsFigures(results, readings, f.data());
    std::string t = Str(kSheetStringsID, kTableRimHole) + "\t" + Str(kSheetStringsID, kTableSide) +
                    "\t" + Str(kTensionStringsID, kTensionReadingWord) + "\t" +
                    Str(kTensionStringsID, kTensionTensionWord) + "\n";
    for (int i = 0; i < f[0].spokes; i++) {
        const SpokeTension &s = f[0].spoke[i];
        const char *reading = i < readings.count ? readings.hole[i].text : "";
        t += Whole(s.rimHole) + "\t" + Whole(s.side) + "\t" + reading + "\t" +
             TensionWords(s.tension, f[0].unit) + "\n";
    }
    const size_t n = t.size() < size - 1 ? t.size() : size - 1;
    memcpy(out, t.data(), n);
    out[n] = '\0';
    return n;
}

void DoTensionWindow(const Results &results, Boolean show)
{
    FitReadings(results);
    std::vector<TensionFigures> fig(1);
    TensionFigures &f = fig[0];
    ReadingsFigures(results, theReadings, &f);
    const int unit = f.unit;

    const std::string wheel = Str(kTensionStringsID, kTensionWheelName, results.wheel.rim.name,
                                  results.wheel.hub.name, Whole(f.spokes).c_str());
    const std::string title = Str(kTensionStringsID, kTensionTitle, wheel.c_str());
    const std::string noWheel = Str(kTensionStringsID, kTensionNoWheel);
    std::string headings[kTensionColumns] = {
        Str(kSheetStringsID, kTableRimHole),         Str(kSheetStringsID, kTableSide),
        Str(kSheetStringsID, kTableHubHole),         Str(kTensionStringsID, kTensionReadingWord),
        Str(kTensionStringsID, kTensionTensionWord), Str(kTensionStringsID, kTensionNoteWord)};

    std::vector<std::string> cells((size_t)f.spokes * kTensionColumns), names((size_t)f.spokes);
    std::vector<const char *> cellPtrs(cells.size()), namePtrs(names.size());
    std::vector<Boolean> marked((size_t)f.spokes);
    std::vector<SInt16> sides((size_t)f.spokes);
    for (int i = 0; i < f.spokes; i++) {
        const SpokeTension &s = f.spoke[i];
        std::string *row = &cells[(size_t)i * kTensionColumns];
        row[0] = Whole(s.rimHole);
        row[1] = Whole(s.side);
        row[2] = Whole(s.hubHole);
        row[3] = theReadings.hole[i].text;
        row[4] = TensionWords(s.tension, unit);
        row[5] = NoteOf(s);
        std::string rest = row[3];
        for (int c = 4; c < kTensionColumns; c++)
            if (!row[c].empty())
                rest += (rest.empty() ? "" : ", ") + row[c];
        names[i] = Str(kTensionNotesID, kNoteRowName, row[0].c_str(), row[1].c_str(),
                       row[2].c_str(), rest.c_str());
        marked[i] = s.state != kReadingEmpty && s.state != kReadingInBand;
        sides[i] = (SInt16)s.side;
    }
    for (size_t i = 0; i < cells.size(); i++)
        cellPtrs[i] = cells[i].c_str();
    for (size_t i = 0; i < names.size(); i++)
        namePtrs[i] = names[i].c_str();

    std::string figures;
    for (int k = 1; k <= 2; k++) {
        const SideTension &t = f.side[k];
        if (t.spokes == 0)
            continue;
        const std::string side = Whole(k);
        if (t.counted == 0)
            figures += Str(kTensionFiguresID, kFigureNoReading, side.c_str()) + "\n";
        else
            figures += Str(kTensionFiguresID, kFigureMean, side.c_str(),
                           TensionWords(t.mean, unit).c_str(), Whole(t.counted).c_str(),
                           Whole(t.spokes).c_str()) +
                       "\n";
        if (isfinite(t.meanVsTarget))
            figures +=
                Str(kTensionFiguresID, kFigureTarget, side.c_str(),
                    TensionWords(t.share, unit).c_str(), Percent(t.meanVsTarget, true).c_str()) +
                "\n";
    }
    const std::string band = BandWords(BandOf(theReadings));
    std::string outside;
    if (f.side[1].counted + f.side[2].counted > 0) {
        if (f.outside == 0) {
            outside = Str(kTensionNotesID, kNoteAllInBand, band.c_str());
        } else {
            outside = Str(kTensionNotesID, kNoteListHeading, band.c_str());
            for (int k = 0; k < f.outside; k++) {
                const SpokeTension &s = f.spoke[f.outsideHole[k] - 1];
                outside += "\n" + Str(kTensionNotesID, kNoteListed, Whole(s.rimHole).c_str(),
                                      Whole(s.side).c_str(), NoteOf(s).c_str());
            }
        }
    }

    std::vector<std::string> meters(1, Str(kTensionStringsID, kTensionDirectMeter));
    SInt16 chosen = 0;
    const MeterTable *meter = ChosenMeter(theReadings);
    for (SInt32 i = 0; metert && i < meterc && i < 32000; i++) {
        char name[sizeof theReadings.meter];
        MeterName(metert[i], name, sizeof name);
        meters.push_back(name);
        if (&metert[i] == meter)
            chosen = (SInt16)(i + 1);
    }
    std::vector<const char *> meterPtrs;
    for (const std::string &m : meters)
        meterPtrs.push_back(m.c_str());
    const std::string chartName = Str(kTensionChartID, 1, band.c_str());

    TensionView v = {};
    v.title = title.c_str();
    v.noWheel = results.calculated && results.laced ? nullptr : noWheel.c_str();
    for (int c = 0; c < kTensionColumns; c++)
        v.headings[c] = headings[c].c_str();
    v.rows = (SInt16)f.spokes;
    v.cells = cellPtrs.data();
    v.rowNames = namePtrs.data();
    v.marked = marked.data();
    v.sides = sides.data();
    v.figures = figures.c_str();
    v.outside = outside.c_str();
    v.meters = meterPtrs.data();
    v.meterCount = (SInt16)meterPtrs.size();
    v.meter = chosen;
    v.band = (SInt16)BandOf(theReadings);
    v.chart = &f;
    v.chartName = chartName.c_str();
    SetTensionWindow(&v, TensionProcOfForm, show);
}

void DoTensionEdit(SInt16 what, SInt16 row, const char *text)
{
    if (what == kTensionReadingEdit)
        SetReading(&theReadings, row, text);
    else if (what == kTensionBandChoice)
        theReadings.band = row == 10 ? 10 : 20;
    else if (what == kTensionMeterChoice) {
        theReadings.meter[0] = '\0';
        if (row >= 1 && metert && row <= meterc)
            MeterName(metert[row - 1], theReadings.meter, sizeof theReadings.meter);
    }
    DoTensionWindow(theResults, FALSE);
}
