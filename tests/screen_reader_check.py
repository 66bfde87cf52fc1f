# Reads Tolvane's window through AT-SPI, as a screen reader does, while keys
# go to the window through the X server: names, roles, descriptions, the
# selectors' values and where the focus is, at start, after choosing back 54
# and after Shuffle. Prints what it reads; any wrong reading fails the run.
#
# Run inside its own D-Bus session: dbus-run-session -- python3 THIS PROGRAM
# It starts a private Xvfb server itself.
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

PROGRAM = sys.argv[1]
failures = []


def check(what, seen, expected):
    if seen != expected:
        failures.append(f"{what}: read {seen!r}, expected {expected!r}")


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    return server


def turn_on_accessibility():
    """What a screen reader does when it starts: tell toolkits to take part."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    # The accessibility bus and its registry, which sends our keys and
    # clicks, are started by the session bus: they need the display.
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment",
                  GLib.Variant("(a{ss})", ({"DISPLAY": os.environ["DISPLAY"]},)),
                  None, Gio.DBusCallFlags.NONE, 10000, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 10000, None)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for_window(deadline_s=30):
    """The program takes a moment to register on the accessibility bus."""
    end = time.monotonic() + deadline_s
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tolvane" and app.childCount > 0:
                return app[0]
        pump(0.2)
    sys.exit("Tolvane never appeared on the accessibility bus")


def is_focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def settle(ready, deadline_s=15):
    """Waits for `ready`, on a busy machine too, then for straggling events."""
    end = time.monotonic() + deadline_s
    while not ready() and time.monotonic() < end:
        pump(0.1)
    pump(0.5)


def value_of(selector):
    """A selector's value: the entry its list marks as selected."""
    entries = selector[0]
    chosen = [entries[i].name for i in range(entries.childCount)
              if entries[i].getState().contains(pyatspi.STATE_SELECTED)]
    return chosen[0] if len(chosen) == 1 else f"{len(chosen)} selected"


def by_name(window, name):
    for node in window:
        if node.name == name:
            return node
    failures.append(f"no control named {name!r}")
    sys.exit("\n".join(failures))


focus_events = []
announcements = []


def on_focus(event):
    if event.detail1 == 1:
        focus_events.append(f"{event.source.getRoleName()} {event.source.name!r}")


def on_change(event):
    source = event.source
    if event.type.endswith("accessible-description"):
        announcements.append(f"{source.name!r} now reads {source.description!r}")
    elif event.type.startswith("object:state-changed:selected") and event.detail1 == 1:
        announcements.append(f"{source.getRoleName()} {source.name!r} selected")


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pump(0.3)


TAB, SPACE, DOWN = 0xFF09, 0x20, 0xFF54


def transcript(title, window, expected_focus, focused_entry=None):
    """Prints what a reader finds and checks that one control claims focus."""
    print(f"-- {title}")
    for node in window:
        line = f"{node.getRoleName()} {node.name!r}"
        if node.getRoleName() == "combo box":
            line += f" value {value_of(node)!r}"
        if node.description:
            line += f" description {node.description!r}"
        if is_focused(node):
            line += " [focused]"
        print("  " + line)
    deck = by_name(window, "Deck")
    focused_entries = [deck[i].name for i in range(deck.childCount) if is_focused(deck[i])]
    selected = [deck[i].name for i in range(deck.childCount)
                if deck[i].getState().contains(pyatspi.STATE_SELECTED)]
    print(f"  deck: selected {selected}, entries claiming focus {focused_entries}")
    print(f"  focus events: {focus_events}")
    print(f"  announced: {announcements}")
    claiming = [node.name for node in window if is_focused(node)]
    claiming += ["Deck entry " + name for name in focused_entries]
    # A focused list tells which of its entries the keys move.
    expected = [expected_focus] + (["Deck entry " + focused_entry] if focused_entry else [])
    check(f"{title}: objects claiming focus", claiming, expected)
    return deck, selected


def take(events):
    taken = list(events)
    events.clear()
    return taken


def main():
    xvfb = start_xvfb()
    program = None
    try:
        turn_on_accessibility()
        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-description",
                                               "object:state-changed:selected")
        program = subprocess.Popen([PROGRAM], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
        window = wait_for_window()
        # Without a window manager the window gets the keyboard once clicked:
        # click its empty corner under the pictures.
        x, y, width, height = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(x + width - 4, y + height - 4, "b1c")
        settle(lambda: is_focused(by_name(window, "Deck")))

        roles = {"Deck": "list", "Shuffle": "push button", "All pictures": "combo box",
                 "Card backs": "combo box", "Selected card": "image", "Chosen picture": "image",
                 "Chosen card back": "image"}
        for name, role in roles.items():
            check(f"role of {name}", by_name(window, name).getRoleName(), role)

        deck, selected = transcript("at start", window, "Deck", "A of Clubs")
        check("first card", selected, ["A of Clubs"])
        check("card description", by_name(window, "Selected card").description, "A of Clubs")
        check("back description", by_name(window, "Chosen card back").description,
              "53: fine black dot pattern on white")
        check("all-pictures value", value_of(by_name(window, "All pictures")), "1")
        check("back value", value_of(by_name(window, "Card backs")), "53")
        check("focus events at start", take(focus_events)[-1:], ["list 'Deck'"])
        take(announcements)

        for _ in range(3):  # list, Shuffle, all pictures, card backs
            key(TAB)
        key(DOWN)
        settle(lambda: by_name(window, "Chosen card back").description.startswith("54"))
        transcript("after choosing back 54", window, "Card backs")
        check("back value", value_of(by_name(window, "Card backs")), "54")
        check("back description", by_name(window, "Chosen card back").description, "54: sky with clouds")
        check("focus events on the way to back 54", take(focus_events),
              ["push button 'Shuffle'", "combo box 'All pictures'", "combo box 'Card backs'"])
        check("told of back 54", "'Chosen card back' now reads '54: sky with clouds'" in take(announcements),
              True)

        key(TAB)  # round to the list
        key(TAB)
        take(focus_events)
        take(announcements)
        first_before = by_name(window, "Deck")[0].name
        key(SPACE)
        settle(lambda: by_name(window, "Deck")[0].name != first_before, deadline_s=3)
        deck, selected = transcript("after Shuffle", window, "Shuffle")
        first = deck[0].name
        check("card description follows the new first card", by_name(window, "Selected card").description,
              first)
        check("new selection", selected, [first])
        check("back value after Shuffle", value_of(by_name(window, "Card backs")), "54")
        check("focus events on Shuffle", take(focus_events), [])
        told = take(announcements)
        check("told of the new card", f"'Selected card' now reads {first!r}" in told, True)
        check("told of the new selection", f"list item {first!r} selected" in told, True)
    finally:
        if program is not None:
            program.terminate()
            program.wait(10)
        xvfb.terminate()
    if failures:
        sys.exit("FAILED:\n" + "\n".join(failures))
    print("all readings as expected")


main()
