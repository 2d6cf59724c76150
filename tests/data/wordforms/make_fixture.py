#!/usr/bin/env python3
"""Rebuilds fixture_forms.zlib from fixture_forms.txt: the small word-form dictionary the tests
use, in the dictionary's own format (Windows-1251, CR LF lines, one zlib stream)."""
import pathlib
import zlib

here = pathlib.Path(__file__).parent
lines = (here / "fixture_forms.txt").read_text(encoding="utf-8").splitlines()
data = "".join(line + "\r\n" for line in lines).encode("cp1251")
(here / "fixture_forms.zlib").write_bytes(zlib.compress(data, 9))
