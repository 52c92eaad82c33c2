// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: the program's code above the layer, and tests.
// The toolbox operations the system relies on, carried out on Qt by toolbox/*.cpp.
// Names and arguments follow the classic dialog toolbox; the types are our own and
// only as rich as the system needs. This header includes no Qt.
#ifndef QUENNICK_TOOLBOX_TOOLBOX_H
#define QUENNICK_TOOLBOX_TOOLBOX_H

#include <stddef.h>

#include "calc/types.h"

// Texts: one length byte, then at most 255 bytes (UTF-8 in this program).
typedef unsigned char Str255[256];
typedef const unsigned char *ConstStr255Param;

typedef SInt16 DialogItemIndex;
typedef SInt16 DialogItemType;
typedef SInt16 WindowPartCode;
typedef SInt16 MenuID;
typedef UInt16 EventKind;
typedef UInt16 EventModifiers;
typedef UInt16 EventMask;
typedef UInt16 MenuItemIndex;
typedef void *Handle;

struct Point {
    SInt16 v;
    SInt16 h;
};

struct Rect {
    SInt16 top;
    SInt16 left;
    SInt16 bottom;
    SInt16 right;
};

// An event as the loop sees it. `where` is in screen coordinates.
struct EventRecord {
    EventKind what;
    UInt32 message; // key events: character code in the low byte
    UInt32 when;    // ticks (1/60 s) since start-up
    Point where;
    EventModifiers modifiers;
};

// Opaque references to the layer's own records.
typedef struct OpaqueDialogPtr *DialogRef;
typedef DialogRef DialogPtr;
typedef struct OpaqueWindowPtr *WindowRef;
typedef struct OpaqueControlRef *ControlRef;
typedef struct OpaqueMenuRef *MenuRef;
typedef MenuRef MenuHandle;
typedef struct OpaqueGrafPtr *GrafPtr;
typedef GrafPtr CGrafPtr;
typedef struct OpaqueRgnHandle *RgnHandle;
typedef Boolean (*ModalFilterUPP)(DialogRef, EventRecord *, DialogItemIndex *);

enum {
    nullEvent = 0,
    mouseDown = 1,
    mouseUp = 2,
    keyDown = 3,
    keyUp = 4,
    autoKey = 5,
    everyEvent = 0xFFFF
};

enum {
    cmdKey = 0x0100,
    shiftKey = 0x0200,
    alphaLock = 0x0400,
    optionKey = 0x0800,
    controlKey = 0x1000
};

enum { charCodeMask = 0x000000FF, keyCodeMask = 0x0000FF00 };

// Character codes of the keys the program treats specially.
enum {
    kEnterCharCode = 3, // the keypad's Enter
    kBackspaceCharCode = 8,
    kTabCharCode = 9,
    kReturnCharCode = 13,
    kEscapeCharCode = 27
};

// Window parts reported by FindWindow.
enum { inDesk = 0, inMenuBar = 1, inContent = 3, inDrag = 4, inGrow = 5, inGoAway = 6 };

// Dialog item kinds reported by GetDialogItem.
enum { ctrlItem = 4, btnCtrl = 0, statText = 8, editText = 16, itemDisable = 128 };

enum { kWindowZoomTransitionEffect = 1 };
enum { kWindowShowTransitionAction = 1, kWindowHideTransitionAction = 2 };

#define kFirstWindowOfClass ((WindowRef)-1)

// Dialogs. A dialog is made from a numbered template; its item N is the
// template's widget named "itemN".

// Makes a dialog from template `templateID`, hidden; null when there is no such
// template. A modeless dialog's window is watched for events from now on; the
// first one made also holds the menu bar. `storage` and `behind` are ignored.
DialogRef GetNewDialog(SInt16 templateID, void *storage, WindowRef behind);
// Closes and frees the dialog; its queued events are dropped. Null is ignored.
void DisposeDialog(DialogRef dialog);
// The dialog's window and drawing port: never null for a live dialog.
WindowRef GetDialogWindow(DialogRef dialog);
CGrafPtr GetDialogPort(DialogRef dialog);
// An item's kind (editText, statText for a read-only field or label, ctrlItem +
// btnCtrl for any control), its handle (null for no such item) and its box in
// window coordinates. Any output may be null.
void GetDialogItem(DialogRef dialog, DialogItemIndex item, DialogItemType *type, Handle *handle,
                   Rect *box);
