#!/usr/bin/python3
"""Builds the program's glyph font, "Pebble Glyph Bengali", from Noto Sans Bengali.

The dictionary keeps its Bengali text as 8-bit glyph codes. To draw a text the
program turns every byte into one character, as the byte table
core/glyph-chars.tsv reads it (Windows-1252, with a character for every
byte), and lays that string out with this font. The shaper sees
Latin and common characters only, so everything Bengali about the drawing lives
in this font. The font also carries Noto's Unicode Bengali untouched, so
Unicode text typed or pasted into a glyph-code box reads right as well:

* cmap: each glyph-code character goes to the glyph its byte stands for, as
  read from the encoding table bijoy-map.tsv (its "codepoints" column, the
  first reading of a byte). A byte that means one Unicode character uses
  Noto's glyph of that character (the one punctuation mark Noto Sans Bengali
  lacks, "@", comes from Noto Sans). A byte that means several (a half form
  such as "s-virama", a phala such as "virama-ba", a whole conjunct) gets a
  glyph of its own, composed of the glyphs Noto shapes that sequence to.
  Every other character of Noto's (the Bengali block, ZWJ, ZWNJ, the dotted
  circle, danda) keeps Noto's glyph; where the two meet, the glyph code wins
  (ASCII digits, for one, draw Bengali digits).
* GSUB, scripts beng and bng2: Noto's features and lookups as they are, so a
  Bengali shaper draws Unicode text exactly as with Noto. Noto's glyphs keep
  their ids and its lookups their indices.
* GSUB (features ccmp and rlig, scripts DFLT and latn): first every
  several-character byte glyph is replaced by the glyphs of its characters,
  which turns the glyph-code text into Noto's own glyph stream in visual
  order (pre-base vowel signs already stand first in glyph-code text); then
  Noto's Bengali lookups run on that stream in the order a Bengali shaper
  applies them (akhn, blwf, pstf, half, vatu, cjct, init, pres, abvs, blws,
  psts), which builds the conjuncts, ra- and ba-phala forms, vowel-sign
  variants and reph ligatures exactly as Noto draws Unicode text. A few
  rules of our own fill the gaps between the two orders: a half form followed
  by a phala carries two viramas; the letter a followed by the aa-kar is the
  letter aa; a reph typed after a post-base sign moves back onto its
  consonant and one typed before a below-base vowel sign moves after it; the
  half-form rule only fires before a consonant (a word-final hasanta stays
  visible); the initial e/ai-kar form is chosen from the preceding glyph; a
  mark with nothing to sit on gets a spacing form.
* GPOS: Noto's features for beng and bng2 as they are; for DFLT and latn
  (features mark, dist, kern) the same mark attachment and distance lookups,
  so marks sit over and under their bases as in Noto.

The output is reproducible: the same inputs give the same bytes.

Usage: build_glyph_font.py --source NotoSansBengali-Regular.ttf
       --latin-source NotoSans-Regular.ttf --map bijoy-map.tsv
       [--glyph-chars glyph-chars.tsv] --hb-shape /usr/bin/hb-shape
       --output PebbleGlyphBengali.ttf
"""

import argparse
import copy
import json
import os
import subprocess
import sys
import tempfile

try:
    from fontTools.ttLib import TTFont, newTable
    from fontTools.ttLib.tables import otTables as ot
    from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphComponent
    from fontTools.ttLib.tables import ttProgram
    from fontTools.ttLib.tables._c_m_a_p import cmap_format_4
    from fontTools.otlLib import builder as otl
except ImportError as exc:  # pragma: no cover - reported to the build
    sys.exit(f"build_glyph_font: fontTools is missing ({exc}); install python3-fonttools")

sys.dont_write_bytecode = True  # keep the source tree clean
from glyph_chars import DEFAULT_PATH as GLYPH_CHARS_PATH, read_glyph_chars

