#!/usr/bin/env python3
"""Mutation testing of the game core.

Applies one small change at a time to the rule sources of the core (comparison operators,
constants and random ranges off by one, Round and Trunc swapped, conditions dropped, clamps
removed, adjacent statements swapped), rebuilds only the core tests, runs them, and restores the
source. A mutant the tests notice is "killed"; one they do not notice "survived" and shows a gap
in the tests, unless it cannot change the game at all: such mutants are listed with a reason in
mutanten-aequivalent.txt beside this script and are not run.

Every build and test run takes the shared build lock (/tmp/kabrolux-bau.lock) for one mutant at
a time, so others can build in between. The source is restored after every mutant, also on
Ctrl-C or an error; a copy kept in the build folder repairs even a killed run at the next start.

A mutant that reads one place past a table is undefined behaviour that a plain Release build
may not notice; a build configured with -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS stops there.

Examples:
  scripts/mutanten.py                       all mutants of the default files
  scripts/mutanten.py --list                only list the mutants with their ids
  scripts/mutanten.py --files 'src/sim/*'   only the files matching a pattern
  scripts/mutanten.py --max 50 --seed 7     a random sample of 50 mutants
  scripts/mutanten.py --only 3f2a9c01       re-run single mutants by id
"""

import argparse
import difflib
import fcntl
import fnmatch
import glob
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from decimal import Decimal, InvalidOperation

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SPERRE = "/tmp/kabrolux-bau.lock"
AEQUIVALENT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "mutanten-aequivalent.txt")
TESTZIEL = "kabrolux_kern_tests"

# The rules of the game. Headers are included by most of the core, so a mutant there rebuilds
# nearly everything; only the ones holding rules are listed.
STANDARD_DATEIEN = [
    "src/state/*.cpp",
    "src/sim/*.cpp",
    "src/desk/*.cpp",
    "src/economy/*.cpp",
    "src/sim/zufall.h",
    "src/state/auftraege.h",
]

OPERATOREN = {
    "vergleich": "comparison operators: < <=, > >=, == !=",
    "konstante": "integer and decimal constants +1 and -1",
    "zufall": "Random(n) and Random64(n) ranges +1 and -1",
    "runden": "Round and Trunc swapped",
    "bedingung": "one side of && or || dropped; a ?: replaced by one branch",
    "grenze": "clamps removed: begrenzt/clamp/min/max calls, 'if (x < a) x = a;' lines",
    "tausch": "adjacent one-line statements swapped",
}

# ------------------------------------------------------------------------------------ lexing

TOKEN = re.compile(
    r"""
    (?P<ws>\s+)
  | (?P<kommentar>//[^\n]*|/\*.*?\*/)
  | (?P<text>(?:u8|u|U|L)?R"(?P<trenner>[^(\s]*)\(.*?\)(?P=trenner)"
           |(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<zeichen>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')
  | (?P<zahl>\.?\d(?:[eEpP][+-]|'(?=\w)|[\w.])*)
  | (?P<name>[A-Za-z_]\w*)
  | (?P<op><<=|>>=|<=>|->\*|->|::|<<|>>|<=|>=|==|!=|&&|\|\||\+\+|--|\+=|-=|\*=|/=|%=|&=|\|=
         |\^=|\.\.\.|[^\s\w])
    """,
    re.S | re.X,
)


@dataclass
class Token:
    art: str
    text: str
    anfang: int
    ende: int
    zeile: int


def zerlegen(quelle):
    """Tokens of a C++ source without blanks and comments; preprocessor lines are left out."""
    tokens = []
    pos = 0
    zeile = 1
    praeprozessor = False
    zeilenanfang = True
    while pos < len(quelle):
        m = TOKEN.match(quelle, pos)
        if not m:
            raise ValueError(f"cannot read the source at line {zeile}")
        art = m.lastgroup if m.lastgroup != "trenner" else "text"
        text = m.group(0)
        if art == "ws":
            if "\n" in text and not (praeprozessor and quelle[pos - 1 : pos] == "\\"):
                praeprozessor = False
                zeilenanfang = True
        elif art != "kommentar":
            if zeilenanfang and text == "#":
                praeprozessor = True
            zeilenanfang = False
            if not praeprozessor:
                tokens.append(Token(art, text, m.start(), m.end(), zeile))
        zeile += text.count("\n")
        pos = m.end()
    return tokens


# ---------------------------------------------------------------------------------- mutants


@dataclass
class Mutant:
    datei: str  # relative to the repository
    zeile: int
    operator: str
    beschreibung: str
    anfang: int
    ende: int
    ersatz: str
    id: str = ""
    ergebnis: str = ""
    dauer: float = 0.0
    grund: str = ""  # reason, for equivalent mutants

    def ort(self):
        return f"{self.datei}:{self.zeile}"


