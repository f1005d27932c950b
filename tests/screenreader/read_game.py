"""The screen reader's side: finds the game over AT-SPI, reads the question and the given
lengths as a reader would hear them, works the answer out from them, types it with real
key events and reads the verdict and the scores. Plays until it has seen a right and a
wrong answer. Exits non-zero, saying why, on anything unexpected."""

import math
import re
import sys
import time

import pyatspi

TITLE = "Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022"
LENGTH = re.compile(r"^(Cateto AB|Cateto AC|Ipotenusa BC|Altezza AH|Proiezione BH|Proiezione HC)"
                    r": (\d+(?:,\d+)?) cm$")
RIGHT = "Esatto. Sei in gamba!!!"
WRONG = re.compile(r"^Sbagliato!! (\d+(?:,\d+)?)$")
# Return on the X server's default keymap, which Xvfb has: synthesised by keysym, Qt saw
# no Enter.
RETURN_KEYCODE = 36


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def within(seconds, probe):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def wait_for(what, probe, seconds=20.0):
    return within(seconds, probe) or fail("timed out waiting for " + what)


def game_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None:
            continue
        for window in application:
            if window is not None and window.name == TITLE:
                return window
    return None


def nodes(root):
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(node[i] for i in range(node.childCount))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def heard(frame):
    """Name of every object the reader can reach, hidden ones with their state."""
    return [(node.name, showing(node), node.getRoleName(), node) for node in nodes(frame)]


def number(text):
    return float(text.replace(",", "."))


# The metric relations of the right triangle ABC, height AH, projections BH and HC.
def solve(known):
    rules = [
        ("BC", ("AB", "AC"), lambda v: math.hypot(v["AB"], v["AC"])),
        ("AC", ("AB", "BC"), lambda v: math.sqrt(v["BC"] ** 2 - v["AB"] ** 2)),
        ("AB", ("AC", "BC"), lambda v: math.sqrt(v["BC"] ** 2 - v["AC"] ** 2)),
        ("BH", ("AB", "BC"), lambda v: v["AB"] ** 2 / v["BC"]),
        ("HC", ("AC", "BC"), lambda v: v["AC"] ** 2 / v["BC"]),
        ("BC", ("BH", "HC"), lambda v: v["BH"] + v["HC"]),
        ("AH", ("BH", "HC"), lambda v: math.sqrt(v["BH"] * v["HC"])),
        ("HC", ("BC", "BH"), lambda v: v["BC"] - v["BH"]),
        ("BH", ("BC", "HC"), lambda v: v["BC"] - v["HC"]),
        ("BC", ("AB", "BH"), lambda v: v["AB"] ** 2 / v["BH"]),
        ("BC", ("AC", "HC"), lambda v: v["AC"] ** 2 / v["HC"]),
        ("HC", ("AH", "BH"), lambda v: v["AH"] ** 2 / v["BH"]),
        ("BH", ("AH", "HC"), lambda v: v["AH"] ** 2 / v["HC"]),
        ("AB", ("BH", "BC"), lambda v: math.sqrt(v["BH"] * v["BC"])),
        ("AC", ("HC", "BC"), lambda v: math.sqrt(v["HC"] * v["BC"])),
    ]
    values = dict(known)
    grew = True
    while grew:
        grew = False
        for target, needs, rule in rules:
            if target not in values and all(n in values for n in needs):
                values[target] = rule(values)
                grew = True
    return values


def read_problem(frame):
    objects = heard(frame)
    questions = [(name, node) for name, shown, role, node in objects
                 if role == "text" and shown and name.endswith(" uguale")]
    if len(questions) != 1:
        return None
    question, box = questions[0]
    given = {LENGTH.match(name).group(1).split()[1]: number(LENGTH.match(name).group(2))
             for name, shown, role, node in objects if shown and LENGTH.match(name)}
    silent = [name for name, shown, role, node in objects if not shown and LENGTH.match(name)]
    if silent:
        fail("hidden value labels are announced: %s" % silent)
    return question[: -len(" uguale")], given, box


def verdict(frame):
    for name, shown, role, node in heard(frame):
        if shown and (name == RIGHT or WRONG.match(name)):
            return name
    return None


def focused_button(frame):
    for name, shown, role, node in heard(frame):
        if name == "Nuovo calcolo" and node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def scores(frame):
    found = {}
    for name, shown, role, node in heard(frame):
        match = re.match(r"^Risposte (esatte|errate|totali): (\d+)$", name)
        if shown and match:
            found[match.group(1)] = int(match.group(2))
    return found


def press_enter():
    pyatspi.Registry.generateKeyboardEvent(RETURN_KEYCODE, None, pyatspi.KEY_PRESSRELEASE)


def type_text(box, text):
    contents = box.queryText()
    # The X server drops the first key synthesised in a session: type again into an empty box.
    for _ in range(3):
        pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
        if within(2, lambda: contents.getText(0, -1) == text):
            press_enter()
            return
        if contents.getText(0, -1):
            break
    fail("typed %r, the answer box holds %r" % (text, contents.getText(0, -1)))


def play_one(frame, counts):
    question, given, box = wait_for("a problem posed", lambda: read_problem(frame))
    if len(given) != 2:
        fail("expected two given lengths for %r, heard %s" % (question, given))
    asked = question.split()[1]
    answer = solve(given).get(asked)
    if answer is None:
        fail("cannot work out %s from %s" % (asked, given))
    whole = all(v == int(v) for v in given.values()) and abs(answer - round(answer)) < 1e-9
    typed = str(round(answer)) if whole else "0"
    print("heard: %s uguale ?, given %s; typing %s" % (question, given, typed))
    box.queryComponent().grabFocus()
    time.sleep(0.2)
    type_text(box, typed)
    said = wait_for("the verdict", lambda: verdict(frame), 10)
    print("verdict heard:", said)
    # Where the focus goes after Enter, a reader says the verdict again, unasked.
    focused = wait_for("the focus on the button", lambda: focused_button(frame), 10)
    if not focused.description.startswith(said):
        fail("the focused %r is described as %r" % (focused.name, focused.description))
    if whole:
        if said != RIGHT:
            fail("typed the right %s and heard %r" % (typed, said))
        counts["esatte"] += 1
    else:
        match = WRONG.match(said)
        if not match:
            fail("typed a wrong 0 and heard %r" % said)
        if not math.isclose(number(match.group(1)), answer, rel_tol=0.01):
            fail("the verdict's value %s is not the %s worked out" % (match.group(1), answer))
        counts["errate"] += 1
    counts["totali"] += 1
    wait_for("the scores %s" % counts, lambda: scores(frame) == counts, 10)
    # The focus is on "Nuovo calcolo": Enter poses the next problem.
    press_enter()
    wait_for("the verdict to go", lambda: verdict(frame) is None, 10)


def main():
    frame = wait_for("the game's window", game_frame, 30)
    print("found the window:", frame.name)
    wait_for("the window to be active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))
    if scores(frame) != {"esatte": 0, "errate": 0, "totali": 0}:
        fail("scores at start: %s" % scores(frame))
    counts = {"esatte": 0, "errate": 0, "totali": 0}
    for _ in range(40):
        play_one(frame, counts)
        if counts["esatte"] and counts["errate"]:
            print("read, typed and judged over AT-SPI:", counts)
            return
    fail("no right and wrong answer in 40 problems: %s" % counts)


main()
