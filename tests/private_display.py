# A private X server for a test: Xvfb on a display number it picks itself,
# so tests running at once never share one.
import os
import subprocess


def start_xvfb(screen):
    """Starts Xvfb with one screen of `screen` ("1024x768x24"), points
    DISPLAY at it once it is ready, and gives the server's process."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    return server