VERGLEICH = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ZUWEISUNG = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}
KEINE_AUSDRUECKE = {"return", "case", "throw", "co_return"}
TYPWORT = re.compile(
    r"^\s*(?:const\s+|static\s+|constexpr\s+)*(?:auto|bool|char|double|float|int|long|unsigned|"
    r"u?int\d*_t|size_t|std::[\w:<>, ]+|[A-Z]\w*(?:<[^;=]*>)?)[\s&*]+\w+\s*(?:=|\{|\(|;|\[)"
)


# Calls that only compute a value: two assignments calling nothing else cannot see each other
# unless one reads what the other writes.
REIN = {
    "plusUmlauf", "zahlText", "Round", "Trunc", "Round64", "static_cast", "begrenzt", "min",
    "max", "clamp", "size", "stand", "zweistellig", "nummernText", "auftragsText", "datumText",
    "zeitText", "uhrText", "geldText", "alsZeit", "alsGanzzahl", "istZeit", "kandidat",
    "automodell", "preisVon", "zifferAn", "substr", "find", "Taxi", "Fahrer", "Auftrag", "zeit",
    "freieTaxenZeilen", "freieFahrerZeilen", "slotMitNummer", "nummerAusAuftragszeile",
    "nummerAusListenzeile",
}
ZUWEISUNGSZEILE = re.compile(r"^\s*([^=;]*?[^=;<>!\s])\s*[-+*/%|&^]?=(?!=)\s*(.+);\s*$")
# Notices to the screens: two of them in the other order leave every screen as it was.
HINWEISE = {
    "balkenGeaendert", "preiseGesetzt", "kurseGeaendert", "geldMelden", "auftraegeGeaendert",
    "uhrGeaendert", "geldGeaendert",
}
HINWEISZEILE = re.compile(r"^\s*(?:\w+(?:\(\))?\.)*(\w+)\(.*\);\s*$")


def unabhaengig(a, b):
    """Two one-line statements that cannot see each other: assignments that neither read each
    other's target nor call anything with side effects, or two notices to the screens."""
    ha, hb = HINWEISZEILE.match(a), HINWEISZEILE.match(b)
    if ha and hb and ha.group(1) in HINWEISE and hb.group(1) in HINWEISE:
        return True
    # ++x and x-- read and write x alone; x.fill(v) writes x
    a, b = (
        re.sub(r"^(\s*)([\w.\[\] -]+)\.fill\((.*)\);", r"\1\2 = \3;",
               re.sub(r"^(\s*)(?:\+\+|--)([\w.]+);|^(\s*)([\w.]+)(?:\+\+|--);",
                      r"\1\3\2\4 = \2\4;", z))
        for z in (a, b)
    )
    ma, mb = ZUWEISUNGSZEILE.match(a), ZUWEISUNGSZEILE.match(b)
    if not ma or not mb:
        return False
    for m in (ma, mb):
        if m.group(1).count("(") != m.group(1).count(")"):
            return False
        if any(n not in REIN for n in re.findall(r"(\w+)\s*\(", m.group(2))):
            return False
    ziel_a, ziel_b = ma.group(1), mb.group(1)

    def liest(ziel, m):
        return re.search(r"(?<![\w.])" + re.escape(ziel) + r"(?![\w(])", m.group(2))

    return ziel_a != ziel_b and not liest(ziel_a, mb) and not liest(ziel_b, ma)


def kurz(text, laenge=60):
    text = " ".join(text.split())
    return text if len(text) <= laenge else text[: laenge - 3] + "..."


