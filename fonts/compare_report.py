#!/usr/bin/python3
"""Compares the glyph font's drawing of the word table with Noto Sans Bengali's.

Glyph-code text (the default). For every row of a table with the columns "bijoy" (glyph-code text, written
as its Windows-1252 characters in UTF-8) and "unicode" (the same text in
Unicode), both strings are shaped with hb-shape (ours with the glyph font,
the Unicode one with Noto Sans Bengali) and drawn into 1-bit images at one
size from the fonts' outlines. The score of a row is the worst score over
windows one em wide (stepping half an em) of
    1 - (ink of either image not within one pixel of the other's ink) / (ink of both)
so a missing, moved or wrong mark or conjunct shows locally, however long
the text. A perfect match scores 1.

Prints one line per row, worst first, then "N of M pass". Exits 1 when any
row scores below --min-score, 2 on unusable input.

Unicode text (--unicode). The glyph font also carries Noto's Unicode Bengali,
so the "unicode" column must come out the same from both fonts: the same
glyph run from hb-shape (glyphs, clusters, offsets, advances) and the same
image, pixel for pixel. Prints the rows that differ first, then
"N of M identical"; exits 1 unless every row is identical.

Usage: compare_report.py --font PebbleGlyphBengali.ttf --reference NotoSansBengali-Regular.ttf
       --table word-table-unicode.tsv [--unicode] [--hb-shape hb-shape]
       [--min-score 0.99] [--ppem 40]
"""

import argparse
import json
import math
import os
import subprocess
import sys
import tempfile

try:
    from fontTools.ttLib import TTFont
    from fontTools.pens.basePen import BasePen
except ImportError as exc:  # pragma: no cover
    sys.exit(f"compare_report: fontTools is missing ({exc}); install python3-fonttools")

sys.dont_write_bytecode = True  # keep the source tree clean
from glyph_chars import DEFAULT_PATH as GLYPH_CHARS_PATH, read_glyph_chars

DEFAULT_MIN_SCORE = 0.99


class InputError(Exception):
    pass


def glyph_code_text(text, chars):
    """The string the program draws for glyph-code text given as its Windows-1252 characters.

    Tables write byte 0xAD as the soft hyphen, its Windows-1252 reading."""
    codes = set(chars)
    out = []
    for ch in text.replace("\u00AD", chr(chars[0xAD])):
        if ord(ch) not in codes:
            raise InputError(f"{ch!r} (U+{ord(ch):04X}) is not a glyph code")
        out.append(ch)
    return "".join(out)


def read_table(path):
    try:
        with open(path, encoding="utf-8") as handle:
            lines = handle.read().splitlines()
    except (OSError, UnicodeDecodeError) as exc:
        raise InputError(f"cannot read {path}: {exc}")
    if not lines:
        raise InputError(f"{path}: empty file")
    header = lines[0].split("\t")
    if "bijoy" not in header or "unicode" not in header:
        raise InputError(f"{path}: header must name the columns bijoy and unicode")
    cols = {name: header.index(name) for name in header}
    rows = []
    for lineno, line in enumerate(lines[1:], 2):
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) < len(header):
            raise InputError(f"{path}:{lineno}: too few columns")
        label = " ".join(fields[cols[c]] for c in ("position", "field") if c in cols) or str(lineno)
        rows.append((label, fields[cols["bijoy"]], fields[cols["unicode"]]))
    if not rows:
        raise InputError(f"{path}: no rows")
    return rows


def shape(hb_shape, font_path, texts):
    """hb-shape runs, one per text: [{g, dx, dy, ax, ay}, ...]; an empty text has none."""
    filled = [i for i, text in enumerate(texts) if text]
    runs = [[] for _ in texts]
    if not filled:
        return runs
    for i, run in zip(filled, shape_lines(hb_shape, font_path, [texts[i] for i in filled])):
        runs[i] = run
    return runs


def shape_lines(hb_shape, font_path, texts):
    with tempfile.TemporaryDirectory() as tmp:
        text_file = os.path.join(tmp, "texts.txt")
        with open(text_file, "w", encoding="utf-8") as handle:
            handle.write("\n".join(texts) + "\n")
        try:
            done = subprocess.run([hb_shape, font_path, f"--text-file={text_file}",
                                   "--output-format=json"],
                                  capture_output=True, text=True, check=False)
        except OSError as exc:
            raise InputError(f"cannot run {hb_shape}: {exc}")
    if done.returncode != 0:
        raise InputError(f"hb-shape failed on {font_path}: {done.stderr.strip()}")
    runs = [json.loads(line) for line in done.stdout.splitlines() if line.strip()]
    if len(runs) != len(texts):
        raise InputError(f"hb-shape returned {len(runs)} runs for {len(texts)} texts")
    return runs