FAMILY = "Pebble Glyph Bengali"
POSTSCRIPT_NAME = "PebbleGlyphBengali-Regular"
VERSION = "1.000"

# Bytes the glyph-code text uses that the encoding table leaves implicit.
EXTRA_BYTES = {0x20: [0x20], 0xA0: [0xA0]}

VIRAMA = 0x09CD
DOTTED_CIRCLE = 0x25CC


class BuildError(Exception):
    pass


def read_map(path):
    """Reads the encoding table: {byte: (codepoints, role)}; first reading wins."""
    entries = {}
    try:
        with open(path, encoding="utf-8") as handle:
            lines = handle.read().splitlines()
    except OSError as exc:
        raise BuildError(f"cannot read {path}: {exc}")
    if not lines:
        raise BuildError(f"{path}: empty file")
    header = lines[0].split("\t")
    try:
        col_byte = header.index("byte")
        col_cps = header.index("codepoints")
        col_role = header.index("role")
    except ValueError:
        raise BuildError(f"{path}: header must name the columns byte, codepoints and role")
    for lineno, line in enumerate(lines[1:], 2):
        if not line.strip():
            continue
        cols = line.split("\t")
        where = f"{path}:{lineno}"
        if len(cols) <= max(col_byte, col_cps, col_role):
            raise BuildError(f"{where}: too few columns")
        try:
            byte = int(cols[col_byte], 16)
        except ValueError:
            raise BuildError(f"{where}: bad byte {cols[col_byte]!r}")
        if not 0x20 <= byte <= 0xFF:
            raise BuildError(f"{where}: byte {cols[col_byte]} is not a glyph code")
        cps = []
        for token in cols[col_cps].split():
            if not token.startswith("U+"):
                raise BuildError(f"{where}: bad code point {token!r}")
            try:
                cps.append(int(token[2:], 16))
            except ValueError:
                raise BuildError(f"{where}: bad code point {token!r}")
        if not cps:
            raise BuildError(f"{where}: no code points")
        role = cols[col_role].strip()
        if byte in entries:
            raise BuildError(f"{where}: byte {cols[col_byte]} listed twice")
        check_role(where, role, cps)
        entries[byte] = (cps, role)
    if not entries:
        raise BuildError(f"{path}: no entries")
    return entries


def check_role(where, role, cps):
    if role == "half-form" and (len(cps) < 2 or cps[-1] != VIRAMA):
        raise BuildError(f"{where}: a half form must end in a virama")
    if role == "phala" and (len(cps) < 2 or cps[0] != VIRAMA):
        raise BuildError(f"{where}: a phala must start with a virama")
    if role == "reph" and cps != [0x09B0, VIRAMA]:
        raise BuildError(f"{where}: the reph must read ra + virama")


def shape_runs(hb_shape, font_path, texts):
    """Noto's glyph runs for texts, via hb-shape: [[{g, dx, dy, ax}, ...], ...]."""
    if not texts:
        return []
    with tempfile.TemporaryDirectory() as tmp:
        text_file = os.path.join(tmp, "texts.txt")
        with open(text_file, "w", encoding="utf-8") as handle:
            handle.write("\n".join(texts) + "\n")
        try:
            done = subprocess.run(
                [hb_shape, font_path, f"--text-file={text_file}", "--output-format=json"],
                capture_output=True, text=True, check=False)
        except OSError as exc:
            raise BuildError(f"cannot run {hb_shape}: {exc}")
    if done.returncode != 0:
        raise BuildError(f"hb-shape failed: {done.stderr.strip()}")
    lines = [line for line in done.stdout.splitlines() if line.strip()]
    if len(lines) != len(texts):
        raise BuildError("hb-shape returned %d runs for %d texts" % (len(lines), len(texts)))
    return [json.loads(line) for line in lines]


