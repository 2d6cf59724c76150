#!/usr/bin/env python3
"""Builds the stressed Russian word-form dictionary resources/wordforms/all_forms.zlib.

See README.md beside this file for the sources, the format and how to rerun it.
"""
import argparse
import os
import random
import re
import sys
import zlib
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from compounds import hyphenated_stress, mark, secondary_element  # noqa: E402
from form_order import grammemes, ordered_slots  # noqa: E402
from sources import Espeak, load_festvox, load_hunspell_words, load_lexemes  # noqa: E402
from analogy import SuffixAnalogy  # noqa: E402
from suffix_rules import apply_ending_stressed_adjective, apply_fixed_stress, apply_quality_noun_stress  # noqa: E402
from stress import FESTVOX_POS, FUNCTION_WORD_POS, GroupModel, accepted_festvox_pos, assign_stress, collect_evidence, count_vowels, single_yo, vowel_number  # noqa: E402
from word_lists import Homographs, Overrides  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FESTVOX_DICT = "usr/share/festival/voices/russian/msu_ru_nsh_clunits/dict/msu_ru_nsh_dict.scm"
HUNSPELL_DICT = "usr/share/hunspell/ru_RU.dic"
EXCLUDED_GRAMMEMES = {"Abbr", "Init", "Surn", "Patr", "Name", "Geox", "Orgn", "Trad", "Erro", "Dist"}
POS_RANK = {"NOUN": 0, "ADJF": 1, "INFN": 2}
WORD = re.compile(r"[а-яё]+(-[а-яё]+)*")


def collation_key(lemma):
    return lemma.replace("ё", "е").replace("-", "")


class Entry:
    """A lexeme with the main and secondary stress of each of its forms."""

    def __init__(self, lexeme, main, evidence_count, rank=0):
        self.lexeme = lexeme
        self.main = main
        self.secondary = [[] for _ in main]
        self.evidence = evidence_count
        self.rank = rank

    def lexeme_stress(self):
        """{(form, tag): stress} and {form: stress} (first slot wins) of this lexeme."""
        table = {}
        for form, tag, v in zip(self.lexeme.forms, self.lexeme.tags, self.main):
            table.setdefault((form, tag), v)
            table.setdefault(form, v)
        return table

    def line(self):
        lx = self.lexeme
        forms = [mark(lx.forms[i], self.main[i], self.secondary[i]) for i in ordered_slots(lx)]
        return lx.lemma + "#" + ",".join(forms)

    def sort_key(self):
        lx = self.lexeme
        return (collation_key(lx.lemma), lx.lemma, self.rank, -self.evidence, POS_RANK.get(lx.pos, 3))


def festvox_knows(lexeme, festvox):
    entries = festvox.get(lexeme.lemma.replace("ё", "е"), ())
    accepted = FESTVOX_POS.get(lexeme.pos, FUNCTION_WORD_POS)
    return any(p in accepted for p, _ in entries)


def select(lexemes, festvox, hunspell):
    chosen = []
    for lx in lexemes:
        if not WORD.fullmatch(lx.lemma) or grammemes(lx.tags[0]) & EXCLUDED_GRAMMEMES:
            continue
        if not all(WORD.fullmatch(f) for f in lx.forms):
            continue
        if lx.lemma.replace("ё", "е") in hunspell or festvox_knows(lx, festvox):
            chosen.append(lx)
    return chosen