class FlattenPen(BasePen):
    """Collects a glyph's contours as polygons, curves cut into straight pieces."""

    STEPS = 8

    def __init__(self, glyph_set):
        super().__init__(glyph_set)
        self.contours = []

    def _moveTo(self, pt):
        self.contours.append([pt])

    def _lineTo(self, pt):
        self.contours[-1].append(pt)

    def _qCurveToOne(self, p1, p2):
        (x0, y0) = self.contours[-1][-1]
        for i in range(1, self.STEPS + 1):
            t = i / self.STEPS
            a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
            self.contours[-1].append((a * x0 + b * p1[0] + c * p2[0], a * y0 + b * p1[1] + c * p2[1]))

    def _curveToOne(self, p1, p2, p3):
        (x0, y0) = self.contours[-1][-1]
        for i in range(1, self.STEPS + 1):
            t = i / self.STEPS
            a, b, c, d = (1 - t) ** 3, 3 * (1 - t) ** 2 * t, 3 * (1 - t) * t * t, t ** 3
            self.contours[-1].append((a * x0 + b * p1[0] + c * p2[0] + d * p3[0],
                                      a * y0 + b * p1[1] + c * p2[1] + d * p3[1]))

    def _closePath(self):
        pass

    _endPath = _closePath


class Rasterizer:
    """1-bit images of shaped runs; an image is {row: int}, bit x = pixel column x."""

    PHASES = 4  # glyphs are placed at quarter-pixel steps

    def __init__(self, font_path, ppem):
        try:
            self.font = TTFont(font_path)
        except Exception as exc:
            raise InputError(f"cannot read font {font_path}: {exc}")
        self.glyph_set = self.font.getGlyphSet()
        self.scale = ppem / self.font["head"].unitsPerEm
        # Column x of a glyph is stored as bit x + offset: ink may reach left of
        # the glyph origin (marks) and of the text origin (a leading mark).
        self.offset = 4 * ppem
        self.cache = {}

    def glyph_bits(self, name, fx, fy):
        key = (name, fx, fy)
        if key not in self.cache:
            self.cache[key] = self._rasterize(name, fx / self.PHASES, fy / self.PHASES)
        return self.cache[key]

    def _rasterize(self, name, fx, fy):
        if name not in self.glyph_set and name.startswith("gid") and name[3:].isdigit():
            order = self.font.getGlyphOrder()  # hb-shape names unnamed glyphs gidN
            if int(name[3:]) < len(order):
                name = order[int(name[3:])]
        if name not in self.glyph_set:
            raise InputError(f"glyph {name} is not in the font")
        pen = FlattenPen(self.glyph_set)
        self.glyph_set[name].draw(pen)
        s = self.scale
        edges = []
        for contour in pen.contours:
            pts = [(x * s + fx, -y * s + fy) for x, y in contour]
            for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                if y0 != y1:
                    edges.append((x0, y0, x1, y1))
        bits = {}
        if not edges:
            return bits
        top = math.floor(min(min(e[1], e[3]) for e in edges))
        bottom = math.ceil(max(max(e[1], e[3]) for e in edges))
        for row in range(top, bottom + 1):
            y = row + 0.5
            crossings = []
            for x0, y0, x1, y1 in edges:
                if (y0 <= y < y1) or (y1 <= y < y0):
                    crossings.append((x0 + (y - y0) * (x1 - x0) / (y1 - y0), 1 if y1 > y0 else -1))
            if not crossings:
                continue
            crossings.sort()
            line, winding = 0, 0
            for i, (x, direction) in enumerate(crossings):
                before = winding
                winding += direction
                if before == 0 and winding != 0:
                    start = x
                elif before != 0 and winding == 0:
                    first = max(math.ceil(start - 0.5) + self.offset, 0)
                    last = max(math.ceil(x - 0.5) + self.offset, 0)
                    if last > first:
                        line |= ((1 << (last - first)) - 1) << first
            if line:
                bits[row] = line
        return bits

    def draw(self, run):
        image = {}
        pen_x = 0
        for item in run:
            x = (pen_x + item["dx"]) * self.scale
            y = -item["dy"] * self.scale
            ix, iy = math.floor(x), math.floor(y)
            fx = round((x - ix) * self.PHASES)
            fy = round((y - iy) * self.PHASES)
            for row, line in self.glyph_bits(item["g"], fx, fy).items():
                placed = line << ix if ix >= 0 else line >> -ix
                image[row + iy] = image.get(row + iy, 0) | placed
            pen_x += item["ax"]
        return image


def dilate(image):
    out = {}
    for row, line in image.items():
        wide = line | (line << 1) | (line >> 1)
        for r in (row - 1, row, row + 1):
            out[r] = out.get(r, 0) | wide
    return out


