#!/usr/bin/env python3
"""Writes collection, shape and layout files straight from their tables in docs/FILE_FORMATS.md, with no code of the
program, and checks that quorvex-cli lists and dumps every field as written."""

import json
import os
import random
import struct
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
rng = random.Random(1998)


def pstr(text: bytes, capacity: int, filler: int = 0) -> bytes:
    # length byte, the text, then leftover bytes that must not show
    return bytes([len(text)]) + text + bytes([filler]) * (capacity - len(text))


def layout_object(kind, label, bounds, text=b"", bitmap=b""):
    o = bytearray()
    o += struct.pack("<h", kind)
    o += pstr(label, 15, 0x55)
    o += struct.pack("<4i", *bounds)
    o += pstr(b"Arial", 30)
    o += struct.pack("<h", 11)               # FontSize
    o += struct.pack("<I", 0x000000FF)       # FontColor: red
    o += bytes([1, 0, 1, 0])                 # Bold Italic Underline StrikeOut
    o += pstr(b"Times", 30)
    o += struct.pack("<h", 6)                # NumberFontSize
    o += struct.pack("<I", 0x00FF0000)       # NumberFontColor: blue
    o += bytes([0, 1, 0, 1])                 # NumberStyle
    o += struct.pack("<I", 0x00FFFFFF)       # SquareColor
    o += struct.pack("<I", 0x00008000)       # LineColor
    o += bytes([0])                          # NumbersHorizontal
    o += struct.pack("<i", 3)                # LineWidth
    o += struct.pack("<h", 3)                # Alignment
    o += text + b"\0" + bytes([0x77]) * (1000 - len(text))  # Text, zero-terminated
    o += bytes([1])                          # Transparent
    o += struct.pack("<h", 4)                # Columns
    o += bytes([1, 0, 1])                    # Split MakeItFit Filled
    o += struct.pack("<I", 0x00123456)       # FillColor
    o += struct.pack("<I", 0x00654321)       # BorderColor
    o += bytes([1])                          # HasBorder
    o += struct.pack("<h", 2)                # BorderWidth
    o += pstr(bitmap, 255)
    o += bytes([9, 9, 9, 9])                 # picture place
    o += struct.pack("<h", 8)                # UsedFontSize
    o += bytes([0xEE]) * 28
    assert len(o) == 1439, len(o)
    return bytes(o)


def page_layout(name, paper, objects, count=None, width=8.5, height=11.0):
    h = bytearray()
    h += pstr(name, 20) + pstr(paper, 20)
    h += struct.pack("<dd", width, height)
    h += struct.pack("<hh", 408, 528)
    h += bytes([1])
    h += struct.pack("<h", len(objects) if count is None else count)
    h += bytes([1])
    h += struct.pack("<h", 1)
    h += bytes([0xAA]) * 20
    assert len(h) == 88
    slots = list(objects) + [bytes([rng.randrange(256) for _ in range(1439)]) for _ in range(20 - len(objects))]
    data = bytes(h) + b"".join(slots)
    assert len(data) == 28868
    return data


def puzzle(category, name, words):
    r = bytearray()
    r += pstr(b"3.1", 5)
    r += pstr(category, 20)
    r += pstr(name, 35)
    r += struct.pack("<hh", 17, 13)
    grid = bytes(rng.choice([0, 32, 65, 66, 0xE9]) for _ in range(2500))
    r += grid
    r += struct.pack("<hhh", len(words), 1, len(words) - 1)
    for k in range(200):
        r += pstr(words[k][0] if k < len(words) else b"", 30)
    for k in range(200):
        r += pstr(words[k][1] if k < len(words) else b"", 150)
    pos = [rng.randrange(1, 2501) for _ in range(200)]
    lens = [rng.randrange(0, 31) for _ in range(200)]
    nums = [rng.randrange(0, 300) for _ in range(200)]
    across = [rng.randrange(2) for _ in range(200)]
    placed = [1 if k < len(words) else 0 for k in range(200)]
    r += struct.pack("<200h", *pos) + struct.pack("<200h", *lens) + struct.pack("<200h", *nums)
    r += bytes(across) + bytes(placed)
    r += bytes([1])
    r += page_layout(b"Daily Page", b"Letter", [layout_object(2, b"Puzzle", (96, 76, 312, 292)),
                                                 layout_object(10, b"Text 1", (1, 2, 3, 4), b"Caf\xe9 time")])
    r += pstr(b"Which bird?", 150)
    r += bytes(range(30))
    assert len(r) == 69623
    return bytes(r), grid, pos, lens, nums, across, placed


def run(*args):
    p = subprocess.run([CLI, *args], capture_output=True)
    if p.returncode != 0:
        raise SystemExit(f"quorvex-cli {' '.join(args)} failed: {p.stderr.decode()}")
    return json.loads(p.stdout)


def check(cond, what):
    if not cond:
        raise SystemExit("FAILED: " + what)


