# What the Orca screen reader speaks while a user walks through Tolvane's
# window with the keyboard: start, the list, Shuffle, both selectors and
# their popup, round to the list again, and a flat review of the pictures.
# Orca runs for real, under a private Xvfb server with openbox, in a D-Bus
# session of its own with the accessibility bus, speaking through
# speech-dispatcher and espeak-ng to a null sound device; its debug log
# says what it spoke. Prints the transcript step by step and fails when a
# step does not say what a user needs to hear.
#
# Usage: python3 THIS PROGRAM
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from private_display import start_xvfb

PROGRAM = os.path.abspath(sys.argv[1])
SESSION_MARK = "TOLVANE_ORCA_SESSION"
SYSTEM_PYTHON = "/usr/bin/python3"  # the one Orca is installed for
SPEECH = re.compile(r" - SPEECH OUTPUT: '(.*)'(?:\[?\{.*\}\]?)?$")
CARD = r"(?:[AJQK]|10|[2-9]) of (?:Clubs|Diamonds|Hearts|Spades)"


def in_own_session():
    """Restarts this script in a private D-Bus session under a fresh HOME."""
    if os.environ.get(SESSION_MARK):
        return
    home = tempfile.mkdtemp(prefix="tolvane-orca-")
    os.environ.update({SESSION_MARK: "1", "HOME": home, "XDG_CONFIG_HOME": f"{home}/.config",
                       "XDG_DATA_HOME": f"{home}/.local/share", "XDG_CACHE_HOME": f"{home}/.cache",
                       "XDG_RUNTIME_DIR": f"{home}/run"})
    os.makedirs(f"{home}/run", mode=0o700)
    # No sound device: speech goes to a null pcm, or Orca waits for
    # speech-dispatcher, which waits for a device, for ever.
    with open(f"{home}/.asoundrc", "w") as asound:
        asound.write("pcm.!default { type null }\n")
    os.makedirs(f"{home}/.config/speech-dispatcher")
    with open(f"{home}/.config/speech-dispatcher/speechd.conf", "w") as speechd:
        speechd.write('AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                      'DefaultModule espeak-ng\nDefaultLanguage "en"\n')
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, __file__, PROGRAM])


def start_display():
    server = start_xvfb("1024x768x24")
    subprocess.run(["dbus-update-activation-environment", "DISPLAY", "HOME", "XDG_CONFIG_HOME",
                    "XDG_RUNTIME_DIR"], check=True)
    manager = subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
    return [server, manager]


