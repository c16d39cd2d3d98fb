"""The character the program reads and draws for each glyph-code byte.

One table serves the program and its font build: core/glyph-chars.tsv,
rows "byte<TAB>U+XXXX" for the bytes 00 to FF in order ("#" lines are notes).
"""

import os

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                            os.pardir, "core", "glyph-chars.tsv")


def read_glyph_chars(path=DEFAULT_PATH):
    """The code point of each byte, a list of 256; ValueError when the file is unusable."""
    try:
        with open(path, encoding="utf-8") as handle:
            lines = handle.read().splitlines()
    except (OSError, UnicodeDecodeError) as exc:
        raise ValueError(f"cannot read {path}: {exc}")
    rows = [line for line in lines if line and not line.startswith("#")]
    if not rows or rows[0].split("\t") != ["byte", "char"]:
        raise ValueError(f"{path}: header must name the columns byte and char")
    chars = []
    for row in rows[1:]:
        fields = row.split("\t")
        try:
            byte = int(fields[0], 16)
            if len(fields) != 2 or not fields[1].startswith("U+"):
                raise ValueError
            char = int(fields[1][2:], 16)
        except ValueError:
            raise ValueError(f"{path}: bad row {row!r}")
        if byte != len(chars):
            raise ValueError(f"{path}: byte {fields[0]} out of order")
        chars.append(char)
    if len(chars) != 256:
        raise ValueError(f"{path}: {len(chars)} bytes, not 256")
    if len(set(chars)) != 256:
        raise ValueError(f"{path}: two bytes share a character")
    return chars