def source_scripts(table):
    """{script tag: {feature tag: [lookup indices]}} of a layout table's default languages."""
    scripts = {}
    for rec in table.ScriptList.ScriptRecord:
        if rec.Script.LangSysRecord:
            raise BuildError(f"source font has language systems under {rec.ScriptTag}")
        lang = rec.Script.DefaultLangSys
        if lang is None:
            continue
        features = scripts.setdefault(rec.ScriptTag, {})
        for index in lang.FeatureIndex:
            feature = table.FeatureList.FeatureRecord[index]
            lookups = features.setdefault(feature.FeatureTag, [])
            lookups += [i for i in feature.Feature.LookupListIndex if i not in lookups]
    return scripts


def bengali_features(table):
    """{feature tag: [lookup indices]} of the Bengali (bng2, else beng) default language."""
    scripts = source_scripts(table)
    features = scripts.get("bng2") or scripts.get("beng")
    if not features:
        raise BuildError("source font has no Bengali layout rules")
    return features


def subtables_of(table, lookup_indices):
    """The subtables of the given lookups, extension wrappers removed."""
    for index in lookup_indices:
        for sub in table.LookupList.Lookup[index].SubTable:
            yield sub.ExtSubTable if sub.LookupType == 7 else sub


def ligatures_of(table, lookup_indices):
    """All ligature rules of the given lookups: {(first, rest...): ligature}."""
    result = {}
    for sub in subtables_of(table, lookup_indices):
        if isinstance(sub, ot.LigatureSubst):
            for first, ligs in sub.ligatures.items():
                for lig in ligs:
                    result.setdefault((first, *lig.Component), lig.LigGlyph)
    return result


def singles_of(table, lookup_indices):
    """All single substitutions of the given lookups: {glyph: replacement}."""
    result = {}
    for sub in subtables_of(table, lookup_indices):
        if isinstance(sub, ot.SingleSubst):
            for key, value in sub.mapping.items():
                result.setdefault(key, value)
    return result


class GlyphCodeLookups:
    """The lookups that shape glyph-code text, in the order they run.

    They follow the source font's own lookups, which keep their indices, so
    the source's features for Unicode Bengali stay exactly as they are. A
    source lookup the chain runs is copied into its place in the chain (a
    shaper runs a feature's lookups in index order); one a rule only calls is
    used where it is."""

    def __init__(self, source_table, glyph_map):
        self.source = source_table.LookupList.Lookup
        self.glyph_map = glyph_map
        self.lookups = []    # our lookups and the copies, after the source's
        self.run_order = []  # indices the glyph-code features run
        self.taken = set()   # source lookups already run or called

    def add(self, lookup):
        self.lookups.append(lookup)
        return len(self.source) + len(self.lookups) - 1

    def own(self, subtables):
        """A lookup of our own that rules call; its index."""
        return self.add(otl.buildLookup(subtables, 0))

    def run_own(self, subtables):
        self.run_order.append(self.own(subtables))

    def run_source(self, index):
        """Runs a source lookup at this point of the chain, once."""
        if index not in self.taken:
            self.taken.add(index)
            self.run_order.append(self.add(copy.deepcopy(self.source[index])))

    def call_source(self, index):
        """A source lookup for rules to call; its index."""
        self.taken.add(index)
        return index

    def rule(self, backtrack, inputs, lookahead, calls):
        """One chaining rule (format 3): glyph sets, backtrack nearest first;
        calls are (position in the input, lookup index)."""
        records = []
        for position, lookup in calls:
            rec = ot.SubstLookupRecord()
            rec.SequenceIndex, rec.LookupListIndex = position, lookup
            records.append(rec)
        sub = ot.ChainContextSubst()
        sub.Format = 3
        coverage = lambda sets: [otl.buildCoverage(sorted(g), self.glyph_map) for g in sets]
        sub.BacktrackGlyphCount, sub.BacktrackCoverage = len(backtrack), coverage(backtrack)
        sub.InputGlyphCount, sub.InputCoverage = len(inputs), coverage(inputs)
        sub.LookAheadGlyphCount, sub.LookAheadCoverage = len(lookahead), coverage(lookahead)
        sub.SubstCount, sub.SubstLookupRecord = len(records), records
        return sub


