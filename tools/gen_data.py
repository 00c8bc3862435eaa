#!/usr/bin/env python3
"""Writes Zenthar's plain-text data files: planet names, the combat results
table and the star-field background.

Everything is deterministic so a regenerated asset set is byte-identical to
the committed one.  Usage:

    python3 tools/gen_data.py [OUTPUT_DIR]      (default: assets/ next to tools/)
"""

import os
import random
import sys

# ---------------------------------------------------------------------------
# Planet names.  One per map slot; the game refers to planets by their
# two-digit number, so the order here is the order on disk.  Names must stay
# comma-free and short enough for the side panel.
# ---------------------------------------------------------------------------
PLANET_NAMES = [
    "Aldebra Prime", "Vorn", "Kessira", "Talos Reach", "Nova Draconis",
    "Orridan", "Myrrh Tessel", "Quarn", "Helix Verge", "Zephara",
    "Brannoch", "Ilvane", "Castor Deep", "Sudrakh", "Pellucid",
    "Thessaly Nine", "Varkos", "Umbriel Gate", "Corvanne", "Ishtarra",
    "Drax Minor", "Eloria", "Fennick Hold", "Gathros", "Hyperion Rise",
    "Juno Kestrel", "Kyrandis", "Lumaris", "Mordrath", "Nexilon",
    "Obsidia", "Praxis Halo", "Quillon", "Rhodane", "Serapha",
    "Tarkeen", "Ulthar Drift", "Valdrin", "Wyrmhold", "Xandros",
    "Yssilia", "Zorath Spire", "Amberlune", "Borealis Tor", "Cindrel",
    "Dusk Meridian", "Everhal", "Farrowgate", "Glimmerfall", "Halcyon",
    "Ixion Crown",
]

# ---------------------------------------------------------------------------
# Combat results table.
#
# Rows are the force ratio, best for the attacker first:
#   0 = attacker 5:1 or better   5 = defender ahead, up to 2:1
#   1 = attacker 4:1             6 = defender 2:1
#   2 = attacker 3:1             7 = defender 3:1
#   3 = attacker 2:1             8 = defender 4:1 or worse
#   4 = about even (attacker equal or slightly ahead)
# Columns are the die result, worst for the attacker first.  Column 0 is only
# reachable by a human attacker whose good odds cost one pip, so it is the
# "something went wrong" column.
#
# A value v >= 0 means the defender loses v percent of its ships (a zero still
# costs it one ship, so every round bites); v < 0 means the attacker loses |v|
# percent instead.
#
# Design goals:
#   * Every row rises with the die, and every column falls as the odds turn
#     against the attacker, so a better roll or a bigger fleet is never worse.
#   * Overwhelming odds (rows 0-2) almost always win, and in big chunks
#     (+30..+60 in the middle of the die), so a 5:1 assault is over in one or
#     two rounds and the player is not punished for having planned well.
#   * Even odds (row 4) are a coin flip with moderate swings (-25..+25), which
#     makes a fair fight last several rounds and feel tense.
#   * Attacking into a stronger defender (rows 6-8) mostly bleeds the
#     attacker (-20..-50), yet the top die still gives a small win or a mild
#     loss, so a desperate attack is never hopeless, merely unwise.
#   * Nothing reaches +/-100: no single round wipes out a fleet.
# ---------------------------------------------------------------------------
CRT_ROWS = [
    #  die: 0    1    2    3    4    5
    [  25,  35,  45,  55,  65,  75],   # 5:1
    [  15,  30,  40,  50,  55,  65],   # 4:1
    [   5,  20,  30,  40,  50,  60],   # 3:1
    [ -10,   5,  15,  25,  35,  45],   # 2:1
    [ -25, -15,  -5,   5,  15,  25],   # even
    [ -35, -25, -15,  -5,   5,  15],   # defender up to 2:1
    [ -45, -35, -25, -20, -10,   5],   # defender 2:1
    [ -55, -45, -35, -30, -20, -10],   # defender 3:1
    [ -65, -55, -45, -40, -30, -20],   # defender 4:1
]

# ---------------------------------------------------------------------------
# Background stars.  Coordinates cover a full-HD map; the colour index picks
# from the game's small star palette, mostly the neutral light grey (7) with
# a sprinkling of tints so the field does not look flat.
# ---------------------------------------------------------------------------
STAR_COUNT = 300
STAR_SEED = 1977
MAP_W, MAP_H = 1920, 1080
STAR_COLOURS = [7, 1, 3, 5, 6]
STAR_WEIGHTS = [70, 6, 8, 8, 8]


def check_tables():
    assert len(PLANET_NAMES) == 51
    assert len(set(PLANET_NAMES)) == 51, "planet names must be distinct"
    for name in PLANET_NAMES:
        assert name.isascii() and 0 < len(name) <= 40
        assert "," not in name and '"' not in name and "'" not in name
    assert len(CRT_ROWS) == 9 and all(len(r) == 6 for r in CRT_ROWS)
    for r, row in enumerate(CRT_ROWS):
        assert all(-100 <= v <= 100 for v in row)
        assert row == sorted(row) and len(set(row)) == len(row), f"row {r} not rising"
    for c in range(6):
        col = [CRT_ROWS[r][c] for r in range(9)]
        assert col == sorted(col, reverse=True), f"column {c} not falling"


def write_lines(path, lines):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(out, exist_ok=True)
    check_tables()

    write_lines(os.path.join(out, "planets.dat"),
                [f"{i:02d} {name}" for i, name in enumerate(PLANET_NAMES, 1)])

    # On disk one line holds one die column across all nine odds rows.
    write_lines(os.path.join(out, "crt.dat"),
                [",".join(str(CRT_ROWS[r][c]) for r in range(9)) for c in range(6)])

    rng = random.Random(STAR_SEED)
    stars = []
    for _ in range(STAR_COUNT):
        x = rng.randrange(MAP_W)
        y = rng.randrange(MAP_H)
        c = rng.choices(STAR_COLOURS, weights=STAR_WEIGHTS)[0]
        stars.append(f"{x},{y},{c}")
    write_lines(os.path.join(out, "backgrnd.dat"), stars)

    print(f"wrote planets.dat, crt.dat, backgrnd.dat to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
