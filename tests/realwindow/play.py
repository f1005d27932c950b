# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Usage, under dbus-run-session: play.py GAME SCREENSHOT. The real game on a private X server with
openbox, as a pupil with a screen reader meets it; on anything unexpected, one line says why."""

import os
import re
import subprocess
import sys
import time
from decimal import Decimal
from fractions import Fraction
from math import isqrt

import pyatspi

TITLE = "Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022"
RESTORED_TITLE = "Giocare con I Trigorio"
LENGTH = r"(Cateto|Ipotenusa|Altezza|Proiezione) (\w\w) (\d+(,\d\d?)?) centimetri"
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


def root(square):  # None where the root is irrational: no problem asks for that length
    guess = Fraction(isqrt(square.numerator), isqrt(square.denominator))
    return guess if guess * guess == square else None


# Right angle at A, height AH: the projections BH and HC fix the triangle, with BC = BH + HC,
# AB² = BC·BH and AC² = BC·HC (Euclid's first theorem), AH² = BH·HC (his second). Here they are
# from each pair of lengths a problem gives, by Pythagoras and those theorems.
PROJECTIONS = {
    ("AB", "AC"): lambda ab, ac: (ab * ab / (bc := root(ab * ab + ac * ac)), ac * ac / bc),
    ("AB", "BC"): lambda ab, bc: (ab * ab / bc, bc - ab * ab / bc),
    ("AC", "BC"): lambda ac, bc: (bc - ac * ac / bc, ac * ac / bc),
    ("BH", "HC"): lambda bh, hc: (bh, hc),
    ("AH", "BH"): lambda ah, bh: (bh, ah * ah / bh),
    ("AH", "HC"): lambda ah, hc: (ah * ah / hc, hc),
    ("AC", "HC"): lambda ac, hc: (ac * ac / hc - hc, hc)}


def solve(given, asked):
    pair = tuple(sorted(given))
    if pair not in PROJECTIONS:
        fail("%s from %s: no problem of the game gives these two" % (asked, given))
    bh, hc = PROJECTIONS[pair](*(given[name] for name in pair))
    value = {"BH": bh, "HC": hc, "BC": bh + hc, "AB": root((bh + hc) * bh),
             "AC": root((bh + hc) * hc), "AH": root(bh * hc)}[asked]
    if value is None or (value * 100).denominator != 1:
        fail("%s from %s is %s: no answer of two decimals" % (asked, given, value))
    return value


def italian(v):
    return format((Decimal(v.numerator) / v.denominator).normalize(), "f").replace(".", ",")


def shown(node):
    if node is not None and node.getState().contains(pyatspi.STATE_SHOWING):
        yield node
        for i in range(node.childCount):
            yield from shown(node[i])


def named(frame, pattern):
    return [(n, m) for n in shown(frame) for m in [re.match(pattern, n.name)] if m]


def scores(frame):
    return {m[1]: int(m[2]) for _, m in named(frame, r"^Risposte (esatte|errate|totali) (\d+)$")}


def focus(frame):
    return next(n for n in shown(frame) if n.getState().contains(pyatspi.STATE_FOCUSED))


def lengths(matches):
    return {m[2]: Fraction(m[3].replace(",", ".")) for m in matches}


def posed(frame):
    """The asked length, the given ones and the answer box, once a problem waits for an answer:
    the box names them all, as the figure shows them."""
    box = focus(frame)
    asked = re.match(r"^Trova .*?(\w\w)\. Dati (.*)$", box.name)
    if box.getRoleName() != "text" or not asked or box.queryText().characterCount:
        return None
    given = lengths(re.finditer(LENGTH, asked[2], re.IGNORECASE))
    if given != lengths(m for _, m in named(frame, "^%s$" % LENGTH)):
        fail("the answer box names %r, the figure shows otherwise" % box.name)
    return asked[1], given, box


def play(frame, counts, wrong):
    asked, given, box = wait_for("a problem, the focus in its answer box", lambda: posed(frame))
    answer = solve(given, asked)
    typed = italian(answer + 1 if wrong else answer)
    heard = " ".join(k + "=" + italian(v) for k, v in given.items())
    print("%s=? from %s: typing %s%s" % (asked, heard, typed, " (wrong)" * wrong))
    run("xdotool", "type", typed)
    wait_for("%s in the answer box" % typed, lambda: box.queryText().getText(0, -1) == typed)
    run("xdotool", "key", "Return")
    verdict = "Sbagliato!! " + italian(answer) if wrong else "Esatto. Sei in gamba!!!"
    wait_for("the verdict %r" % verdict, lambda: named(frame, "^%s$" % re.escape(verdict)))
    spoken = ("Sbagliato. La risposta giusta è %s centimetri" % italian(answer) if wrong
              else "Esatto. Sei in gamba!")
    wait_for("the focus on Nuovo calcolo, named after the verdict", lambda: focus(frame).name
             .startswith(spoken) and focus(frame).name.endswith("Nuovo calcolo"))
    counts["errate" if wrong else "esatte"] += 1
    counts["totali"] += 1
    wait_for("the scores %s" % counts, lambda: scores(frame) == counts)
    run("xdotool", "key", "Return")


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
        w for a in pyatspi.Registry.getDesktop(0) if a for w in a if w and w.name == TITLE])[0]
    maximised = lambda s: MAXIMISED <= s and "Normal" in s
    expect(frame, window, "maximised", TITLE, maximised, True)
    counts = {"esatte": 0, "errate": 0, "totali": 0}
    for wrong in (False, True, False, True, False):
        play(frame, counts, wrong)
    wait_for("the next problem", lambda: posed(frame))
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
