#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole session with the real program, from the keyboard, each field found by
its accessible name: choose a rim and a hub, calculate, copy both results out
through the clipboard, read and hear a lacing note and every label, clear,
paste, open and close the About box, the lacing diagram and the print preview,
quit.
Prints what it saw; exits 1 with FAIL on the first thing that is wrong."""
import os
import subprocess
import xml.etree.ElementTree as ET

from gi.repository import GLib

from atspi import (Atspi, Failure, application, clipboard, focus, keys, run, text, wait_for,
                   walk, window)

# What the program tells assistive technology of its own accord: a status
# text's new words, as a screen reader hears them.
heard = []


def on_event(event):
    try:
        if event.source is not None:
            heard.append((event.type, event.source.get_name(), event.any_data))
    except GLib.Error:
        pass


listener = Atspi.EventListener.new(on_event)
listener.register("object:property-change:accessible-description")
listener.register("object:text-changed:insert")


def pumped(condition):
    """The condition, after the events that arrived so far were handled."""
    def check():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return condition()
    return check


def translations():
    """The window's names in the language of QUENNICK_E2E_TS (a .ts file), by
    their English names; none for English."""
    path = os.environ.get("QUENNICK_E2E_TS")
    if not path:
        return {}
    return {m.findtext("source"): m.findtext("translation")
            for m in ET.parse(path).getroot().iter("message")}


NAMES = translations()


def tr(name):
    return NAMES.get(name, name)


def copy_field(name):
    """Selects the named field's text from the keyboard and copies it out."""
    subprocess.run(["xclip", "-selection", "clipboard"], input="", text=True, check=True)
    focus(name)
    keys("Home", "shift+End", "ctrl+c")
    return wait_for("the clipboard to hold %r" % name, clipboard)


def combo(description):
    """The form's combo box that is this (its name is its value)."""
    return wait_for("a combo box described %r" % description, lambda: next(
        (n for n in walk(application()) if n.get_role() == Atspi.Role.COMBO_BOX
         and n.get_description() == description), None))


def words(node):
    t = node.get_text_iface()
    return t.get_text(0, t.get_character_count()) if t else None


def check_note_and_labels():
    """20 spokes at 3 crossings get a lacing note: its words reach AT-SPI as
    the note's text and description, and are announced; every other label of
    the form gives its words too, as its name or its description."""
    # The spoke count is four Tabs after the last flange field: past the
    # flange distances' helper button and both crossings.
    focus(tr("Side 2 flange distance from the centre"))
    keys("Tab", "Tab", "Tab", "Tab")
    wait_for("the focus on the spoke count", lambda: combo(tr("Spokes in the wheel"))
             .get_state_set().contains(Atspi.StateType.FOCUSED))
    keys("Up", "Up", "Up")  # 32, 28, 24, 20
    wait_for("20 spokes", lambda: combo(tr("Spokes in the wheel")).get_name() == "20")
    heard.clear()
    keys("Return")
    form = window(tr("Quennick"))
    note = wait_for("the lacing note", pumped(lambda: next(
        (n for n in walk(window(tr("Quennick"))) if n.get_name() == tr("Lacing note")
         and n.get_description()), None)))
    said = note.get_description()
    if note.get_role() != Atspi.Role.STATUS_BAR:
        raise Failure("the lacing note's role is %s, not a status bar" % note.get_role_name())
    if words(note) != said:
        raise Failure("the lacing note's text %r is not its description %r" % (words(note), said))
    wait_for("the note announced", pumped(lambda: any(
        kind.startswith("object:property-change:accessible-description")
        and name == tr("Lacing note") for kind, name, _ in heard)))
    try:
        wait_for("the note's words announced", pumped(lambda: any(
            kind.startswith("object:text-changed:insert") and name == tr("Lacing note")
            and data == said for kind, name, data in heard)))
    except Failure:
        raise Failure("the note's words were not announced; heard %r" % heard)
    labels = 0
    for n in walk(form):
        if n.get_role() not in (Atspi.Role.LABEL, Atspi.Role.STATUS_BAR):
            continue
        labels += 1
        shown = words(n)
        if not shown or shown not in (n.get_name(), n.get_description()):
            raise Failure("a label's words %r are neither its name %r nor its description %r"
                          % (shown, n.get_name(), n.get_description()))
    return said, labels