class Erzeuger:
    """Finds the mutants of one source file."""

    def __init__(self, datei, quelle):
        self.datei = datei
        self.quelle = quelle
        self.tokens = zerlegen(quelle)
        self.zeilen = quelle.split("\n")
        self.mutanten = []
        # Lines that only the compiler reads: static_assert.
        self.gesperrt = {t.zeile for t in self.tokens if t.text == "static_assert"}

    def neu(self, tok_zeile, operator, beschreibung, anfang, ende, ersatz):
        if tok_zeile in self.gesperrt:
            return
        if self.quelle[anfang:ende] == ersatz:
            return
        self.mutanten.append(
            Mutant(self.datei, tok_zeile, operator, beschreibung, anfang, ende, ersatz)
        )

    def alle(self):
        self.vergleiche()
        self.konstanten()
        self.zufallsbereiche()
        self.runden()
        self.bedingungen()
        self.grenzen()
        self.tausche()
        return self.mutanten

    # --- helpers over the token list

    def leer_links(self, t):
        return self.quelle[t.anfang - 1 : t.anfang].isspace()

    def leer_rechts(self, t):
        return self.quelle[t.ende : t.ende + 1].isspace()

    def klammer_zu(self, i):
        """Index of the token closing the bracket opened at token i."""
        tiefe = 0
        for j in range(i, len(self.tokens)):
            s = self.tokens[j].text
            if s in "([{":
                tiefe += 1
            elif s in ")]}":
                tiefe -= 1
                if tiefe == 0:
                    return j
        return None

    def operand_links(self, i, stopp):
        """First token index of the operand left of token i."""
        tiefe = 0
        j = i - 1
        while j >= 0:
            s = self.tokens[j].text
            if s in ")]":
                tiefe += 1
            elif s in "([":
                if tiefe == 0:
                    break
                tiefe -= 1
            elif tiefe == 0 and (
                s in stopp or s in ZUWEISUNG or s in KEINE_AUSDRUECKE or s in {";", "{", "}", ","}
            ):
                break
            j -= 1
        return j + 1

    def operand_rechts(self, i, stopp):
        """Last token index of the operand right of token i."""
        tiefe = 0
        j = i + 1
        while j < len(self.tokens):
            s = self.tokens[j].text
            if s in "([":
                tiefe += 1
            elif s in ")]":
                if tiefe == 0:
                    break
                tiefe -= 1
            elif tiefe == 0 and (s in stopp or s in {";", "{", "}", ","}):
                break
            j += 1
        return j - 1

    def spanne(self, von, bis):
        return self.quelle[self.tokens[von].anfang : self.tokens[bis].ende]

    def ist_aufruf(self, i):
        """Token i is a function name being called, not declared or defined."""
        if i + 1 >= len(self.tokens) or self.tokens[i + 1].text != "(":
            return False
        vorher = self.tokens[i - 1] if i > 0 else None
        return vorher is None or vorher.art != "name" or vorher.text in KEINE_AUSDRUECKE

    # --- operators

    def vergleiche(self):
        for i, t in enumerate(self.tokens):
            if t.text not in VERGLEICH:
                continue
            if i > 0 and self.tokens[i - 1].text == "operator":
                continue
            # A '<' or '>' without blanks around it is a template bracket (clang-format).
            if t.text in "<>" and not (self.leer_links(t) and self.leer_rechts(t)):
                continue
            neu = VERGLEICH[t.text]
            self.neu(t.zeile, "vergleich", f"'{t.text}' -> '{neu}'", t.anfang, t.ende, neu)

    def konstanten(self):
        for i, t in enumerate(self.tokens):
            if t.art != "zahl":
                continue
            if self.zufallsargument(i):
                continue  # the random-range operator changes it
            roh = t.text.replace("'", "")
            m = re.fullmatch(r"(\d+)([uUlL]*)", roh)
            if m:
                # a leading 0 makes an octal literal (file modes)
                oktal = len(m.group(1)) > 1 and m.group(1).startswith("0")
                wert, endung = int(m.group(1), 8 if oktal else 10), m.group(2)
                for neu in (wert + 1, wert - 1):
                    if neu < 0 and i > 0 and self.tokens[i - 1].text in {"-", "+"}:
                        continue
                    if neu < 0 and (endung or oktal):
                        continue
                    text = f"0{neu:o}" if oktal else str(neu)
                    text = f"{text}{endung}" if neu >= 0 else f"({neu})"
                    self.neu(t.zeile, "konstante", f"{t.text} -> {text.strip('()')}", t.anfang,
                             t.ende, text)
                continue
            m = re.fullmatch(r"(\d+\.\d*|\.\d+)([fF]?)", roh)
            if m:
                try:
                    wert = Decimal(m.group(1))
                except InvalidOperation:
                    continue
                for neu in (wert + 1, wert - 1):
                    if neu < 0 and i > 0 and self.tokens[i - 1].text in {"-", "+"}:
                        continue
                    text = format(neu, "f")
                    if "." not in text:
                        text += ".0"
                    text = text + m.group(2)
                    if neu < 0:
                        text = f"({text})"
                    self.neu(t.zeile, "konstante", f"{t.text} -> {text}", t.anfang, t.ende, text)

    def zufallsargument(self, i):
        """Token i is the only token of the argument of a Random call."""
        return (
            i >= 2
            and self.tokens[i - 1].text == "("
            and self.tokens[i - 2].text in {"Random", "Random64"}
            and i + 1 < len(self.tokens)
            and self.tokens[i + 1].text == ")"
        )

    def zufallsbereiche(self):
        for i, t in enumerate(self.tokens):
            if t.text not in {"Random", "Random64"} or not self.ist_aufruf(i):
                continue
            zu = self.klammer_zu(i + 1)
            if zu is None or zu == i + 2:
                continue
            innen = self.quelle[self.tokens[i + 2].anfang : self.tokens[zu - 1].ende]
            for zeichen in ("+", "-"):
                if re.fullmatch(r"\d+", innen):
                    ersatz = str(int(innen) + (1 if zeichen == "+" else -1))
                    beschreibung = f"{t.text}({innen}) -> {t.text}({ersatz})"
                else:
                    ersatz = f"({innen}) {zeichen} 1"
                    beschreibung = f"{t.text}(n) -> {t.text}(n {zeichen} 1), n = {kurz(innen, 40)}"
                self.neu(
                    t.zeile,
                    "zufall",
                    beschreibung,
                    self.tokens[i + 2].anfang,
                    self.tokens[zu - 1].ende,
                    ersatz,
                )

    def runden(self):
        tausch = {"Round": "Trunc", "Trunc": "Round", "nearbyint": "trunc"}
        for i, t in enumerate(self.tokens):
            if t.text == "trunc" and i > 1 and self.tokens[i - 1].text == "::":
                self.neu(t.zeile, "runden", "std::trunc -> std::nearbyint", t.anfang, t.ende,
                         "nearbyint")
                continue
            if t.text in tausch and self.ist_aufruf(i):
                neu = tausch[t.text]
                self.neu(t.zeile, "runden", f"{t.text} -> {neu}", t.anfang, t.ende, neu)
            elif t.text == "Round64" and self.ist_aufruf(i):
                # Truncation toward zero in 64 bits, as Trunc does in 32.
                self.neu(t.zeile, "runden", "Round64 -> truncation", t.anfang, t.ende,
                         "static_cast<int64_t>")

    def bedingungen(self):
        for i, t in enumerate(self.tokens):
            if t.text in {"&&", "||"}:
                # && binds tighter than ||: an operand of || may contain &&.
                stopp = {"||", "?", ":"} | ({"&&"} if t.text == "&&" else set())
                if not (self.leer_links(t) and self.leer_rechts(t)):
                    continue  # '&&' as an rvalue reference
                links = self.operand_links(i, stopp)
                rechts = self.operand_rechts(i, stopp)
                if links >= i or rechts <= i:
                    continue
                a = self.spanne(links, i - 1)
                b = self.spanne(i + 1, rechts)
                # keep the left side: drop ' && b'
                self.neu(t.zeile, "bedingung", f"drop '{t.text} {kurz(b, 45)}'",
                         self.tokens[i - 1].ende, self.tokens[rechts].ende, "")
                # keep the right side: drop 'a && '
                self.neu(t.zeile, "bedingung", f"drop '{kurz(a, 45)} {t.text}'",
                         self.tokens[links].anfang, self.tokens[i + 1].anfang, "")
            elif t.text == "?":
                links = self.operand_links(i, {"?", ":"})
                tiefe, fragen, doppel = 0, 0, None
                for j in range(i + 1, len(self.tokens)):
                    s = self.tokens[j].text
                    if s in "([{":
                        tiefe += 1
                    elif s in ")]}":
                        tiefe -= 1
                    elif tiefe == 0 and s == "?":
                        fragen += 1
                    elif tiefe == 0 and s == ":":
                        if fragen == 0:
                            doppel = j
                            break
                        fragen -= 1
                    if tiefe < 0:
                        break
                if doppel is None or links >= i:
                    continue
                rechts = self.operand_rechts(doppel, {":"})
                wahr = self.spanne(i + 1, doppel - 1)
                falsch = self.spanne(doppel + 1, rechts)
                ganz = self.spanne(links, rechts)
                a, e = self.tokens[links].anfang, self.tokens[rechts].ende
                self.neu(t.zeile, "bedingung", f"'{kurz(ganz, 40)}' -> '{kurz(wahr, 30)}'", a, e,
                         f"({wahr})")
                self.neu(t.zeile, "bedingung", f"'{kurz(ganz, 40)}' -> '{kurz(falsch, 30)}'", a,
                         e, f"({falsch})")

    def grenzen(self):
        namen = {"begrenzt", "clamp", "min", "max"}
        for i, t in enumerate(self.tokens):
            if t.text not in namen:
                continue
            j = i + 1
            if j < len(self.tokens) and self.tokens[j].text == "<" and not self.leer_links(
                self.tokens[j]
            ):
                # explicit template argument: std::min<int64_t>(...)
                while j < len(self.tokens) and self.tokens[j].text != ">":
                    j += 1
                j += 1
            if j >= len(self.tokens) or self.tokens[j].text != "(":
                continue
            if t.text != "begrenzt" and not (
                i > 1 and self.tokens[i - 1].text == "::" and self.tokens[i - 2].text == "std"
            ):
                continue
            if t.text == "begrenzt" and not self.ist_aufruf(i):
                continue
            zu = self.klammer_zu(j)
            if zu is None:
                continue
            # split the arguments at the top-level commas
            argumente, tiefe, start = [], 0, j + 1
            for k in range(j + 1, zu):
                s = self.tokens[k].text
                if s in "([{":
                    tiefe += 1
                elif s in ")]}":
                    tiefe -= 1
                elif s == "," and tiefe == 0:
                    argumente.append((start, k - 1))
                    start = k + 1
            argumente.append((start, zu - 1))
            anfang = self.tokens[i - 2].anfang if t.text != "begrenzt" else t.anfang
            ganz = self.quelle[anfang : self.tokens[zu].ende]
            behalten = argumente[:1] if t.text in {"begrenzt", "clamp"} else argumente[:2]
            for von, bis in behalten:
                arg = self.spanne(von, bis)
                self.neu(t.zeile, "grenze", f"'{kurz(ganz, 40)}' -> '{kurz(arg, 30)}'", anfang,
                         self.tokens[zu].ende, arg)
        # one-line clamps: if (x < lo) x = lo;
        for nr, text in enumerate(self.zeilen, start=1):
            m = re.fullmatch(r"(\s*)if \((.*)\) ([\w.\[\]>-]+) = [^;]+;", text)
            if not m or nr in self.gesperrt:
                continue
            ziel = m.group(3)
            if ziel not in m.group(2) or not re.search(r"[<>]", m.group(2)):
                continue
            anfang = sum(len(z) + 1 for z in self.zeilen[: nr - 1])
            ende = anfang + len(text) + 1
            self.neu(nr, "grenze", f"remove '{kurz(text.strip(), 50)}'", anfang, ende, "")

    def tausche(self):
        """Adjacent single-line statements of the same block, each complete on its line."""
        def einfach(nr):
            text = self.zeilen[nr - 1]
            s = text.strip()
            if not s.endswith(";") or s.startswith(("return", "break", "continue", "}", "case")):
                return False
            if s.startswith(("if ", "for ", "while ", "else", "//", "using ", "namespace")):
                return False
            if TYPWORT.match(text):
                return False  # a declaration: swapping it with its use does not compile
            # The statement must start on this line: the line before ends a statement or a
            # block, or opens one.
            vorher = self.zeilen[nr - 2].rstrip() if nr >= 2 else ""
            return vorher.endswith((";", "{", "}")) or vorher.strip() == ""

        for nr in range(1, len(self.zeilen)):
            a, b = self.zeilen[nr - 1], self.zeilen[nr]
            if nr in self.gesperrt or nr + 1 in self.gesperrt:
                continue
            einzug_a = len(a) - len(a.lstrip())
            einzug_b = len(b) - len(b.lstrip())
            if einzug_a != einzug_b or a.strip() == b.strip():
                continue
            if not (einfach(nr) and einfach(nr + 1)) or unabhaengig(a, b):
                continue
            anfang = sum(len(z) + 1 for z in self.zeilen[: nr - 1])
            ende = anfang + len(a) + 1 + len(b)
            self.neu(nr, "tausch", f"swap '{kurz(a.strip(), 30)}' / '{kurz(b.strip(), 30)}'",
                     anfang, ende, b + "\n" + a)


