// The toolbox operations the system relies on, carried out on Qt by form/toolbox_*.cpp.
// Names and arguments follow the classic dialog toolbox; the types are our own and
// only as rich as the system needs. This header includes no Qt.
#ifndef QUENNICK_FORM_TOOLBOX_H
#define QUENNICK_FORM_TOOLBOX_H

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
    UInt32 message;    // key events: character code in the low byte
    UInt32 when;       // ticks (1/60 s) since start-up
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

// Window parts reported by FindWindow.
enum {
    inDesk = 0,
    inMenuBar = 1,
    inContent = 3,
    inDrag = 4,
    inGrow = 5,
    inGoAway = 6
};

// Dialog item kinds reported by GetDialogItem.
enum {
    ctrlItem = 4,
    btnCtrl = 0,
    statText = 8,
    editText = 16,
    itemDisable = 128
};

enum { kWindowZoomTransitionEffect = 1 };
enum { kWindowShowTransitionAction = 1, kWindowHideTransitionAction = 2 };

#define kFirstWindowOfClass ((WindowRef)-1)

// Dialogs
DialogRef GetNewDialog(SInt16 templateID, void *storage, WindowRef behind);
void DisposeDialog(DialogRef dialog);
WindowRef GetDialogWindow(DialogRef dialog);
CGrafPtr GetDialogPort(DialogRef dialog);
void GetDialogItem(DialogRef dialog, DialogItemIndex item, DialogItemType *type, Handle *handle,
                   Rect *box);
SInt16 GetDialogItemAsControl(DialogRef dialog, DialogItemIndex item, ControlRef *control);
void SetDialogItemText(Handle item, ConstStr255Param text);
void GetDialogItemText(Handle item, Str255 text);
Boolean IsDialogEvent(const EventRecord *event);
Boolean DialogSelect(const EventRecord *event, DialogRef *dialog, DialogItemIndex *item);
void ModalDialog(ModalFilterUPP filter, DialogItemIndex *item);
SInt16 SetDialogDefaultItem(DialogRef dialog, DialogItemIndex item);
void DialogCut(DialogRef dialog);
void DialogCopy(DialogRef dialog);
void DialogPaste(DialogRef dialog);

// Controls
SInt16 GetControlValue(ControlRef control);
SInt16 GetBevelButtonMenuHandle(ControlRef control, MenuHandle *menu);
SInt16 GetBevelButtonMenuValue(ControlRef control, SInt16 *value);
void IdleControls(WindowRef window);

// Menus
MenuRef GetMenu(SInt16 menuID);
void InsertMenu(MenuRef menu, MenuID beforeID);
void DrawMenuBar(void);
SInt32 MenuSelect(Point startPt);
SInt32 MenuKey(SInt16 ch);
void HiliteMenu(MenuID menuID);
SInt16 SetMenuFont(MenuRef menu, SInt16 family, UInt16 size);
Boolean IsValidMenu(MenuRef menu);
SInt16 AppendMenuItemText(MenuRef menu, ConstStr255Param text);
UInt16 CountMenuItems(MenuRef menu);
void GetMenuItemText(MenuRef menu, MenuItemIndex item, Str255 text);

// Events and windows
Boolean WaitNextEvent(EventMask mask, EventRecord *event, UInt32 sleepTicks, RgnHandle mouseRgn);
WindowPartCode FindWindow(Point where, WindowRef *window);
void DragWindow(WindowRef window, Point start, const Rect *bounds);
Boolean TrackGoAway(WindowRef window, Point pt);
void SetWTitle(WindowRef window, ConstStr255Param title);
void ShowWindow(WindowRef window);
void InvalWindowRect(WindowRef window, const Rect *bounds);
SInt16 TransitionWindow(WindowRef window, SInt16 effect, SInt16 action, const Rect *rect);

// Drawing ports
void GetPort(GrafPtr *port);
void SetPort(GrafPtr port);
Rect *GetPortBounds(CGrafPtr port, Rect *bounds);
void EraseRect(const Rect *r);
void SetRect(Rect *r, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom);
void InitCursor(void);

#endif
