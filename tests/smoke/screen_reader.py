#!/usr/bin/env python3
"""Plays a screen reader against the real window: reads the log through
AT-SPI, as Orca would, while commands are typed into the window.

    screen_reader.py ZOR HOME          checks what a reader gets
    screen_reader.py ZOR HOME --bench  times one line fetch on a 100 MB log

Runs inside an X server and a D-Bus session of its own (see
screen_reader.sh)."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

ZOR, HOME = sys.argv[1], sys.argv[2]
BENCH = "--bench" in sys.argv[3:]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, seconds, test, give_up=False):
    """Waits, handling AT-SPI's events meanwhile, until test() gives a value;
    what() says what was awaited, when it is a function, as it is at the end.
    Gives None at the deadline if asked to give up, else fails."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        found = test()
        if found:
            return found
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)
    if give_up:
        return None
    fail("waited in vain for " + (what() if callable(what) else what))


def find(node, test):
    if test(node):
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found = find(child, test)
            if found:
                return found
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and find(app, lambda n: n.name == "日志Log" and
                                    n.getRole() == pyatspi.ROLE_TEXT):
            return app
    return None


def type_line(line, entry=None):
    """Types a line and Enter; with the input box's object given, waits for the
    line to stand there first, typing it again if xdotool lost a key (it may
    under load, with characters it has to map to a key first)."""
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "ZOR"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for attempt in range(3):
        subprocess.run(["xdotool", "type", "--delay", "20", line], check=True)
        if entry is None:
            break
        box = entry.queryText()
        # What completion adds after the typed line is not run.
        if wait_for("the line typed", 5, lambda: box.getText(0, -1).startswith(line) or None,
                    give_up=True):
            break
        subprocess.run(["xdotool", "key", "Escape"], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "20"] + list(keys), check=True)


inserted = []
pyatspi.Registry.registerEventListener(
    lambda event: inserted.append(event.any_data), "object:text-changed:insert")
# What the log tells of its caret and its selection, in the order told, once
# asked for (each event costs a call to learn its source).
told = None


def tell(event):
    if told is not None and event.source is not None and event.source.name == "日志Log":
        told.append(event.type.major)


pyatspi.Registry.registerEventListener(
    tell, "object:text-caret-moved", "object:text-selection-changed")

env = dict(os.environ, ZOR_HOME=HOME, QT_QPA_PLATFORM="xcb",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
zor = subprocess.Popen([ZOR], env=env)
try:
    app = wait_for("the window's accessible log", 20, application)
    log = find(app, lambda n: n.name == "日志Log" and n.getRole() == pyatspi.ROLE_TEXT)
    text = log.queryText()
    if BENCH:
        type_line("load big")
        entered = time.perf_counter()
        wait_for("the 100 MB log", 120, lambda: text.characterCount > 50_000_000)
        print("load of 100 MB with a reader listening: %.0f ms from Enter to the longer log"
              % ((time.perf_counter() - entered) * 1000))
        middle = text.characterCount // 2
        times = []
        for i in range(20):
            start = time.perf_counter()
            line = text.getTextAtOffset(middle + i * 1000, pyatspi.TEXT_BOUNDARY_LINE_START)
            times.append(time.perf_counter() - start)
        times.sort()
        print("line fetch on a log of %d characters: median %.2f ms, worst %.2f ms (%r)"
              % (text.characterCount, times[10] * 1000, times[-1] * 1000, line[0][:30]))
        sys.exit(0)

    states = log.getState()
    if not states.contains(pyatspi.STATE_READ_ONLY) and states.contains(pyatspi.STATE_EDITABLE):
        fail("the log is editable")
    if not states.contains(pyatspi.STATE_MULTI_LINE):
        fail("the log is not multi-line")
    entry = find(app, lambda n: n.name == "输入Input" and n.getRole() == pyatspi.ROLE_TEXT)
    if entry is None:
        fail("no text object named 输入Input")

    inserted.clear()
    type_line("th", entry)
    # The input box's completion is heard too, before the output.
    wait_for(lambda: "the new output, heard only %r" % inserted, 10,
             lambda: "时间显示已关闭!" in "".join(inserted))
    type_line("say 你好", entry)
    everything = wait_for(lambda: "the log's text, ending %r" % text.getText(0, -1)[-40:], 30,
                          lambda: (
        text.getText(0, -1) if "你好\r\n" in text.getText(0, -1)[-8:] else None))
    if not everything.endswith(">>>th\r\n时间显示已关闭!\r\n>>>say 你好\r\n你好\r\n"):
        fail("the log reads %r" % everything[-80:])
    if text.caretOffset != text.characterCount:
        fail("caret at %d, not at the end %d" % (text.caretOffset, text.characterCount))
    line = text.getTextAtOffset(text.characterCount - 3, pyatspi.TEXT_BOUNDARY_LINE_START)
    if line[0] != "你好\r\n":
        fail("the last line reads %r" % (line,))

    # Caret motions with nothing selected tell of the caret alone; the
    # selection made last tells of the caret, then of the selection.
    press("shift+Tab")
    wait_for("the focus in the log", 10,
             lambda: log.getState().contains(pyatspi.STATE_FOCUSED))
    told = []
    press("Up", "Up", "Right", "Left", "Down", "shift+Right")
    wait_for("the selection told", 10, lambda: "text-selection-changed" in told)
    if told != ["text-caret-moved"] * 6 + ["text-selection-changed"]:
        fail("the log told %r" % told)
    told = None
    press("Tab")
    wait_for("the focus back in the input box", 10,
             lambda: entry.getState().contains(pyatspi.STATE_FOCUSED))

    type_line("load big")
    wait_for("the 100 MB log", 120, lambda: text.characterCount > 50_000_000)
    middle = text.characterCount // 2
    line = text.getTextAtOffset(middle, pyatspi.TEXT_BOUNDARY_LINE_START)
    if not (line[1] <= middle < line[2] and line[0].startswith("line ")
            and line[0].endswith("\r\n")):
        fail("a line of the big log reads %r" % (line,))
    print("read the log, its name, states and caret, heard new output, "
          "heard caret motions alone, fetched a line of a 100 MB log")
finally:
    zor.terminate()
    zor.wait()