// An item as a control (the same handle); returns 0, or -1 with null for no such item.
SInt16 GetDialogItemAsControl(DialogRef dialog, DialogItemIndex item, ControlRef *control);
// An item's text (a field's, a label's or a button's title), as UTF-8. Setting
// a field's text puts its caret at the start; getting never changes it.
void SetDialogItemText(Handle item, ConstStr255Param text);
void GetDialogItemText(Handle item, Str255 text);
// Whether the loop should hand this event to the front modeless dialog: key
// events and null events while one is shown, and presses in its content. A
// press in the menu bar, on the title bar or the close box is not the dialog's.
Boolean IsDialogEvent(const EventRecord *event);
// Hands the event to the dialog: the layer gives the stored Qt event back to
// Qt (which picks the widget, moves the focus, types), so an event record is
// acted on once, when it is handed here. Returns true with the dialog and item
// when an item was hit: a button clicked (on release), a popup's value chosen,
// a menu button's entry chosen. A null event returns false.
Boolean DialogSelect(const EventRecord *event, DialogRef *dialog, DialogItemIndex *item);
// Runs the shown modal dialog (the About box) until one of its items is hit
// and returns that item; Escape and its close box report item 1. With no modal
// dialog shown it returns item 1 at once. The filter is ignored.
void ModalDialog(ModalFilterUPP filter, DialogItemIndex *item);
// Shows the button item as the default button (its look only: Return and
// Enter are the program's to act on). Returns 0, or -1 for an item that is no
// push button.
SInt16 SetDialogDefaultItem(DialogRef dialog, DialogItemIndex item);
// Edit commands on the dialog's focused field, with the desktop's clipboard.
// Cut and Paste do nothing to a read-only field; Copy copies its selection.
void DialogCut(DialogRef dialog);
void DialogCopy(DialogRef dialog);
void DialogPaste(DialogRef dialog);

// Controls

// A popup's value: its chosen entry (from 1; 0 when none), or the value that
// entry carries when the template gives the popup's entries values of their
// own ("itemValues", in entry order), so that entries can be listed in another
// order than their values. A menu button's value.
SInt16 GetControlValue(ControlRef control);
// Chooses the popup entry that stands for `value`; a value no entry stands
// for leaves the popup as it is. Other controls are left alone.
void SetControlValue(ControlRef control, SInt16 value);
// Lets the user use a control again, or greys it out (it keeps its value and
// is skipped by Tab).
void EnableControl(ControlRef control);
void DisableControl(ControlRef control);
// The name that assistive technology reads for a control (for a popup, the
// description too, which is what screen readers read out for it).
void SetControlAccessibleName(ControlRef control, ConstStr255Param name);
// A menu button's list; returns 0, or -1 with null for any other control.
SInt16 GetBevelButtonMenuHandle(ControlRef control, MenuHandle *menu);
// A menu button's value: the entry last chosen in its list (from 1), 0 while
// none has been chosen. Opening the list and closing it without a choice
// leaves the value as it was and reports no hit.
SInt16 GetBevelButtonMenuValue(ControlRef control, SInt16 *value);
// Nothing to do: Qt animates controls and blinks the caret on its own.
void IdleControls(WindowRef window);

// Menus: the bar's menus come from resources/menus.txt by ID; a menu button's
// list is made with its dialog.