def mutanten_finden(dateien, operatoren):
    alle = []
    for datei in dateien:
        with open(os.path.join(WURZEL, datei), encoding="utf-8") as f:
            quelle = f.read()
        gefunden = Erzeuger(datei, quelle).alle()
        # Ids from the file, the text of the changed line and the change, so they survive
        # edits elsewhere in the file; equal lines are told apart by their order.
        gesehen_inhalt = set()
        zaehler = {}
        zeilen = quelle.split("\n")
        for m in sorted(gefunden, key=lambda m: (m.anfang, m.ende, m.ersatz)):
            if m.operator not in operatoren:
                continue
            inhalt = quelle[: m.anfang] + m.ersatz + quelle[m.ende :]
            if inhalt in gesehen_inhalt:
                continue  # two operators making the same change
            gesehen_inhalt.add(inhalt)
            zeilentext = zeilen[m.zeile - 1].strip()
            schluessel = (datei, zeilentext, m.operator, m.beschreibung,
                          quelle[m.anfang : m.ende], m.ersatz)
            zaehler[schluessel] = zaehler.get(schluessel, 0) + 1
            roh = "\x00".join(map(str, schluessel + (zaehler[schluessel],)))
            m.id = hashlib.sha1(roh.encode("utf-8")).hexdigest()[:8]
            alle.append(m)
    return alle


