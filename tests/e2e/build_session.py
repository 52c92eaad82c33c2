#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeping a build, from the keyboard, each field found by its accessible name:
choose a rim and a hub, name the build, calculate, save it with Save As
through the file chooser (the path typed into it), quit. QUENNICK_E2E_BUILD is
the file to save; QUENNICK_E2E_STAGE "open" instead checks that the program,
started with that file on its command line, shows the same lengths, and quits.
Prints what it saw; exits 1 with FAIL on the first thing that is wrong."""
import os
import subprocess

from atspi import Atspi, Failure, focus, keys, run, text, wait_for, window

BUILD = os.environ["QUENNICK_E2E_BUILD"]
NAME = os.path.basename(BUILD).rsplit(".", 1)[0]


def activate(title):
    wait_for("the window %r" % title, lambda: window(title), 20)
    found = wait_for("its X window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
        capture_output=True, text=True).stdout.split())
    subprocess.run(["xdotool", "windowactivate", "--sync", found[0]], capture_output=True)
    wait_for("the window to be active", lambda: window(title).get_state_set().contains(
        Atspi.StateType.ACTIVE))


def save():
    activate("Quennick")
    focus("Choose a rim")
    keys("space", "Return")  # the first rim
    wait_for("the first rim", lambda: text("Rim diameter at the spoke ends") == "600,00")
    focus("Choose a hub")
    keys("space", "Down", "Down", "Return")  # the third hub
    wait_for("the third hub", lambda: text("Side 2 flange diameter") == "57,00")
    focus("Build name")
    subprocess.run(["xdotool", "type", "--delay", "20", "Anna's rear"], check=True)
    wait_for("the name", lambda: text("Build name") == "Anna's rear")
    keys("Return")
    wait_for("a result", lambda: text("Side 1 spoke length") not in ("", "0,00"))
    lengths = (text("Side 1 spoke length"), text("Side 2 spoke length"))
    keys("ctrl+shift+s")
    # The chooser's file name field has the keyboard: the whole path typed in.
    wait_for("the file chooser", lambda: [w for w in windows() if w != "Quennick"], 10)
    subprocess.run(["xdotool", "key", "ctrl+a"], check=True)
    subprocess.run(["xdotool", "type", "--delay", "10", BUILD], check=True)
    keys("Return")
    wait_for("the title to name the build", lambda: window("%s — Quennick" % NAME), 10)
    wait_for("the file", lambda: os.path.exists(BUILD))
    keys("ctrl+q")
    print("lengths %r saved to %s" % (lengths, BUILD))
    if lengths != ("292,33", "289,10"):
        raise Failure("lengths %r, expected 292,33 and 289,10" % (lengths,))


def windows():
    from atspi import application
    app = application()
    return [app.get_child_at_index(i).get_name() for i in range(app.get_child_count())]


def open_again():
    title = "%s — Quennick" % NAME
    activate(title)
    wait_for("the lengths", lambda: text("Side 1 spoke length") == "292,33")
    lengths = (text("Side 1 spoke length"), text("Side 2 spoke length"))
    name = text("Build name")
    keys("ctrl+q")
    print("opened by the command line: %r, named %r" % (lengths, name))
    if lengths != ("292,33", "289,10") or name != "Anna's rear":
        raise Failure("opened %r named %r, expected what was saved" % (lengths, name))


if __name__ == "__main__":
    run(open_again if os.environ.get("QUENNICK_E2E_STAGE") == "open" else save)
