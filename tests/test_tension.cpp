// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// At the truing stand: readings, the meter tables and the figures, worked by hand.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "calc/spoke.h"
#include "calc/tension.h"
#include "catalogue/meters.h"

namespace {

MeterTable Table(int unit)
{
    MeterTable t = {};
    snprintf(t.meter, sizeof t.meter, "Test meter");
    snprintf(t.spoke, sizeof t.spoke, "2,0 mm");
    t.unit = unit;
    t.rows = 3;
    t.row[0] = {10, 50};
    t.row[1] = {20, 100};
    t.row[2] = {30, 160};
    return t;
}

// Between rows linearly, on a row exactly, outside the rows never.
TEST(Tension, ReadingsInterpolateAndNeverExtrapolate)
{
    const MeterTable kgf = Table(kUnitKgf);
    MeterTable oneRow = kgf;
    oneRow.rows = 1;
    const struct {
        const char *name;
        const MeterTable *table;
        double reading;
        int unit;
        bool converts;
        double tension;
    } cases[] = {
        {"first_row", &kgf, 10, kUnitKgf, true, 50},
        {"halfway_in_the_first_span", &kgf, 15, kUnitKgf, true, 75},
        {"a_quarter_into_the_second_span", &kgf, 22.5, kUnitKgf, true, 115},
        {"last_row", &kgf, 30, kUnitKgf, true, 160},
        {"just_below_the_table", &kgf, 9.99, kUnitKgf, false, NAN},
        {"just_above_the_table", &kgf, 30.01, kUnitKgf, false, NAN},
        {"kgf_table_read_in_newtons", &kgf, 20, kUnitNewton, true, 980.665},
        {"one_row_converts_nothing", &oneRow, 10, kUnitKgf, false, NAN},
        {"no_table_reads_tension_itself", nullptr, 123.5, kUnitNewton, true, 123.5},
    };
    for (const auto &c : cases) {
        double t = 0;
        EXPECT_EQ(Reading2Tension(c.table, c.reading, c.unit, &t), c.converts) << c.name;
        if (c.converts)
            EXPECT_NEAR(t, c.tension, 1e-9) << c.name;
        else
            EXPECT_TRUE(isnan(t)) << c.name;
    }
}

// A reading is a plain number of 0 or more; the text is kept as typed.
TEST(Tension, ReadingTextIsKeptAndJudged)
{
    const struct {
        const char *text;
        bool valid;
        double value;
    } cases[] = {
        {"21", true, 21},  {"21,5", true, 21.5}, {" 21.5 ", true, 21.5}, {"0", true, 0},
        {"-3", false, 0},  {"21x", false, 0},    {"abc", false, 0},      {"", false, 0},
        {"1e3", false, 0}, {"2,1,5", false, 0},  {",", false, 0},
    };
    Readings r = {};
    for (const auto &c : cases) {
        SetReading(&r, 4, c.text);
        EXPECT_STREQ(r.hole[4].text, c.text);
        EXPECT_EQ(r.hole[4].valid, c.valid) << c.text;
        EXPECT_EQ(r.hole[4].value, c.value) << c.text;
    }
    EXPECT_EQ(r.count, 5);
}

// Eight radial spokes, four a side, direct readings; sums worked by hand.
TEST(Tension, FiguresOfASmallWheel)
{
    Results res = {};
    res.calculated = res.laced = true;
    res.wheel.unit = kUnitKgf;
    ASSERT_TRUE(DoLacing(4, 4, 0, 0, &res.lacing));
    res.side1.tension = res.side2.tension = NAN;
    const int a = res.lacing.hole[0].side, b = 3 - a; // sides alternate from rim hole 1
    (a == 1 ? res.side1 : res.side2).tension = 100;
    // Side a: 100, 90, 110, 140: mean 110; deviations -9,09, -18,18, 0, +27,27 %.
    // Side b: 50 and three readings left out: mean 50.
    const char *texts[8] = {"100", "50", "90", "abc", "110", "-5", "140", ""};
    Readings r = {};
    for (int i = 0; i < 8; i++)
        SetReading(&r, i, texts[i]);

    TensionFigures f;
    Readings2Figures(res, r, nullptr, 20, &f);
    ASSERT_EQ(f.spokes, 8);
    EXPECT_EQ(f.side[a].counted, 4);
    EXPECT_DOUBLE_EQ(f.side[a].mean, 110);
    EXPECT_DOUBLE_EQ(f.side[a].share, 100);
    EXPECT_NEAR(f.side[a].meanVsTarget, 10, 1e-9);
    EXPECT_EQ(f.side[b].counted, 1);
    EXPECT_DOUBLE_EQ(f.side[b].mean, 50);
    EXPECT_TRUE(isnan(f.side[b].share));
    const ReadingState states20[8] = {kReadingInBand, kReadingInBand, kReadingInBand,
                                      kReadingBad,    kReadingInBand, kReadingBad,
                                      kReadingOver,   kReadingEmpty};
    const double deviations[8] = {-100.0 / 11, 0, -200.0 / 11, NAN, 0, NAN, 300.0 / 11, NAN};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(f.spoke[i].state, states20[i]) << "rim hole " << i + 1;
        if (isnan(deviations[i]))
            EXPECT_TRUE(isnan(f.spoke[i].deviation)) << "rim hole " << i + 1;
        else
            EXPECT_NEAR(f.spoke[i].deviation, deviations[i], 1e-9) << "rim hole " << i + 1;
    }
    ASSERT_EQ(f.outside, 1);
    EXPECT_EQ(f.outsideHole[0], 7);

