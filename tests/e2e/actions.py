#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program worked by assistive technology alone: every step is an AT-SPI
action on a control found by its accessible name, as switch access, voice
control or a screen reader's own commands would do it, with no key and no
click. The same table runs on X11 and under Wayland. Prints each step; exits 1
with FAIL on the first that does not do what it must."""
import os
import subprocess
import warnings

from atspi import Atspi, Failure, application, control, run, text, wait_for, walk, window
from gi.repository import GLib

# libatspi calls its Action methods on an accessible deprecated; they are the
# ones that work on Debian 12's version.
warnings.filterwarnings("ignore", category=DeprecationWarning)

# Pop-up lists and menus are windows of their own, outside the application's
# tree: they are found by the events that say they are showing.
shown = []


def on_showing(event):
    if event.detail1 == 1 and event.source is not None:
        shown.append(event.source)


listener = Atspi.EventListener.new(on_showing)
listener.register("object:state-changed:showing")


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def waiting(what, condition, seconds=30.0):
    def pumped():
        pump()
        return condition()
    return wait_for(what, pumped, seconds)


def act(accessible, names):
    """Does the first action of `accessible` whose name is among `names`."""
    offered = [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]  # noqa
    for i, action in enumerate(offered):
        if action.lower() in names:
            accessible.do_action(i)
            return
    raise Failure("%r offers no %s action (only %s)"
                  % (accessible.get_name(), "/".join(names), ", ".join(offered) or "none"))


def press(name):
    act(control(name), ("press", "click"))


def in_popups(condition):
    """The first accessible of a pop-up shown since the step began that meets
    the condition; None when there is none yet."""
    for source in reversed(shown):
        try:
            found = next((n for n in walk(source) if condition(n)), None)
        except GLib.Error:
            continue
        if found is not None:
            return found
    return None


def open_list():
    """The pop-up list that is showing now, once it has its entries."""
    return waiting("a pop-up list", lambda: in_popups(
        lambda n: n.get_role() == Atspi.Role.LIST and n.get_child_count() > 0))


def choose(entry):
    lst = open_list()
    cell = next((c for c in walk(lst) if c.get_name() == entry), None)
    if cell is None:
        raise Failure("no entry %r in the list" % entry)
    act(cell, ("toggle", "press", "activate", "select"))


def close_list():
    button = waiting("the list's close button",
                     lambda: in_popups(lambda n: n.get_name() == "Close the list"))
    act(button, ("press", "click"))


def no_popup():
    for source in shown:
        try:
            if source.get_state_set().contains(Atspi.StateType.SHOWING):
                return False
        except GLib.Error:
            pass
    return True


def menu_item(title, item):
    """Presses a menu's entry through the menu bar's tree."""
    app = application()
    bar = next((n for n in walk(app) if n.get_role() == Atspi.Role.MENU_BAR), None)
    if bar is None:
        raise Failure("no menu bar")
    menu = next((n for n in walk(bar) if n.get_name() == title), None)
    entry = next((n for n in walk(menu) if n.get_name() == item), None) if menu else None
    if entry is None:
        raise Failure("no menu entry %s > %s" % (title, item))
    act(entry, ("press", "click"))


def about_ok():
    box = waiting("the About box", lambda: window("About Quennick"))
    if os.environ.get("QUENNICK_SHOT"):
        subprocess.run(["import", "-window", "root", os.environ["QUENNICK_SHOT"]], check=False)
    ok = next((n for n in walk(box) if n.get_role() == Atspi.Role.PUSH_BUTTON), None)
    act(ok, ("press", "click"))


# The table: each action, and what must hold after it.
STEPS = [
    ("press the rim chooser, close its list",
     lambda: (press("Choose a rim"), close_list()),
     lambda: no_popup() and text("Rim name") == ""),
    ("press the rim chooser, choose the first rim",
     lambda: (press("Choose a rim"), choose("Test road 622x15")),
     lambda: text("Rim diameter at the spoke ends") == "600,00"),
    ("press the hub chooser, choose the third hub",
     lambda: (press("Choose a hub"), choose("Test high flange rear")),
     lambda: text("Side 2 flange diameter") == "57,00"),
    ("press Calculate",
     lambda: press("Calculate the spoke lengths"),
     lambda: (text("Side 1 spoke length"), text("Side 2 spoke length")) == ("292,33", "289,10")),
    ("choose About from the first menu",
     lambda: menu_item("Quennick", "About Quennick"),
     lambda: window("About Quennick") is not None),
    ("press OK in the About box",
     about_ok,
     lambda: window("About Quennick") is None),
    ("press Quit",
     lambda: press("Quit"),
     lambda: application() is None),
]


def main():
    waiting("the form", lambda: window("Quennick"), 20)
    for name, action, holds in STEPS:
        shown.clear()
        action()
        waiting(name, holds)
        print("ok:", name)


if __name__ == "__main__":
    run(main)
