# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Usage, under dbus-run-session: play.py GAME SCREENSHOT. The real game on a private X server with
openbox, read over AT-SPI, answered once, minimised, restored, maximised; a failure says why."""

import os, re, subprocess, sys, time

import pyatspi

TITLE = "Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022"
RESTORED_TITLE = "Giocare con I Trigorio"
SPOKEN_TITLE = "Tavola"  # what a reader names the window by, in one word
MAXIMISED = {"MAXIMIZED_VERT", "MAXIMIZED_HORZ"}
children, game = [], None


def fail(why):
    raise SystemExit("FAIL: " + why)


def start(*command, **options):
    children.append(subprocess.Popen(command, stdin=subprocess.DEVNULL, **options))
    return children[-1]


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=10, check=True).stdout


def wait_for(what, probe, seconds=10):
    """What the probe finds in time; else None, or a failure when what is named. A probe that
    raises has found nothing yet: the accessible tree may be changing as we read it."""
    deadline, error = time.monotonic() + seconds, None
    while time.monotonic() < deadline:
        if game and game.poll() is not None:
            fail("the game exited with code %d" % game.returncode)
        try:
            found, error = probe(), None
            if found:
                return found
        except Exception as caught:
            error = caught
        time.sleep(0.05)
    if what:
        fail("waited %g s in vain for %s%s" % (seconds, what, error and " (%r)" % error or ""))


def shown(node):
    if node is not None and node.getState().contains(pyatspi.STATE_SHOWING):
        yield node
        for i in range(node.childCount):
            yield from shown(node[i])


def named(frame, pattern):
    return [(n, m) for n in shown(frame) for m in [re.match(pattern, n.name)] if m]


def clock(frame):
    found = [m[1] for _, m in named(frame, r"^Ore (\d\d \d\d \d\d)$")]
    return found[0] if len(found) == 1 else None


def expect(frame, window, what, title, state, clock_moves):
    def seen():  # the title, the window manager's hints and the ICCCM state only it sets
        wm = run("xprop", "-id", window, "_NET_WM_NAME", "_NET_WM_STATE", "WM_STATE")
        states = re.findall(r"_NET_WM_STATE_(\w+)|window state: (\w+)", wm)
        return re.findall(r'NAME.* = "(.*)"', wm), {a or b for a, b in states}
    if not wait_for(None, lambda: seen()[0] == [title] and state(seen()[1])):
        fail("the window is not %s with the title %r: %s" % (what, title, seen()))
    # A running clock shows another second within two and a half ticks.
    before = wait_for("one clock label Ore hh mm ss", lambda: clock(frame))
    if bool(wait_for(None, lambda: clock(frame) not in (before, None), 2.5)) != clock_moves:
        fail("the clock %s while the window is %s" % (("stands still", "runs")[clock_moves], what))


def start_desktop():
    """A private X server with openbox, and the accessibility bus: the game can start."""
    ready, done = os.pipe()
    # Without -noreset the server resets whenever its last client leaves, as a probe of ours
    # may before openbox connects, and the client connecting meanwhile is turned away.
    start("Xvfb", "-displayfd", str(done), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
          "-noreset", pass_fds=[done], stderr=subprocess.DEVNULL)
    os.close(done)
    os.environ["DISPLAY"] = ":" + os.read(ready, 16).decode().strip()
    start("openbox", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("openbox", lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


def stop_all():
    for child in reversed(children):
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()


def main(program, screenshot):
    global game
    start_desktop()
    game = start(program)
    window = wait_for("a window titled %r" % TITLE,
                      lambda: run("xdotool", "search", "--name", "^%s$" % TITLE).split())[0]
    frame = wait_for("the window over AT-SPI", lambda: [
        w for a in pyatspi.Registry.getDesktop(0) if a for w in a if w and w.name == SPOKEN_TITLE])[0]
    maximised = lambda s: MAXIMISED <= s and "Normal" in s
    expect(frame, window, "maximised", TITLE, maximised, True)
    # An answer typed in the real window is judged, counted and named on the focused button.
    run("xdotool", "type", "0")
    run("xdotool", "key", "Return")
    wait_for("the verdict and the counts", lambda: named(frame, r"^Sbagliato!! \d")
             and len(named(frame, "^Risposte (errate|totali) 1$")) == 2)
    wait_for("the focus on Nuovo calcolo", lambda: re.match(r"^Sbagliato\. .* Nuovo calcolo$", next(
        n for n in shown(frame) if n.getState().contains(pyatspi.STATE_FOCUSED)).name))
    run("xdotool", "windowminimize", window)
    expect(frame, window, "minimised", TITLE, lambda s: "Iconic" in s, True)
    run("wmctrl", "-i", "-r", window, "-b", "remove,maximized_vert,maximized_horz")
    run("wmctrl", "-i", "-a", window)
    normal = lambda s: "Normal" in s and not s & MAXIMISED
    expect(frame, window, "restored", RESTORED_TITLE, normal, False)
    run("wmctrl", "-i", "-r", window, "-b", "add,maximized_vert,maximized_horz")
    expect(frame, window, "maximised again", RESTORED_TITLE, maximised, True)
    run("import", "-window", "root", screenshot)
    print("screenshot:", os.path.abspath(screenshot))


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except Exception as error:
        fail("%s: %s" % (type(error).__name__, error))
    finally:
        stop_all()
