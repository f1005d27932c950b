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
from play import TITLE, fail, run, start, start_desktop

# Loaded by Orca: each utterance it hands its speech server goes to a terminal, line by line.
CUSTOMIZATION = """
import orca.speech
spoken = orca.speech._speak
def heard(text, acss, interrupt):
    print("SPEECH:" + text, flush=True)
    spoken(text, acss, interrupt)
orca.speech._speak = heard
"""
LENGTH = r"(Cateto|Ipotenusa|Altezza|Proiezione) (\w\w) (\d+(,\d\d?)?) centimetri"
PROBLEM = r"^Trova .*?(\w\w)\. Dati (.*) testo\.$"
READ_ALOUD = re.compile(r"[:;()]|\bcm\b")


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
    """What Orca says, utterance by utterance; the keys it echoes are left out."""

    def __init__(self, terminal):
        self.text, self.terminal = [], terminal
        threading.Thread(target=self.listen, daemon=True).start()

    def listen(self):
        while True:
            try:
                self.text.append(os.read(self.terminal, 65536).decode("utf-8", "replace"))
            except OSError:
                return

    def said(self):
        return [s for s in re.findall(r"^SPEECH:(.*?)\r?$", "".join(self.text), re.M)
                if not s.endswith(" ")]

    def after(self, keys, until, wait=30):
        """Presses the keys, then returns what Orca says until an utterance matches until, and
        for one second after it."""
        begun = len(self.said())
        for key in keys:  # paced: Orca hears every key before Qt handles it
            run("xdotool", *(["type", "--delay", "150", key[1:]] if key.startswith("=")
                             else ["key", key]))
            time.sleep(1)
        if "KP_Enter" in keys:  # Orca keeps this key: its answers to Qt must settle first
            time.sleep(2)
        if play.wait_for(None, lambda: any(re.search(until, s) for s in self.said()[begun:]), wait):
            time.sleep(1)
            return self.said()[begun:]
        fail("after %s, waited in vain for %r; heard %r" % (keys, until, self.said()[begun:]))


def expect(step, said, first=None, once=None, never=None):
    print("%s: %s" % (step, " | ".join(said)))
    heard = lambda pattern: [s for s in said if re.search(pattern, s)]
    if first and not re.search(first, said[0]):
        fail("%s: first heard %r, not %r" % (step, said[0], first))
    if once and len(heard(once)) != 1:
        fail("%s: %r heard %d times" % (step, once, len(heard(once))))
    if never and heard(never) or heard(READ_ALOUD):
        fail("%s: heard %r, or punctuation or an abbreviation read aloud, in %r" % (step, never, said))


def answer_to(said):
    problem = next(re.match(PROBLEM, s) for s in said if re.match(PROBLEM, s))
    given = re.finditer(LENGTH, problem[2], re.IGNORECASE)
    return solve({m[2]: Fraction(m[3].replace(",", ".")) for m in given}, problem[1])


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
    return ear


def main(program):
    ear = start_reader()
    play.game = start(program)

    said = ear.after([], PROBLEM)
    expect("start-up", said, once=PROBLEM)
    if not any(TITLE in s for s in said):
        fail("start-up: the window's title is not heard")
    answer = answer_to(said)
    said = ear.after(["=" + italian(answer), "Return"], "Nuovo calcolo pulsante")
    expect("a right answer", said,
           first=r"^Esatto\. Sei in gamba! Esatte 1, errate 0, totale 1\. Nuovo calcolo pulsante")

    said = ear.after(["Return"], PROBLEM)
    expect("Nuovo calcolo", said, first=PROBLEM, once=PROBLEM)
    answer = answer_to(said)
    expect("where am I, in the answer box", ear.after(["KP_Enter"], PROBLEM), first=PROBLEM)
    for stop in [r"^Triangolo rettangolo ABC retto in A, .*\. Trova ",
                 r"^Centimetri, l'unità della risposta per ", r"^Esatte 1, errate 0, totale 1\.$"]:
        expect("the next stop", ear.after(["Tab"], stop), first=stop)
    ear.after(["shift+Tab", "shift+Tab", "shift+Tab"], PROBLEM)
    said = ear.after(["=" + italian(answer + 1), "Return"], "Nuovo calcolo pulsante")
    expect("a wrong answer", said, first=r"^Sbagliato\. La risposta giusta è %s centimetri\. "
           r"Esatte 1, errate 1, totale 2\. Nuovo calcolo pulsante" % re.escape(italian(answer)))

    expect("where am I, on the button", ear.after(["KP_Enter"], "Nuovo calcolo"),
           first=r"^Sbagliato\. La risposta giusta è ")
    said = ear.after(["shift+Tab", "Tab"], "Nuovo calcolo pulsante")
    expect("back on the button", said, never="Sbagliato")
    said = ear.after(["alt+x"], "No pulsante")
    expect("the exit box", said, once="Vuoi veramente lasciarmi")
    said = ear.after(["Return"], "Nuovo calcolo pulsante")
    expect("No in the exit box", said, never="Sbagliato")

    said = ear.after(["F10"], "Scuola menù")
    expect("F10", said, first="^Scuola menù")
    said = ear.after(["Escape", "Left"], "Nuovo gioco")
    expect("the menu bar", said, first="^Nuovo gioco")
    said = ear.after(["Return"], PROBLEM)
    expect("Nuovo gioco", said, once=PROBLEM)
    said = ear.after(["=" + italian(answer_to(said)), "Return"], "Nuovo calcolo pulsante")
    expect("a right answer in the new game", said,
           first=r"^Esatto\. Sei in gamba! Esatte 1, errate 0, totale 1\. Nuovo calcolo pulsante")


if __name__ == "__main__":
    if not shutil.which("orca"):
        print("SKIP: Orca is not installed (apt-get install orca speech-dispatcher)")
        sys.exit(77)
    version = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    if not re.search(r"\b43\.", version):
        print("SKIP: what this test hears is Orca 43's; this is %s" % version.strip())
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
