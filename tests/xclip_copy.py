# What another X program gets when Tolvane copies a picture: Tolvane runs
# under a private Xvfb server, xdotool presses Ctrl+Plus twice (150 %) and
# Ctrl+C in the deck list, and xclip, the real client, reads the clipboard:
# it must offer image/png, 107 x 144 pixels (the Ace of Clubs, 71 x 96,
# drawn at 1.5), and the card's name as text. Fails with what it saw.
#
# Usage: python3 THIS PROGRAM
import os
import struct
import subprocess
import sys
import time

from private_display import start_xvfb

PROGRAM = os.path.abspath(sys.argv[1])
DEADLINE_S = 15


def wait_for(what, check):
    """check() until it gives something true, or fail naming `what`."""
    end = time.monotonic() + DEADLINE_S
    while time.monotonic() < end:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"gave up waiting for {what}")


def window_named(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True)
    return found.stdout.split()[0] if found.stdout.split() else None


def clipboard(target):
    read = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"], capture_output=True, timeout=5)
    return read.stdout if read.returncode == 0 else b""


def png_size(data):
    """Width and height from a PNG's header chunk, or None if it is no PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def main():
    server = start_xvfb("1600x1200x24")
    program = subprocess.Popen([PROGRAM], env={**os.environ, "QT_QPA_PLATFORM": "xcb"},
                               stderr=subprocess.DEVNULL)
    try:
        window = wait_for("Tolvane's window", lambda: window_named("Tolvane"))
        # No window manager: give the window the keyboard focus ourselves.
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+plus", "ctrl+plus"], check=True)
        wait_for("the title Tolvane (150 %)", lambda: window_named(r"Tolvane \(150 %\)"))
        subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+c"], check=True)
        targets = wait_for("image/png among the clipboard's targets",
                           lambda: (offered := clipboard("TARGETS").decode().split()) and "image/png" in offered
                           and offered)
        image = clipboard("image/png")
        text = clipboard("UTF8_STRING").decode()
        print(f"targets: {' '.join(targets)}\nimage/png: {png_size(image)}\ntext: {text!r}")
        if png_size(image) != (107, 144) or text != "A of Clubs":
            sys.exit("expected a 107 x 144 PNG and the text 'A of Clubs'")
    finally:
        program.terminate()
        program.wait(timeout=5)
        server.terminate()
        server.wait(timeout=5)


main()