// Loads menu `menuID`; null when there is none. Not shown until inserted.
MenuRef GetMenu(SInt16 menuID);
// Adds the menu at the end of the menu bar (beforeID is ignored); shown by DrawMenuBar.
void InsertMenu(MenuRef menu, MenuID beforeID);
void DrawMenuBar(void);
// Tracks a click on the menu bar at `startPt` (screen coordinates) in a loop
// of its own until the menu closes. Returns the choice, menu ID in the high 16
// bits and item in the low 16 bits, or 0 when nothing was chosen; the chosen
// menu's title stays highlighted until HiliteMenu(0).
SInt32 MenuSelect(Point startPt);
// The enabled menu item whose command key is `ch`, as MenuSelect's result,
// with its title highlighted; 0 when no item has that key. An upper-case
// letter (typed with Shift) finds an item with Ctrl+Shift+key first, then one
// with Ctrl+key; a lower-case one only an item with Ctrl+key. Command
// keys are shown in the menus and never handled by Qt itself.
SInt32 MenuKey(SInt16 ch);
// Highlights the title of menu `menuID`; 0 highlights none.
void HiliteMenu(MenuID menuID);
// A menu button list's font: the desktop's own face at `size` points (every
// family is the same face here). Returns 0, or -1 for a menu that is not live.
SInt16 SetMenuFont(MenuRef menu, SInt16 family, UInt16 size);
// Whether `menu` is a live menu of this layer (null is not).
Boolean IsValidMenu(MenuRef menu);
// Appends an entry; the text is shown literally ("&", tabs and markup as
// themselves). A menu button's list holds at most 32,767 entries: beyond that,
// and for a menu that is not live, returns -1 and appends nothing.
SInt16 AppendMenuItemText(MenuRef menu, ConstStr255Param text);
// The number of entries, and entry `item`'s text (from 1; "" for none).
UInt16 CountMenuItems(MenuRef menu);
void GetMenuItemText(MenuRef menu, MenuItemIndex item, Str255 text);

// String lists: resources/strings.txt, by list ID and index (from 1), in the
// user's language. The empty text for no such list or index.
void GetIndString(Str255 theString, SInt16 strListID, SInt16 index);

// Events and windows

// The next event of the form's windows, waiting at most `sleepTicks` (1/60 s)
// while Qt runs; false with a null event (`what` 0) when none came. Key
// presses, mouse presses and releases are queued in the order the user made
// them; key releases and mouse moves are given to Qt directly. The mask and
// region are ignored.
Boolean WaitNextEvent(EventMask mask, EventRecord *event, UInt32 sleepTicks, RgnHandle mouseRgn);
// Which part of which window lies under `where` (screen coordinates): inMenuBar,
// inContent, or the title bar (inDrag) and close box (inGoAway) for the events
// the layer queues when the window manager moves or closes a window; inDesk
// when none.
WindowPartCode FindWindow(Point where, WindowRef *window);
// The window manager has moved the window already; keeps it within `bounds`.
void DragWindow(WindowRef window, Point start, const Rect *bounds);
// True when the close box was clicked: for the press FindWindow reported as inGoAway.
Boolean TrackGoAway(WindowRef window, Point pt);
void SetWTitle(WindowRef window, ConstStr255Param title);
// Shows the window at its template's size, which it keeps (no resizing), and
// puts the keyboard focus on the first item of the Tab order.
void ShowWindow(WindowRef window);
// Repaints that part of the window.
void InvalWindowRect(WindowRef window, const Rect *bounds);
// Shows or hides the window (no animation); returns 0, or -1 for no window.
SInt16 TransitionWindow(WindowRef window, SInt16 effect, SInt16 action, const Rect *rect);

// Drawing ports: only the current port is kept; drawing is Qt's.
void GetPort(GrafPtr *port);
void SetPort(GrafPtr port);
// The port's window size as a rectangle at (0, 0).
Rect *GetPortBounds(CGrafPtr port, Rect *bounds);
// Repaints that part of the current port's window.
void EraseRect(const Rect *r);
void SetRect(Rect *r, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom);
// Restores the arrow cursor.
void InitCursor(void);

// Lacing diagram and build sheet (lacingview.cpp, sheet.cpp)

struct Lacing; // calc/lacing.h

// A lacing with the sizes it is drawn to scale with, in mm: the rim's
// diameter at the spoke ends and the two flange diameters. A size of 0 or
// less is drawn as a typical wheel's.
struct LacingPicture {
    const Lacing *lacing; // null: the rim alone
    double rimDiameter;
    double flangeDiameter1;
    double flangeDiameter2;
    const char *why; // with no lacing: why, in UTF-8 (null or "": nothing calculated yet)
};

