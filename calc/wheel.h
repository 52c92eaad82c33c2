// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheel as plain data: what the form says (Wheel) and what a Calculate
// gives (Results). The form, the build sheet, the lacing diagram and build
// files are made from these records, never by reading the widgets again.
#ifndef QUENNICK_CALC_WHEEL_H
#define QUENNICK_CALC_WHEEL_H

#include "calc/lacing.h"

// Room for one text of the form: an item holds at most 255 bytes.
enum { kWheelTextSize = 256 };

struct RimPart {
    char name[kWheelTextSize];   // item 11
    char size[kWheelTextSize];   // item 9
    char notes[kWheelTextSize];  // item 12
    double diameter;             // ERD, mm (item 10)
    double offset;               // spoke hole offset toward side 2, mm (item 24)
    char source[kWheelTextSize]; // where the figures come from (item 55)
    double washer; // nipple washer thickness under each nipple, mm; 0 for none (item 57)
};

struct HubPart {
    char name[kWheelTextSize];     // item 19
    char axle[kWheelTextSize];     // item 20
    char notes[kWheelTextSize];    // item 21
    char position[kWheelTextSize]; // item 13
    int head;                      // kJBendHead or kStraightPullHead (item 28)
    double flangeDiameter1;        // or the head seat circle of a straight-pull hub
    double flangeDiameter2;
    double flangeDistance1; // from the centre plane
    double flangeDistance2;
    double holeDiameter;         // J-bend only
    char source[kWheelTextSize]; // where the figures come from (item 56)
};

// Every input of the form by value: numbers as numbers (0 for a field with no
// number), popups by the value they stand for, not their position.
struct Wheel {
    RimPart rim;
    HubPart hub;
    int crossings1; // 0 for radial
    int crossings2;
    int spokes;  // in the wheel: 16 to 48; 0 for a count the popup cannot hold
    int sharing; // kSidesEqual, kSidesMoreOn2 or kSidesMoreOn1
    int gauge1;  // kGauge... of each side
    int gauge2;
    double target;    // tension of the tighter side in `unit`; 0 when none is typed
    int unit;         // kUnitKgf or kUnitNewton
    double stockStep; // mm between stock lengths: 2 or 1
};

// One side of a calculated wheel. NAN wherever there is nothing to show.
struct SideResults {
    int spokes;             // this side's own spokes
    double length;          // to the hundredth, as shown
    double geometric;       // hub seat to rim end, before the stretch factor and the hole
    double percent;         // tension as a share of the tighter side's
    double tension;         // at the target, in the wheel's unit
    double bracing;         // degrees
    double stretch;         // mm at the target
    double toBuy;           // stock length
    double toBuyDifference; // stock length less the length it stands for, to the tenth
    double toBuyShorter;    // stock length with the ERD 1 mm shorter (item 58, 59)
    double toBuyLonger;     // and 1 mm longer
};

// What the lacing note says, as data: the form words it in the user's language.
enum NoteKind { kNoteNone = 0, kNoteTooSteep, kNoteBothTooSteep, kNoteMaySlacken };
struct LacingNote {
    NoteKind kind;
    int side;       // the side it is about (kNoteTooSteep, kNoteMaySlacken)
    double angle;   // the crossing angle, degrees (kNoteTooSteep)
    double percent; // the looser side's share (kNoteMaySlacken)
};

// Everything a Calculate gives, for the wheel it was computed from.
struct Results {
    bool calculated; // false before the first Calculate
    Wheel wheel;     // the wheel these results belong to
    SideResults side1;
    SideResults side2;
    LacingNote note;
    bool laced; // whether `lacing` holds a lacing
    Lacing lacing;
};

#endif
