// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tension.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "calc/numtext.h"
#include "calc/spoke.h"

namespace {

const double kNewtonsPerKgf = 9.80665;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

// A reading is a plain decimal: a meter shows digits and perhaps a decimal
// separator, so anything else (a sign, an exponent, a word) is a typing slip
// and must not count as a number that Str2Double would still find in it.
bool IsPlainReading(const char *t)
{
    while (IsSpace(*t))
        t++;
    if (*t == '+')
        t++;
    int digits = 0;
    bool separator = false;
    for (; *t; t++) {
        if (*t >= '0' && *t <= '9')
            digits++;
        else if ((*t == ',' || *t == '.') && !separator)
            separator = true;
        else
            break;
    }
    while (IsSpace(*t))
        t++;
    return digits > 0 && *t == '\0';
}

// Copies at most size - 1 bytes, cut before an incomplete UTF-8 character.
void CopyCut(char *out, size_t size, const char *in)
{
    size_t n = strlen(in);
    if (n >= size) {
        n = size - 1;
        while (n > 0 && ((unsigned char)in[n] & 0xC0) == 0x80)
            n--;
    }
    memcpy(out, in, n);
    out[n] = '\0';
}

double Convert(double tension, int from, int to)
{
    if (from == to)
        return tension;
    return to == kUnitNewton ? tension * kNewtonsPerKgf : tension / kNewtonsPerKgf;
}

} // namespace

bool Text2Reading(const char *text, double *value)
{
    *value = 0;
    char copy[256];
    if (!text || strlen(text) >= sizeof copy || !IsPlainReading(text))
        return false;
    memcpy(copy, text, strlen(text) + 1);
    double v = 0;
    if (!Str2Double(copy, &v) || !isfinite(v) || v < 0)
        return false;
    *value = v;
    return true;
}

void SetReading(Readings *readings, int hole, const char *text)
{
    if (!readings || hole < 0 || hole >= kMaxLacingSpokes)
        return;
    SpokeReading &r = readings->hole[hole];
    CopyCut(r.text, sizeof r.text, text ? text : "");
    r.valid = Text2Reading(r.text, &r.value);
    if (hole >= readings->count)
        readings->count = hole + 1;
}

bool Reading2Tension(const MeterTable *table, double reading, int unit, double *tension)
{
    *tension = NAN;
    if (!isfinite(reading))
        return false;
    if (!table) {
        *tension = reading;
        return true;
    }
    if (table->rows < 2 || reading < table->row[0].reading ||
        reading > table->row[table->rows - 1].reading)
        return false;
    int i = 1;
    while (i < table->rows - 1 && reading > table->row[i].reading)
        i++;
    const MeterRow &a = table->row[i - 1], &b = table->row[i];
    const double t = (reading - a.reading) / (b.reading - a.reading);
    *tension = Convert(a.tension + t * (b.tension - a.tension), table->unit, unit);
    return true;
}

void Readings2Figures(const Results &results, const Readings &readings, const MeterTable *table,
                      double band, TensionFigures *out)
{
    memset(out, 0, sizeof *out);
    out->unit = results.wheel.unit;
    out->band = band;
    for (int s = 0; s < 3; s++) {
        out->side[s].mean = out->side[s].share = out->side[s].meanVsTarget = NAN;
    }
    if (!results.laced)
        return;
    const Lacing &l = results.lacing;
    out->spokes = l.spokes;
    double sum[3] = {0, 0, 0};
    for (int i = 0; i < l.spokes; i++) {
        SpokeTension &s = out->spoke[i];
        s.rimHole = i + 1;
        s.side = l.hole[i].side;
        s.hubHole = l.hole[i].hubHole;
        s.angle = l.hole[i].angle;
        s.tension = s.deviation = NAN;
        out->side[s.side].spokes++;
        const SpokeReading *r = i < readings.count ? &readings.hole[i] : nullptr;
        const char *text = r ? r->text : "";
        while (IsSpace(*text))
            text++;
        if (!r || *text == '\0')
            s.state = kReadingEmpty;
        else if (!r->valid)
            s.state = kReadingBad;
        else if (!Reading2Tension(table, r->value, out->unit, &s.tension))
            s.state = kReadingOutside;
        else {
            s.state = kReadingInBand;
            sum[s.side] += s.tension;
            out->side[s.side].counted++;
        }
    }
    const SideResults *sides[3] = {nullptr, &results.side1, &results.side2};
    for (int k = 1; k <= 2; k++) {
        SideTension &t = out->side[k];
        if (t.counted > 0)
            t.mean = sum[k] / t.counted;
        if (isfinite(sides[k]->tension) && sides[k]->tension > 0) {
            t.share = sides[k]->tension;
            if (isfinite(t.mean))
                t.meanVsTarget = (t.mean - t.share) / t.share * 100.0;
        }
    }
    for (int i = 0; i < l.spokes; i++) {
        SpokeTension &s = out->spoke[i];
        const double mean = out->side[s.side].mean;
        if (s.state != kReadingInBand || !(mean > 0))
            continue;
        s.deviation = (s.tension - mean) / mean * 100.0;
        if (s.deviation < -band)
            s.state = kReadingUnder;
        else if (s.deviation > band)
            s.state = kReadingOver;
        if (s.state != kReadingInBand)
            out->outsideHole[out->outside++] = s.rimHole;
    }
    // Furthest out first: the spoke to turn first heads the list. Insertion
    // sort keeps equal ones in rim hole order.
    for (int i = 1; i < out->outside; i++) {
        const int hole = out->outsideHole[i];
        const double d = fabs(out->spoke[hole - 1].deviation);
        int j = i;
        while (j > 0 && fabs(out->spoke[out->outsideHole[j - 1] - 1].deviation) < d) {
            out->outsideHole[j] = out->outsideHole[j - 1];
            j--;
        }
        out->outsideHole[j] = hole;
    }
}

int BandOf(const Readings &readings)
{
    return readings.band == 10 ? 10 : 20;
}
