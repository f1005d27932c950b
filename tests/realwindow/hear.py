# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Usage, under dbus-run-session: hear.py GAME. The real game played by keys alone with Orca in
Italian, as a blind pupil does; a failure says why. Without Orca, one line says so; exit 77."""

import os, pty, re, shutil, subprocess, sys, tempfile, threading, time
from decimal import Decimal
from fractions import Fraction
from math import isqrt
from pathlib import Path

sys.dont_write_bytecode = True  # the source tree stays as it is
import play
from play import fail, run, start, start_desktop

# Loaded by Orca: each utterance it hands its speech server, and each time it silences it, goes to a
# terminal, line by line, with the time.
CUSTOMIZATION = """
import time, orca.speech, orca.speechdispatcherfactory as factory
spoken, silence = orca.speech._speak, factory.SpeechServer.stop
def heard(text, acss, interrupt):
    print("SPEECH:%.3f %s" % (time.monotonic(), text), flush=True)
    spoken(text, acss, interrupt)
def stopped(server):
    print("STOP:%.3f -" % time.monotonic(), flush=True)
    silence(server)
orca.speech._speak, factory.SpeechServer.stop = heard, stopped
"""
LENGTH = r"(Cateto|Ipotenusa|Altezza|Proiezione) (\w\w) (\d+(,\d\d?)?) centimetri"
PROBLEM = r"^Trova [^.]*?(\w\w)\. Dati (.+? centimetri e .+? centimetri)"
READ_ALOUD = re.compile(r"[:;()/•]|\bcm\b|\d[.:/]\d")
CHARACTERS_PER_SECOND = 15  # espeak-ng's Italian at Orca's default rate, measured on the title
FIRST_PROBLEM = r"\. Esatte 0, errate 0, totale 0\. Scrivi il risultato in centimetri, "


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


class Ear:
    """What Orca says, with the time it hands each utterance over; key echoes are not said."""

    def __init__(self, terminal):
        self.text, self.terminal = [], terminal
        threading.Thread(target=self.listen, daemon=True).start()

    def listen(self):
        while True:
            try:
                self.text.append(os.read(self.terminal, 65536).decode("utf-8", "replace"))
            except OSError:
                return

    def events(self):
        return [(float(t), kind, s) for kind, t, s in
                re.findall(r"^(SPEECH|STOP):([\d.]+) (.*?)\r?$", "".join(self.text), re.M)]

    def said(self, since=0):
        return [s for t, kind, s in self.events()
                if kind == "SPEECH" and t >= since and not s.endswith(" ")]

    def heard_at(self, since, pattern):
        """Seconds from since to the first word of the first utterance matching the pattern: a
        synthesizer says what it is handed in turn, at its pace, until Orca silences it."""
        free, queued = since, []
        for t, kind, text in self.events():
            if t < since:
                continue
            if kind == "STOP":
                queued, free = [q for q in queued if q[0] < t], min(free, t)
            else:
                start = max(t, free)
                queued.append((start, text))
                free = start + len(text) / CHARACTERS_PER_SECOND
        return next((start - since for start, text in queued if re.search(pattern, text)), None)

    def quiet(self, seconds=2, limit=20):
        """Waits until Orca has said nothing for a while: Qt hands each key to Orca first."""
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline and any(
                t > time.monotonic() - seconds for t, _, _ in self.events()[-1:]):
            time.sleep(0.1)

    def after(self, keys, until, wait=30):
        """Presses the keys; returns when the last went, and what is said until `until`, and 1 s."""
        if keys:
            self.quiet()
        begun = pressed = time.monotonic()
        for key in keys:  # paced: Orca hears every key before Qt handles it
            pressed = time.monotonic()
            run("xdotool", *(["type", "--delay", "150", key[1:]] if key.startswith("=")
                             else ["key", key]))
            time.sleep(1)
        if "KP_Enter" in keys:  # Orca keeps this key: its answers to Qt must settle first
            time.sleep(2)
        heard = lambda: any(re.search(until, s) for s in self.said(begun))
        if play.wait_for(None, heard, wait):
            time.sleep(1)
            return pressed, self.said(begun)
        fail("after %s, waited in vain for %r; heard %r" % (keys, until, self.said(begun)))


def expect(step, heard, first=None, once=None, never=None, within=None):
    """What is first said after a step, bar the window's name; what once; what never, nor a sign;
    how soon the first: a new window takes a second or two on a busy machine."""
    pressed, said = heard
    print("%s: %s" % (step, " | ".join(said)))
    found = lambda pattern: [s for s in said if re.search(pattern, s)]
    words = [s for s in said if not re.match(r"^%s( \w+)?\.?$" % play.SPOKEN_TITLE, s)]
    if first and not (words and re.search(first, words[0])):
        fail("%s: first heard %r, not %r" % (step, words[:1], first))
    if once and len(found(once)) != 1:
        fail("%s: %r heard %d times" % (step, once, len(found(once))))
    if never and found(never) or found(READ_ALOUD):
        fail("%s: heard %r, or a sign or an abbreviation read aloud, in %r" % (step, never, said))
    if within:
        seconds = EAR.heard_at(pressed, first)
        print("%s: the first word %.1f s after the key" % (step, seconds))
        if seconds > within:
            fail("%s: %r heard %.1f s after the key, not within %g s" % (step, first, seconds,
                                                                          within))


def answer_to(heard):
    problem = next(re.match(PROBLEM, s) for s in heard[1] if re.match(PROBLEM, s))
    given = re.finditer(LENGTH, problem[2], re.IGNORECASE)
    return solve({m[2]: Fraction(m[3].replace(",", ".")) for m in given}, problem[1])


def italian_role(own, role):  # Orca 48 takes libatspi's names, which in Debian 13 lack "button"
    from gi.repository import Atspi
    localized = getattr(Atspi, "role_get_localized_name", None)  # from libatspi 2.50 on
    return "(%s|%s)" % (own, localized(getattr(Atspi.Role, role)) if localized else own)


def start_reader():
    """The desktop, a speech server and Orca, in Italian; what Orca says comes to the Ear."""
    home = Path(tempfile.mkdtemp())
    start_desktop()
    os.environ.update(HOME=str(home), XDG_RUNTIME_DIR=str(home), LANG="it_IT.UTF-8",
                      LC_ALL="it_IT.UTF-8")
    # Its own speech server, in the foreground, since one Orca spawns outlives the test, with
    # speech-dispatcher's dummy voice on ALSA's null device: there is no sound card to open.
    (home / "speechd").mkdir()
    (home / "speechd" / "speechd.conf").write_text(
        'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
        'AddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
    start("speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
          home / "speechd", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    play.wait_for("the speech server", (home / "speech-dispatcher" / "speechd.sock").exists)
    # Orca's own log of what it speaks, and nothing else: its full debug log would slow its
    # answers to the keys it listens to, and Qt would hand them on late or lose them.
    (home / "orca").mkdir()
    (home / "orca" / "orca-customizations.py").write_text(CUSTOMIZATION)
    reader, writer = pty.openpty()
    start("orca", "--user-prefs", home / "orca", stdout=writer, stderr=subprocess.DEVNULL)
    ear = Ear(reader)
    play.wait_for("Orca to speak", lambda: ear.said(), 30)
    go_first("orca", "at-spi-bus-launcher", "at-spi2-registryd", "accessibility.conf")
    return ear


def go_first(*commands):
    """Qt hands each key over the accessibility bus to Orca and goes on after a tenth of a
    second, when a key may be lost: on a busy machine they go first, where the user may."""
    for process in Path("/proc").glob("[0-9]*") if os.geteuid() == 0 else []:
        try:
            if any(c.encode() in (process / "cmdline").read_bytes() for c in commands):
                for thread in (process / "task").iterdir():  # each thread has its own
                    os.setpriority(os.PRIO_PROCESS, int(thread.name), -10)
        except OSError:
            pass  # gone meanwhile


def main(program):
    global EAR
    EAR = ear = start_reader()
    # No calculator to find: its message is part of what is heard.
    empty = tempfile.mkdtemp()
    play.game = start(program, env=dict(os.environ, PATH=empty, XDG_DATA_HOME=empty,
                                        XDG_DATA_DIRS=empty))
    button = italian_role("pulsante", "PUSH_BUTTON")

    heard = ear.after([], PROBLEM)
    expect("start-up", heard, first=PROBLEM + FIRST_PROBLEM, once=PROBLEM)
    answer = answer_to(heard)
    heard = ear.after(["=" + italian(answer), "Return"], "Nuovo calcolo " + button)
    expect("a right answer", heard, within=1, first=r"^Esatto\. Sei in gamba! Esatte 1, "
           r"errate 0, totale 1\. Nuovo calcolo %s" % button)
    heard = ear.after(["Return"], PROBLEM)
    expect("Nuovo calcolo", heard, first=PROBLEM, once=PROBLEM, never=FIRST_PROBLEM, within=1)
    answer = answer_to(heard)
    expect("a refused key", ear.after(["period"], "Solo cifre"),
           first=r"^(notifica )?Solo cifre e una virgola, come 12,5\.?$", within=1)
    expect("where am I, in the answer box", ear.after(["KP_Enter"], PROBLEM), first=PROBLEM)
    for stop in [r"^Triangolo rettangolo ABC retto in A, .*\. Trova ",
                 r"^Centimetri, l'unità della risposta per ", r"^Esatte 1, errate 0, totale 1\.$"]:
        expect("the next stop", ear.after(["Tab"], stop), first=stop)
    expect("time and counts", ear.after(["F2"], "Sono le"),
           first=r"^(notifica )?Sono le \d+ e \d+\. Esatte 1, errate 0, totale 1\.?$", within=1)
    ear.after(["shift+Tab", "shift+Tab", "shift+Tab"], PROBLEM)
    heard = ear.after(["=" + italian(answer + 1), "Return"], "Nuovo calcolo " + button)
    expect("a wrong answer", heard, within=1, first=r"^Sbagliato\. La risposta giusta è %s centi"
           r"metri\. Esatte 1, errate 1, totale 2\. Nuovo calcolo" % re.escape(italian(answer)))
    expect("where am I, on the button", ear.after(["KP_Enter"], "Nuovo calcolo"),
           first=r"^Sbagliato\. La risposta giusta è ")
    expect("back on the button", ear.after(["shift+Tab", "Tab"], "Nuovo calcolo " + button),
           never="Sbagliato")
    scuola, ciao = r"^Menù Scuola\. Tavola, esercizi sul triangolo", r"^Menù Ciao\. Fatto con cura"
    # The window test plays Alt and a letter; this one plays F10 into the menus.
    heard = ear.after(["shift+Tab", "Return"], r"^Vuoi veramente lasciarmi\?$")
    expect("the exit box", heard, never=r"^Vuoi veramente (?!lasciarmi\?$)")
    expect("No in the exit box", ear.after(["Return"], "^Esci"), first="^Esci", within=3)
    ear.after(["Tab"], "^Nuovo calcolo")

    heard = ear.after(["Return", "comma", "Return"], "^La risposta non è un numero")
    expect("the error box", heard, never=r"^La risposta non è un numero(?!\. Scrivi solo cifre, "
           r"con al massimo una virgola, per esempio 12,5\.$)")
    expect("the error box closed", ear.after(["Return"], PROBLEM), first=PROBLEM, within=3)

    expect("F10", ear.after(["F10"], scuola), first=scuola)
    expect("Right", ear.after(["Right"], ciao), first=ciao)
    expect("Left, Left", ear.after(["Left", "Left"], "^Nuovo gioco"), first=scuola,
           once="^Nuovo gioco")
    expect("Nuovo gioco", ear.after(["Return"], FIRST_PROBLEM), first=PROBLEM + FIRST_PROBLEM,
           once=PROBLEM, within=3)
    expect("F10 to Calcolatrice", ear.after(["F10", "Right", "Right"], "^Calcolatrice"),
           first=scuola)
    heard = ear.after(["Return"], "^Non riesco ad aprire")
    # Orca 48 may say a box twice; each box is heard, in full each time.
    expect("the calculator box", heard, first="^allerta Attenzione", never=r"^Non riesco (?!ad "
           r"aprire una calcolatrice\. Ho cercato .* e i programmi gnome calculator, .* e xcalc\. "
           r"Chiedi all'insegnante di installarne una\.$)")
    expect("the calculator box closed", ear.after(["Return"], PROBLEM), first=PROBLEM, within=3)
    heard = ear.after(["shift+Tab", "Return", "Tab", "Return"], "^Ciao a presto")
    expect("the goodbye box", heard, never=r"^Ciao a presto(?!\. Ore \d+ e \d+\.?$)|Data [^a-z]")


if __name__ == "__main__":
    if not shutil.which("orca"):
        print("SKIP: Orca is not installed (apt-get install orca speech-dispatcher)")
        sys.exit(77)
    # Orca runs once per user: a second one would end the first, maybe the user's own.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      stdout=subprocess.DEVNULL).returncode == 0:
        print("SKIP: Orca already runs for this user, and only one can")
        sys.exit(77)
    try:
        main(sys.argv[1])
    except Exception as error:
        fail("%s: %s" % (type(error).__name__, error))
    finally:
        play.stop_all()