# ------------------------------------------------------------------------- equivalent list


def aequivalente_lesen(pfad):
    """Ids declared equivalent, with their reasons. Format: '<id> <file:line> <reason>'."""
    ergebnis = {}
    if not os.path.exists(pfad):
        return ergebnis
    with open(pfad, encoding="utf-8") as f:
        for nr, zeile in enumerate(f, start=1):
            zeile = zeile.strip()
            if not zeile or zeile.startswith("#"):
                continue
            teile = zeile.split(None, 2)
            if len(teile) < 3 or not re.fullmatch(r"[0-9a-f]{8}", teile[0]):
                sys.exit(f"{pfad}:{nr}: expected '<id> <file:line> <reason>'")
            ergebnis[teile[0]] = teile[2]
    return ergebnis


# ------------------------------------------------------------------------- build and tests


class Sicherung:
    """Keeps the original of the file being mutated in the build folder until it is restored,
    so a run that was killed outright is repaired at the next start. The mutant is kept beside
    it: a file that no longer holds the mutant has been edited since and is left alone."""

    def __init__(self, bau):
        self.ordner = os.path.join(bau, "mutanten-sicherung")

    def pfad(self, datei):
        return os.path.join(self.ordner, datei)

    def reparieren(self):
        if not os.path.isdir(self.ordner):
            return [], []
        repariert, belassen = [], []
        for wurzel, _, namen in os.walk(self.ordner):
            for name in namen:
                if name.endswith(MUTANT_ENDUNG):
                    continue
                kopie = os.path.join(wurzel, name)
                datei = os.path.relpath(kopie, self.ordner)
                ziel = os.path.join(WURZEL, datei)
                if lesen(ziel) == lesen(kopie + MUTANT_ENDUNG):
                    schreiben(ziel, lesen(kopie))
                    repariert.append(datei)
                else:
                    belassen.append(datei)
        shutil.rmtree(self.ordner)
        return repariert, belassen

    def sichern(self, datei, original, mutiert):
        os.makedirs(os.path.dirname(self.pfad(datei)), exist_ok=True)
        with open(self.pfad(datei) + MUTANT_ENDUNG, "wb") as f:
            f.write(mutiert)
        with open(self.pfad(datei), "wb") as f:
            f.write(original)

    def erledigt(self, datei):
        os.remove(self.pfad(datei) + MUTANT_ENDUNG)
        os.remove(self.pfad(datei))
        try:
            os.removedirs(os.path.dirname(self.pfad(datei)))
        except OSError:
            pass  # another copy is still kept


