// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheel as plain data: what the form says (Wheel) and what a Calculate
// gives (Results). The form, the build sheet, the lacing diagram and build
// files are made from these records, never by reading the widgets again.
#ifndef QUENNICK_CALC_WHEEL_H
#define QUENNICK_CALC_WHEEL_H

#include "calc/checks.h"
#include "calc/lacing.h"

// Room for one text of the form: an item holds at most 255 bytes.
enum { kWheelTextSize = 256 };

// Texts are UTF-8 and NUL-terminated; numbers are 0 for a field with no number.
struct RimPart {
    char name[kWheelTextSize];   // item 11
    char size[kWheelTextSize];   // item 9
    char notes[kWheelTextSize];  // item 12
    double diameter;             // ERD, mm (item 10)
    double offset;               // spoke hole offset as the maker gives it, mm (item 24)
    int offsetSide;              // the side the holes sit toward: 1 or 2 (item 43)
    char source[kWheelTextSize]; // where the figures come from (item 55)
    double washer; // nipple washer thickness under each nipple, mm; 0 for none (item 57)
};

struct HubPart {
    char name[kWheelTextSize];     // item 19
    char axle[kWheelTextSize];     // item 20
    char notes[kWheelTextSize];    // item 21
    char position[kWheelTextSize]; // item 13
    int head;                      // kJBendHead or kStraightPullHead (item 28, calc/spoke.h)
    double flangeDiameter1;        // item 14; or the head seat circle of a straight-pull hub
    double flangeDiameter2;        // item 15
    double flangeDistance1;        // item 16, from the centre plane
    double flangeDistance2;        // item 17
    double holeDiameter;           // item 18; J-bend only
    int exit;          // straight-pull: kExitAimed or kExitTangential (item 44, calc/geometry.h)
    double seatOffset; // straight-pull, aimed: seat off its radial line, mm (item 45)
    char source[kWheelTextSize]; // where the figures come from (item 56)
};

// Every input of the form by value: numbers as numbers (0 for a field with no
// number), popups by the value they stand for, not their position.
struct Wheel {
    char name[kWheelTextSize];  // the build's name (item 50)
    char notes[kWheelTextSize]; // the build's notes: customer, date, what was bought (item 52)
    RimPart rim;
    HubPart hub;
    int crossings1; // items 6 and 7; 0 for radial (-1 for a popup with no entry)
    int crossings2;
    int spokes;       // in the wheel (item 8): 16 to 48; 0 for a count the popup cannot hold
    int sharing;      // kSidesEqual, kSidesMoreOn2 or kSidesMoreOn1 (item 27)
    int gauge1;       // kGauge... of each side (items 34, 35)
    int gauge2;       //
    double target;    // tension of the tighter side in `unit` (item 36); 0 when none is
                      // typed, NAN for text that is no number ("nan", "1e400", "0x78")
    bool targetTyped; // the field holds text: a target of 0 is then one typed, not none
    int unit;         // kUnitKgf or kUnitNewton (item 37)
    double stockStep; // mm between stock lengths: 2 or 1 (item 42)
};

// One side of a calculated wheel. NAN wherever there is nothing to show.
struct SideResults {
    int spokes;             // this side's own spokes
    double length;          // to the hundredth, as shown (items 22, 23)
    double geometric;       // hub seat to rim end, before the stretch factor and the hole
    double percent;         // tension as a share of the tighter side's (items 25, 26)
    double tension;         // at the target, in the wheel's unit; NAN without a target
    double bracing;         // degrees (items 30, 31)
    double stretch;         // mm at the target (items 38, 39)
    double toBuy;           // stock length (items 40, 41)
    double toBuyDifference; // stock length less the length it stands for, to the tenth
    double toBuyShorter;    // stock length with the worked ERD 1 mm shorter (items 58, 59)
    double toBuyLonger;     // and 1 mm longer
};