// The lacing diagram as plain data: every line, circle, box and text its
// painter draws, in order and in the painter's own units, made by DrawLacing
// (lacingdrawing.cpp, no Qt) so that what the diagram shows can be read
// without pixels. The window and the printed sheet paint only from it,
// clipped to its frame.
enum { kMaxDrawnSpokes = 96, kMaxDrawItems = 16 + 5 * kMaxDrawnSpokes };
// Colours: side 1's orange and side 2's blue stay apart for colour-blind eyes.
enum DrawInk { kInkNone = 0, kInkBlack, kInkGrey, kInkWhite, kInkSide1, kInkSide2 };
enum DrawShape { kShapeLine, kShapeCircle, kShapeBox, kShapeText };
// What an item shows.
enum DrawRole {
    kRoleRim,
    kRoleAxle,
    kRoleFlange,     // `side` says whose
    kRoleSpoke,      // from its hub hole to its rim hole; `side`, `kind`, `number` (its rim hole)
    kRoleHubHole,    // `side`, `number` (from 1)
    kRoleRimHole,    // `side`, `number`
    kRoleHoleNumber, // the text `number` beside rim hole `number`
    kRoleKeySpoke,   // rim hole 1's spoke again, over the others
    kRoleKeyRing,
    kRoleKeyWord, // the translated word "key"
    kRoleValve,
    kRoleValveWord,  // the translated word "valve"
    kRoleLegendLine, // entry `number` (0 to 3: side 2 trailing, side 2 leading, side 1...)
    kRoleLegendWords
};
struct DrawPoint {
    double x, y;
};
struct DrawBox {
    double left, top, width, height;
};
// A line's pen: its width, its dashes and gaps (in widths; 0: solid), its ink,
// and round ends (flat otherwise).
struct DrawPen {
    double width, dash, gap;
    DrawInk ink;
    Boolean roundCap;
};
struct DrawItem {
    DrawShape shape;
    DrawRole role;
    DrawPoint from, to; // a line from `from` to `to`; a circle's centre is `from`
    double radius;      // a circle's
    DrawBox box;        // a box, or the box a text is centred in (left-aligned when `left`)
    DrawPen pen;        // a text is black
    DrawInk fill;       // a circle's or a box's; kInkNone: not filled
    SInt16 side;        // 1 or 2, where the role names one
    SInt16 kind;        // a spoke's SpokeKind (calc/lacing.h)
    SInt16 number;      // see DrawRole
    double points;      // a text's size, in points
    Boolean bold, left;
};
struct LacingDrawing {
    DrawBox frame; // every item lies inside it
    SInt16 count;  // 0: the frame is too small to draw in
    DrawItem item[kMaxDrawItems];
};

// Lays out the picture's diagram, seen from side 2 with the valve hole at the
// top, to scale in the square centred at the top of `frame`, with a legend
// below it when `legend`. `unit` is the size of a typographic point in the
// frame's units. The scale fits the largest of the rim and the flanges, so
// that a part bigger than the rim stays inside the frame too; a size of 0 or
// less, or not a number, is drawn as a typical wheel's.
void DrawLacing(const LacingPicture *picture, DrawBox frame, double unit, Boolean legend,
                LacingDrawing *out);

// Gives the lacing diagram window this picture (the layer keeps a copy) and,
// when `show` is true, shows it in front; when it is false a hidden window
// stays hidden. The window is the layer's own: its close box only hides it.
void SetLacingWindow(const LacingPicture *picture, Boolean show);

// A build sheet: a title, the figures as lines of "label<tab>value" (a line
// without a tab is a heading), the lacing steps and the lacing table, each
// under its own heading (the table: a line
// of headings, then one tab-separated line per rim hole), lines ending in
// "\n", all UTF-8; and the diagram.
struct TensionFigures; // calc/tension.h

struct BuildSheet {
    const char *title;
    const char *figures;
    const char *stepsTitle;
    const char *steps;
    const char *tableTitle;
    const char *table;
    LacingPicture picture;
    // The tension readings, when there are any (null or "": none): a title, a
    // table as the lacing table is, and the chart; printed on a page of their own.
    const char *readingsTitle;
    const char *readings;
    const TensionFigures *chart;
};