def layout_lists(scripts):
    """FeatureList and ScriptList for {script tag: {feature tag: [lookup indices]}}.

    One record per distinct feature; scripts and features in tag order, as
    OpenType asks (shapers look scripts up by binary search)."""
    features = sorted({(tag, tuple(lookups)) for script in scripts.values()
                       for tag, lookups in script.items()})
    position = {feature: i for i, feature in enumerate(features)}
    feature_list = ot.FeatureList()
    feature_list.FeatureRecord = []
    for tag, lookups in features:
        rec = ot.FeatureRecord()
        rec.FeatureTag = tag
        rec.Feature = ot.Feature()
        rec.Feature.FeatureParams = None
        rec.Feature.LookupListIndex = list(lookups)
        rec.Feature.LookupCount = len(lookups)
        feature_list.FeatureRecord.append(rec)
    feature_list.FeatureCount = len(features)
    script_list = ot.ScriptList()
    script_list.ScriptRecord = []
    for script_tag in sorted(scripts):
        lang = ot.LangSys()
        lang.LookupOrder = None
        lang.ReqFeatureIndex = 0xFFFF
        lang.FeatureIndex = sorted(position[(tag, tuple(lookups))]
                                   for tag, lookups in scripts[script_tag].items())
        lang.FeatureCount = len(lang.FeatureIndex)
        rec = ot.ScriptRecord()
        rec.ScriptTag = script_tag
        rec.Script = ot.Script()
        rec.Script.DefaultLangSys = lang
        rec.Script.LangSysRecord = []
        rec.Script.LangSysCount = 0
        script_list.ScriptRecord.append(rec)
    script_list.ScriptCount = len(script_list.ScriptRecord)
    return feature_list, script_list


# Scripts the shaper gives glyph-code text: Latin, or none for punctuation.
GLYPH_CODE_SCRIPTS = ("DFLT", "latn")
# The source's scripts for Unicode Bengali, carried over as they are.
BENGALI_SCRIPTS = ("beng", "bng2")


