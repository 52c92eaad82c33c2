# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding and working the program's controls over AT-SPI, by the names that
screen readers read. libatspi caches what it has read, so every look-up starts
again from the desktop and every wait polls until its condition holds, with a
bound of seconds."""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=30.0):
    """The first true value of condition(), polled until `seconds` pass."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except gi.repository.GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def walk(node, depth=0):
    if node is None or depth > 14:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def application(name="Quennick"):
    """The program's accessible application, found by the title of a window
    (which may name an open build first: "rear-wheel — Quennick")."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None:
            continue
        for j in range(app.get_child_count()):
            win = app.get_child_at_index(j)
            if win is not None and (win.get_name() == name or
                                    win.get_name().endswith(" — " + name)):
                return app
    return None


def named(root, name, roles=None):
    """The first accessible below root with this name (and one of these roles)."""
    for node in walk(root):
        if node.get_name() == name and (roles is None or node.get_role() in roles):
            return node
    return None


def window(title):
    app = application()
    if app is None:
        return None
    for j in range(app.get_child_count()):
        win = app.get_child_at_index(j)
        if win is not None and win.get_name() == title and win.get_state_set().contains(
                Atspi.StateType.SHOWING):
            return win
    return None


CONTROLS = {Atspi.Role.PUSH_BUTTON, Atspi.Role.TEXT, Atspi.Role.ENTRY, Atspi.Role.COMBO_BOX,
            Atspi.Role.PASSWORD_TEXT}


def control(name):
    """The form's control with this accessible name."""
    return wait_for("a control named %r" % name,
                    lambda: named(application(), name, CONTROLS))


def focus(name):
    """Gives the keyboard focus to the named control and waits until it has it."""
    c = control(name)
    c.get_component_iface().grab_focus()
    wait_for("the focus on %r" % name,
             lambda: control(name).get_state_set().contains(Atspi.StateType.FOCUSED))


def text(name):
    c = control(name)
    t = c.get_text_iface()
    return t.get_text(0, t.get_character_count())


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), check=True)


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True).stdout


def run(main):
    """Runs a session; on the first failure says what and exits 1."""
    try:
        main()
    except Failure as e:
        print("FAIL:", e)
        sys.exit(1)