// What the lacing note (item 29) says, as data: the form words it in the
// user's language. One note at a time, the first that applies of: parts no
// wheel has (kNoteNoRim to kNoteOffsetPastFlange); a target no spoke takes
// (kNoteTarget...); equal sides of an odd count, crossed (kNoteUneven); a side
// whose spokes span over a quarter turn (kNoteTooSteep), or at or past the
// tangent of their flange (kNotePastTangent; the Both kinds: both sides, in
// one sentence); a side whose spokes run over the head in the next hub hole
// (kNoteOverHead); a tangential straight-pull side laced with other crossings
// than its seats give (kNoteHubCrossings); the looser side below half the
// tighter side's tension (kNoteMaySlacken).
enum NoteKind {
    kNoteNone = 0,
    kNoteTooSteep,
    kNoteBothTooSteep,
    kNoteMaySlacken,
    kNotePastTangent,
    kNoteBothPastTangent,
    kNoteOverHead,
    kNoteUneven,
    kNoteHubCrossings,
    kNoteNoRim,            // the ERD is 0 or less, or no number
    kNoteFlangeOverRim,    // a side's flange is as wide as the rim or wider
    kNoteFlangeDistance,   // a side's flange distance is 0 or less
    kNoteOffsetPastFlange, // the rim's offset reaches a side's flange distance
    kNoteTargetNotNumber,  // the target typed is no number
    kNoteTargetOutOfRange, // the target is outside what spokes take (TargetRange)
    kNoteTargetOtherUnit   // ... but inside it in the other unit
};
struct LacingNote {
    NoteKind kind;
    int side;       // the side it is about (all but the Both kinds and kNoteUneven)
    double angle;   // the side's span, degrees (kNoteTooSteep, kNotePastTangent, kNoteHubCrossings)
    double limit;   // the span of a spoke along the flange's tangent, degrees (kNotePastTangent)
    double percent; // the looser side's share (kNoteMaySlacken)
    double distance;  // mm from the spoke to the next hub hole's centre (kNoteOverHead)
    double crossings; // the crossings the seats give (kNoteHubCrossings)
};

// Everything a Calculate gives, for the wheel it was computed from.
struct Results {
    bool calculated; // false for ClearedResults
    Wheel wheel;     // the wheel these results belong to
    SideResults side1;
    SideResults side2;
    LacingNote note;
    PartsCheck parts;    // whether the rim and hub figures make a wheel at all
    bool laced;          // whether `lacing` holds a lacing
    LacingCheck unlaced; // why not, when the spoke count is one the popup holds
    Lacing lacing;       // cleared when the wheel can't be laced
};

// Whether the results are a wheel to build: laced, both lengths finite and
// parts that make a wheel. The build sheet lists lacing steps only for one.
bool CanBuild(const Results &results);

// Calculates everything the form shows for `wheel`: both sides' lengths, the
// tension shares and, with a target, the tensions and stretch, the bracing
// angles, the stock lengths to buy, the lacing note and the lacing. Pure: no
// dialog, no toolbox. Parts no wheel has still give lengths, and the note
// says what cannot be. A target that is typed but no number or out of range
// gives no tension, stretch or length to buy. A spoke count of 0 or less
// gives no length and no note but for the parts and the target;
// a side with no finite length gives no share, tension, angle or stretch.
// A straight-pull head takes no hole off; the rim's offset is added to side
// 1's flange distance and taken from side 2's. Every figure is worked from the
// ERD with the nipple washers (WasherErd: none leaves the ERD as it is); each
// side's toBuyShorter and toBuyLonger are its stock lengths with that ERD 1 mm
// shorter and longer, at the same tension, wherever it has a length to buy.
void Wheel2Results(const Wheel &wheel, Results *results);

// The results of an empty form, as Clear shows them: lengths 0, nothing else
// to show, no lacing, not calculated; `wheel` kept as given.
void ClearedResults(const Wheel &wheel, Results *results);

#endif
