"""Stress of compounds: hyphenated words and words with a stressed first element (авиа-, радио-)."""
from sources import vowel_positions
from stress import count_vowels

# Parts of a hyphenated word that carry no stress of their own (кто-нибудь, кое-кто, по-русски).
UNSTRESSED_PARTS = {"то", "либо", "нибудь", "таки", "ка", "де", "тка", "кое", "кой", "во", "по", "в", "из"}

# First elements that keep a secondary stress before a word of two or more syllables,
# with the index of that stressed vowel inside the element.
SECONDARY_ELEMENTS = {
    "авиа": 0, "авто": 0, "агро": 0, "аэро": 0, "вело": 0, "гидро": 0, "кино": 0, "мото": 0,
    "радио": 0, "фото": 0, "электро": 1, "микро": 0, "макро": 0, "нейро": 0, "супер": 0,
    "ультра": 0, "экстра": 0, "псевдо": 0, "квази": 0, "контр": 0, "видео": 0, "аудио": 0,
    "медиа": 0, "мега": 0, "мини": 0, "макси": 0, "нефте": 0, "газо": 0, "энерго": 0,
    "метео": 0, "термо": 0, "вибро": 0, "стерео": 0, "теле": 0,
}


def mark(form, main, secondary=()):
    """Insert "'" after the vowel with index main and "`" after each vowel index in secondary."""
    positions = vowel_positions(form)
    marks = {}
    if main is not None and 0 <= main < len(positions):
        marks[positions[main]] = "'"
    for v in secondary:
        if v < len(positions) and positions[v] not in marks:
            marks[positions[v]] = "`"
    return "".join(ch + marks.get(i, "") for i, ch in enumerate(form))


def hyphenated_stress(form, part_stress):
    """(main, secondary vowel indices) of a hyphenated form; part_stress(n, part) stresses its n-th part."""
    parts = form.split("-")
    stressable = [n for n, p in enumerate(parts)
                  if count_vowels(p) > 0 and not (p in UNSTRESSED_PARTS and len(parts) > 1)]
    if not stressable:
        stressable = [n for n, p in enumerate(parts) if count_vowels(p) > 0][:1]
    main_part = stressable[-1] if stressable else None
    offset, main, secondary = 0, None, []
    for n, part in enumerate(parts):
        if n in stressable:
            v = part_stress(n, part)
            if v is None and n == main_part:
                v = 0  # nothing knows the part: its first vowel, so that the form has a main stress
            if v is not None:
                if n == main_part:
                    main = offset + v
                elif count_vowels(part) > 0:
                    secondary.append(offset + v)
        offset += count_vowels(part)
    return main, secondary


def secondary_element(lemma, known_lemmas):
    """(first element, index of its stressed vowel) of a compound like авиабаза, or None."""
    for element, v in SECONDARY_ELEMENTS.items():
        rest = lemma[len(element):]
        if lemma.startswith(element) and count_vowels(rest) >= 2 and rest in known_lemmas:
            return element, v
    return None