    // At 10 % rim hole 3 is out too; the furthest out heads the list.
    Readings2Figures(res, r, nullptr, 10, &f);
    EXPECT_EQ(f.spoke[2].state, kReadingUnder);
    ASSERT_EQ(f.outside, 2);
    EXPECT_EQ(f.outsideHole[0], 7);
    EXPECT_EQ(f.outsideHole[1], 3);

    // Through a table, a reading beyond it is marked and left out of the mean.
    const MeterTable t = Table(kUnitKgf);
    Readings2Figures(res, r, &t, 20, &f);
    EXPECT_EQ(f.spoke[0].state, kReadingOutside);
    EXPECT_EQ(f.spoke[1].state, kReadingOutside);
    EXPECT_EQ(f.side[a].counted, 0);
    EXPECT_TRUE(isnan(f.side[a].mean));
}

// A meter file as the catalogues are: any line end, single-byte texts, rows
// in any order, and every bad row named by its line.
TEST(Tension, MeterFileReadsLikeACatalogue)
{
    const std::string bytes = "Meter\tSpoke\tReading\tTension\tUnit\r\n"
                              "Caf\xe9 meter\t2,0 mm\t20\t100\tkgf\r"
                              "Caf\xe9 meter\t2,0 mm\t10\t50\tkgf\n"
                              "\n"
                              "Caf\xe9 meter\t2,0 mm\t30\t160\tkgf\r\n"
                              "Caf\xe9 meter\t2,0 mm\t30\t170\tkgf\n"
                              "Caf\xe9 meter\t2,0 mm\t40\t900\tN\n"
                              "Caf\xe9 meter\t1,8 mm\tx\t50\tkgf\n"
                              "Caf\xe9 meter\t1,8 mm\t12\t-1\tkgf\n"
                              "Caf\xe9 meter\t1,8 mm\t12\t60\tlbf\n"
                              "Caf\xe9 meter\t1,8 mm\t12\n"
                              "\t1,8 mm\t12\t60\tkgf\n"
                              "Other\t2,3 mm\t5\t500\tN";
    FILE *f = fmemopen((void *)bytes.data(), bytes.size(), "rb");
    ASSERT_NE(f, nullptr);
    MeterTable tables[kMaxMeterTables];
    SInt32 count = 0;
    MeterReport report = {};
    ReadMeterFile(f, tables, &count, &report);
    fclose(f);
    EXPECT_EQ(report.crLines, 1);
    EXPECT_EQ(report.crlfLines, 2);
    EXPECT_TRUE(report.unterminated);
    EXPECT_EQ(report.blankLines, 1);
    EXPECT_EQ(report.rows, 4);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(tables[0].meter, "Caf\xc3\xa9 meter");
    ASSERT_EQ(tables[0].rows, 3);
    EXPECT_EQ(tables[0].row[0].reading, 10);
    EXPECT_EQ(tables[0].row[1].reading, 20);
    EXPECT_EQ(tables[0].row[2].tension, 160);
    EXPECT_EQ(tables[1].unit, kUnitNewton);
    const struct {
        LineNumber line;
        MeterProblem problem;
    } notes[] = {{6, kMeterSameReading}, {7, kMeterOtherUnit}, {8, kMeterBadReading},
                 {9, kMeterBadTension},  {10, kMeterBadUnit},  {11, kMeterFewFields},
                 {12, kMeterNoName}};
    ASSERT_EQ(report.notes, 7);
    for (int i = 0; i < 7; i++) {
        EXPECT_EQ(report.note[i].line, notes[i].line) << i;
        EXPECT_EQ(report.note[i].problem, notes[i].problem) << i;
    }
}

} // namespace