class Builder:
    def __init__(self, festvox, espeak, overrides, homographs, use_analogy=True):
        self.festvox = festvox
        self.espeak = espeak
        self.overrides = overrides
        self.homographs = homographs
        self.known_forms = {}
        self.by_lemma = {}
        self.provenance = Counter()
        self.model = GroupModel()
        self.analogy = SuffixAnalogy(festvox) if use_analogy else None

    def guess(self, form, tag):
        """Stress of a form without direct evidence: by analogy, else by espeak."""
        v = self.analogy.stress(form, accepted_festvox_pos(tag)) if self.analogy else None
        return v if v is not None else self.espeak.stress(form)

    def build(self, lexemes):
        plain, hyphenated = [], []
        groups = {}
        for lx in lexemes:
            key = (lx.lemma, lx.pos)
            if key in self.homographs.entries:
                groups.setdefault(key, []).append(lx)
            elif "-" in lx.lemma or any("-" in f for f in lx.forms):
                hyphenated.append(lx)
            else:
                ev = collect_evidence(lx, self.festvox, self.guess, self.overrides)
                self.model.observe(lx, ev)
                apply_fixed_stress(lx, ev.strong)
                apply_ending_stressed_adjective(lx, ev.strong)
                plain.append((lx, ev))
        entries = [self._entry(lx, ev) for lx, ev in plain if lx.pos != "NOUN"]
        adjectives = {e.lexeme.lemma: e for e in entries if e.lexeme.pos == "ADJF"}
        for lx, ev in plain:
            if lx.pos == "NOUN":
                apply_quality_noun_stress(lx, ev.strong, adjectives)
                entries.append(self._entry(lx, ev))
        for key, found in groups.items():
            entries.extend(self._homograph_entries(found, self.homographs.entries[key]))
        for e in entries:
            self.by_lemma.setdefault(e.lexeme.lemma, []).append(e)
            for form, v in zip(e.lexeme.forms, e.main):
                if v is not None:
                    self.known_forms.setdefault(form, Counter())[v] += 1
        entries.extend(self._hyphenated_entry(lx) for lx in hyphenated)
        self._add_secondary_elements(entries)
        return entries

    def _entry(self, lx, ev, pattern=None, rank=0):
        main = assign_stress(lx, ev, pattern, self.model)
        for i, form in enumerate(lx.forms):
            if count_vowels(form) > 1:
                self.provenance["evidence" if i in ev.strong else "inferred"] += 1
        return Entry(lx, main, len(ev.strong), rank)

    def _homograph_entries(self, found, words):
        out = []
        for rank, word in enumerate(words):
            candidates = [lx for lx in found if word.pick is None or word.pick in lx.forms]
            if not candidates:
                raise ValueError(f"homograph {word.lemma}: no lexeme has the form {word.pick}")
            lx = candidates[0]
            ev = collect_evidence(lx, self.festvox, self.guess, self.overrides, use_festvox=False)
            ev.strong.update({i: word.lemma_stress for i, f in enumerate(lx.forms) if f == word.lemma})
            out.append(self._entry(lx, ev, word.pattern, rank=-len(words) + rank))
        return out

    def part_stress(self, part, lemma_part):
        """Stress of one part of a hyphenated form, preferably from the lexeme of the lemma's same part."""
        for e in self.by_lemma.get(lemma_part, ()):
            if part in e.lexeme.forms:
                return e.main[e.lexeme.forms.index(part)]
        if part in self.known_forms:
            return self.known_forms[part].most_common(1)[0][0]
        entries = self.festvox.get(part.replace("ё", "е"))
        if entries:
            return Counter(v for _, v in entries).most_common(1)[0][0]
        yo = single_yo(part)
        if yo is not None:
            return vowel_number(part, yo)
        return self.espeak.stress(part)

    def _hyphenated_entry(self, lx):
        main, secondary = [], []
        lemma_parts = lx.lemma.split("-")
        for form in lx.forms:
            parts = form.split("-")
            same_shape = len(parts) == len(lemma_parts)
            m, s = hyphenated_stress(
                form, lambda n, part: self.part_stress(part, lemma_parts[n] if same_shape else part))
            main.append(m)
            secondary.append(s)
            if count_vowels(form) > 1:
                self.provenance["hyphenated"] += 1
        e = Entry(lx, main, 0)
        e.secondary = secondary
        return e

    def _add_secondary_elements(self, entries):
        lemmas = {lemma for lemma in self.by_lemma if "-" not in lemma}
        for e in entries:
            element = secondary_element(e.lexeme.lemma, lemmas)
            if element is None:
                continue
            text, v = element
            offset = count_vowels(text)
            rest = self.by_lemma[e.lexeme.lemma[len(text):]][0].lexeme_stress()
            for i, form in enumerate(e.lexeme.forms):
                tail = form[len(text):] if form.startswith(text) else None
                known = rest.get((tail, e.lexeme.tags[i]), rest.get(tail))
                if known is not None:  # the main stress stays where the second word has it (авиаба'за)
                    e.main[i] = offset + known
                if e.main[i] is not None and e.main[i] >= offset:
                    e.secondary[i] = [v]


def write_dictionary(lines, path):
    text = "".join(line + "\r\n" for line in lines).encode("cp1251")
    data = zlib.compress(text, 9)
    with open(path + ".tmp", "wb") as f:
        f.write(data)
    os.replace(path + ".tmp", path)
    return len(text), len(data)


def sorted_lines(entries):
    lines, seen = [], set()
    for e in sorted(entries, key=Entry.sort_key):
        line = e.line()
        if line not in seen:
            seen.add(line)
            lines.append(line)
    return lines


def evaluate(entries, held_out, espeak):
    """Share of held-out festvox forms (several vowels, no ё, one reading in our data) we stress alike."""
    predicted = {}
    for e in entries:
        lx = e.lexeme
        for i, form in enumerate(lx.forms):
            if "ё" in form or "-" in form or count_vowels(form) < 2 or e.main[i] is None:
                continue
            accepted = FESTVOX_POS.get(lx.pos, FUNCTION_WORD_POS)
            predicted.setdefault(form, []).append((accepted, e.main[i]))
    right = total = baseline = 0
    misses = []
    for word, pos, v in held_out:
        votes = {m for accepted, m in predicted.get(word, ()) if pos in accepted}
        if len(votes) != 1:
            continue  # unknown to us, or spelt alike in slots stressed differently (руки)
        total += 1
        baseline += espeak.stress(word) == v
        guess = votes.pop()
        if guess == v:
            right += 1
        else:
            misses.append((word, pos, v, guess))
    return right, total, baseline, misses