def x_window(title):
    """The X window with this title, as xdotool names it."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def main():
    wait_for("the form", lambda: window(tr("Quennick")), 40)
    win = wait_for("the form's X window", lambda: x_window(tr("Quennick")))
    subprocess.run(["xdotool", "windowactivate", "--sync", win], capture_output=True)
    wait_for("the form to be active", lambda: window(tr("Quennick")).get_state_set().contains(
        Atspi.StateType.ACTIVE))
    focus(tr("Choose a rim"))
    keys("space")
    keys("Return")  # the first rim
    wait_for("the first rim", lambda: text(tr("Rim diameter at the spoke ends")) == "600,00")
    focus(tr("Choose a hub"))
    keys("space")
    keys("Down", "Down", "Return")  # the third hub
    wait_for("the third hub", lambda: text(tr("Side 2 flange diameter")) == "57,00")
    keys("Return")
    wait_for("a result", lambda: text(tr("Side 1 spoke length")) not in ("", "0,00"))
    length1 = copy_field(tr("Side 1 spoke length"))
    length2 = copy_field(tr("Side 2 spoke length"))
    note, labels = check_note_and_labels()

    focus(tr("Clear the form"))
    keys("space")
    wait_for("the form to clear", lambda: text(tr("Side 1 spoke length")) == "0,00")
    focus(tr("Spoke hole diameter"))
    subprocess.run(["xclip", "-selection", "clipboard"], input="4", text=True, check=True)
    keys("Home", "shift+End", "ctrl+v")
    wait_for("the paste", lambda: text(tr("Spoke hole diameter")) == "4")
    keys("Return")
    wait_for("the result of a hole alone", lambda: text(tr("Side 1 spoke length")) != "0,00")
    pasted = copy_field(tr("Side 1 spoke length"))

    # The About box from the first menu, closed with Return.
    # (The menu bar's title is clicked by its place in the window: AT-SPI's
    # extents include the window manager's frame.)
    subprocess.run(["xdotool", "mousemove", "--window", win, "20", "10", "click", "1"], check=True)
    keys("Down", "Return")
    wait_for("the About box", lambda: window(tr("About Quennick")), 30)
    keys("Return")
    wait_for("the About box to close", lambda: window(tr("About Quennick")) is None)

    # The lacing diagram and the build sheet's print preview, each opened by
    # its command key and closed with Escape: showing them writes nothing.
    keys("ctrl+l")
    wait_for("the lacing diagram", lambda: window(tr("Lacing diagram")), 30)
    keys("Escape")
    wait_for("the lacing diagram to close", lambda: window(tr("Lacing diagram")) is None)
    subprocess.run(["xdotool", "windowactivate", "--sync", win], capture_output=True)
    keys("ctrl+p")
    wait_for("the print preview", lambda: window(tr("Build sheet")), 30)
    keys("Escape")
    wait_for("the print preview to close", lambda: window(tr("Build sheet")) is None)
    subprocess.run(["xdotool", "windowactivate", "--sync", win], capture_output=True)
    keys("ctrl+q")

    print("lengths: %r %r, after clear and paste: %r, the About box, the lacing diagram and "
          "the print preview opened and closed; the lacing note of 20 spokes read and "
          "announced: %r; %d labels read" % (length1, length2, pasted, note, labels))
    if length1 != "292,33":
        raise Failure("side 1 length %r, expected 292,33" % length1)
    if length2 != "289,10":
        raise Failure("side 2 length %r, expected 289,10" % length2)
    if pasted != "-2,00":
        raise Failure("after clear and paste %r, expected -2,00" % pasted)


if __name__ == "__main__":
    run(main)
