#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Cuts a font down to the characters the window can show: every character of the program's
# own sources, where all its texts are written (captions, tooltips, meanings, sentences, the
# box's texts), and printable ASCII, which Qt's own texts use. Outlines, hinting, metrics
# and layout features of the characters kept stay as they are, so texts look and wrap the
# same; the other glyphs go.
#   subset-font.py OUTPUT FONT SOURCE...
import pathlib
import sys

from fontTools import subset

output, font, *sources = sys.argv[1:]
characters = {chr(code) for code in range(0x20, 0x7F)}
for source in sources:
    characters |= set(pathlib.Path(source).read_text(encoding="utf-8"))
characters = "".join(sorted(c for c in characters if c.isprintable()))

options = subset.Options()
options.layout_features = ["*"]
options.name_IDs = ["*"]
options.name_languages = ["*"]
options.notdef_outline = True
options.glyph_names = False
loaded = subset.load_font(font, options)
subsetter = subset.Subsetter(options)
subsetter.populate(text=characters)
subsetter.subset(loaded)
subset.save_font(loaded, output, options)