class GlyphFontBuilder:
    def __init__(self, source_path, entries, chars, hb_shape, latin_path=None):
        self.source_path = source_path
        self.chars = chars
        self.latin_path = latin_path
        self.latin = None
        self.entries = dict(entries)
        for byte, cps in EXTRA_BYTES.items():
            self.entries.setdefault(byte, (cps, "space"))
        self.hb_shape = hb_shape
        try:
            self.font = TTFont(source_path, recalcTimestamp=False)
        except Exception as exc:  # fontTools raises several types for bad files
            raise BuildError(f"cannot read source font {source_path}: {exc}")
        for tag in ("glyf", "cmap", "GSUB", "GPOS", "GDEF", "hmtx", "name", "OS/2"):
            if tag not in self.font:
                raise BuildError(f"source font has no {tag} table")
        self.source_cmap = self.font.getBestCmap()
        self.unicode_cmap = dict(self.source_cmap)  # before any glyph is added to it
        self.source_order = list(self.font.getGlyphOrder())
        self.glyf = self.font["glyf"]
        self.hmtx = self.font["hmtx"]
        self.gsub = self.font["GSUB"].table
        self.features = bengali_features(self.gsub)
        self.classes = dict(self.font["GDEF"].table.GlyphClassDef.classDefs)
        self.new_glyphs = []

    # -- glyphs -------------------------------------------------------------
    def nominal(self, cp):
        glyph = self.source_cmap.get(cp)
        if glyph is None:
            glyph = self.import_latin(cp)
        return glyph

    def import_latin(self, cp):
        """Copies a punctuation glyph the Bengali font lacks from the Latin font."""
        if self.latin_path is None:
            raise BuildError(f"source font has no glyph for U+{cp:04X} (no --latin-source given)")
        if self.latin is None:
            try:
                self.latin = TTFont(self.latin_path)
            except Exception as exc:
                raise BuildError(f"cannot read Latin font {self.latin_path}: {exc}")
            if self.latin["head"].unitsPerEm != self.font["head"].unitsPerEm:
                raise BuildError("the Latin font has a different em size")
        name = self.latin.getBestCmap().get(cp)
        if name is None:
            raise BuildError(f"neither source font has a glyph for U+{cp:04X}")
        source = self.latin["glyf"][name]
        if source.isComposite():
            raise BuildError(f"Latin glyph {name} is a composite")
        glyph = copy.deepcopy(source)
        glyph.expand(self.latin["glyf"])
        glyph.program = ttProgram.Program()  # its hints belong to the other font
        glyph.program.fromBytecode(b"")
        own_name = f"{name}.latn"
        self.glyf.glyphs[own_name] = glyph
        self.new_glyphs.append(own_name)
        self.hmtx.metrics[own_name] = self.latin["hmtx"][name]
        self.source_cmap[cp] = own_name
        return own_name

    def add_composite(self, name, parts, advance):
        """A composite glyph of (glyph, x, y) parts."""
        glyph = Glyph()
        glyph.numberOfContours = -1
        glyph.components = []
        for base, x, y in parts:
            comp = GlyphComponent()
            comp.glyphName = base
            comp.x, comp.y = int(round(x)), int(round(y))
            comp.flags = 0x4  # ROUND_XY_TO_GRID
            glyph.components.append(comp)
        self.glyf.glyphs[name] = glyph
        self.new_glyphs.append(name)
        glyph.recalcBounds(self.glyf)
        self.hmtx.metrics[name] = (int(round(advance)), getattr(glyph, "xMin", 0))
        self.classes[name] = 1

    def sequence_glyph(self, byte, cps, run):
        """The stand-alone glyph of a several-character byte, drawn as Noto shapes it."""
        parts, pen, after_circle = [], 0, False
        for item in run:
            name = item["g"]
            if name == self.nominal(DOTTED_CIRCLE):
                after_circle = True  # phalas shape onto a dotted circle; leave it out
                continue
            if after_circle and name == self.nominal(VIRAMA):
                after_circle = False
                continue
            after_circle = False
            parts.append((name, pen + item["dx"], item["dy"]))
            pen += item["ax"]
        if not parts:
            raise BuildError(f"byte 0x{byte:02X}: Noto draws nothing for its reading")
        name = f"glyphcode.{byte:02X}"
        self.add_composite(name, parts, pen)
        return name

    # -- build: one step per function, in this order -------------------------
    def build(self):
        for step in (self.map_glyph_codes, self.add_spacing_marks, self.set_glyph_order,
                     self.build_cmap, self.build_gsub, self.build_gpos, self.build_gdef,
                     self.build_names, self.build_os2, self.drop_stale_tables):
            step()
        return self.font

    def map_glyph_codes(self):
        """The glyph of every code, and the characters each several-character glyph stands for."""
        self.reph = self.reph_glyph()
        self.code_cmap, self.decode = {}, {}
        several = sorted(b for b, (cps, role) in self.entries.items()
                         if len(cps) > 1 and role != "reph")
        runs = shape_runs(self.hb_shape, self.source_path,
                          ["".join(map(chr, self.entries[b][0])) for b in several])
        run_of = dict(zip(several, runs))
        for byte in sorted(self.entries):
            cps, role = self.entries[byte]
            char = self.chars[byte]
            if role == "reph":
                self.code_cmap[char] = self.reph
            elif len(cps) == 1:
                self.code_cmap[char] = self.nominal(cps[0])
            else:
                glyph = self.sequence_glyph(byte, cps, run_of[byte])
                self.code_cmap[char] = glyph
                self.decode[glyph] = [self.nominal(cp) for cp in cps]

    def reph_glyph(self):
        rphf = ligatures_of(self.gsub, self.features.get("rphf", []))
        reph = rphf.get((self.nominal(0x09B0), self.nominal(VIRAMA)))
        if reph is None:
            raise BuildError("source font has no reph ligature")
        return reph

    def add_spacing_marks(self):
        """Spacing copies of the marks a code can map to, for a mark with no base."""
        self.spacing = {}
        for glyph in sorted(set(self.code_cmap.values())):
            if self.classes.get(glyph) != 3:
                continue
            outline = self.glyf[glyph]
            outline.recalcBounds(self.glyf)
            if not hasattr(outline, "xMin"):
                continue
            bearing = 60
            name = f"{glyph}.spacing"
            self.add_composite(name, [(glyph, bearing - outline.xMin, 0)],
                               outline.xMax - outline.xMin + 2 * bearing)
            self.spacing[glyph] = name

    def set_glyph_order(self):
        """Noto's glyphs keep their ids; ours follow."""
        order = self.source_order + self.new_glyphs
        self.font.setGlyphOrder(order)
        self.glyf.glyphOrder = order

    def build_cmap(self):
        """The glyph codes, and Noto's own characters where no glyph code takes them."""
        cmap = dict(self.unicode_cmap)
        cmap.update(self.code_cmap)
        table = newTable("cmap")
        table.tableVersion = 0
        table.tables = []
        for platform, encoding in ((0, 3), (3, 1)):
            sub = cmap_format_4(4)
            sub.platformID, sub.platEncID, sub.language = platform, encoding, 0
            sub.cmap = dict(cmap)
            table.tables.append(sub)
        self.font["cmap"] = table

    def letters(self):
        """Glyphs after which an e-kar is not word-initial and a mark has a base."""
        non_letters = {self.nominal(cp) for cp in range(0x09E6, 0x09F0)}
        non_letters |= {self.nominal(cp) for cp in range(0x09F2, 0x09FC) if cp in self.source_cmap}
        non_letters.add(self.nominal(DOTTED_CIRCLE))
        return {g for g, c in self.classes.items() if c in (1, 2, 3)} - non_letters - set(self.new_glyphs)

    # -- GSUB: Noto's Bengali features as they are, and the glyph-code chain --
    def build_gsub(self):
        chain = GlyphCodeLookups(self.gsub, self.font.getReverseGlyphMap(rebuild=True))
        for step in (self.decode_codes, self.join_viramas_and_aa, self.noto_forms_before_halves,
                     self.move_reph, self.half_forms, self.phalas_and_conjuncts,
                     self.initial_e_kar, self.presentation_forms, self.spacing_for_lone_marks):
            step(chain)
        self.gsub.LookupList.Lookup += chain.lookups
        self.gsub.LookupList.LookupCount = len(self.gsub.LookupList.Lookup)
        scripts = self.bengali_scripts(self.gsub)
        for tag in GLYPH_CODE_SCRIPTS:
            scripts[tag] = {"ccmp": chain.run_order, "rlig": chain.run_order}
        self.gsub.FeatureList, self.gsub.ScriptList = layout_lists(scripts)

    def bengali_scripts(self, table):
        scripts = {tag: features for tag, features in source_scripts(table).items()
                   if tag in BENGALI_SCRIPTS}
        if not scripts:
            raise BuildError("source font has no Bengali layout rules")
        return scripts

    def run_noto(self, chain, tags):
        for tag in tags:
            for index in self.features.get(tag, []):
                chain.run_source(index)

    def decode_codes(self, chain):
        """Several-character codes become the glyphs of their characters."""
        chain.run_own([otl.buildMultipleSubstSubtable(self.decode)])

    def join_viramas_and_aa(self, chain):
        """A half form followed by a phala (or a hasanta) carries two viramas;
        the letter aa is written as the letter a followed by the aa-kar."""
        virama = self.nominal(VIRAMA)
        chain.run_own([otl.buildLigatureSubstSubtable({
            (virama, virama): virama,
            (self.nominal(0x0985), self.nominal(0x09BE)): self.nominal(0x0986),
        })])

    def noto_forms_before_halves(self, chain):
        """Noto's conjuncts that replace the virama sequence outright, then its
        below-base (ba, ra) and post-base (ya) forms. The post-base form goes
        before the half forms here: applied to the whole text at once, the
        half-form rule would otherwise take the consonant before a ya-phala."""
        self.run_noto(chain, ("nukt", "akhn", "blwf", "pstf"))

    def move_reph(self, chain):
        """A reph typed after a post-base sign moves back onto its consonant, and
        one typed before a below-base vowel sign moves after it: Noto's glyph
        order is consonant, below signs, reph, post-base signs."""
        reph = self.reph
        post_base = [self.nominal(cp) for cp in (0x09BE, 0x09C0, 0x09D7, 0x0982, 0x0983)]
        post_base += [g for g in ligatures_of(self.gsub, self.features.get("pstf", [])).values()]
        below = [self.nominal(cp) for cp in (0x09C1, 0x09C2, 0x09C3)]
        to_reph = chain.own([otl.buildSingleSubstSubtable({g: reph for g in post_base + below})])
        for _ in range(2):  # two passes move a reph past two signs
            rules = []
            for sign in post_base:
                back = chain.own([otl.buildSingleSubstSubtable({reph: sign})])
                rules.append(chain.rule([], [[sign], [reph]], [], [(0, to_reph), (1, back)]))
            for sign in below:
                back = chain.own([otl.buildSingleSubstSubtable({reph: sign})])
                rules.append(chain.rule([], [[reph], [sign]], [], [(0, back), (1, to_reph)]))
            chain.run_own(rules)

    def half_forms(self, chain):
        """Half forms, only where a consonant follows: a word-final hasanta stays."""
        virama = self.nominal(VIRAMA)
        consonants = {self.nominal(cp) for cp in list(range(0x0995, 0x09BA)) + [0x09DC, 0x09DD, 0x09DF]
                      if cp in self.source_cmap}
        consonants |= set(ligatures_of(self.gsub, self.features.get("akhn", [])).values())
        for index in self.features.get("half", []):
            firsts = {key[0] for key in ligatures_of(self.gsub, [index]) if key[1:] == (virama,)}
            if firsts:
                half = chain.call_source(index)
                chain.run_own([chain.rule([], [firsts, [virama]], [consonants], [(0, half)])])

    def phalas_and_conjuncts(self, chain):
        """Ra-phala and ba-phala ligatures, remaining conjuncts."""
        self.run_noto(chain, ("vatu", "cjct"))

    def initial_e_kar(self, chain):
        """Word-initial e-kar and ai-kar: not after a letter or a sign."""
        letters = self.letters()
        for index in self.features.get("init", []):
            pre = set(singles_of(self.gsub, [index]))
            if pre:
                init = chain.call_source(index)
                chain.run_own([chain.rule([letters], [pre], [], []),
                               chain.rule([], [pre], [], [(0, init)])])

    def presentation_forms(self, chain):
        """Noto's presentation forms, in its own order."""
        self.run_noto(chain, ("pres", "abvs", "blws", "psts", "haln"))

    def spacing_for_lone_marks(self, chain):
        """A mark with no base before it takes its spacing form."""
        if not self.spacing:
            return
        letters = self.letters()
        to_spacing = chain.own([otl.buildSingleSubstSubtable(self.spacing)])
        chain.run_own([chain.rule([letters], [set(self.spacing)], [], []),
                       chain.rule([], [set(self.spacing)], [], [(0, to_spacing)])])

    # -- GPOS, GDEF and the rest ---------------------------------------------
    def build_gpos(self):
        """Noto's positioning: as it is for Bengali; for glyph-code text its
        above- and below-base marks under the one feature a Latin shaper runs."""
        gpos = self.font["GPOS"].table
        glyph_code = {}
        for tag, indices in bengali_features(gpos).items():
            target = "mark" if tag in ("abvm", "blwm", "mark") else tag
            glyph_code.setdefault(target, [])
            glyph_code[target] += [i for i in indices if i not in glyph_code[target]]
        for indices in glyph_code.values():
            indices.sort()
        scripts = self.bengali_scripts(gpos)
        for tag in GLYPH_CODE_SCRIPTS:
            scripts[tag] = glyph_code
        gpos.FeatureList, gpos.ScriptList = layout_lists(scripts)

    def build_gdef(self):
        self.font["GDEF"].table.GlyphClassDef.classDefs = self.classes

    def drop_stale_tables(self):
        for tag in ("DSIG", "LTSH", "hdmx", "VDMX"):
            if tag in self.font:
                del self.font[tag]


    def build_names(self):
        old = self.font["name"]
        source_copyright = old.getDebugName(0) or "Copyright Google Inc."
        source_version = (old.getDebugName(5) or "").split(";")[0].replace("Version ", "").strip()
        licence = old.getDebugName(13) or (
            "This Font Software is licensed under the SIL Open Font License, Version 1.1.")
        names = {
            0: f"{source_copyright} Glyph-code mapping and shaping rules added by the "
               "Pebble dictionary build.",
            1: FAMILY,
            2: "Regular",
            3: f"{VERSION};{POSTSCRIPT_NAME};Noto Sans Bengali {source_version}",
            4: f"{FAMILY} Regular",
            5: f"Version {VERSION}; derived from Noto Sans Bengali {source_version}",
            6: POSTSCRIPT_NAME,
            8: old.getDebugName(8) or "",
            9: old.getDebugName(9) or "",
            10: "Glyph-code font of the Pebble dictionary: draws 8-bit glyph-code text, "
                "one character per byte, as Bengali, and Unicode Bengali as Noto Sans Bengali "
                "does. Derived from Noto Sans Bengali "
                f"{source_version}; a Modified Version under the SIL Open Font License 1.1.",
            13: licence,
            14: old.getDebugName(14) or "https://openfontlicense.org",
        }
        table = newTable("name")
        table.names = []
        for name_id, text in names.items():
            if text:
                table.setName(text, name_id, 3, 1, 0x409)
        self.font["name"] = table

    def build_os2(self):
        os2 = self.font["OS/2"]
        os2.achVendID = "NONE"
        os2.fsType = 0
        os2.recalcUnicodeRanges(self.font)
        if hasattr(os2, "ulCodePageRange1"):
            os2.ulCodePageRange1 = 1  # Latin 1: the code page the text is read in
            os2.ulCodePageRange2 = 0
        head = self.font["head"]
        head.fontRevision = float(VERSION)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Build the Pebble Glyph Bengali font.")
    parser.add_argument("--source", required=True, help="NotoSansBengali-Regular.ttf")
    parser.add_argument("--map", required=True, help="glyph-code table (bijoy-map.tsv)")
    parser.add_argument("--latin-source",
                        help="NotoSans-Regular.ttf, for punctuation the Bengali font lacks")
    parser.add_argument("--glyph-chars", default=GLYPH_CHARS_PATH,
                        help="the character of each byte (core/glyph-chars.tsv)")
    parser.add_argument("--hb-shape", default="hb-shape", help="hb-shape program")
    parser.add_argument("--output", required=True, help="font file to write")
    args = parser.parse_args(argv)
    try:
        entries = read_map(args.map)
        try:
            chars = read_glyph_chars(args.glyph_chars)
        except ValueError as exc:
            raise BuildError(str(exc))
        font = GlyphFontBuilder(args.source, entries, chars, args.hb_shape, args.latin_source).build()
        tmp = args.output + ".tmp"
        try:
            font.save(tmp)
            os.replace(tmp, args.output)
        except OSError as exc:
            raise BuildError(f"cannot write {args.output}: {exc}")
    except BuildError as exc:
        print(f"build_glyph_font: {exc}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