def score(ours, reference, window):
    """Worst windowed agreement of two images (1 = identical up to one pixel)."""
    near_ref, near_ours = dilate(reference), dilate(ours)
    rows = set(ours) | set(reference)
    width = max([line.bit_length() for line in ours.values()] +
                [line.bit_length() for line in reference.values()] + [0])
    lowest = min([(line & -line).bit_length() - 1 for line in ours.values() if line] +
                 [(line & -line).bit_length() - 1 for line in reference.values() if line] + [width])
    worst = 1.0
    step = max(1, window // 2)
    for start in range(max(lowest - step, 0), max(width, 1), step):
        mask = ((1 << window) - 1) << start
        ink = miss = 0
        for row in rows:
            a = ours.get(row, 0) & mask
            b = reference.get(row, 0) & mask
            ink += a.bit_count() + b.bit_count()
            miss += (a & ~near_ref.get(row, 0)).bit_count() + (b & ~near_ours.get(row, 0)).bit_count()
        if ink:
            worst = min(worst, 1 - miss / ink)
    return worst


def draws_notdef(run):
    return any(item["g"] in (".notdef", "gid0") for item in run)


def compare_unicode(args, rows):
    texts = [uni for _, _, uni in rows]
    ours_runs = shape(args.hb_shape, args.font, texts)
    ref_runs = shape(args.hb_shape, args.reference, texts)
    ours_r = Rasterizer(args.font, args.ppem)
    ref_r = Rasterizer(args.reference, args.ppem)
    results = []
    for (label, _, uni), ours, ref in zip(rows, ours_runs, ref_runs):
        if draws_notdef(ours):
            note = "draws .notdef"
        elif ours != ref:
            note = "different glyph run"
        elif ours_r.draw(ours) != ref_r.draw(ref):
            note = "different pixels"
        else:
            note = ""
        results.append((not note, label, uni, note))
    results.sort(key=lambda r: (r[0], r[1]))
    for same, label, uni, note in results:
        print(f"{'identical' if same else 'DIFFERS  '}  {label:<14} {uni}" + (f"  ({note})" if note else ""))
    identical = sum(same for same, _, _, _ in results)
    print(f"{identical} of {len(results)} identical (Unicode text, glyph runs and pixels)")
    return 0 if identical == len(results) else 1


def compare(args):
    rows = read_table(args.table)
    if args.unicode:
        return compare_unicode(args, rows)
    try:
        chars = read_glyph_chars(args.glyph_chars)
    except ValueError as exc:
        raise InputError(str(exc))
    ours_texts, problems = [], {}
    for i, (label, bijoy, _) in enumerate(rows):
        try:
            ours_texts.append(glyph_code_text(bijoy, chars))
        except InputError as exc:
            problems[i] = str(exc)
            ours_texts.append(" ")
    ours_runs = shape(args.hb_shape, args.font, ours_texts)
    ref_runs = shape(args.hb_shape, args.reference, [u for _, _, u in rows])
    ours_r = Rasterizer(args.font, args.ppem)
    ref_r = Rasterizer(args.reference, args.ppem)
    results = []
    for i, (label, bijoy, uni) in enumerate(rows):
        if i in problems:
            results.append((0.0, label, bijoy, uni, problems[i]))
            continue
        note = "draws .notdef" if draws_notdef(ours_runs[i]) else ""
        value = score(ours_r.draw(ours_runs[i]), ref_r.draw(ref_runs[i]), args.ppem)
        if note:
            value = 0.0
        results.append((value, label, bijoy, uni, note))
    results.sort(key=lambda r: (r[0], r[1]))
    passed = 0
    for value, label, bijoy, uni, note in results:
        ok = value >= args.min_score
        passed += ok
        print(f"{value:.4f} {'pass' if ok else 'FAIL'}  {label:<14} {bijoy} | {uni}"
              + (f"  ({note})" if note else ""))
    print(f"{passed} of {len(results)} pass (threshold {args.min_score})")
    return 0 if passed == len(results) else 1


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--font", required=True, help="the glyph font")
    parser.add_argument("--reference", required=True, help="Noto Sans Bengali")
    parser.add_argument("--table", required=True, help="TSV with bijoy and unicode columns")
    parser.add_argument("--unicode", action="store_true",
                        help="draw the unicode column with both fonts; every row must be identical")
    parser.add_argument("--glyph-chars", default=GLYPH_CHARS_PATH,
                        help="the character of each byte (core/glyph-chars.tsv)")
    parser.add_argument("--hb-shape", default="hb-shape")
    parser.add_argument("--min-score", type=float, default=DEFAULT_MIN_SCORE)
    parser.add_argument("--ppem", type=int, default=40, help="pixels per em of the images")
    args = parser.parse_args(argv)
    if args.ppem < 8 or args.ppem > 400:
        parser.error("--ppem must be between 8 and 400")
    try:
        return compare(args)
    except InputError as exc:
        print(f"compare_report: {exc}", file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