def split_held_out(festvox, every, fold, lexemes=None):
    """Hold out every N-th festvox word, or with lexemes every form of every N-th lexeme
    (by CRC-32 of the word or lemma)."""
    if lexemes is None:
        chosen = {w for w in festvox if zlib.crc32(w.encode()) % every == fold}
    else:
        chosen = {f.replace("ё", "е") for lx in lexemes
                  if zlib.crc32(lx.lemma.encode()) % every == fold for f in lx.forms}
    kept, held = {}, []
    for word, entries in festvox.items():
        if word in chosen:
            held.extend((word, p, v) for p, v in entries)
        else:
            kept[word] = entries
    return kept, held


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--work", default=os.path.join(HERE, "work"))
    ap.add_argument("--out", default=os.path.join(HERE, "..", "..", "resources", "wordforms", "all_forms.zlib"))
    ap.add_argument("--evaluate", type=int, metavar="N",
                    help="hold out every N-th festvox word (by hash), report accuracy on them, write nothing")
    ap.add_argument("--by-lexeme", action="store_true",
                    help="hold out all forms of every N-th lexeme instead of every N-th word")
    ap.add_argument("--show", type=int, default=40, help="how many misses to list")
    ap.add_argument("--no-analogy", action="store_true", help="guess unknown stresses by espeak alone")
    ap.add_argument("--fold", type=int, default=0, help="which of the N held-out folds to use")
    ap.add_argument("--fixture", help="also write a small sample (forms.txt, forms.zlib) into this folder")
    args = ap.parse_args()

    ext = os.path.join(args.work, "ext")
    festvox = load_festvox(os.path.join(ext, FESTVOX_DICT))
    hunspell = load_hunspell_words(os.path.join(ext, HUNSPELL_DICT))
    lexemes = select(load_lexemes(args.work), festvox, hunspell)
    overrides = Overrides(os.path.join(HERE, "overrides.txt"))
    homographs = Homographs(os.path.join(HERE, "homographs.txt"))
    print(f"{len(lexemes)} lexemes selected, {len(festvox)} festvox words, "
          f"{len(overrides)} overridden lemmas, {len(homographs)} homographs", file=sys.stderr)

    held_out = []
    if args.evaluate:
        festvox, held_out = split_held_out(festvox, args.evaluate, args.fold,
                                           lexemes if args.by_lexeme else None)
    builder = Builder(festvox, Espeak(), overrides, homographs, not args.no_analogy)
    entries = builder.build(lexemes)
    print("forms of 2+ vowels by source:", dict(builder.provenance), file=sys.stderr)

    if args.evaluate:
        right, total, baseline, misses = evaluate(entries, held_out, builder.espeak)
        print(f"held-out accuracy: {right}/{total} = {100.0 * right / total:.2f}% "
              f"(espeak alone on the same forms: {100.0 * baseline / total:.2f}%)")
        by_pos = Counter(pos for _, pos, _, _ in misses)
        print("misses by festvox part of speech:", dict(by_pos.most_common()))
        random.Random(1).shuffle(misses)
        for word, pos, v, guess in misses[:args.show]:
            print(f"  miss {word} ({pos}): festvox {mark(word, v)}, ours {mark(word, guess)}")
        return

    lines = sorted_lines(entries)
    lemmas = len({line.split("#", 1)[0] for line in lines})
    size, packed = write_dictionary(lines, args.out)
    print(f"{len(lines)} lines, {lemmas} distinct lemmas, {size} bytes of text, {packed} bytes compressed")
    if args.fixture:
        write_fixture(lines, args.fixture)


FIXTURE_LEMMAS = """а рука стол стола замок авиабаза лодка шлагбаум город окно голова нога кто-нибудь
адрес-календарь читать писать говорить жить быть идти молодой красивый хороший большой мука атлас
дом лес глаз берег сестра день отец время мать дочь путь ёлка северо-западный мой один два""".split()


def write_fixture(lines, folder):
    wanted = set(FIXTURE_LEMMAS)
    sample = [line for line in lines if line.split("#", 1)[0] in wanted]
    os.makedirs(folder, exist_ok=True)
    text = "".join(line + "\r\n" for line in sample).encode("cp1251")
    with open(os.path.join(folder, "forms.txt"), "wb") as f:
        f.write(text)
    with open(os.path.join(folder, "forms.zlib"), "wb") as f:
        f.write(zlib.compress(text, 9))
    print(f"fixture: {len(sample)} lines in {folder}")


if __name__ == "__main__":
    main()
