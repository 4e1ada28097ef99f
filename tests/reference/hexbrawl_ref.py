#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reference model of the Hexbrawl rules, written apart from the game's C++.

Reads a scenario script (the same language as hexbrawl-script: start, click,
set, select, press, tick, close, state, catalog) and prints the same JSON
state lines.  It exists so that the two implementations can be run side by
side on the same scripts (see difftest.py) and every state compared.

Standard library only.  Usage: hexbrawl_ref.py [SCRIPT]
"""

import math
import re
import sys

# ---------------------------------------------------------------------------
# Arithmetic helpers: the game counts in int32 and divides toward zero.

MASK32 = 0xFFFFFFFF


def i32(v):
    v &= MASK32
    return v - 0x100000000 if v & 0x80000000 else v


def idiv(a, b):
    """Integer division truncating toward zero (Python's // floors)."""
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def trunc(x):
    """A double converted to an integer toward zero."""
    if x != x:
        return 0
    if math.isinf(x):
        return 0
    return i32(int(x))


# ---------------------------------------------------------------------------
# The one random source.

class Random:
    def __init__(self, seed=0):
        self.seed = seed & MASK32

    def advance(self):
        self.seed = (self.seed * 134775813 + 1) & MASK32

    def randomint(self, n):
        self.advance()
        if n <= 0:
            return 0
        return (self.seed * n) >> 32

    def randomreal(self):
        self.advance()
        return self.seed / 4294967296.0

    def randomgauss(self, mean, sd):
        mean = float(mean)
        sd = float(sd)
        while True:
            u = 2.0 * self.randomreal() - 1.0
            v = 2.0 * self.randomreal() - 1.0
            q = u * u + v * v
            if q < 1.0:
                break
        if q == 0.0:
            # ln(0) is -inf: the product below is 0 x inf, which is NaN.
            return float('nan')
        return sd * u * math.sqrt(-2.0 * math.log(q) / q) + mean


# ---------------------------------------------------------------------------
# Picture and sound catalogues (names, pattern sizes).

def _pic(name, w, h, pw, ph):
    return (name, pw if pw else w, ph if ph else h)


PICTURES = [
    _pic("tree1", 135, 146, 0, 0), _pic("tree2", 126, 150, 0, 0), _pic("tree3", 146, 151, 0, 0),
    _pic("windcurse", 21, 21, 20, 20),
    _pic("cosmoball", 7, 7, 7, 7), _pic("cosmoblock", 20, 20, 20, 20),
    _pic("cosmocurse", 21, 21, 20, 20), _pic("cosmoring", 35, 35, 35, 35),
    _pic("deathball", 7, 7, 7, 7), _pic("deathblock", 20, 20, 20, 20),
    _pic("deathcurse", 21, 21, 20, 20), _pic("deathring", 35, 35, 35, 35),
    _pic("earthball", 7, 7, 7, 7), _pic("earthblock", 20, 20, 20, 20),
    _pic("earthcurse", 21, 21, 20, 20), _pic("earthring", 35, 35, 35, 35),
    _pic("fireball", 7, 7, 7, 7), _pic("fireblock", 20, 20, 20, 20),
    _pic("firecurse", 21, 21, 20, 20), _pic("firering", 35, 35, 35, 35),
    _pic("forget", 20, 20, 20, 20),
    _pic("lifeball", 7, 7, 7, 7), _pic("lifeblock", 20, 20, 20, 20),
    _pic("lifecurse", 21, 21, 20, 20), _pic("lifering", 35, 35, 35, 35),
    _pic("manaburn", 21, 21, 20, 20), _pic("quicken", 20, 20, 20, 20),
    _pic("runes", 21, 21, 20, 20), _pic("slow", 20, 20, 20, 20),
    _pic("stasis", 21, 21, 20, 20), _pic("teleport", 20, 20, 20, 20),
    _pic("waterball", 7, 7, 7, 7), _pic("waterblock", 20, 20, 20, 20),
    _pic("watercurse", 21, 21, 20, 20), _pic("waterring", 35, 35, 35, 35),
    _pic("windball", 7, 7, 7, 7), _pic("windblock", 20, 20, 20, 20),
    _pic("windring", 35, 35, 35, 35),
    _pic("wizard1", 20, 20, 20, 20),
    _pic("grass1", 20, 20, 20, 20), _pic("grass2", 20, 20, 20, 20), _pic("grass3", 20, 20, 20, 20),
    _pic("aimer", 49, 49, 0, 0), _pic("blood", 20, 20, 0, 0),
    _pic("wizard2", 20, 20, 0, 0), _pic("wizard3", 20, 20, 0, 0), _pic("wizard4", 20, 20, 0, 0),
    _pic("wizard5", 20, 20, 0, 0), _pic("wizard9", 20, 20, 0, 0), _pic("wizard6", 20, 20, 0, 0),
    _pic("wizard7", 20, 20, 0, 0), _pic("wizard8", 20, 20, 0, 0),
]
assert len(PICTURES) == 52

WAVES = ["Death1", "boop", "hurt", "step", "cast", "wall", "death", "earth", "fire",
         "life", "water", "wind", "click", "button", "teleport", "cosmo",
         "cancelation", "obstacle"]
assert len(WAVES) == 18


def asciilower(s):
    return ''.join(chr(ord(c) + 32) if 'A' <= c <= 'Z' else c for c in s)


def sameword(a, b):
    return len(a) == len(b) and asciilower(a) == asciilower(b)


class LookupFailure(Exception):
    """A name missing from a catalogue: abandons the handler in progress."""


def findimage(name):
    for entry in PICTURES:
        if sameword(entry[0], name):
            return entry
    raise LookupFailure("Image '%s' not found" % name)


def findwave(name):
    for w in WAVES:
        if sameword(w, name):
            return w
    return None


# ---------------------------------------------------------------------------
# Word lists.

MEMO1 = ["fire", "water", "wind", "earth", "life", "death", "cosmo"]
PROJECTILES = ["dart", "bullet", "shot", "sphere", "ball", "orb", "vortex", "spark",
               "arrow", "stone", "particle"]
BLOCKS = ["shield", "block", "defence", "towershield", "buckler", "armour", "helm",
          "helmet", "jerkin", "jacket", "boots", "tunic", "cloak"]
REFLECTS = ["mirror", "reflection", "retort", "refute", "reply"]
TELEPORTS = ["teleportation", "relocation", "warp", "dissapearence", "evaporation",
             "traveler"]
SUFFIXES = ["of killing", "of death", "of destruction", "of chaos", "of rape", "of flight",
            "of range", "of dignity", "of mastery", "of sanction", "of night", "of day",
            "of suspension", "of solitude", "of repetition", "of morphing", "of disaster",
            "of love", "of shrewdness", "of lavishness", "of annointment",
            "of conflagration", "of weakness", "of mass", "of power", "of awesomeness",
            "of coolness", "of distraction", "of might", "of magus", "of Beal",
            "of Shock", "of maximum", "of Volsht'ak", "of rage", "of madness",
            "of shit", "of crap", "of fucking", "of hell", "of monstrocity",
            "of wellness", "of questing", "of slaying", "of prophecy", "of detection",
            "of damage", "of strength", "of doom", "of insanity", "of zap", "of magic"]
assert len(SUFFIXES) == 52


# ---------------------------------------------------------------------------
# Records.

ABILITY_FIELDS = [
    ("level", int), ("name", str), ("walkcost", int), ("range", float),
    ("maxrange", float), ("aim", float), ("owner", int), ("angle", float),
    ("x", float), ("y", float), ("dx", float), ("dy", float),
    ("spritewidth", float), ("spriteheight", float), ("mineffect", int),
    ("maxeffect", int), ("sprite", str), ("element", str), ("kind", int),
]


class Ability:
    __slots__ = [f for f, _ in ABILITY_FIELDS]

    def __init__(self):
        for f, t in ABILITY_FIELDS:
            setattr(self, f, t())

    def copy(self):
        a = Ability.__new__(Ability)
        for f in Ability.__slots__:
            setattr(a, f, getattr(self, f))
        return a


class Player:
    def __init__(self):
        self.name = ""
        self.kills = 0
        self.x = 0.0
        self.y = 0.0
        self.hp = 0
        self.maxhp = 0
        self.walk = 0
        self.maxwalk = 0
        self.spellbook = [Ability() for _ in range(100)]
        self.deathcry = ""
        self.portrait = ""


class Obstacle:
    def __init__(self):
        self.x = 0.0
        self.y = 0.0
        self.width = 0.0
        self.height = 0.0
        self.hits = 0
        self.image = ""

    def copy(self):
        o = Obstacle()
        o.__dict__.update(self.__dict__)
        return o


class Explosion:
    def __init__(self):
        self.x = 0.0
        self.y = 0.0
        self.element = ""
        self.radius = 0.0

    def copy(self):
        e = Explosion()
        e.__dict__.update(self.__dict__)
        return e


class ListBox:
    def __init__(self, items=None):
        self.items = list(items or [])
        self.selected = -1

    def clear(self):
        self.items = []
        self.selected = -1


class Edit:
    def __init__(self, text):
        self.text = text
        self.enabled = True


def spinvalue(text, lo, hi):
    """A spin edit's value: trimmed decimal integer, clamped; anything else is 1."""
    t = text.strip(' ')
    if not re.fullmatch(r'[+-]?[0-9]+', t):
        return 1
    v = int(t)
    return max(lo, min(hi, v))


# ---------------------------------------------------------------------------
# The game.

class Game:
    def __init__(self, seed):
        self.rng = Random(seed)
        self.players = [None] + [Player() for _ in range(12)]
        self.catalog = [Ability() for _ in range(400)]
        self.inplay = [None] + [Ability() for _ in range(50)]
        self.obstacles = [None] + [Obstacle() for _ in range(30)]
        self.terrain = [[""] * 39 for _ in range(39)]  # [column][row], 1-based
        self.explosions = [None] + [Explosion() for _ in range(25)]
        self.currentplayer = 0
        self.playercount = 0
        self.sellindex = 0
        self.matchrunning = False
        self.mode = 0
        self.inplaycount = 0
        self.treecount = 0
        self.gamelevel = 0
        self.deadcount = 0
        self.explosioncount = 0
        self.firstturn = False
        self.frames = 0
        self.messages = []
        self.sounds = []
        # controls, with their design texts
        self.caption = "Hexbrawl V1.2 by Quennick"
        self.title_visible = True
        self.draw_visible = False
        self.purchase_visible = False
        self.timer_enabled = False
        self.lvllbl = "Level"
        self.namelbl = "Name"
        self.locationlbl = "Name"
        self.walklbl = "Walk Left"
        self.hplbl = "HP"
        self.costlbl = "Cost:"
        self.gllabel2 = "Pick Your Traits Wizard:"
        self.walkpie = 100
        self.healthpie = 100
        self.portrait_pic = ""
        self.wizardportrait_pic = ""
        self.abilitybtn = "Use Ability"
        self.abilityinfo = ["AbilityInfo"]
        self.spellinfo = ["< Spell stats displayed here >"]
        self.spellpicker = ListBox()
        self.spellpicker_enabled = True
        self.spellpicker_color = "yellow"
        self.purchaselist = ListBox()
        self.yourlist = ListBox()
        self.magictype = 0
        self.sellbtn_enabled = False
        self.playercountspinner = Edit("1")
        self.playernameed = Edit("")
        self.picturebox = Edit("")
        self.sndbox = Edit("")
        self.healthpicker = Edit("1")
        self.manapicker = Edit("1")
        self.gauge_value = 25
        self.gauge_max = 25

    # -- presentation stand-ins ---------------------------------------------

    def playwave(self, name):
        if findwave(name) is None:
            raise LookupFailure("Wave '%s' not found" % name)
        self.sounds.append(name)

    def showpicture(self, box, name):
        findimage(name)
        if box == "Portrait":
            self.portrait_pic = name
        else:
            self.wizardportrait_pic = name

    def message(self, kind, text):
        self.messages.append({"kind": kind, "text": text})

    def setgauge(self, v):
        self.gauge_value = max(0, min(self.gauge_max, v))

    def pointscaption(self):
        self.gllabel2 = "Pick Your Traits Wizard: (%d)" % self.gauge_value

    # -- generation -----------------------------------------------------------

    def pick(self, lst):
        return lst[self.rng.randomint(len(lst))]

    def generatecatalog(self):
        r = self.rng
        nouns = [PROJECTILES, BLOCKS, REFLECTS, TELEPORTS]
        for p in range(4):
            for L in range(1, 101):
                a = Ability()
                a.level = L
                d = r.randomint(L)
                if p == 0:
                    B = 7 * L + d
                else:
                    B = (5, 4, 9)[p - 1] * L - d
                a.kind = p + 1
                a.element = self.pick(MEMO1)
                a.sprite = "teleport" if p == 3 else a.element + ("ball", "block", "curse")[p]
                noun = self.pick(nouns[p])
                suffix = self.pick(SUFFIXES)
                a.name = a.element + " " + noun + " " + suffix
                if p == 0:
                    a.walkcost = r.randomint(2) + idiv(L, 4) + 1
                    B += 20 * a.walkcost
                    a.range = r.randomgauss(idiv(B, 3) + 3 * L, idiv(B, 4) + L)
                    if a.range < 20:
                        a.range = 20.0
                    if a.range > 89:
                        a.range = 89.0
                    B -= idiv(trunc(a.range), 2)
                    if B <= 0:
                        B = 10
                    a.maxrange = a.range
                    a.aim = r.randomgauss(idiv(B, 3) + 2, idiv(B, 5) + 3)
                    if a.aim < 10:
                        a.aim = 10.0
                    if a.aim > 100:
                        a.aim = 100.0
                    B -= 2 * trunc(a.aim)
                    if B <= 0:
                        B = 5
                    a.mineffect = r.randomint(idiv(B, 2)) + 1
                    B -= 2 * a.mineffect
                    if B <= 0:
                        B = 1
                    a.maxeffect = idiv(B, 2) + a.mineffect + 1
                elif p == 1:
                    a.walkcost = r.randomint(2) + idiv(L, 4) + 1
                    B += 12 * a.walkcost
                    a.range = 1.0
                    a.maxrange = 1.0
                    a.aim = r.randomgauss(idiv(B, 2), 5)
                    B -= idiv(trunc(a.aim), 2)
                    if a.aim < 5:
                        a.aim = 5.0
                    if B <= 0:
                        B = 5
                    a.mineffect = r.randomint(idiv(B, 4)) + 1
                    B -= 5 * a.mineffect
                    if B <= 0:
                        B = 1
                    a.maxeffect = idiv(B, 2) + a.mineffect
                elif p == 2:
                    a.walkcost = idiv(L, 3) + 2
                    B += 3 * a.walkcost
                    a.range = 1.0
                    a.maxrange = 1.0
                    a.aim = r.randomgauss(idiv(B, 3), idiv(B, 5) + 2)
                    if a.aim < 3:
                        a.aim = 3.0
                    B -= trunc(a.aim)
                    if B <= 0:
                        B = 2
                    a.mineffect = r.randomint(idiv(B, 3)) + 1
                    B -= 3 * a.mineffect
                    if B <= 0:
                        B = 1
                    a.maxeffect = idiv(B, 2) + a.mineffect
                else:
                    a.walkcost = idiv(L, 5) + 1
                    B += 30 * a.walkcost
                    a.range = 0.0
                    a.maxrange = 0.0
                    a.aim = r.randomgauss(B, 2)
                    if a.aim < 20:
                        a.aim = 20.0
                    a.mineffect = 0
                    a.maxeffect = 0
                _, pw, ph = findimage(a.sprite)
                a.spritewidth = float(pw)
                a.spriteheight = float(ph)
                self.catalog[p * 100 + L - 1] = a

    def startingability(self):
        r = self.rng
        a = Ability()
        a.level = 1
        a.element = self.pick(MEMO1)
        a.sprite = a.element + "ball"
        noun = self.pick(PROJECTILES)
        suffix = self.pick(SUFFIXES)
        a.name = a.element + " " + noun + " " + suffix
        a.walkcost = 2
        a.range = r.randomgauss(9, 5) + 50
        a.maxrange = a.range
        a.aim = r.randomgauss(5, 3) + 20
        a.mineffect = 0
        a.maxeffect = r.randomint(2) + 4
        a.kind = 1
        return a

    def maketree(self, t, sapling):
        r = self.rng
        t.image = "tree%d" % (r.randomint(3) + 1)
        t.hits = r.randomint(3) + 2 if sapling else r.randomint(5) + 5
        t.x = r.randomgauss(375, 200)
        t.y = r.randomgauss(375, 200)
        if sapling:
            t.width = r.randomgauss(5, 1)
            t.height = r.randomgauss(10, 3)
        else:
            t.width = r.randomgauss(50, 5)
            t.height = r.randomgauss(50, 6)

    # -- start-up and shutdown ------------------------------------------------

    def FormCreate(self):
        self.draw_visible = False
        self.title_visible = True
        self.purchase_visible = False
        self.treecount = self.rng.randomint(20) + 10
        for i in range(1, self.treecount + 1):
            self.maketree(self.obstacles[i], False)
        self.generatecatalog()
        for i in range(1, 13):
            w = self.players[i]
            w.maxhp = w.hp = w.maxwalk = w.walk = 1
            w.spellbook[0] = self.startingability()
        self.currentplayer = 1
        self.playercount = 1
        self.matchrunning = False
        self.firstturn = True
        self.showpicture("WizardPortrait", "forget")
        self.yourlist.clear()
        self.gamelevel = 1
        self.lvllbl = "Level: %d" % self.gamelevel
        self.yourlist.items.append(self.players[1].spellbook[0].name)
        self.purchaselist.clear()
        for L in range(1, 101):
            self.purchaselist.items.append("%s (%d)" % (self.catalog[L - 1].name, 3 * L))
        self.picturebox.text = ""
        self.sndbox.text = ""

    def TitleImageClick(self):
        self.title_visible = False
        self.purchase_visible = True
        self.draw_visible = True

    def FormClose(self):
        t = ""
        for i in range(1, self.playercount + 1):
            p = self.players[i]
            t += "%s with %d kills." % (p.name, p.kills)
        if self.players[1].name != "":
            self.message("info", "And the scores are: " + t)

    # -- trait editor -----------------------------------------------------------

    def cur(self):
        return self.players[self.currentplayer]

    def setpicker(self, which, value):
        """The editor writes a picker; its change rule runs if the text changes."""
        edit = self.healthpicker if which == "health" else self.manapicker
        text = str(max(1, min(100, value)))
        if edit.text != text:
            edit.text = text
            if which == "health":
                self.HealthPickerChange()
            else:
                self.ManaPickerChange()

    def HealthPickerChange(self):
        self.playwave("click")
        w = self.cur()
        text = self.healthpicker.text
        v = spinvalue(text, 1, 100)
        m = w.maxhp
        if v < m and text != "" and self.gauge_value < self.gauge_max:
            w.maxhp = w.hp = v
            self.setgauge(self.gauge_value + (m - v))
            self.pointscaption()
        elif v > m and text != "" and self.gauge_value >= v - m:
            w.maxhp = w.hp = v
            self.setgauge(self.gauge_value - (v - m))
            self.pointscaption()
        self.setpicker("health", w.maxhp)

    def ManaPickerChange(self):
        self.playwave("click")
        w = self.cur()
        text = self.manapicker.text
        v = spinvalue(text, 1, 100)
        m = w.maxwalk
        if v < m and text != "" and self.gauge_value < self.gauge_max:
            w.maxwalk = w.walk = v
            self.setgauge(self.gauge_value + 2 * (m - v))
            self.pointscaption()
        elif v > m and text != "" and self.gauge_value >= 2 * (v - m):
            w.maxwalk = w.walk = v
            self.setgauge(self.gauge_value - 2 * (v - m))
            self.pointscaption()
        self.setpicker("mana", w.maxwalk)

    def PlayerNameEdChange(self):
        self.cur().name = self.playernameed.text

    def setnameed(self, text):
        if self.playernameed.text != text:
            self.playernameed.text = text
            self.PlayerNameEdChange()

    def PictureBoxChange(self):
        text = self.picturebox.text
        self.showpicture("WizardPortrait", text)
        self.cur().portrait = text
        self.playwave("click")

    def SndBoxChange(self):
        self.cur().deathcry = self.sndbox.text
        self.playwave("click")

    def PlaysndBtnClick(self):
        self.playwave(self.cur().deathcry)

    def PlayerCountSpinnerChange(self):
        self.playercount = spinvalue(self.playercountspinner.text, 1, 12)
        self.playwave("click")

    # -- spell shop -----------------------------------------------------------------

    def refreshyourlist(self):
        self.yourlist.clear()
        for a in self.cur().spellbook:
            if a.name != "":
                self.yourlist.items.append(a.name)
        self.purchaselist.clear()
        p = self.magictype
        for i in range(1, 101):
            self.purchaselist.items.append("%s(%d)" % (self.catalog[p * 100 + i - 1].name, 3 * i))

    def MagicTypeChange(self):
        self.refreshyourlist()

    def infotext(self, a):
        lines = ["Name: " + a.name]
        kinds = {1: "Ranged attack spell.", 2: "Block spell.", 3: "Reflect spell.",
                 4: "Teleportation spell."}
        if a.kind in kinds:
            lines.append(kinds[a.kind])
        lines += ["Level: %d" % a.level, "Min: %d" % a.mineffect, "Max: %d" % a.maxeffect,
                  "Walk Cost: %d" % a.walkcost, "Range: %d" % trunc(a.range),
                  "Aim: %d" % trunc(a.aim)]
        self.spellinfo = lines

    def PurchaseListClick(self):
        r = self.purchaselist.selected
        self.costlbl = "Cost: %d" % (3 * (r + 1))
        self.infotext(self.catalog[self.magictype * 100 + r])

    def YourlistClick(self):
        self.sellbtn_enabled = True
        self.sellindex = self.yourlist.selected
        self.playwave("click")
        self.infotext(self.cur().spellbook[self.sellindex])

    def PurchaseBtnClick(self):
        r = self.purchaselist.selected
        if r < 0 or len(self.yourlist.items) >= 100:
            return
        a = self.catalog[self.magictype * 100 + r]
        price = 3 * a.level
        if price > self.gauge_value:
            return
        self.playwave("button")
        self.setgauge(self.gauge_value - price)
        self.pointscaption()
        self.cur().spellbook[len(self.yourlist.items)] = a.copy()
        self.refreshyourlist()

    def SellBtnClick(self):
        if not (0 <= self.sellindex < len(self.yourlist.items)):
            self.sellbtn_enabled = False
            self.playwave("click")
            return
        s = self.yourlist.items[self.sellindex]
        self.sellbtn_enabled = False
        self.playwave("click")
        p = self.magictype
        found = None
        for i in range(100):
            if self.catalog[p * 100 + i].name == s:
                found = self.catalog[p * 100 + i]
                break
        if found is None:
            return
        self.setgauge(self.gauge_value + 3 * found.level)
        self.pointscaption()
        book = self.cur().spellbook
        for k in range(self.sellindex, 99):
            book[k] = book[k + 1].copy()
        last = book[99].copy()
        last.name = last.sprite = last.element = ""
        last.walkcost = 0
        last.range = last.maxrange = last.aim = last.angle = last.x = last.y = 0.0
        last.mineffect = last.maxeffect = last.kind = 0
        book[99] = last
        self.refreshyourlist()

    # -- roster flow ------------------------------------------------------------------

    def budget(self):
        return 25 if self.gamelevel == 1 else 4 * self.gamelevel

    def NextPlayerBtnClick(self):
        self.playwave("button")
        w = self.cur()
        if w.name == "":
            self.message("warning", "Please enter a name")
            return
        if w.portrait == "":
            self.message("warning", "Please pick a picture")
            return
        if w.deathcry == "" or findwave(w.deathcry) is None:
            self.message("warning", "Please pick a death cry")
            return
        if self.currentplayer >= self.playercount:
            self.matchstart()
        else:
            self.currentplayer += 1
            n = self.cur()
            self.setnameed(n.name)
            self.picturebox.text = n.portrait
            self.sndbox.text = n.deathcry
            self.sellbtn_enabled = False
            self.showpicture("WizardPortrait", "forget" if n.portrait == "" else n.portrait)
            self.setpicker("health", n.maxhp)
            self.setpicker("mana", n.maxwalk)
            b = self.budget()
            self.gauge_max = b
            self.gauge_value = b
            self.gllabel2 = "Pick Your Traits Wizard: (%d)" % b
            self.refreshyourlist()

    def matchstart(self):
        r = self.rng
        self.playernameed.enabled = False
        self.picturebox.enabled = False
        self.sndbox.enabled = False
        self.playercountspinner.enabled = False
        n = r.randomint(20) + 10
        self.treecount = max(self.treecount, n)
        for i in range(1, n + 1):
            self.maketree(self.obstacles[i], False)
        pc = self.playercount
        for i in range(1, pc + 1):
            w = self.players[i]
            w.hp = w.maxhp
            w.walk = w.maxwalk
        for i in range(1, 51):
            a = self.inplay[i]
            a.name = ""
            a.level = a.walkcost = a.owner = a.mineffect = a.maxeffect = 0
            a.range = a.maxrange = a.aim = a.angle = a.x = a.y = 0.0
        self.inplaycount = 0
        for i in range(1, 26):
            self.explosions[i].radius = 0.0
        for c in range(1, 39):
            for row in range(1, 39):
                self.terrain[c][row] = "grass%d" % (r.randomint(3) + 1)
        P = self.players
        if pc == 1:
            P[1].x, P[1].y = 365.0, 0.0
        elif pc == 2:
            P[1].x, P[1].y = 365.0, 0.0
            P[2].x, P[2].y = 365.0, 730.0
        elif pc == 3:
            for i, (mx, sx, my, sy) in enumerate([(365, 200, 40, 10), (100, 50, 600, 50),
                                                  (600, 50, 400, 50)], 1):
                P[i].x = r.randomgauss(mx, sx)
                P[i].y = r.randomgauss(my, sy)
        elif pc == 4:
            P[1].x, P[1].y = 365.0, 0.0
            P[2].x, P[2].y = 365.0, 730.0
            P[3].x, P[3].y = 0.0, 365.0
            P[4].x, P[4].y = 730.0, 365.0
        else:
            for i in range(1, 13):
                P[i].x = r.randomgauss(365, 200)
                P[i].y = r.randomgauss(365, 200)
        for i in range(1, pc + 1):
            w = P[i]
            if not (w.x >= 0):
                w.x = 0.0
            if w.x > 730:
                w.x = 730.0
            if not (w.y >= 0):
                w.y = 0.0
            if w.y > 730:
                w.y = 730.0
        self.matchrunning = True
        self.currentplayer = r.randomint(pc) + 1
        self.purchase_visible = False
        self.startgame()

    # -- turn start ----------------------------------------------------------------

    def removeinplay(self, i, fade=False):
        # The records move down by reference, so a caller holding the moving
        # ability keeps hold of it; the freed last place gets a record of its own.
        for j in range(i, 50):
            self.inplay[j] = self.inplay[j + 1]
        last = self.inplay[50].copy()
        last.name = ""
        if fade:
            last.x = last.y = 0.0
            last.mineffect = last.maxeffect = 0
        self.inplay[50] = last
        self.inplaycount -= 1

    def startgame(self):
        for i in range(1, 51):
            a = self.inplay[i]
            if a.name != "" and a.kind == 1:
                return
        r = self.rng
        self.timer_enabled = False
        for i in range(1, self.treecount + 1):
            t = self.obstacles[i]
            if trunc(t.width) > 99:
                t.width = 99.0
            if trunc(t.height) > 119:
                t.height = 119.0
            k = r.randomint(100 - trunc(t.width))
            if k > 48 and t.width < 45:
                t.width = t.width + 100 / t.width
            k = r.randomint(120 - trunc(t.height))
            if k > 47 and t.height < 55:
                t.height = t.height + 111 / t.height
            k = r.randomint(50)
            if k > 48 and t.hits < 25:
                t.hits += 1
        k = r.randomint(100)
        if k > 92 and self.treecount != 30:
            self.treecount += 1
            self.maketree(self.obstacles[self.treecount], True)
        i = 1
        while i <= 50:
            a = self.inplay[i]
            if a.name != "" and a.kind in (2, 3, 4):
                k = r.randomint(100)
                if k < a.range:
                    self.removeinplay(i, fade=True)
            i += 1
        self.spellpicker_enabled = True
        self.abilitybtn = "Use Ability"
        if self.currentplayer >= self.playercount:
            self.currentplayer = 0
        self.currentplayer += 1
        if self.players[self.currentplayer].hp <= 0 and self.currentplayer <= self.playercount:
            self.currentplayer += 1
        if self.currentplayer > self.playercount:
            self.currentplayer = 1
        w = self.cur()
        w.walk = w.maxwalk
        self.mode = 0
        self.caption = w.name + " is moving..."
        self.message("info", "Player " + w.name + " its your turn.")
        self.namelbl = w.name
        self.walklbl = "Walk: %d / %d" % (w.walk, w.maxwalk)
        self.walkpie = idiv(w.walk * 100, w.maxwalk)
        self.hplbl = "HP: %d / %d" % (w.hp, w.maxhp)
        self.healthpie = idiv(w.hp * 100, w.maxhp)
        self.locationlbl = "(%d,%d)" % (trunc(w.x), trunc(w.y))
        self.showpicture("Portrait", w.portrait)
        self.spellpicker.clear()
        for a in w.spellbook:
            if a.name != "":
                self.spellpicker.items.append(a.name)
        if self.matchrunning:
            self.timer_enabled = True

    # -- turn control ------------------------------------------------------------

    def EndTurnBtnClick(self):
        if not self.matchrunning:
            return
        self.startgame()
        self.playwave("button")
        if self.firstturn:
            self.firstturn = False

    def SpellPickerClick(self):
        self.playwave("click")
        r = self.spellpicker.selected
        if r < 0:
            return
        a = self.cur().spellbook[r]
        lines = [a.name, "-------------"]
        kinds = {1: "Ability Type: Ranged Attack", 2: "Ability Type: Block Spell",
                 3: "Ability Type: Reflect Spell", 4: "Ability Type: Teleport"}
        if a.kind in kinds:
            lines.append(kinds[a.kind])
        lines += ["Level: %d" % a.level, "Walk Cost: %d" % a.walkcost,
                  "Range: " + generalfloat(a.range), "Aim: " + generalfloat(a.aim),
                  "Min Effect: %d" % a.mineffect, "Max Effect: %d" % a.maxeffect]
        self.abilityinfo = lines

    def AbilityBtnClick(self):
        if self.spellpicker.selected < 0:
            if not self.spellpicker.items:
                if self.mode == 1:
                    self.cancelaim()
                return
            self.spellpicker.selected = 0
        if self.mode == 0:
            w = self.cur()
            a = w.spellbook[self.spellpicker.selected]
            if a.walkcost > w.walk:
                return
            if self.firstturn and a.kind == 1:
                self.playwave("click")
                return
            self.playwave("cast")
            self.mode = 1
            self.spellpicker_enabled = False
            self.spellpicker_color = "red"
            self.abilitybtn = "Cancel"
        elif self.mode == 1:
            self.cancelaim()

    def cancelaim(self):
        self.playwave("click")
        self.abilitybtn = "Use Ability"
        self.mode = 0
        self.spellpicker_enabled = True
        self.spellpicker_color = "yellow"

    # -- mouse on the arena -------------------------------------------------------

    def DrawMouseDown(self, X, Y):
        if not self.matchrunning:
            return
        X = float(X)
        Y = float(Y)
        if self.mode == 0:
            w = self.cur()
            ddx = w.x + 10 - X
            ddy = w.y + 10 - Y
            d = math.sqrt(ddx * ddx + ddy * ddy)
            if not (w.walk * 10 < d):
                self.playwave("step")
                w.walk = w.walk - (trunc(d / 10) + 1)
                w.x = X - 10
                w.y = Y - 10
                self.walklbl = "Walk: %d / %d" % (w.walk, w.maxwalk)
                self.walkpie = idiv(w.walk * 100, w.maxwalk)
                self.locationlbl = "(%d,%d)" % (trunc(w.x), trunc(w.y))
                if w.walk == 0:
                    self.firstturn = False
                    self.startgame()
        if self.mode == 1:
            w = self.cur()
            row = self.spellpicker.selected
            if row < 0:
                return
            a = w.spellbook[row]
            ddx = w.x + 10 - X
            ddy = w.y + 10 - Y
            d = math.sqrt(ddx * ddx + ddy * ddy)
            if a.aim < d:
                return
            if a.walkcost > w.walk:
                return
            if self.inplaycount == 50:
                return
            self.inplaycount += 1
            n = self.inplaycount
            s = a.copy()
            self.inplay[n] = s
            s.owner = self.currentplayer
            if s.kind == 1:
                s.x = w.x + 10
                s.y = w.y + 10
                s.angle = math.atan2(s.y - Y, s.x - X)
                s.dx = -math.cos(s.angle) * 8
                s.dy = -math.sin(s.angle) * 8
                self.playwave(s.element)
            elif s.kind in (2, 3):
                s.x = X - s.spritewidth / 2
                s.y = Y - s.spriteheight / 2
                s.angle = 0.0
                s.dx = 0.0
                s.dy = 0.0
                self.playwave(s.element)
            elif s.kind == 4:
                w.x = X - 10
                w.y = Y - 10
                self.playwave("teleport")
            s.range = s.maxrange
            if s.x == X:
                s.x = s.x + 0.0001
            w.walk = w.walk - s.walkcost
            self.walklbl = "Walk: %d / %d" % (w.walk, w.maxwalk)
            self.walkpie = idiv(w.walk * 100, w.maxwalk)

    # -- the tick ------------------------------------------------------------------------

    def roll(self, a):
        return self.rng.randomint(a.maxeffect - a.mineffect) + a.mineffect

    def makeexplosion(self, a):
        if self.explosioncount < 25:
            self.explosioncount += 1
        e = self.explosions[self.explosioncount]
        e.x = a.x
        e.y = a.y
        e.radius = float(a.level * 5)
        e.element = a.element

    def removetree(self, t):
        for j in range(t, 30):
            self.obstacles[j] = self.obstacles[j + 1]
        last = self.obstacles[30].copy()
        last.image = ""
        last.x = 0.0
        last.y = 0.0
        self.obstacles[30] = last
        self.treecount -= 1

    def GameTimerTimer(self):
        w = self.cur()
        if w.hp < 1:
            w.walk = 0
        flying = 0
        for i in range(1, 51):
            a = self.inplay[i]
            if a.name != "" and a.kind == 1 and a.range >= 0:
                flying += 1
        if w.walk <= 0 and flying == 0:
            self.startgame()
            self.firstturn = False
        w = self.cur()
        self.walklbl = "Walk: %d / %d" % (w.walk, w.maxwalk)
        self.walkpie = idiv(w.walk * 100, w.maxwalk)
        self.hplbl = "Hp: %d / %d" % (w.hp, w.maxhp)
        self.healthpie = idiv(w.hp * 100, w.maxhp)
        for k in range(1, 51):
            if self.inplay[k].name != "":
                self.processability(k)
        self.roundendcheck()
        i = 1
        while i <= self.explosioncount:
            e = self.explosions[i]
            e.radius -= 1
            if e.radius <= 0:
                for j in range(i, self.explosioncount):
                    self.explosions[j] = self.explosions[j + 1]
                # the old last place keeps its content, as a record of its own
                if self.explosioncount > i:
                    self.explosions[self.explosioncount] = \
                        self.explosions[self.explosioncount].copy()
                self.explosioncount -= 1
            else:
                i += 1
        self.DrawScreen()

    def processability(self, k):
        ai = k
        A = self.inplay[ai]
        if A.kind == 1:
            A.range -= 1
        A.x += A.dx
        A.y += A.dy
        if A.x > 750 or A.x < 0 or A.y > 750 or A.y < 0:
            A.range = 0.0
        if A.range <= 0:
            self.removeinplay(ai)
            return
        # clashes
        j = 1
        while j <= 50:
            B = self.inplay[j]
            if B.name != "":
                cx = A.x + A.spritewidth / 2
                cy = A.y + A.spriteheight / 2
                if (B.x < cx < B.x + B.spritewidth and B.y < cy < B.y + B.spriteheight
                        and j != ai and A.element != B.element
                        and A.range + 20 < A.maxrange):
                    a = self.roll(A)
                    b = self.roll(B)
                    if B.kind in (1, 2):
                        if a > b:
                            self.playwave("wall")
                            A.mineffect -= b
                            A.maxeffect -= b
                            if A.mineffect < 0:
                                A.mineffect = 0
                            if A.maxeffect < 1:
                                A.maxeffect = 1
                            self.removeinplay(j)
                            if j < ai:
                                ai -= 1
                        elif b > a:
                            self.playwave("wall")
                            B.mineffect -= a
                            B.maxeffect -= a
                            if B.mineffect < 0:
                                B.mineffect = 0
                            if B.maxeffect < 1:
                                B.maxeffect = 1
                            self.removeinplay(ai)
                            return
                        else:
                            self.playwave("cancelation")
                            self.mutualcancel(ai, j)
                            return
                    elif B.kind == 3:
                        if a > b:
                            self.playwave("wall")
                            A.mineffect -= b
                            A.maxeffect -= b
                            self.removeinplay(j)
                            if j < ai:
                                ai -= 1
                        elif a < b:
                            self.playwave("wall")
                            A.dx = -A.dx
                            A.dy = -A.dy
                            A.owner = B.owner
                        else:
                            self.playwave("cancelation")
                            self.mutualcancel(ai, j)
                            return
            j += 1
        # trees
        for t in range(1, 31):
            T = self.obstacles[t]
            if T.image == "":
                continue
            if (T.x + T.width / 5 < A.x + A.spritewidth and A.x < T.x + 0.8 * T.width
                    and A.y + A.spriteheight > T.y and T.y + T.height > A.y
                    and A.range + 10 < A.maxrange):
                self.makeexplosion(A)
                self.playwave("obstacle")
                T.hits -= self.roll(A)
                if T.hits <= 0:
                    self.removetree(t)
                self.removeinplay(ai)
                return
        # wizards
        for p in range(1, self.playercount + 1):
            W = self.players[p]
            if (A.x + A.spritewidth > W.x and W.x + 20 > A.x
                    and A.y + A.spriteheight > W.y and W.y + 20 > A.y
                    and p != A.owner and W.hp > 0):
                self.makeexplosion(A)
                self.playwave("obstacle")
                d = self.roll(A)
                if d > 0:
                    self.playwave("hurt")
                W.hp -= d
                self.removeinplay(ai)
                if W.hp <= 0:
                    self.playwave(W.deathcry)
                    self.cur().kills += 1
                    self.deadcount += 1
                return

    def mutualcancel(self, ai, j):
        self.removeinplay(ai)
        self.removeinplay(j - 1 if j > ai else j)

    def roundendcheck(self):
        if not (self.deadcount >= self.playercount - 1 and self.playercount != 1):
            return
        self.gamelevel += 1
        self.lvllbl = "Level: %d" % self.gamelevel
        self.timer_enabled = False
        if self.matchrunning:
            standing = [p for p in range(1, self.playercount + 1) if self.players[p].hp > 0]
            who = self.players[standing[0]] if len(standing) == 1 else self.cur()
            self.message("info", "Player :" + who.name + " won this round!")
        self.purchase_visible = True
        self.deadcount = 0
        self.currentplayer = 1
        w1 = self.players[1]
        self.picturebox.text = w1.portrait
        self.sndbox.text = w1.deathcry
        self.setnameed(w1.name)
        self.sellbtn_enabled = False
        self.setpicker("health", w1.maxhp)
        self.setpicker("mana", w1.maxwalk)
        self.gauge_max = self.gamelevel * 4
        self.gauge_value = self.gamelevel * 4
        self.gllabel2 = "Pick Your Traits Wizard:(%d)" % (self.gamelevel * 4)
        self.showpicture("WizardPortrait", w1.portrait)
        self.refreshyourlist()
        self.matchrunning = False

    def DrawScreen(self):
        w = self.cur()
        self.locationlbl = "(%d,%d)" % (trunc(w.x), trunc(w.y))
        for i in range(1, self.explosioncount + 1):
            if self.explosions[i].element in MEMO1:
                self.rng.randomint(1000)
                self.rng.randomint(1000)
        self.frames += 1

    # -- output ------------------------------------------------------------------------

    def abilityjson(self, a, slot=None):
        parts = []
        for f, t in ABILITY_FIELDS:
            parts.append('"%s":%s' % (f, jsonvalue(getattr(a, f), t)))
        if slot is not None:
            parts.append('"slot":%d' % slot)
        return "{" + ",".join(parts) + "}"

    def catalogjson(self):
        return "[" + ",".join(self.abilityjson(a) for a in self.catalog) + "]"

    def statejson(self):
        J = jsonvalue
        out = []
        out.append('"seed":%d' % self.rng.seed)
        for f, t in [("currentplayer", int), ("playercount", int), ("sellindex", int),
                     ("matchrunning", bool), ("mode", int), ("inplaycount", int),
                     ("treecount", int), ("gamelevel", int), ("deadcount", int),
                     ("explosioncount", int), ("firstturn", bool)]:
            out.append('"%s":%s' % (f, J(getattr(self, f), t)))
        players = []
        for i in range(1, 13):
            p = self.players[i]
            book = ",".join(self.abilityjson(a, k) for k, a in enumerate(p.spellbook)
                            if a.name != "")
            players.append(
                '{"name":%s,"kills":%d,"x":%s,"y":%s,"hp":%d,"maxhp":%d,"walk":%d,'
                '"maxwalk":%d,"deathcry":%s,"portrait":%s,"spellbook":[%s]}' % (
                    J(p.name, str), p.kills, J(p.x, float), J(p.y, float), p.hp, p.maxhp,
                    p.walk, p.maxwalk, J(p.deathcry, str), J(p.portrait, str), book))
        out.append('"players":[%s]' % ",".join(players))
        # Computer wizards are beyond this model: nobody is ever computer-played here.
        out.append('"computer":[%s]' % ",".join(["false"] * 12))
        out.append('"computerskill":[%s]' % ",".join(['"Normal"'] * 12))
        out.append('"inplay":[%s]' % ",".join(
            self.abilityjson(self.inplay[i], i) for i in range(1, 51)
            if self.inplay[i].name != ""))
        obs = []
        for i in range(1, 31):
            t = self.obstacles[i]
            if t.image != "":
                obs.append('{"slot":%d,"x":%s,"y":%s,"width":%s,"height":%s,"hits":%d,'
                           '"image":%s}' % (i, J(t.x, float), J(t.y, float),
                                            J(t.width, float), J(t.height, float),
                                            t.hits, J(t.image, str)))
        out.append('"obstacles":[%s]' % ",".join(obs))
        exps = []
        for i in range(1, self.explosioncount + 1):
            e = self.explosions[i]
            exps.append('{"x":%s,"y":%s,"element":%s,"radius":%s}' % (
                J(e.x, float), J(e.y, float), J(e.element, str), J(e.radius, float)))
        out.append('"explosions":[%s]' % ",".join(exps))
        cols = []
        code = {"grass1": "1", "grass2": "2", "grass3": "3"}
        for c in range(1, 39):
            cols.append(J("".join(code.get(self.terrain[c][r], ".") for r in range(1, 39)), str))
        out.append('"terrain":[%s]' % ",".join(cols))
        out.append('"frames":%d' % self.frames)
        out.append('"messages":[%s]' % ",".join(
            '{"kind":%s,"text":%s}' % (J(m["kind"], str), J(m["text"], str))
            for m in self.messages))
        out.append('"sounds":[%s]' % ",".join(J(s, str) for s in self.sounds))
        self.messages = []
        self.sounds = []

        def lst(lb):
            return '{"items":[%s],"selected":%d}' % (",".join(J(s, str) for s in lb.items),
                                                     lb.selected)

        def edit(e):
            return '{"text":%s,"enabled":%s}' % (J(e.text, str), J(e.enabled, bool))

        c = []
        c.append('"Caption":' + J(self.caption, str))
        c.append('"TitleImage":{"visible":%s}' % J(self.title_visible, bool))
        c.append('"Draw":{"visible":%s}' % J(self.draw_visible, bool))
        c.append('"PurchaseWindow":{"visible":%s}' % J(self.purchase_visible, bool))
        c.append('"GameTimer":{"enabled":%s}' % J(self.timer_enabled, bool))
        for k, v in [("lvllbl", self.lvllbl), ("namelbl", self.namelbl),
                     ("LocationLbl", self.locationlbl), ("WalkLbl", self.walklbl),
                     ("HPlbl", self.hplbl), ("costlbl", self.costlbl),
                     ("glLabel2", self.gllabel2)]:
            c.append('"%s":%s' % (k, J(v, str)))
        c.append('"Walkpie":%d' % self.walkpie)
        c.append('"HealthPie":%d' % self.healthpie)
        c.append('"Portrait":' + J(self.portrait_pic, str))
        c.append('"WizardPortrait":' + J(self.wizardportrait_pic, str))
        c.append('"AbilityBtn":' + J(self.abilitybtn, str))
        c.append('"AbilityInfo":[%s]' % ",".join(J(s, str) for s in self.abilityinfo))
        c.append('"SpellInfo":[%s]' % ",".join(J(s, str) for s in self.spellinfo))
        c.append('"SpellPicker":{"items":[%s],"selected":%d,"enabled":%s,"color":%s}' % (
            ",".join(J(s, str) for s in self.spellpicker.items), self.spellpicker.selected,
            J(self.spellpicker_enabled, bool), J(self.spellpicker_color, str)))
        c.append('"PurchaseList":' + lst(self.purchaselist))
        c.append('"Yourlist":' + lst(self.yourlist))
        c.append('"MagicType":%d' % self.magictype)
        c.append('"SellBtn":{"enabled":%s}' % J(self.sellbtn_enabled, bool))
        for k, e in [("PlayerCountSpinner", self.playercountspinner),
                     ("PlayerNameEd", self.playernameed), ("PictureBox", self.picturebox),
                     ("SndBox", self.sndbox), ("HealthPicker", self.healthpicker),
                     ("ManaPicker", self.manapicker)]:
            c.append('"%s":%s' % (k, edit(e)))
        c.append('"PointGauge":{"value":%d,"max":%d}' % (self.gauge_value, self.gauge_max))
        c.append('"ComputerBox":{"checked":false}')
        c.append('"ComputerSkillBox":{"text":"Normal","enabled":false}')
        out.append('"controls":{%s}' % ",".join(c))
        return "{" + ",".join(out) + "}"


def generalfloat(x):
    """Shortest form with at most 15 significant digits, no trailing zeros."""
    return "%.15g" % x


def jsonstring(s):
    out = ['"']
    for ch in s:
        o = ord(ch)
        if ch == '"':
            out.append('\\"')
        elif ch == '\\':
            out.append('\\\\')
        elif o < 0x20:
            out.append('\\u%04x' % o)
        elif 0xDC80 <= o <= 0xDCFF:
            # a byte that was not valid UTF-8: shown as the replacement character
            out.append('\ufffd')
        else:
            out.append(ch)
    out.append('"')
    return "".join(out)


def jsonvalue(v, t):
    if t is bool:
        return "true" if v else "false"
    if t is int:
        return str(int(v))
    if t is str:
        return jsonstring(v)
    v = float(v)
    if v != v or math.isinf(v):
        return "null"
    if v == 0.0:
        return "-0" if math.copysign(1.0, v) < 0 else "0"
    if v.is_integer() and abs(v) < 1e16:
        return str(int(v))
    return repr(v)


# ---------------------------------------------------------------------------
# The script runner.

CLICKS = {"TitleImage", "PlaysndBtn", "PurchaseBtn", "SellBtn", "NextPlayerBtn",
          "EndTurnBtn", "AbilityBtn"}
# The computer extension's box: a valid name, but beyond this model.
COMPUTER_CLICKS = {"ComputerBox"}


class Unmodelled(Exception):
    """A script that hands a wizard to the computer: the model plays people only."""
SETS = {"PlayerCountSpinner", "PlayerNameEd", "PictureBox", "SndBox", "HealthPicker",
        "ManaPicker"}
SELECTS = {"PurchaseList", "Yourlist", "SpellPicker", "MagicType"}

NUM = re.compile(r'-?[0-9]+')


class BadLine(Exception):
    pass


def number(word, lo=None, hi=None):
    if not NUM.fullmatch(word):
        raise BadLine("malformed number '%s'" % word)
    v = int(word)
    if (lo is not None and v < lo) or (hi is not None and v > hi):
        raise BadLine("value %s out of range" % word)
    return v


def parse(line):
    """Returns (command, args) for one script line, or raises BadLine."""
    if line.startswith("set ") or line == "set":
        rest = line[4:] if line.startswith("set ") else ""
        if rest == "":
            raise BadLine("set needs a control name")
        if " " in rest:
            name, text = rest.split(" ", 1)
        else:
            name, text = rest, ""
        if name not in SETS:
            raise BadLine("unknown control '%s'" % name)
        return "set", (name, text)
    words = line.split(" ")
    cmd = words[0]
    args = words[1:]
    if any(w == "" for w in args):
        raise BadLine("empty word")

    def need(n):
        if len(args) != n:
            raise BadLine("%s takes %d word(s)" % (cmd, n))

    if cmd == "start":
        need(1)
        return cmd, (number(args[0], 0, 4294967295),)
    if cmd == "click":
        need(1)
        if args[0] not in CLICKS | COMPUTER_CLICKS:
            raise BadLine("unknown control '%s'" % args[0])
        return cmd, (args[0],)
    if cmd == "select":
        need(2)
        if args[0] not in SELECTS:
            raise BadLine("unknown control '%s'" % args[0])
        if args[0] == "MagicType":
            return cmd, (args[0], number(args[1], 0, 3))
        return cmd, (args[0], number(args[1], -2147483648, 2147483647))
    if cmd == "press":
        need(2)
        return cmd, (number(args[0], 0, 749), number(args[1], 0, 749))
    if cmd == "tick":
        need(1)
        return cmd, (number(args[0], 1, 2147483647),)
    if cmd in ("close", "state", "catalog"):
        need(0)
        return cmd, ()
    raise BadLine("unknown command '%s'" % cmd)


class Runner:
    def __init__(self, out):
        self.g = None
        self.out = out

    def editor_ok(self):
        return self.g.purchase_visible

    def run(self, cmd, args):
        g = self.g
        try:
            if cmd == "click":
                self.click(args[0])
            elif cmd == "set":
                self.set(*args)
            elif cmd == "select":
                self.select(*args)
            elif cmd == "press":
                if g.draw_visible:
                    g.DrawMouseDown(*args)
            elif cmd == "tick":
                for _ in range(args[0]):
                    if not g.timer_enabled:
                        break
                    try:
                        g.GameTimerTimer()
                    except LookupFailure as e:
                        g.message("error", str(e))
            elif cmd == "close":
                g.FormClose()
            elif cmd == "state":
                self.out.write(g.statejson() + "\n")
            elif cmd == "catalog":
                self.out.write(g.catalogjson() + "\n")
        except LookupFailure as e:
            g.message("error", str(e))

    def click(self, name):
        g = self.g
        if name == "ComputerBox":
            if self.editor_ok():
                raise Unmodelled("the model does not play computer wizards (click ComputerBox)")
            return
        if name == "TitleImage":
            if g.title_visible:
                g.TitleImageClick()
        elif name == "EndTurnBtn":
            g.EndTurnBtnClick()
        elif name == "AbilityBtn":
            g.AbilityBtnClick()
        elif not self.editor_ok():
            return
        elif name == "PlaysndBtn":
            g.PlaysndBtnClick()
        elif name == "PurchaseBtn":
            g.PurchaseBtnClick()
        elif name == "SellBtn":
            if g.sellbtn_enabled:
                g.SellBtnClick()
        elif name == "NextPlayerBtn":
            g.NextPlayerBtnClick()

    def set(self, name, text):
        g = self.g
        if not self.editor_ok():
            return
        edit = {"PlayerCountSpinner": g.playercountspinner, "PlayerNameEd": g.playernameed,
                "PictureBox": g.picturebox, "SndBox": g.sndbox,
                "HealthPicker": g.healthpicker, "ManaPicker": g.manapicker}[name]
        if not edit.enabled or edit.text == text:
            return
        edit.text = text
        {"PlayerCountSpinner": g.PlayerCountSpinnerChange,
         "PlayerNameEd": g.PlayerNameEdChange, "PictureBox": g.PictureBoxChange,
         "SndBox": g.SndBoxChange, "HealthPicker": g.HealthPickerChange,
         "ManaPicker": g.ManaPickerChange}[name]()

    def select(self, name, row):
        g = self.g
        if name == "SpellPicker":
            if not g.spellpicker_enabled or not (0 <= row < len(g.spellpicker.items)):
                return
            g.spellpicker.selected = row
            g.SpellPickerClick()
            return
        if not self.editor_ok():
            return
        if name == "MagicType":
            if row != g.magictype:
                g.magictype = row
                g.MagicTypeChange()
        elif name == "PurchaseList":
            if 0 <= row < len(g.purchaselist.items):
                g.purchaselist.selected = row
                g.PurchaseListClick()
        elif name == "Yourlist":
            if 0 <= row < len(g.yourlist.items):
                g.yourlist.selected = row
                g.YourlistClick()


class Session:
    """Runs a script line by line; feed() raises BadLine for a bad line."""

    def __init__(self, out):
        self.runner = Runner(out)
        self.started = False
        self.closed = False
        self.anycommand = False

    @property
    def game(self):
        return self.runner.g

    def feed(self, line):
        if line.endswith("\r"):
            line = line[:-1]
        stripped = line.strip(" \t")
        if stripped == "" or stripped.startswith("#"):
            return
        self.anycommand = True
        if self.closed:
            raise BadLine("a line after close")
        cmd, args = parse(line)
        if cmd == "start":
            if self.started:
                raise BadLine("start repeated")
            self.started = True
            self.runner.g = Game(args[0])
            self.runner.g.FormCreate()
            return
        if not self.started:
            raise BadLine("start missing")
        self.runner.run(cmd, args)
        if cmd == "close":
            self.closed = True


def runscript(data, out, err):
    """Runs the script bytes DATA, writing to OUT and ERR; returns the exit status."""
    text = data.decode("utf-8", "surrogateescape")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    session = Session(out)
    for n, line in enumerate(lines, 1):
        try:
            session.feed(line)
        except BadLine as e:
            err.write("line %d: %s\n" % (n, e))
            return 2
        except Unmodelled as e:
            err.write("line %d: %s\n" % (n, e))
            return 1
    if not session.anycommand:
        err.write("line 1: a script needs at least one command\n")
        return 2
    return 0


def main(argv):
    if len(argv) > 1:
        with open(argv[1], "rb") as f:
            data = f.read()
    else:
        data = sys.stdin.buffer.read()
    import io
    out = io.TextIOWrapper(sys.stdout.buffer, encoding="utf-8", newline="\n")
    rc = runscript(data, out, sys.stderr)
    out.flush()
    return rc


if __name__ == "__main__":
    sys.exit(main(sys.argv))