MUTANT_ENDUNG = ".mutant"


def lesen(pfad):
    try:
        with open(pfad, "rb") as f:
            return f.read()
    except OSError:
        return None


def schreiben(pfad, inhalt):
    with open(pfad, "wb") as f:
        f.write(inhalt)
    # A fresh time stamp so the next build sees the change even within the same second.
    os.utime(pfad)


class Gesperrt:
    """The shared build lock, the same one `flock /tmp/kabrolux-bau.lock` takes."""

    def __init__(self, ohne):
        self.ohne = ohne

    def __enter__(self):
        if not self.ohne:
            self.fd = open(SPERRE, "a")
            fcntl.flock(self.fd, fcntl.LOCK_EX)
        return self

    def __exit__(self, *args):
        if not self.ohne:
            fcntl.flock(self.fd, fcntl.LOCK_UN)
            self.fd.close()


def bauen(bau, zeitlimit):
    try:
        r = subprocess.run(
            ["cmake", "--build", bau, "--target", TESTZIEL, "-j2"],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=zeitlimit,
        )
        return r.returncode == 0, r.stdout.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return False, "build timed out"


def testen(bau, zeitlimit):
    """'ok', 'failed' or 'timeout'."""
    # bin/ in a full build, tests/ in a build of the core alone (no Qt found)
    programm = next((p for p in (os.path.join(bau, d, TESTZIEL) for d in ("bin", "tests"))
                     if os.path.exists(p)), os.path.join(bau, "bin", TESTZIEL))
    p = subprocess.Popen([programm, "--gtest_brief=1"], stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        code = p.wait(timeout=zeitlimit)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        return "timeout"
    return "ok" if code == 0 else "failed"


def git_zustand(dateien):
    """What git sees changed in the files; None outside a git checkout (an exported copy)."""
    r = subprocess.run(["git", "-C", WURZEL, "status", "--porcelain", "--"] + dateien,
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return r.stdout.decode() if r.returncode == 0 else None


def dateien_waehlen(muster):
    gefunden = []
    for m in muster:
        treffer = sorted(glob.glob(os.path.join(WURZEL, m)))
        if not treffer:
            # a pattern may also filter the default files ('fahrten', '*/sim/*')
            for d in STANDARD_DATEIEN:
                for t in sorted(glob.glob(os.path.join(WURZEL, d))):
                    rel = os.path.relpath(t, WURZEL)
                    if fnmatch.fnmatch(rel, m) or m in rel:
                        treffer.append(t)
        for t in treffer:
            rel = os.path.relpath(t, WURZEL)
            if rel not in gefunden and os.path.isfile(t):
                gefunden.append(rel)
    return gefunden


def ausfuehren(args):
    bau = os.path.abspath(args.build)
    sicherung = Sicherung(bau)
    repariert, belassen = sicherung.reparieren()
    for d in repariert:
        print(f"restored {d} from the copy of an interrupted run")
    for d in belassen:
        print(f"left {d} alone: it was changed after an interrupted run")

    dateien = dateien_waehlen(args.files or STANDARD_DATEIEN)
    if not dateien:
        sys.exit("no source file matches")
    operatoren = set(args.ops.split(",")) if args.ops else set(OPERATOREN)
    unbekannt = operatoren - set(OPERATOREN)
    if unbekannt:
        sys.exit(f"unknown operators: {', '.join(sorted(unbekannt))}")

    mutanten = mutanten_finden(dateien, operatoren)
    aequivalent = aequivalente_lesen(args.equivalent)
    bekannt = {m.id for m in mutanten}
    if not args.files and not args.ops:
        for id_ in sorted(set(aequivalent) - bekannt):
            print(f"note: equivalent entry {id_} matches no mutant any more", file=sys.stderr)

    for m in mutanten:
        if m.id in aequivalent:
            m.ergebnis = "equivalent"
            m.grund = aequivalent[m.id]

    if args.list:
        for m in mutanten:
            zeichen = "=" if m.ergebnis == "equivalent" else " "
            print(f"{m.id} {zeichen} {m.ort():32} {m.operator:9} {m.beschreibung}")
        offen = sum(1 for m in mutanten if m.ergebnis != "equivalent")
        print(f"{len(mutanten)} mutants, {len(mutanten) - offen} declared equivalent")
        return 0

    if args.show:
        gewuenscht = set(args.show.split(","))
        for m in mutanten:
            if m.id not in gewuenscht:
                continue
            with open(os.path.join(WURZEL, m.datei), encoding="utf-8") as f:
                text = f.read()
            mutiert = text[: m.anfang] + m.ersatz + text[m.ende :]
            print(f"{m.id} {m.operator} {m.beschreibung}" + (f"  [equivalent: {m.grund}]"
                                                            if m.grund else ""))
            sys.stdout.writelines(difflib.unified_diff(
                text.splitlines(True), mutiert.splitlines(True), "a/" + m.datei,
                "b/" + m.datei, n=1))
        return 0

    if args.only:
        gewuenscht = set(args.only.split(","))
        mutanten = [m for m in mutanten if m.id in gewuenscht]
        if len(mutanten) != len(gewuenscht):
            fehlend = gewuenscht - {m.id for m in mutanten}
            sys.exit(f"no such mutant: {', '.join(sorted(fehlend))}")
    zu_laufen = [m for m in mutanten if m.ergebnis != "equivalent"]
    if args.max is not None and args.max < len(zu_laufen):
        zu_laufen = random.Random(args.seed).sample(zu_laufen, args.max)
        zu_laufen.sort(key=lambda m: (m.datei, m.anfang))

    if not os.path.isfile(os.path.join(bau, "CMakeCache.txt")):
        sys.exit(f"{bau} is not a configured build folder; configure it first, e.g.\n  cmake -S "
                 f"{WURZEL} -B {bau} -DCMAKE_BUILD_TYPE=Release "
                 "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DKABROLUX_BENCH=OFF")
    zustand_vorher = git_zustand(dateien)

    # The unchanged tree must build and pass, or every mutant would count as killed.
    with Gesperrt(args.no_lock):
        ok, ausgabe = bauen(bau, args.build_timeout)
        if not ok:
            print(ausgabe[-3000:])
            sys.exit("the unchanged sources do not build")
        start = time.monotonic()
        if testen(bau, 600) != "ok":
            sys.exit("the tests fail on the unchanged sources")
        grunddauer = time.monotonic() - start
    zeitlimit = args.timeout or max(30.0, 20 * grunddauer)
    print(f"{len(zu_laufen)} mutants to run in {len({m.datei for m in zu_laufen})} files "
          f"(tests take {grunddauer:.1f} s, limit {zeitlimit:.0f} s)", flush=True)

    originale = {}
    unterbrochen = False
    try:
        for nr, m in enumerate(zu_laufen, start=1):
            pfad = os.path.join(WURZEL, m.datei)
            if m.datei not in originale:
                with open(pfad, "rb") as f:
                    originale[m.datei] = f.read()
            original = originale[m.datei]
            text = original.decode("utf-8")
            mutiert = text[: m.anfang] + m.ersatz + text[m.ende :]
            start = time.monotonic()
            sicherung.sichern(m.datei, original, mutiert.encode("utf-8"))
            try:
                schreiben(pfad, mutiert.encode("utf-8"))
                with Gesperrt(args.no_lock):
                    ok, _ = bauen(bau, args.build_timeout)
                    if not ok:
                        m.ergebnis = "build-failed"
                    else:
                        lauf = testen(bau, zeitlimit)
                        m.ergebnis = {"ok": "survived", "failed": "killed",
                                      "timeout": "timeout"}[lauf]
            finally:
                schreiben(pfad, original)
                sicherung.erledigt(m.datei)
            m.dauer = time.monotonic() - start
            print(f"[{nr:4}/{len(zu_laufen)}] {m.ergebnis:12} {m.id} {m.ort():32} "
                  f"{m.operator:9} {m.beschreibung}", flush=True)
    except KeyboardInterrupt:
        unterbrochen = True
        print("\ninterrupted; the sources are restored", file=sys.stderr)
    finally:
        for datei, inhalt in originale.items():
            with open(os.path.join(WURZEL, datei), "rb") as f:
                if f.read() != inhalt:
                    schreiben(os.path.join(WURZEL, datei), inhalt)
        if not unterbrochen:
            # Leave the build matching the sources.
            with Gesperrt(args.no_lock):
                bauen(bau, args.build_timeout)

    zustand_nachher = git_zustand(dateien)
    if zustand_nachher != zustand_vorher:
        print("ERROR: the sources differ from before the run:\n" + zustand_nachher,
              file=sys.stderr)
        return 3

    gelaufen = [m for m in zu_laufen if m.ergebnis]
    return bericht(mutanten, gelaufen, args, unterbrochen)


def bericht(alle, gelaufen, args, unterbrochen):
    zahl = {k: sum(1 for m in gelaufen if m.ergebnis == k)
            for k in ("killed", "timeout", "survived", "build-failed")}
    aequivalent = [m for m in alle if m.ergebnis == "equivalent"]
    getoetet = zahl["killed"] + zahl["timeout"]
    gewertet = getoetet + zahl["survived"]
    quote = 100.0 * getoetet / gewertet if gewertet else 0.0
    ueberlebende = [m for m in gelaufen if m.ergebnis == "survived"]

    zeilen = ["", "Survivors:" if ueberlebende else "No survivors."]
    for m in sorted(ueberlebende, key=lambda m: (m.datei, m.zeile)):
        zeilen.append(f"  {m.id} {m.ort():32} {m.operator:9} {m.beschreibung}")
    zeilen += [
        "",
        f"Mutants run:      {len(gelaufen)}" + (" (interrupted)" if unterbrochen else ""),
        f"  killed:         {zahl['killed']} (+{zahl['timeout']} by the time limit)",
        f"  survived:       {zahl['survived']}",
        f"  build failed:   {zahl['build-failed']}",
        f"Equivalent:       {len(aequivalent)} (not run)",
        f"Mutation score:   {quote:.1f} % ({getoetet} of {gewertet} that built)",
    ]
    print("\n".join(zeilen))

    if args.report:
        daten = {
            "datum": time.strftime("%Y-%m-%d"),
            "quote": round(quote, 1),
            "getoetet": getoetet,
            "ueberlebt": zahl["survived"],
            "baufehler": zahl["build-failed"],
            "aequivalent": len(aequivalent),
            "mutanten": [
                {"id": m.id, "ort": m.ort(), "operator": m.operator,
                 "aenderung": m.beschreibung, "ergebnis": m.ergebnis,
                 "sekunden": round(m.dauer, 1)}
                for m in gelaufen
            ],
        }
        with open(args.report, "w", encoding="utf-8") as f:
            json.dump(daten, f, ensure_ascii=False, indent=1)
    return 1 if unterbrochen else 0


def beenden(*_):
    raise KeyboardInterrupt


def main():
    p = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0] + "\n\n" + __doc__.split("\n\n", 1)[1],
        formatter_class=argparse.RawDescriptionHelpFormatter,
        epilog="Operators (--ops):\n" + "\n".join(f"  {k:10} {v}" for k, v in OPERATOREN.items())
        + "\n\nDefault files: " + " ".join(STANDARD_DATEIEN)
        + "\n\nExit status: 0 done, 1 interrupted, 3 the sources were not restored.",
    )
    p.add_argument("--files", nargs="+", metavar="PATTERN",
                   help="source files to mutate: globs relative to the repository, or parts of "
                        "the default files' paths (default: the rule sources listed below)")
    p.add_argument("--ops", metavar="OP,OP", help="only these operators (see below)")
    p.add_argument("--max", type=int, metavar="N", help="run at most N mutants, sampled at random")
    p.add_argument("--seed", type=int, default=0, help="seed of that sample (default 0)")
    p.add_argument("--only", metavar="ID,ID", help="run only the mutants with these ids")
    p.add_argument("--list", action="store_true", help="list the mutants and their ids, run none")
    p.add_argument("--show", metavar="ID,ID", help="print the change of these mutants, run none")
    p.add_argument("--build", default=os.path.join(WURZEL, "build"),
                   help="configured build folder (default: build/ in the repository)")
    p.add_argument("--timeout", type=float,
                   help="seconds the tests of one mutant may take (default: 20 times the "
                        "unchanged run, at least 30)")
    p.add_argument("--build-timeout", type=float, default=900, help="seconds per build")
    p.add_argument("--equivalent", default=AEQUIVALENT,
                   help="file of mutants declared equivalent (default: "
                        "scripts/mutanten-aequivalent.txt)")
    p.add_argument("--report", metavar="FILE", help="also write the results as JSON")
    p.add_argument("--no-lock", action="store_true",
                   help="do not take the shared build lock (a machine of one's own)")
    args = p.parse_args()

    # A polite kill is treated like Ctrl-C, so the sources are restored.
    signal.signal(signal.SIGTERM, beenden)
    sys.exit(ausfuehren(args))


if __name__ == "__main__":
    main()
