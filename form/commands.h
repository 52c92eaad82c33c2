// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user asks of the program: the form's events and the menu commands.
#ifndef QUENNICK_FORM_COMMANDS_H
#define QUENNICK_FORM_COMMANDS_H

#include "toolbox/toolbox.h"

// Handles an event that belongs to the main form: command keys go to the menus,
// Return and Enter calculate, Escape ends the run; everything else goes to the
// form, and the item it hit is acted on.
void DoDlgEvt(EventRecord *event);

// A new spoke count: "Spokes per side" (item 27) is offered only for a count
// that divides by 3, and goes back to equal sides for any other.
void DoSpokeCountHit(DialogRef dialog);
// A new spoke head: the labels of items 14 to 17 say what that kind's figures
// are (items 32 and 33), and so do the names screen readers read for them;
// the spoke hole diameter (item 18) is greyed out for a straight-pull hub,
// which has none, and how its spokes leave their seats (item 44) is offered
// only for one.
void DoSpokeHeadHit(DialogRef dialog);
// A new spoke exit: the seat offset (item 45) is offered for a straight-pull
// hub whose seats aim the spoke at its rim hole, not for a tangential one.
void DoSpokeExitHit(DialogRef dialog);

// The labels of the hub's flange figures (items 32 and 33), by spoke head
// (resources/strings.txt).
enum { kHubLabelStringsID = 130 };
enum {
    kJBendDiameter = 1,        // flange diameter, through the spoke holes
    kJBendDistance = 2,        // flange distance from the centre plane
    kStraightPullDiameter = 3, // diameter of the circle of the heads' seats
    kStraightPullDistance = 4  // the seats' distance from the centre plane
};
// The names screen readers read for items 14 to 17 by spoke head, in item
// order: kJBendNames + 0 to 3, kStraightPullNames + 0 to 3.
enum { kHubNameStringsID = 134 };
enum { kJBendNames = 1, kStraightPullNames = 5 };

// Carries out a menu choice (menu ID in the high 16 bits, item in the low 16).
void DoMenuCommand(SInt32 choice);

// Shows the About box and returns when the user has closed it.
void DisplayAbout(void);

#endif