// Shows the sheet in a print preview, one page, whose Print button opens the
// print dialog; returns when the preview is closed. Only the printer or the
// file that the user chose there is written.
void PrintBuildSheet(const BuildSheet *sheet);

// Puts the UTF-8 text on the desktop's clipboard as plain text.
void PutScrapText(const char *text);

// Files and questions (navigation.cpp)

// Asks the user for a file to open, in the desktop's file chooser, showing
// the files that `filter` names ("Quennick builds (*.quennick)") or all
// files. True with the chosen path, NUL-terminated in `path` (`size` bytes);
// false when the user cancelled or the path would not fit.
Boolean NavGetFile(const char *filter, char *path, size_t size);
// Asks the user where to save, starting from `fileName` (a path, or a name in
// the chooser's own folder; null or "" for none). A name typed without a
// suffix gets `suffix` ("quennick"). The chooser asks before replacing a
// file. True with the path as NavGetFile gives it.
Boolean NavPutFile(const char *filter, const char *suffix, const char *fileName, char *path,
                   size_t size);

// The answers to the question about unsaved changes.
typedef SInt16 NavAskSaveChangesResult;
enum { kNavAskSaveChangesSave = 1, kNavAskSaveChangesCancel = 2, kNavAskSaveChangesDontSave = 3 };
// The question's texts, UTF-8, in the user's language: the question, a line
// that explains it, and the three buttons.
struct NavAskSaveChangesTexts {
    const char *question;
    const char *detail;
    const char *save;
    const char *dontSave;
    const char *cancel;
};
// Asks, in front of the main window, whether to save the changes; Escape and
// the close box answer Cancel, Return Save.
NavAskSaveChangesResult NavAskSaveChanges(const NavAskSaveChangesTexts *texts);

enum { kAlertStopAlert = 0, kAlertNoteAlert = 1, kAlertCautionAlert = 2 };
// Shows a message with an OK button, in front of the main window, and returns
// when the user has closed it. `error` is the message, `explanation` a line
// below it (null for none); both UTF-8, shown as plain text.
void StandardAlert(SInt16 alertType, const char *error, const char *explanation);

// The spoke tension window (tensionview.cpp): a table of the spokes, the
// figures, the spokes outside the band and the chart, all given as texts and
// plain data; the window keeps copies.

// Columns of the tension table: rim hole, side, hub hole, reading (typed into),
// tension, and a note (why a reading is left out, or the advice).
enum { kTensionColumns = 6, kMaxTensionRows = 96 };

struct TensionView {
    const char *title;   // the window's title
    const char *noWheel; // non-null: no wheel to show; the window says this alone
    const char *headings[kTensionColumns];
    SInt16 rows;                 // at most kMaxTensionRows
    const char *const *cells;    // rows * kTensionColumns texts, row by row
    const char *const *rowNames; // each row in words, for screen readers
    const Boolean *marked;       // rows shown marked: a note to heed
    const SInt16 *sides;         // each row's side (1 or 2)
    const char *figures;         // each side's figures, a line each
    const char *outside;         // the spokes outside the band, a line each
    const char *const *meters;   // the meters to choose from
    SInt16 meterCount;
    SInt16 meter;                // chosen, from 0
    SInt16 band;                 // 10 or 20 (%)
    const TensionFigures *chart; // null: no chart
    const char *chartName;       // the chart in words, for screen readers
};

// What the user did in the tension window: typed a row's reading (`row` from
// 0, `text` the reading's new text), chose a meter (`row` its index) or a
// band (`row` 10 or 20). The program answers with SetTensionWindow.
enum { kTensionReadingEdit = 1, kTensionMeterChoice = 2, kTensionBandChoice = 3 };
typedef void (*TensionProc)(SInt16 what, SInt16 row, const char *text);

// Gives the tension window this view and the procedure its edits go to; shows
// it in front when `show` is true (a hidden window stays hidden otherwise).
// Keeps the row in focus. Its close box and Escape hide it. Return moves the
// focus to the next row: in rim hole order, or (chosen in the window) side 1's
// rows, then side 2's; Backspace takes back the last character typed, or on
// an empty reading goes back a row.
void SetTensionWindow(const TensionView *view, TensionProc proc, Boolean show);

#endif
