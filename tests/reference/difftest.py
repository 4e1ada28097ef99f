#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Differential test: hexbrawl-script against the Python reference model.

Generates random but meaningful scenario scripts (seeded, reproducible), runs
each through the C++ runner and through hexbrawl_ref.py, and compares every
printed state value by value: numbers exactly (doubles bit for bit, the sign
of zero included), strings, booleans, arrays and objects.  The first
difference of a failing script is reported with its path, both values, the
script line that printed the state and the seed; the script is saved.

    difftest.py --runner build/hexbrawl-script [--scripts N] [--seed S]
    difftest.py --runner build/hexbrawl-script --script FILE     (one given script)
    difftest.py ... --minimize     (shrink each failing script before saving it)

Exit status 0 when every script agrees, 1 otherwise.  The last line printed is
"N passed, M failed".
"""

import argparse
import io
import json
import math
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import hexbrawl_ref as ref  # noqa: E402


# ---------------------------------------------------------------------------
# Running both sides.

def run_cpp(runner, script, timeout=120):
    p = subprocess.run([runner], input=script.encode("utf-8"), stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, timeout=timeout)
    return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")


def run_ref(script):
    raw = io.BytesIO()
    out = io.TextIOWrapper(raw, encoding="utf-8", newline="\n")
    err = io.StringIO()
    rc = ref.runscript(script.encode("utf-8"), out, err)
    out.flush()
    return rc, raw.getvalue().decode("utf-8"), err.getvalue()


# ---------------------------------------------------------------------------
# Comparing.

def parse_int(s):
    return -0.0 if s == "-0" else int(s)


def loads(line):
    return json.loads(line, parse_int=parse_int)


def isnum(v):
    return isinstance(v, (int, float)) and not isinstance(v, bool)


def first_difference(a, b, path="$"):
    """Returns (path, a-part, b-part) of the first difference, or None."""
    if isnum(a) and isnum(b):
        if a != b:
            return path, a, b
        if a == 0 and math.copysign(1, a) != math.copysign(1, b):
            return path + " (sign of zero)", a, b
        return None
    if type(a) is not type(b):
        return path, a, b
    if isinstance(a, dict):
        for k in a:
            if k not in b:
                return path + "." + k + " (missing on the model's side)", a[k], None
            d = first_difference(a[k], b[k], path + "." + k)
            if d:
                return d
        for k in b:
            if k not in a:
                return path + "." + k + " (missing on the C++ side)", None, b[k]
        return None
    if isinstance(a, list):
        for i, (x, y) in enumerate(zip(a, b)):
            d = first_difference(x, y, "%s[%d]" % (path, i))
            if d:
                return d
        if len(a) != len(b):
            return path + " (length)", len(a), len(b)
        return None
    if a != b:
        return path, a, b
    return None


def output_commands(script):
    """1-based numbers of the script lines that print a JSON line."""
    nums = []
    for n, line in enumerate(script.split("\n"), 1):
        if line.endswith("\r"):
            line = line[:-1]
        if line in ("state", "catalog"):
            nums.append(n)
    return nums


class Result:
    def __init__(self, ok, text="", signature=None, states=0):
        self.ok = ok
        self.text = text
        self.signature = signature
        self.states = states


def signature_of(path):
    # the path with the array indices dropped, to tell one kind of difference from another
    out = []
    skip = False
    for ch in path:
        if ch == "[":
            skip = True
        elif ch == "]":
            skip = False
        elif not skip:
            out.append(ch)
    return "".join(out)


def compare(runner, script):
    try:
        crc, cout, cerr = run_cpp(runner, script)
    except subprocess.TimeoutExpired:
        return Result(False, "the C++ runner did not finish in time", "timeout", 0)
    rrc, rout, rerr = run_ref(script)
    clines = cout.splitlines()
    rlines = rout.splitlines()
    where = output_commands(script)
    for i, (cl, rl) in enumerate(zip(clines, rlines)):
        if cl == rl:
            continue
        try:
            ca = loads(cl)
        except ValueError as e:
            return Result(False, "output %d of the C++ runner is not JSON: %s" % (i + 1, e),
                          "badjson", i)
        ra = loads(rl)
        d = first_difference(ca, ra)
        if d:
            path, x, y = d
            line = where[i] if i < len(where) else "?"
            text = ("state %d (script line %s) differs at %s\n  C++:   %s\n  model: %s"
                    % (i + 1, line, path, short(x), short(y)))
            return Result(False, text, signature_of(path), i)
    if len(clines) != len(rlines):
        return Result(False, "the C++ runner printed %d lines, the model %d (C++ exit %d: %s)"
                      % (len(clines), len(rlines), crc, cerr.strip()), "linecount",
                      min(len(clines), len(rlines)))
    if crc != rrc:
        return Result(False, "exit status: C++ %d (%s), model %d (%s)"
                      % (crc, cerr.strip(), rrc, rerr.strip()), "exit", len(clines))
    return Result(True, states=len(clines))


def short(v):
    s = json.dumps(v)
    return s if len(s) <= 400 else s[:400] + "..."


# ---------------------------------------------------------------------------
# The script generator.  It drives its own copy of the model while it writes,
# so that it can aim at wizards, walk within reach and buy what it can pay.

NAMES = ["Alma", "Bron", "Cyra", "Dax", "Elowen", "Fitz", "Gorm", "Hilde", "Ivo", "Jun",
         "Kestrel", "Lux", "Mab", "Nim", "Oona", "Pell", "Zo\u00eb", "Al \"Q\" Var",
         "back\\slash", "  spaced  ", "x", "A very long wizard name indeed, of the north",
         "tab\there", "\u65e5\u672c", "#hash", "Ab"]
PORTRAITS = ["wizard%d" % i for i in range(1, 10)]
ODD_PORTRAITS = ["WIZARD3", "Wizard7", "wIzArD9", "tree1", "blood", "forget", "grass2"]
BAD_PORTRAITS = ["w", "wi", "wiz", "wizard", "wizard10", "wizard0", "", " wizard1",
                 "wizard1 "]
CRIES = ["Death1", "death1", "DEATH1", "death", "hurt", "boop"]
BAD_CRIES = ["", "Death", "Death2", "scream", "death1 "]
JUNK_NUMBERS = ["", " ", "abc", "+", "-", "12a", "+7", "-3", "0", "007", " 9 ", "\t4",
                "99999999999999999999", "-99999999999", "100", "101", "1e2", "3.5",
                "\u0663"]


class Generator:
    def __init__(self, seed, length):
        self.R = random.Random(seed)
        self.length = length
        self.lines = []
        self.sink = io.StringIO()
        self.session = ref.Session(self.sink)
        self.editor_steps = 0
        # a duel script buys shields and raises them before every shot
        self.duel = self.R.random() < 0.4
        self.spam = self.R.random() < 0.15
        self.outfitted = set()

    @property
    def g(self):
        return self.session.game

    def emit(self, line):
        self.lines.append(line)
        self.session.feed(line)
        if line == "state":
            self.sink.seek(0)
            self.sink.truncate()

    def maybe_state(self, p=0.75):
        if self.R.random() < p:
            self.emit("state")

    # -- pieces ----------------------------------------------------------------

    def noise(self):
        R = self.R
        c = R.randrange(10)
        if c == 0:
            self.emit("click " + R.choice(sorted(ref.CLICKS)))
        elif c == 1:
            self.emit("press %d %d" % (R.randrange(750), R.randrange(750)))
        elif c == 2:
            self.emit("select %s %d" % (R.choice(["PurchaseList", "Yourlist", "SpellPicker"]),
                                        R.choice([-1, 0, 1, 5, 99, 100, 150, R.randrange(-5, 120)])))
        elif c == 3:
            self.emit("select MagicType %d" % R.randrange(4))
        elif c == 4:
            self.emit("set %s %s" % (R.choice(sorted(ref.SETS)), R.choice(JUNK_NUMBERS + NAMES)))
        elif c == 5:
            self.emit("# a comment")
        elif c == 6:
            self.emit("tick %d" % R.randint(1, 3))
        elif c == 7:
            self.emit("click PlaysndBtn")
        elif c == 8:
            self.emit("catalog" if R.random() < 0.1 else "state")
        else:
            self.emit("click " + R.choice(["EndTurnBtn", "AbilityBtn", "SellBtn"]))

    def picker_text(self, current, unit_budget):
        R = self.R
        c = R.random()
        if c < 0.35:
            v = current + R.randint(1, max(1, min(6, unit_budget)))
        elif c < 0.5:
            v = current + 1
        elif c < 0.62:
            v = current - R.randint(1, 3)
        elif c < 0.72:
            v = R.randint(1, 100)
        elif c < 0.8:
            v = current
        else:
            return R.choice(JUNK_NUMBERS)
        return str(v)

    def editor_step(self):
        R = self.R
        g = self.g
        w = g.cur()
        first = g.playernameed.enabled
        self.editor_steps += 1
        c = R.random()
        if R.random() < 0.04:
            # too early: the checks answer with their warnings
            self.emit("click NextPlayerBtn")
            return
        if first and g.currentplayer == 1 and g.playercountspinner.text == "1" and R.random() < 0.8:
            n = R.choice([2, 2, 2, 2, 2, 3, 3, 3, 4, 4, 1, 5, 6, 7, 8, 12, 9])
            self.emit("set PlayerCountSpinner %s" % (str(n) if R.random() < 0.9
                                                      else R.choice(JUNK_NUMBERS)))
            return
        if first and w.name == "" and R.random() < 0.85:
            self.emit("set PlayerNameEd %s" % R.choice(NAMES))
            return
        if first and w.portrait == "" and R.random() < 0.85:
            r = R.random()
            pic = R.choice(PORTRAITS) if r < 0.7 else (R.choice(ODD_PORTRAITS) if r < 0.85
                                                       else R.choice(BAD_PORTRAITS))
            self.emit("set PictureBox %s" % pic)
            return
        if first and (w.deathcry == "" or ref.findwave(w.deathcry) is None) and R.random() < 0.85:
            r = R.random()
            cry = "Death1" if r < 0.5 else (R.choice(CRIES) if r < 0.85 else R.choice(BAD_CRIES))
            self.emit("set SndBox %s" % cry)
            return
        if (g.gamelevel, g.currentplayer) not in self.outfitted and R.random() < 0.85:
            self.outfitted.add((g.gamelevel, g.currentplayer))
            self.outfit()
            return
        if c < 0.15:
            self.emit("set HealthPicker %s" % self.picker_text(w.maxhp, g.gauge_value))
        elif c < 0.3:
            self.emit("set ManaPicker %s" % self.picker_text(w.maxwalk, g.gauge_value // 2))
        elif c < 0.55:
            # a purchase on some page
            if R.random() < 0.5:
                self.emit("select MagicType %d" % R.randrange(4))
            afford = g.gauge_value // 3
            if afford >= 1 and R.random() < 0.85:
                row = R.randrange(min(afford, 100))
            else:
                row = R.randrange(100)
            self.emit("select PurchaseList %d" % row)
            self.maybe_state(0.3)
            self.emit("click PurchaseBtn")
        elif c < 0.65:
            rows = len(g.yourlist.items)
            if rows:
                if R.random() < 0.6:
                    # show the page the ability came from, so the sale can be refunded
                    a = w.spellbook[R.randrange(rows)]
                    if 1 <= a.kind <= 4:
                        self.emit("select MagicType %d" % (a.kind - 1))
                row = R.randrange(rows) if R.random() < 0.9 else R.choice([rows, -1, 100])
                self.emit("select Yourlist %d" % row)
                self.maybe_state(0.3)
                if R.random() < 0.7:
                    self.emit("click SellBtn")
        elif c < 0.68:
            self.emit("click PlaysndBtn")
        elif c < 0.72:
            self.noise()
        elif c < 0.74 and first:
            self.emit("set PlayerCountSpinner %s" % R.choice(
                [str(R.randint(1, 12)), R.choice(JUNK_NUMBERS)]))
        else:
            if self.editor_steps > R.randint(2, 12):
                self.editor_steps = 0
                self.emit("click NextPlayerBtn")

    def outfit(self):
        """Spend the points like a player would: walk, health, a few spells."""
        R = self.R
        g = self.g
        w = g.cur()
        if g.gauge_value >= 4:
            k = R.randint(1, max(1, min(5 if R.random() < 0.8 else 12, g.gauge_value // 4)))
            self.emit("set ManaPicker %d" % min(100, w.maxwalk + k))
        if g.gauge_value >= 2:
            k = R.randint(1, max(1, min(3, g.gauge_value // 3)))
            self.emit("set HealthPicker %d" % min(100, w.maxhp + k))
        if self.spam and g.gauge_value >= 5:
            # walk enough for a wall of cheap blocks
            self.emit("set ManaPicker %d" % min(100, w.maxwalk + (g.gauge_value - 3) // 2))
            self.emit("select MagicType 1")
            self.emit("select PurchaseList 0")
            self.emit("click PurchaseBtn")
        if self.duel and g.gauge_value >= 3:
            self.emit("select MagicType %d" % R.choice([1, 2, 2]))
            self.emit("select PurchaseList %d" % R.randrange(min(3, g.gauge_value // 3)))
            self.emit("click PurchaseBtn")
        for _ in range(R.randint(0, 3)):
            afford = g.gauge_value // 3
            if afford < 1:
                break
            self.emit("select MagicType %d" % R.choice([0, 0, 1, 2, 2, 3]))
            self.emit("select PurchaseList %d" % R.randrange(min(afford, 100)))
            self.emit("click PurchaseBtn")
        self.maybe_state(0.5)

    def centre(self, p):
        return p.x + 10, p.y + 10

    def enemies(self):
        g = self.g
        return [i for i in range(1, g.playercount + 1)
                if i != g.currentplayer and g.players[i].hp > 0]

    def clamp_point(self, x, y):
        return min(749, max(0, int(round(x)))), min(749, max(0, int(round(y))))

    def towards(self, radius, frac_lo=0.3, frac_hi=0.97):
        """A press point within RADIUS of the wizard in turn, towards an enemy if any."""
        R = self.R
        g = self.g
        w = g.cur()
        cx, cy = self.centre(w)
        en = self.enemies()
        if en and R.random() < 0.8:
            t = g.players[R.choice(en)]
            tx, ty = self.centre(t)
            ang = math.atan2(ty - cy, tx - cx) + R.gauss(0, R.choice([0.0, 0.01, 0.03, 0.1]))
            dist = math.hypot(tx - cx, ty - cy)
        else:
            ang = R.uniform(-math.pi, math.pi)
            dist = radius
        r = min(radius * R.uniform(frac_lo, frac_hi), dist)
        return self.clamp_point(cx + r * math.cos(ang), cy + r * math.sin(ang))

    def walk_press(self):
        R = self.R
        g = self.g
        w = g.cur()
        cx, cy = self.centre(w)
        c = R.random()
        if c < 0.1:
            # exact distances along a row or column: the 10-pixel boundaries
            k = R.randint(0, max(0, w.walk))
            d = 10 * k
            sx, sy = R.choice([(1, 0), (-1, 0), (0, 1), (0, -1)])
            x, y = cx + sx * d, cy + sy * d
            if x == int(x) and y == int(y) and 0 <= x < 750 and 0 <= y < 750:
                self.emit("press %d %d" % (x, y))
                return
            x, y = self.clamp_point(x, y)
        elif c < 0.15:
            x, y = self.clamp_point(cx + R.randint(-3, 3) * 10 * w.walk,
                                    cy + R.randint(-3, 3) * 10 * w.walk)
        else:
            x, y = self.towards(max(w.walk, 0) * 10, 0.2, 1.0)
        self.emit("press %d %d" % (x, y))

    def cast(self):
        R = self.R
        g = self.g
        w = g.cur()
        rows = len(g.spellpicker.items)
        if g.mode == 0:
            if rows and R.random() < 0.85:
                # prefer something affordable
                options = [r for r in range(rows) if w.spellbook[r].walkcost <= w.walk]
                row = R.choice(options) if options and R.random() < 0.85 else R.randrange(rows)
                self.emit("select SpellPicker %d" % row)
                self.maybe_state(0.3)
            self.emit("click AbilityBtn")
            self.maybe_state(0.4)
        if g.mode != 1:
            return
        row = g.spellpicker.selected
        if row < 0:
            return
        a = w.spellbook[row]
        presses = R.choice([1, 1, 1, 2, 3])
        if a.kind in (2, 3) and R.random() < 0.2:
            presses = R.choice([10, 25, 50])
        for _ in range(presses):
            if a.kind == 1:
                if R.random() < 0.1:
                    cx, cy = self.centre(w)
                    if cx == int(cx) and cy == int(cy):
                        # straight above or below the centre: the x nudge
                        dy = R.choice([-1, 1]) * R.randint(1, max(1, int(a.aim)))
                        x, y = self.clamp_point(cx, cy + dy)
                    else:
                        x, y = self.towards(a.aim)
                else:
                    x, y = self.towards(a.aim, 0.5, 0.98)
            elif a.kind in (2, 3):
                x, y = self.towards(a.aim, 0.0, 1.0)
            else:
                x, y = self.towards(a.aim, 0.0, 1.0)
            if R.random() < 0.05:
                x, y = R.randrange(750), R.randrange(750)
            self.emit("press %d %d" % (x, y))
            self.maybe_state(0.5 if presses < 5 else 0.1)
            if g.mode != 1 or not g.matchrunning:
                return
        if R.random() < 0.3:
            self.emit("click AbilityBtn")

    def flying(self):
        g = self.g
        return any(g.inplay[i].name != "" and g.inplay[i].kind == 1 for i in range(1, 51))

    def nearest_enemy(self):
        g = self.g
        w = g.cur()
        cx, cy = self.centre(w)
        best = None
        for i in self.enemies():
            tx, ty = self.centre(g.players[i])
            d = math.hypot(tx - cx, ty - cy)
            if best is None or d < best[0]:
                best = (d, i, tx, ty)
        return best

    def purposeful(self):
        """Play like a player: walk into reach of an enemy, then shoot or shield."""
        R = self.R
        g = self.g
        w = g.cur()
        if self.flying():
            self.emit("tick %d" % R.choice([3, 5, 10, 20, 40]))
            return
        if g.mode == 1:
            if R.random() < 0.7:
                self.cast()
            else:
                self.emit("click AbilityBtn")
            return
        en = self.nearest_enemy()
        rows = len(g.spellpicker.items)
        book = w.spellbook
        ranged = [r for r in range(rows) if book[r].kind == 1 and book[r].walkcost <= w.walk]
        shields = [r for r in range(rows) if book[r].kind in (2, 3) and book[r].walkcost <= w.walk]
        if en is None or w.walk <= 0:
            self.emit("click EndTurnBtn" if R.random() < 0.7 else "tick %d" % R.randint(1, 5))
            return
        dist = en[0]
        if dist < 170 and w.walk >= 3 and R.random() < 0.6:
            # too close for a clash to happen on the way: step back
            cx, cy = self.centre(w)
            step = min(w.walk * 10 - 1, 250 - dist)
            ang = math.atan2(cy - en[3], cx - en[2]) + R.gauss(0, 0.3)
            x, y = self.clamp_point(cx + step * math.cos(ang), cy + step * math.sin(ang))
            self.emit("press %d %d" % (x, y))
            return
        shielded = any(g.inplay[j].name != "" and g.inplay[j].kind in (2, 3)
                       and g.inplay[j].owner == g.currentplayer
                       and abs(g.inplay[j].x + 10 - w.x - 10) < 16
                       and abs(g.inplay[j].y + 10 - w.y - 10) < 16 for j in range(1, 51))
        if shields and R.random() < (0.9 if self.duel and not shielded else
                                     0.5 if dist > 150 else 0.15):
            row = R.choice(shields)
            self.emit("select SpellPicker %d" % row)
            self.emit("click AbilityBtn")
            if g.mode == 1 and self.spam and R.random() < 0.7:
                a = book[row]
                cx, cy = self.centre(w)
                for _ in range(w.walk // max(1, a.walkcost) + R.randint(0, 2)):
                    ang = R.uniform(-math.pi, math.pi)
                    r = R.uniform(0, a.aim)
                    x, y = self.clamp_point(cx + r * math.cos(ang), cy + r * math.sin(ang))
                    self.emit("press %d %d" % (x, y))
                self.maybe_state()
            elif g.mode == 1:
                if R.random() < 0.6:
                    # just in front of the wizard, facing the nearest enemy
                    cx, cy = self.centre(w)
                    r = min(book[row].aim, R.choice([0, 0, 2, 4, 6, R.uniform(0, 15)]))
                    ang = math.atan2(en[3] - cy, en[2] - cx)
                    x, y = self.clamp_point(cx + r * math.cos(ang), cy + r * math.sin(ang))
                    self.emit("press %d %d" % (x, y))
                else:
                    self.cast()
                # the shield stays where it was put: end the turn behind it
                if g.matchrunning and R.random() < 0.8:
                    self.maybe_state()
                    self.emit("click EndTurnBtn")
            return
        if ranged and not g.firstturn:
            good = [r for r in ranged if book[r].maxrange * 8 > dist + 10]
            if good:
                row = R.choice(good)
                self.emit("select SpellPicker %d" % row)
                self.maybe_state(0.3)
                self.emit("click AbilityBtn")
                if g.mode == 1:
                    if R.random() < 0.6:
                        self.sharpshoot(book[row])
                    else:
                        self.cast()
                return
        # walk towards the enemy, keeping some walk for a cast
        keep = min([book[r].walkcost for r in range(rows) if book[r].kind == 1] or [0])
        spend = w.walk - keep if w.walk > keep else w.walk
        reach = max(0, spend * 10 - 1)
        if reach <= 0:
            self.emit("click EndTurnBtn")
            return
        cx, cy = self.centre(w)
        step = min(reach, max(0.0, dist - R.choice([60, 180, 250, 350])))
        if step < 5:
            self.emit("click EndTurnBtn")
            return
        ang = math.atan2(en[3] - cy, en[2] - cx) + R.gauss(0, 0.1)
        x, y = self.clamp_point(cx + step * math.cos(ang), cy + step * math.sin(ang))
        self.emit("press %d %d" % (x, y))

    def line_clear(self, cx, cy, tx, ty):
        """No tree stands on the way from (cx, cy) to (tx, ty)."""
        g = self.g
        d = math.hypot(tx - cx, ty - cy)
        n = int(d // 8)
        for i in range(11, n):
            px = cx + (tx - cx) * i / max(n, 1)
            py = cy + (ty - cy) * i / max(n, 1)
            for t in range(1, g.treecount + 1):
                T = g.obstacles[t]
                if (T.x + T.width / 5 - 7 < px < T.x + 0.8 * T.width + 7
                        and T.y - 7 < py < T.y + T.height + 7):
                    return False
        return True

    def sharpshoot(self, a):
        """Aim a ranged ability at an enemy as exactly as whole pixels allow."""
        R = self.R
        g = self.g
        w = g.cur()
        cx, cy = self.centre(w)
        targets = []
        for i in self.enemies():
            tx, ty = self.centre(g.players[i])
            d = math.hypot(tx - cx, ty - cy)
            if d < a.maxrange * 8 - 8:
                targets.append((not self.line_clear(cx, cy, tx, ty), -d if d > 185 else d, tx, ty))
        if not targets:
            self.cast()
            return
        targets.sort()
        _, _, tx, ty = targets[0] if R.random() < 0.8 else R.choice(targets)
        want = math.atan2(ty - cy, tx - cx)
        best = None
        r = int(a.aim)
        while r >= max(1, int(a.aim) // 2):
            for ox in (0, 1):
                for oy in (0, 1):
                    x = math.floor(cx + r * math.cos(want)) + ox
                    y = math.floor(cy + r * math.sin(want)) + oy
                    if not (0 <= x < 750 and 0 <= y < 750):
                        continue
                    if math.hypot(x - cx, y - cy) > a.aim or (x == cx and y == cy):
                        continue
                    err = abs(math.remainder(math.atan2(y - cy, x - cx) - want, 2 * math.pi))
                    if best is None or err < best[0]:
                        best = (err, x, y)
            r -= 1
        if best is None:
            self.cast()
            return
        self.emit("press %d %d" % (best[1], best[2]))
        self.maybe_state(0.5)

    def match_step(self):
        R = self.R
        g = self.g
        w = g.cur()
        if R.random() < 0.8:
            self.purposeful()
            return
        c = R.random()
        if self.flying() and c < 0.6:
            self.emit("tick %d" % R.choice([1, 2, 5, 10, 20, 30, 40, R.randint(1, 40)]))
            return
        if c < 0.2:
            self.emit("tick %d" % R.choice([1, 1, 2, 3, 8, 25, R.randint(1, 40)]))
        elif c < 0.45:
            if g.mode == 0 and w.walk > 0:
                self.walk_press()
            else:
                self.cast()
        elif c < 0.75:
            self.cast()
        elif c < 0.85:
            self.emit("click EndTurnBtn")
        elif c < 0.9:
            rows = len(g.spellpicker.items)
            self.emit("select SpellPicker %d" % (R.randrange(rows) if rows and R.random() < 0.8
                                                 else R.choice([-1, rows, 99])))
        else:
            self.noise()

    def generate(self):
        R = self.R
        self.emit("start %d" % R.randrange(2 ** 32))
        self.maybe_state(0.5)
        for _ in range(R.choice([0, 0, 0, 1, 3])):
            self.noise()
        while len(self.lines) < self.length:
            g = self.g
            if self.session.closed:
                break
            if g.title_visible:
                if R.random() < 0.85:
                    self.emit("click TitleImage")
                else:
                    self.noise()
            elif g.purchase_visible:
                self.editor_step()
            elif g.matchrunning:
                self.match_step()
            else:
                self.noise()
            self.maybe_state()
        self.emit("state")
        if R.random() < 0.2:
            self.emit("close")
        return "\n".join(self.lines) + "\n"


def generate(seed, length):
    return Generator(seed, length).generate()


# ---------------------------------------------------------------------------
# Shrinking a failing script.

def still_fails(runner, script, signature):
    r = compare(runner, script)
    return (not r.ok) and r.signature == signature


def minimize(runner, script, signature, log=None):
    lines = script.rstrip("\n").split("\n")
    # cut everything after the first differing output
    r = compare(runner, script)
    where = output_commands(script)
    if r.states < len(where):
        cut = where[r.states]
        cand = lines[:cut]
        if still_fails(runner, "\n".join(cand) + "\n", signature):
            lines = cand
    chunk = max(1, len(lines) // 2)
    while chunk >= 1:
        i = 1  # keep the start line
        changed = False
        while i < len(lines):
            cand = lines[:i] + lines[i + chunk:]
            if cand and still_fails(runner, "\n".join(cand) + "\n", signature):
                lines = cand
                changed = True
            else:
                i += chunk
        if not changed:
            chunk //= 2
    return "\n".join(lines) + "\n"


# ---------------------------------------------------------------------------

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--runner", required=True, help="path of hexbrawl-script")
    ap.add_argument("--scripts", type=int, default=40, help="number of scripts (default 40)")
    ap.add_argument("--seed", type=int, default=1, help="seed of the first script (default 1)")
    ap.add_argument("--length", type=int, default=0,
                    help="commands per script (default: 80 to 700, drawn per script)")
    ap.add_argument("--script", help="compare one given script file instead of generating")
    ap.add_argument("--save-dir", default="difftest-failures",
                    help="where failing scripts are saved (default ./difftest-failures)")
    ap.add_argument("--minimize", action="store_true", help="shrink failing scripts")
    ap.add_argument("--stop-after", type=int, default=0,
                    help="stop after this many failures (0: never)")
    ap.add_argument("-q", "--quiet", action="store_true")
    args = ap.parse_args()

    if args.script:
        with open(args.script, encoding="utf-8") as f:
            script = f.read()
        r = compare(args.runner, script)
        print(("%s: %d states agree" % (args.script, r.states)) if r.ok
              else "%s: %s" % (args.script, r.text))
        print("%d passed, %d failed" % (1 if r.ok else 0, 0 if r.ok else 1))
        return 0 if r.ok else 1

    passed = failed = states = 0
    seen = {}
    for i in range(args.scripts):
        seed = args.seed + i
        length = args.length if args.length else random.Random(seed).randint(80, 700)
        script = generate(seed, length)
        r = compare(args.runner, script)
        states += r.states
        if r.ok:
            passed += 1
            continue
        failed += 1
        os.makedirs(args.save_dir, exist_ok=True)
        path = os.path.join(args.save_dir, "seed-%d.txt" % seed)
        with open(path, "w", encoding="utf-8") as f:
            f.write(script)
        print("FAIL seed %d (saved as %s): %s" % (seed, path, r.text), flush=True)
        if args.minimize and r.signature not in seen:
            small = minimize(args.runner, script, r.signature)
            mpath = os.path.join(args.save_dir, "seed-%d.min.txt" % seed)
            with open(mpath, "w", encoding="utf-8") as f:
                f.write(small)
            print("  shrunk to %d lines: %s" % (small.count("\n"), mpath))
            print("  " + compare(args.runner, small).text.replace("\n", "\n  "))
        seen.setdefault(r.signature, seed)
        if args.stop_after and failed >= args.stop_after:
            break
    if not args.quiet:
        print("%d states compared" % states)
        if seen:
            print("kinds of difference (first seed): " +
                  ", ".join("%s (%d)" % (k, v) for k, v in seen.items()))
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
