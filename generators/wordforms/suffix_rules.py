"""Stress fixed by a word's suffix, for lexemes that no stress dictionary knows.

Every form of these words keeps the stress on the same vowel of the lemma:
  * -ировать verbs, -ирование nouns, -ированный adjectives on the и of -ир- (педали'ровать),
    except a few stressed on the suffix (формирова'ть);
  * -ывать/-ивать verbs and -ывание/-ивание nouns on the vowel before the suffix when the
    root (after the prefixes) has one (раздва'ивать, втолко'вывание), else on -ва-
    (убива'ть, открыва'ть);
  * -ция nouns on the vowel before -ция (импровиза'ция), -ционный adjectives on the о of
    -ио'нный, -ческий adjectives on the vowel before -ческ- (тюркологи'ческий);
  * -ость/-есть nouns where their adjective is stressed on the stem (пискля'вость);
  * the full forms of adjectives in -ой on the ending (лесно'й, лесны'ми).
"""
import re

from stress import count_vowels

PREFIXES = sorted("""без бес вз вс воз вос вы до за из ис на над недо о об обо от ото пере по под подо пре
пред при про раз рас роз рос с со у""".split(), key=len, reverse=True)

# -ировать verbs stressed on -ова-/-у- instead (формирова'ть, формиру'ю)
STRESSED_OVAT_ROOTS = ("маршир", "формир", "группир", "лакир", "полир", "пломбир", "гравир", "фаршир", "меблир")
IROVAT = re.compile(r"^(.*)ир(овать|оваться|ование|ованье|ованный|ованность)$")
IVAT = re.compile(r"^(.*?)[иы]ва(ть|ться|ние|нье)$")
CIYA = re.compile(r"^(.*[аеиоуыэюя])[^аеиоуыэюя]*ция$")
CHESKIY = re.compile(r"^(.*[аеиоуыэюя])[^аеиоуыэюя]*ческий$")


def _root_after_prefixes(text):
    rest, stripped = text, True
    while stripped:
        stripped = False
        for p in PREFIXES:
            if rest.startswith(p) and len(rest) > len(p):
                rest, stripped = rest[len(p):], True
                break
    return rest


def fixed_stress(lemma):
    """Index of the vowel that carries the stress in every form of lemma, or None."""
    m = IROVAT.match(lemma)
    if m:
        return None if any(root in lemma for root in STRESSED_OVAT_ROOTS) else count_vowels(m.group(1))
    m = IVAT.match(lemma)
    if m:
        before = m.group(1)
        if count_vowels(_root_after_prefixes(before)) > 0:
            return count_vowels(before) - 1
        return count_vowels(before) + 1
    if lemma.endswith("ционный"):
        return count_vowels(lemma) - 2
    m = CIYA.match(lemma) or CHESKIY.match(lemma)
    if m:
        return count_vowels(m.group(1)) - 1
    return None


def _has_dictionary_evidence(lexeme, strong):
    return any(count_vowels(lexeme.forms[i]) > 1 and "ё" not in lexeme.forms[i] for i in strong)


def apply_fixed_stress(lexeme, strong, v=None):
    """Adds the suffix stress (or v) to strong (slot -> vowel index) when no form of several vowels
    has dictionary evidence yet; only forms that share the lemma up to the stressed vowel get it."""
    lemma = lexeme.lemma
    v = fixed_stress(lemma) if v is None else v
    if v is None or v < 0 or _has_dictionary_evidence(lexeme, strong):
        return
    positions = [i for i, ch in enumerate(lemma) if ch in "аеёиоуыэюя"]
    if v >= len(positions):
        return
    head = lemma[:positions[v] + 1]
    for i, form in enumerate(lexeme.forms):
        if i not in strong and form.startswith(head):
            strong[i] = v


def apply_quality_noun_stress(lexeme, strong, adjectives):
    """A noun in -ость/-есть keeps the stem stress of its adjective (пискля'вость from пискля'вый)."""
    lemma = lexeme.lemma
    for suffix in ("ость", "есть"):
        if not lemma.endswith(suffix):
            continue
        stem = lemma[:-len(suffix)]
        for ending in ("ый", "ий", "ой"):
            entry = adjectives.get(stem + ending)
            if entry is not None and entry.main[0] is not None and entry.main[0] < count_vowels(stem):
                apply_fixed_stress(lexeme, strong, entry.main[0])
                return


def apply_ending_stressed_adjective(lexeme, strong):
    """Full forms of an adjective in -ой are stressed on the ending (лесно'й, лесна'я, лесны'ми)."""
    lemma = lexeme.lemma
    if lexeme.pos != "ADJF" or not lemma.endswith("ой") or count_vowels(lemma) < 2:
        return
    stem = lemma[:-2]
    v = count_vowels(stem)
    for i, (form, tag) in enumerate(zip(lexeme.forms, lexeme.tags)):
        if i not in strong and tag.startswith("ADJF") and "Supr" not in tag and form.startswith(stem):
            strong[i] = v