def start_orca(log_path):
    prefs = os.path.join(os.environ["HOME"], "orca")
    os.makedirs(prefs)
    # Key echo off: the transcript is what the window says.
    general = {"enableKeyEcho": False, "profile": ["Default", "default"]}
    with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
        json.dump({"general": general, "profiles": {"default": general}, "pronunciations": {},
                   "keybindings": {}}, settings)
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                    "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled",
                    "<true>"], check=True, stdout=subprocess.DEVNULL)
    # Orca's own start-up, less its guard of one Orca per user, which would
    # end any other Orca running (another test's, a user's); and its debug
    # log written line by line, so it tells what was spoken as soon as it is.
    start = ("import sys\n"
             "from orca import debug\n"
             "debug.debugLevel = debug.LEVEL_ALL\n"
             "debug.eventDebugLevel = debug.LEVEL_OFF\n"
             "debug.debugFile = open(sys.argv[2], 'w', buffering=1)\n"
             "from orca import orca\n"
             "orca.getSettingsManager().activate(sys.argv[1], {})\n"
             "sys.exit(orca.main())\n")
    return subprocess.Popen([SYSTEM_PYTHON, "-c", start, prefs, log_path],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Transcript:
    """What Orca has spoken, read from its debug log as it grows."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.read_to = 0
        self.failures = []

    def new_speech(self):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, errors="replace") as log:
            log.seek(self.read_to)
            text = log.read()
        complete = text[:text.rfind("\n") + 1]
        self.read_to += len(complete.encode(errors="replace"))
        said = [m.group(1).strip() for m in map(SPEECH.search, complete.splitlines()) if m]
        return [line for line in said if line]

    def listen(self, until, deadline_s):
        """Speech until `until` matches all of it and Orca pauses, or the deadline."""
        heard = []
        end = time.monotonic() + deadline_s
        last = time.monotonic()
        while time.monotonic() < end:
            lines = self.new_speech()
            if lines:
                heard += lines
                last = time.monotonic()
            elif until.search(" | ".join(heard)) and time.monotonic() - last > 0.5:
                break
            time.sleep(0.1)
        return heard

    def listen_to_keys(self, keys, pattern, deadline_s):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            time.sleep(0.15)
        return " | ".join(self.listen(pattern, deadline_s))

    def record(self, title, heard, expected):
        """Keeps what was said at a step and checks it for `expected`."""
        said = " | ".join(part for part in heard if part)
        print(f"{title}: {said}", flush=True)
        match = re.search(expected, said, re.IGNORECASE)
        if not match:
            self.failures.append(f"{title}: heard {said!r}, expected /{expected}/")
        return match

    def step(self, title, keys, expected, deadline_s=10):
        pattern = re.compile(expected, re.IGNORECASE)
        return self.record(title, [self.listen_to_keys(keys, pattern, deadline_s)], expected)


def wait_for_program_window():
    end = time.monotonic() + 30
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tolvane$"],
                               capture_output=True, text=True)
        if found.stdout.split():
            return found.stdout.split()[0]
        time.sleep(0.2)
    sys.exit("Tolvane's window never appeared")


def walk(transcript):
    t = transcript
    t.step("start (focus in the list)", [], r"Deck.*list.*A of Clubs", deadline_s=40)
    t.step("Down in the list", ["Down"], r"2 of Clubs")
    t.step("Tab to Shuffle", ["Tab"], r"Shuffle.*push button")
    # Told of the new first card, and of nothing else: the focus stays.
    shuffled = t.step("Space on Shuffle", ["space"], rf"^notification Shuffled, ({CARD})\W*$")
    t.step("Tab to the all-pictures selector", ["Tab"], r"All pictures.*combo box.*1, A of Clubs")
    t.step("Down on the closed selector", ["Down"], r"2, 2 of Clubs")
    t.step("Alt+Down, then Down in the popup", ["alt+Down", "Down"], r"3, 3 of Clubs")
    t.step("Return", ["Return"], r"All pictures.*3, 3 of Clubs")
    t.step("Tab to the back selector", ["Tab"], r"Card backs.*combo box.*53, fine black dot pattern on white")
    t.step("Down on the back selector", ["Down"], r"^notification 54, sky with clouds\W*$")
    first = re.escape(shuffled.group(1)) if shuffled else CARD
    t.step("Tab back into the list", ["Tab"], rf"Deck.*list.*{first}")
    # The list comes back to its selected entry, wherever that is, and
    # moves on from there.
    moved = t.step("Down, Down in the list", ["Down", "Down"], rf"({CARD})\W*\|\s*({CARD})\W*$")
    second, third = map(re.escape, moved.groups()) if moved else (CARD, CARD)
    t.step("Tab round to the list", ["Tab"] * 4, rf"Deck.*list.*{third}")
    t.step("Down in the list", ["Down"], rf"^(?!.*(?:{second}|{third})).*{CARD}")
    # The zoom is told as it changes; focus and entry stay.
    t.step("Ctrl+Plus in the list", ["ctrl+plus"], r"^notification Zoom 125 %\W*$")
    t.step("Ctrl+0", ["ctrl+0"], r"^notification Zoom 100 %\W*$")
    # Flat review, line by line from the top down to Shuffle, the lowest:
    # each picture says what it shows, never only the box's name.
    t.step("flat review, to the top", ["KP_Subtract", "Insert+KP_Home"], r"flat review")
    reviewed = []
    while len(reviewed) < 40 and "Shuffle" not in reviewed[-1:]:
        reviewed.append(t.listen_to_keys(["KP_Page_Up"], re.compile("."), deadline_s=4))
    t.record("flat review of the pictures", reviewed,
             r"^(?!.*(?:Selected card|Chosen picture|Chosen card back)).*54: sky with clouds")


def main():
    in_own_session()
    processes = start_display()
    log_path = os.path.join(os.environ["HOME"], "orca-debug.txt")
    transcript = Transcript(log_path)
    try:
        processes.append(start_orca(log_path))
        transcript.listen(re.compile("Screen reader on", re.IGNORECASE), deadline_s=40)
        processes.append(subprocess.Popen([PROGRAM], env={**os.environ, "QT_QPA_PLATFORM": "xcb",
                                                          "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}))
        window = wait_for_program_window()
        subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
        walk(transcript)
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
    if transcript.failures:
        sys.exit("FAILED:\n" + "\n".join(transcript.failures) + f"\nOrca's log: {log_path}")
    shutil.rmtree(os.environ["HOME"])
    print("Orca said what a user needs at every step")


main()
