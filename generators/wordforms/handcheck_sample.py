#!/usr/bin/env python3
"""Prints 200 random forms of the built dictionary (two or more vowels, no ё, not in festvox-ru),
one "lemma form" a line, for checking their stress by hand. Run from this folder after a build."""
import random
import sys
import zlib

from build_wordforms import FESTVOX_DICT
from sources import load_festvox, vowel_positions

festvox = load_festvox("work/ext/" + FESTVOX_DICT)
with open("../../resources/wordforms/all_forms.zlib", "rb") as f:
    lines = zlib.decompress(f.read()).decode("cp1251").split("\r\n")[:-1]
rng = random.Random(2026)
picked = []
while len(picked) < 200:
    lemma, forms = rng.choice(lines).split("#")
    form = rng.choice(forms.split(","))
    plain = form.replace("'", "").replace("`", "")
    if "ё" in plain or "-" in plain or len(vowel_positions(plain)) < 2 or plain in festvox:
        continue
    picked.append((lemma, form))
for lemma, form in picked:
    sys.stdout.write(f"{lemma} {form}\n")
