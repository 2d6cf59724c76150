"""Readers for the inputs of the word-form generator.

OpenCorpora paradigms (dumped from the npm package `az` by extract_opencorpora.js),
the festvox-ru stress dictionary, the hunspell-ru word list and espeak-ng's stress
prediction through its library.
"""
import ctypes
import json
import re

VOWELS = "аеёиоуыэюя"


def vowel_positions(word):
    return [i for i, ch in enumerate(word) if ch in VOWELS]


# Forms that are no words of their own: abbreviations (г. for город), misspellings, distortions.
SKIPPED_FORM_GRAMMEMES = re.compile(r"\b(Abbr|Init|Erro|Dist)\b")


class Lexeme:
    """One OpenCorpora lexeme: its forms and their grammatical tags in paradigm order
    (the lemma first; abbreviated, misspelt and distorted forms left out)."""

    __slots__ = ("forms", "tags", "prefixes", "stem", "paradigm")

    def __init__(self, paradigm_id, paradigm, stem):
        kept = [entry for n, entry in enumerate(paradigm)
                if n == 0 or not SKIPPED_FORM_GRAMMEMES.search(entry[2])]
        self.paradigm = paradigm_id
        self.stem = stem
        self.prefixes = [pre for pre, _, _ in kept]
        self.forms = [pre + stem + suf for pre, suf, _ in kept]
        self.tags = [tag for _, _, tag in kept]

    @property
    def lemma(self):
        return self.forms[0]

    @property
    def pos(self):
        return self.tags[0].split(",")[0].split(" ")[0]


def load_lexemes(work_dir):
    with open(f"{work_dir}/paradigms.json", encoding="utf-8") as f:
        paradigms = json.load(f)
    lexemes = []
    with open(f"{work_dir}/lexemes.tsv", encoding="utf-8") as f:
        for line in f:
            pid, stem = line.rstrip("\n").split("\t")
            pid = int(pid)
            lexemes.append(Lexeme(pid, paradigms[pid], stem))
    return lexemes


FESTVOX_LINE = re.compile(r'^\("([^"]+)" (\S*) \((\d+)\)')


def load_festvox(path):
    """word with ё written as е -> list of (festvox part of speech, stressed vowel index from 0)."""
    entries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = FESTVOX_LINE.match(line)
            if not m:
                continue
            word, pos, number = m.group(1), m.group(2), int(m.group(3))
            if number == 0 or not re.fullmatch(r"[а-яё-]+", word):
                continue
            key = word.replace("ё", "е")
            if number > len(vowel_positions(key)):
                continue
            entries.setdefault(key, []).append((pos, number - 1))
    return entries


def load_hunspell_words(path):
    """Lower-case stems of the hunspell dictionary (capitalised ones are proper names)."""
    words = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        next(f)
        for line in f:
            stem = line.split("/")[0].strip()
            if stem and stem == stem.lower():
                words.add(stem.replace("ё", "е"))
    return words


class Espeak:
    """Stress prediction by espeak-ng's Russian voice (espeak_TextToPhonemes)."""

    NON_SYLLABIC = {"@-", "I^", "i^", "u^", "I2^"}

    def __init__(self):
        lib = ctypes.CDLL("libespeak-ng.so.1")
        lib.espeak_Initialize.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
        lib.espeak_TextToPhonemes.restype = ctypes.c_char_p
        lib.espeak_TextToPhonemes.argtypes = [ctypes.POINTER(ctypes.c_char_p), ctypes.c_int, ctypes.c_int]
        if lib.espeak_Initialize(2, 0, None, 0x8000) <= 0 or lib.espeak_SetVoiceByName(b"ru") != 0:
            raise RuntimeError("espeak-ng Russian voice not available")
        self._lib = lib
        self._cache = {}

    def phonemes(self, word):
        buf = ctypes.c_char_p(word.encode("utf-8"))
        out = self._lib.espeak_TextToPhonemes(ctypes.pointer(buf), 1, ord("|") << 8)
        return out.decode("utf-8", "replace") if out else ""

    def stress(self, word):
        """Index of the stressed vowel (0-based) of a word without hyphens, or None."""
        if word in self._cache:
            return self._cache[word]
        result = None
        vowel_count = len(vowel_positions(word))
        if vowel_count == 1:
            result = 0
        elif vowel_count > 1:
            result = self._stressed_vowel(self.phonemes(word), vowel_count)
        self._cache[word] = result
        return result

    def _stressed_vowel(self, phonemes, vowel_count):
        index, stressed = 0, None
        pending = False
        for ph in phonemes.replace(" ", "|").split("|"):
            if ph.startswith("'"):
                pending = True
                ph = ph[1:]
            elif ph.startswith(","):
                ph = ph[1:]
            if not ph or ph in self.NON_SYLLABIC or ph[0] not in "aAeEiIyou8V@":
                continue
            if pending and stressed is None:
                stressed = index
            pending = False
            index += 1
        return stressed if index == vowel_count else None