failures = 0
with tempfile.TemporaryDirectory() as tmp:
    coll = os.path.join(tmp, "INDEP.QX3")
    p0 = puzzle(b"Birds", b"Garden Birds", [(b"WREN", b"Small brown bird"), (b"ROBIN", b"Red breast")])
    p1 = puzzle(b"Caf\xe9s", b"Coffee", [(b"LATTE", b"Milky"), (b"MOCHA", b"Chocolate"), (b"ESPRESSO", b"Short")])
    p2 = puzzle(b"Birds", b"Sea Birds", [(b"AUK", b"Diver"), (b"TERN", b"Arctic flyer")])
    with open(coll, "wb") as f:
        f.write(p0[0] + p1[0] + p2[0] + b"partial tail")

    listed = run("list", coll, "--json")
    check(listed["categories"] == ["Birds", "Cafés"], "categories in first-seen order")
    check([(p["record"], p["category"], p["name"]) for p in listed["puzzles"]] ==
          [(0, 0, "Garden Birds"), (1, 1, "Coffee"), (2, 0, "Sea Birds")], "puzzles in record order")

    d = run("dump", coll, "1", "--json")
    _, grid, pos, lens, nums, across, placed = p1
    check(d["VersionTag"] == "3.1" and d["Category"] == "Cafés" and d["PuzzleName"] == "Coffee", "texts")
    check(d["GridWidth"] == 17 and d["GridHeight"] == 13, "grid size")
    check(d["Grid"] == list(grid), "grid bytes")
    check(d["WordCount"] == 3 and d["AcrossCount"] == 1 and d["DownCount"] == 2, "counts")
    check(d["Words"][:4] == ["LATTE", "MOCHA", "ESPRESSO", ""] and len(d["Words"]) == 200, "words")
    check(d["Clues"][2] == "Short" and len(d["Clues"]) == 200, "clues")
    check(d["WordPos"] == pos and d["WordLen"] == lens and d["WordNumber"] == nums, "positions")
    check(d["WordAcross"] == across and d["WordPlaced"] == placed and d["PuzzleBuilt"] == 1, "flags")
    check(d["BonusQuestion"] == "Which bird?", "bonus question")
    pl = d["PageLayout"]
    check(pl["LayoutName"] == "Daily Page" and pl["PaperName"] == "Letter", "layout names")
    check(pl["PageWidth"] == 8.5 and pl["PageHeight"] == 11.0 and pl["LayoutWidth"] == 408, "page size")
    check(pl["ObjectCount"] == 2 and len(pl["Objects"]) == 2, "objects in use only")
    o = pl["Objects"][1]
    expected = {"Kind": 10, "ObjectLabel": "Text 1", "Bounds": [1, 2, 3, 4], "FontName": "Arial", "FontSize": 11,
                "FontColor": 255, "Bold": 1, "Italic": 0, "Underline": 1, "StrikeOut": 0,
                "NumberFontName": "Times", "NumberFontSize": 6, "NumberFontColor": 0xFF0000,
                "NumberStyle": [0, 1, 0, 1], "SquareColor": 0xFFFFFF, "LineColor": 0x8000,
                "NumbersHorizontal": 0, "LineWidth": 3, "Alignment": 3, "Text": "Café time", "Transparent": 1,
                "Columns": 4, "Split": 1, "MakeItFit": 0, "Filled": 1, "FillColor": 0x123456,
                "BorderColor": 0x654321, "HasBorder": 1, "BorderWidth": 2, "BitmapFile": "", "UsedFontSize": 8}
    for key, value in expected.items():
        check(o[key] == value, f"layout object field {key}: {o[key]!r} != {value!r}")

    # A shape library of two shapes, and a layout library with a custom paper.
    shapes = os.path.join(tmp, "QXFLAY.DAT")
    cells = bytes(rng.randrange(2) for _ in range(2500))
    with open(shapes, "wb") as f:
        f.write(pstr(b"Star", 50, 0x33) + struct.pack("<hh", 15, 13) + cells)
        f.write(pstr(b"Square", 50) + struct.pack("<hh", 5, 5) + bytes([1]) * 2500)
    s = run("shapes", shapes, "--json")
    check([(x["record"], x["entry"]) for x in s] == [(0, "15x13 Star"), (1, "5x5 Square")], "shape entries")
    check(s[0]["fields"]["ShapeCells"] == list(cells) and s[0]["fields"]["ShapeWidth"] == 15, "shape fields")

    layouts = os.path.join(tmp, "QXFPAGE.DAT")
    with open(layouts, "wb") as f:
        f.write(page_layout(b"Daily Page", b"Letter", []))
        f.write(page_layout(b"Odd", b"Custom", [layout_object(1, b"Title", (0, 0, 10, 10))], width=8.5, height=11))
    lay = run("layouts", layouts, "--json")
    check([x["entry"] for x in lay] == ["Daily Page (Letter)", 'Odd (Custom 9" x 11")'] or
          [x["entry"] for x in lay] == ["Daily Page (Letter)", 'Odd (Custom 8" x 11")'], "layout entries")
    check(lay[1]["fields"]["Objects"][0]["ObjectLabel"] == "Title", "layout object label")

    # Bad input: one line on stderr, exit status 1, never a crash.
    for args in (["dump", coll, "3"], ["dump", coll, "x"], ["list", os.path.join(tmp, "none.QX3")],
                 ["frobnicate"], ["shapes", os.path.join(tmp, "none.DAT")]):
        p = subprocess.run([CLI, *args], capture_output=True)
        check(p.returncode == 1 and p.stderr.decode().count("\n") == 1, f"bad arguments {args}")

print("independent files: 1 passed, 0 failed")
