#!/usr/bin/env python3
"""Writes the built-in transcription rule table, fix list and phoneme alphabet.

    python3 generators/phonetics/make_rules.py [OUT_DIR]      (default: resources/phonetics)

The rule table turns a Russian word whose stressed vowel is written in upper case into IPA
(standard Moscow pronunciation).  Rules are applied strictly in table order, each one replacing
all of its matches; "#" wraps every fragment and is removed after the pass.  The table is
ordered by length, longest first; a rule's length is the number of letters it rewrites plus
the letters of its fixed-width look-behind / look-ahead (a letter class counts as one letter);
the open-ended stress contexts ("a stressed vowel later in the word") and the markers <w>,
</w> do not count.  Within a length, rules run in alphabetical order of the letters they
rewrite, lower case before upper case of the same letter; rules that rewrite the same letters
keep the order specific context -> general.  The 55 single-letter base rules close the table.

How the table works:
  * CV chunks: a consonant (or a merged cluster such as "сч", "тс") together with the vowel
    after it.  The chunk decides the consonant's softness and the vowel's quality; context
    variants choose the reduction grade by the position of the stress (look-ahead for a
    stressed vowel later in the word, "\\K" after a stressed vowel earlier in the word).
  * Consonants before consonants rewrite only themselves and look at the next letter, raw or
    already rewritten ("#" + IPA), so their order among each other does not matter:
    voicing assimilation, final devoicing, silent letters, doubled letters.
  * Vowels after a vowel, "ь", "ъ" or at the start of a word get their j-glide.
  * A short list of words with fixed exceptions (что, конечно, -ого/-его, ...).
Rules are written only where the result differs from what the base rules give.
"""
import os
import sys

RULER = ";" + "=" * 66

LOWER = "аеёиоуыэюя"
UPPER = "АЕЁИОУЫЭЮЯ"
VOWELS = LOWER + UPPER
CONSONANTS = "бвгджзйклмнпрстфхцчшщ"
PAIRED = "бвгдзклмнпрстфх"
IPA = {"б": "b", "в": "v", "г": "ɡ", "д": "d", "з": "z", "к": "k", "л": "l", "м": "m",
       "н": "n", "п": "p", "р": "r", "с": "s", "т": "t", "ф": "f", "х": "x", "ж": "ʐ",
       "ш": "ʂ", "ц": "t͡s", "ч": "t͡ɕ", "щ": "ɕː", "й": "j"}
DEVOICE = {"б": "p", "в": "f", "г": "k", "д": "t", "ж": "ʂ", "з": "s"}
VOICE = {"к": "ɡ", "п": "b", "с": "z", "т": "d", "ф": "v", "ш": "ʐ", "х": "ɣ"}

# Regular-expression building blocks.  Text seen by a rule mixes raw letters and fragments
# already rewritten ("#bˈa#"), so every class accepts both.
IPA_VOWELS = "aeiouɨɐəɪʊᵻʉæɵɛ"
STRESS = "[АЕЁИОУЫЭЮЯёˈ]"
UNSTRESSED = "[аеиоуыэюя" + IPA_VOWELS + "]"
ANY_VOWEL = "[" + VOWELS + IPA_VOWELS + "ˈ]"
NON_VOWEL = "[" + CONSONANTS + "ъь#`bvɡdʐzjklmnprstfxʂɕɣːʲ͡]"
WORD = r"[^\s\-]"
STRESS_BEFORE = STRESS + WORD + r"*?\K"
VOWEL_BEFORE = ANY_VOWEL + WORD + r"*?\K"
STRESS_LATER_AFTER_UNSTRESSED = "(?=" + NON_VOWEL + "*" + UNSTRESSED + WORD + "*" + STRESS + ")"
LAST_BUT_ONE = "(?=" + NON_VOWEL + "*" + UNSTRESSED + NON_VOWEL + "*$)"
SOFT_MARK = "[ьеёиюяЕЁИЮЯ]"
SOFT_NEXT = ("(?=[чщй]|[тдсзж][чщ]|[сзн][тдн][ьеёиюяЕЁИЮЯ]|#(?:t͡ɕ|ɕ)|[" + PAIRED + "]" + SOFT_MARK + "|#[bvɡdzklmnprstfx]ʲ)")
VOICELESS_NEXT = ("(?=[кпстфхцчшщ]|#(?:[kpsfxʂɕ]|t)|[бвгджз]ь?$)")
VOICED_NEXT = "(?=[бгджз](?!ь?$)|#[bɡdʐz])"
NOT_AFTER_CONSONANT = "(?<![" + CONSONANTS + "])"
IN_WORD_NEXT = r"(?=[^\s\-])"

STRESSED_QUALITY = {"А": "a", "О": "o", "У": "u", "Ы": "ɨ", "Э": "ɛ", "Е": "e", "Ё": "o",
                    "И": "i", "Ю": "u", "Я": "a", "ё": "o"}
FRONTED = {"a": "æ", "o": "ɵ", "u": "ʉ"}
SOFTENING = set("еёиюяЕЁИЮЯ")

# Merged consonant clusters: letters -> (IPA, kind).
UNITS = {
    "сч": ("ɕː", "soft"), "зч": ("ɕː", "soft"), "жч": ("ɕː", "soft"), "сщ": ("ɕː", "soft"),
    "зщ": ("ɕː", "soft"), "здч": ("ɕː", "soft"), "тч": ("t͡ɕ", "soft"), "дч": ("t͡ɕ", "soft"),
    "тс": ("t͡s", "hard"), "дс": ("t͡s", "hard"), "тц": ("t͡s", "hard"), "дц": ("t͡s", "hard"),
    "тьс": ("t͡s", "hard"), "сш": ("ʂː", "hard"), "зш": ("ʂː", "hard"), "сж": ("ʐː", "hard"),
    "зж": ("ʐː", "hard"), "жж": ("ʐː", "hard"),
}


def kind_of(consonant):
    if consonant in UNITS:
        return UNITS[consonant][1]
    if consonant in "жшц":
        return "hard"
    if consonant in "чщй":
        return "soft"
    return "paired"


def ipa_of(consonant):
    return UNITS[consonant][0] if consonant in UNITS else IPA[consonant]


def stressed(vowel, kind, soft_next):
    """Consonant softness mark, stress mark and quality of a stressed vowel after `kind`."""
    quality = STRESSED_QUALITY[vowel]
    soft = vowel in SOFTENING or vowel == "ё"
    if kind == "hard":
        quality = {"e": "ɛ", "i": "ɨ"}.get(quality, quality)
        return "ˈ" + quality
    if kind == "none":
        glide = "j" if vowel in "ЕЁЮЯё" else ""
        if glide and soft_next:
            quality = FRONTED.get(quality, quality)
        return glide + "ˈ" + quality
    if kind == "soft" or soft:
        if soft_next:
            quality = FRONTED.get(quality, quality)
    if kind == "paired" and soft:
        return "ʲˈ" + quality
    return "ˈ" + quality


def unstressed(vowel, kind, grade, consonant_is_ts=False):
    """Reduced vowel with the softness mark it brings: grade is 'pre' (the syllable before
    the stress, or stress unknown), 'far' (other unstressed syllables) or 'final' (last
    letter of the text)."""
    if vowel in "ао":
        if kind == "soft":
            return "ə" if grade == "final" else "ɪ"
        return "ɐ" if grade == "pre" else "ə"
    if vowel == "у":
        return "ʊ"
    if vowel == "ы":
        return "ᵻ"
    if vowel == "э":
        return "ᵻ" if kind in ("hard", "paired") else "ɪ"
    mark = {"paired": "ʲ", "soft": "", "hard": "", "none": "j"}[kind]
    if vowel == "и":
        return "ᵻ" if kind == "hard" else ("ʲɪ" if kind == "paired" else "ɪ")
    if vowel == "е":
        if kind == "hard":
            return "ə" if grade == "final" and consonant_is_ts else "ᵻ"
        return mark + ("ə" if grade == "final" and kind == "none" else "ɪ")
    if vowel == "я":
        if kind == "hard":
            return "ɐ" if grade == "pre" else "ə"
        return mark + ("ə" if grade == "final" else "ɪ")
    if vowel == "ю":
        return {"paired": "ʲʊ", "none": "jʉ"}.get(kind, "ʊ")
    raise ValueError(vowel)


BASE_VOWEL = {"а": "ɐ", "А": "ˈa", "е": "ʲɪ", "Е": "ʲˈe", "ё": "ʲˈo", "Ё": "ʲˈo", "И": "ˈi",
              "и": "ɪ", "о": "ɐ", "О": "ˈo", "У": "ˈu", "у": "ʊ", "Ы": "ˈɨ", "ы": "ᵻ",
              "э": "ɪ", "Э": "ˈɛ", "Ю": "jˈʉ", "ю": "jʉ", "Я": "jˈæ", "я": "jɐ"}


def base_text(letters, final):
    out = ""
    for i, ch in enumerate(letters):
        last = final and i == len(letters) - 1
        if ch in IPA:
            out += IPA[ch]
        elif ch in ("а", "о") and last:
            out += "ə"
        else:
            out += BASE_VOWEL.get(ch, "")
    if final and out.endswith("ɐ"):
        out = out[:-1] + "ə"  # the fix list rewrites a final ɐ
    return out


class Table:
    def __init__(self):
        self.rules = []
        self.seen = set()

    def add(self, letters, pattern, replacement, context=0, rank=5):
        pattern = pattern.replace("(?<=", "(*plb:").replace("(?=", "(*pla:")
        assert "=" not in pattern, pattern
        if pattern in self.seen:
            return
        self.seen.add(pattern)
        self.rules.append((len(letters) + context, letters, rank, pattern, replacement))

    @staticmethod
    def line(pattern, replacement):
        stored = f"#{replacement}#" if replacement else ""
        return f"{pattern}={stored}</w>" if pattern.endswith("</w>") else f"{pattern}={stored}"

    def lines(self):
        def key(rule):
            length, letters, rank, _, _ = rule
            return (-length, [alpha(c) for c in letters], rank)
        return [self.line(p, r) for _, _, _, p, r in sorted(self.rules, key=key)]


ALPHABET = "-абвгдеёжзийклмнопрстуфхцчшщъыьэюя"


def alpha(ch):
    lower = ch.lower()
    if lower in ALPHABET:
        return (ALPHABET.index(lower), ch != lower)
    return (-1, False)


def add_chunks(table, consonant):
    kind = kind_of(consonant)
    cons = ipa_of(consonant)
    is_unit = consonant in UNITS
    for vowel in VOWELS:
        letters = consonant + vowel
        if vowel in UPPER or vowel == "ё":
            plain = cons + stressed(vowel, kind, False)
            fronted = cons + stressed(vowel, kind, True)
            if fronted != plain:
                table.add(letters, letters + SOFT_NEXT, fronted, context=1, rank=1)
            if is_unit or plain != base_text(letters, False):
                table.add(letters, letters, plain, rank=9)
            continue
        outputs = {grade: cons + unstressed(vowel, kind, grade, cons == "t͡s")
                   for grade in ("pre", "far", "final")}
        default = outputs["pre"]
        default_needed = is_unit or default != base_text(letters, False)
        caught_final = default if default_needed else base_text(letters, True)
        if outputs["final"] != caught_final:
            table.add(letters, letters + "</w>", outputs["final"], rank=1)
        if outputs["far"] != default:
            # after the stress | before an unstressed syllable that precedes the stress |
            # before the last syllable of a word whose stress is not marked (not the first)
            table.add(letters, "|".join((STRESS_BEFORE + letters, letters + STRESS_LATER_AFTER_UNSTRESSED,
                                         VOWEL_BEFORE + letters + LAST_BUT_ONE)), outputs["far"], rank=2)
        if default_needed:
            table.add(letters, letters, default, rank=9)
    if is_unit:
        table.add(consonant, consonant + "(?![" + VOWELS + "])", cons, context=1)


VOICELESS = "кпстфхцчшщ"
VOICED_TRIGGERS = "бгджз"
SOFT_DENTAL_MARK = "[ьеёиюяЕЁИЮЯ]"


def add_before(table, letters, followers, converted, out, rank, tail=""):
    """letters before each raw follower (its own rule, so that the rule is only tried where
    that pair of letters occurs) or before an already rewritten one (`converted`)."""
    for f in followers:
        table.add(letters, letters + "(?=" + f + tail + ")", out, context=1, rank=rank)
    if converted:
        table.add(letters, letters + "(?=#" + converted + ")", out, context=1, rank=rank)


def add_consonant_contexts(table):
    add_before(table, "г", "кч", "(?:k|t͡ɕ)", "x", 4)  # мягкий, лёгкий, мягче: before the devoicing rules
    for c in PAIRED + "жшщч":
        ipa = IPA[c]
        soft = "" if c in "жшчщ" else "ʲ"
        for unit in (c, c + "ь"):
            mark = "" if unit == c else soft
            if c in DEVOICE:
                out = DEVOICE[c] + mark
                add_before(table, unit, VOICELESS, "(?:[kpsfxʂɕ]|t)", out, 6)
                # before a voiced consonant that ends the word (it loses its voice)
                add_before(table, unit, "бвгджз", "", out, 6, tail="ь?$")
            if c in VOICE:
                out = VOICE[c] + mark
                add_before(table, unit, VOICED_TRIGGERS, "[bɡdʐz]", out, 6, tail="(?!ь?$)")
        if c in DEVOICE:
            table.add(c, r"(?<=[^\s])" + c + "</w>", DEVOICE[c], context=1, rank=6)
            table.add(c + "ь", c + "ь</w>", DEVOICE[c] + soft, rank=6)
        if c in "жшчщ":
            table.add(c + "ь", c + "ь", ipa, rank=9)
        # doubled letters are pronounced as one
        table.add(c, c + "(?=" + c + ")", "", context=1, rank=7)
    # softness passes to a dental before a soft dental, and to н before ч щ
    for c, dentals, out in (("с", "тн", "sʲ"), ("з", "дн", "zʲ"), ("н", "тдсз", "nʲ"), ("д", "н", "dʲ"),
                            ("д", "т", "tʲ")):
        ipa_dentals = "".join(IPA[d] for d in dentals)
        add_before(table, c, dentals, "[" + ipa_dentals + "]ʲ", out, 5, tail=SOFT_DENTAL_MARK)
    add_before(table, "н", "чщ", "(?:t͡ɕ|ɕ)", "nʲ", 4)


def add_silent_letters(table):
    silent = [("с", "т", "н"), ("с", "т", "л"), ("з", "д", "н"), ("з", "д", "ц"), ("р", "д", "ц"),
              ("р", "д", "ч"), ("н", "т", "ск"), ("н", "д", "ск"), ("с", "т", "ск"), ("н", "т", "г"),
              ("н", "д", "ш"), ("", "л", "нц"), ("", "в", "ств")]
    for before, letter, after in silent:
        pattern = (f"(?<={before})" if before else "") + letter + f"(?={after})"
        table.add(letter, pattern, "", context=len(before) + len(after), rank=3)


NOT_CONSONANT_BEFORE = list(VOWELS + "ьъ")


def add_glide(table, vowel, tail, out, context=1, rank=5):
    """A vowel that follows no consonant: after a vowel, "ь" or "ъ" (one rule per letter
    before it, so each is tried only where that pair occurs), at the start of the text, or
    after a blank, hyphen or accent mark."""
    for before in NOT_CONSONANT_BEFORE:
        table.add(vowel, "(?<=" + before + ")" + vowel + tail, out, context=context + 1, rank=rank)
    table.add(vowel, "<w>" + vowel + tail, out, context=context, rank=rank)
    for separator in (" ", "-", "`"):
        table.add(vowel, "(?<=" + separator + ")" + vowel + tail, out, context=context + 1, rank=rank)


def add_glides(table):
    add_glide(table, "е", IN_WORD_NEXT, "jɪ")
    add_glide(table, "е", "</w>", "jə", context=0)
    add_glide(table, "Е", "", "jˈe", context=0)
    for yo in "ёЁ":
        add_glide(table, yo, SOFT_NEXT, "jˈɵ", rank=1)
        add_glide(table, yo, "", "jˈo", context=0)
    add_glide(table, "я", IN_WORD_NEXT, "jɪ")
    add_glide(table, "Я", "(?!" + SOFT_NEXT[3:], "jˈa")
    add_glide(table, "Ю", "(?!" + SOFT_NEXT[3:], "jˈu")
    for vowel in "ао":
        add_glide(table, vowel, STRESS_LATER_AFTER_UNSTRESSED, "ə", context=0, rank=3)
    add_glide(table, "э", "(?=" + NON_VOWEL + "*" + STRESS + ")", "ɪ", context=0)
    for vowel, out in (("и", "jɪ"), ("И", "jˈi"), ("о", "jɐ"), ("О", "jˈo")):
        table.add(vowel, "(?<=ь)" + vowel, out, context=1)


def add_words(table):
    """Words whose spelling does not follow the general rules."""
    words = [
        # the particle -нибудь as in the reference examples
        ("нибудь", "нибудь</w>", "nʲɪbʊdʲ", 0),
        # что, чтобы, ничто, нечто: ч before т reads ш
        ("ч", r"(?<![а-яёА-ЯЁ])ч(?=т[оО])", "ʂ", 3),
        ("ч", "(?<=[нН][иеИЕ])ч(?=т[оО])", "ʂ", 4),
        # конечно, скучно, нарочно, яичница, скворечник, прачечная, горчичник, пустячный
        ("ч", "(?<=кон[еЕ])ч(?=н)", "ʂ", 5),
        ("ч", "(?<=ск[уУ])ч(?=н)", "ʂ", 4),
        ("ч", "(?<=нар[оО])ч(?=н)", "ʂ", 5),
        ("ч", "(?<=я[иИ])ч(?=н)", "ʂ", 3),
        ("ч", "(?<=сквор[еЕ])ч(?=н)", "ʂ", 7),
        ("ч", "(?<=пра[чЧ][еЕ])ч(?=н)", "ʂ", 6),
        ("ч", "(?<=горч[иИ])ч(?=н)", "ʂ", 6),
        ("ч", "(?<=пуст[яЯ])ч(?=н)", "ʂ", 6),
        # бог, сегодня, итого, дорого
        ("г", "(?<=бО)г</w>", "x", 2),
        ("ег", "(?<=с)ег(?=Од)", "ʲɪv", 3),
        ("огО", "(?<=ит)огО</w>", "ɐɡˈo", 2),
        ("рого", "(?<=дО)рого</w>", "rəɡə", 2),
        # the endings -ого, -его: г reads в
        ("ого", "ого</w>", "əvə", 0),
        ("Ого", "Ого</w>", "ˈovə", 0),
        # много, немного, строго, убого, отлого, полого keep their г
        ("Ого", "(?<=мн)Ого</w>", "ˈoɡə", 2),
        ("Ого", "(?<=стр)Ого</w>", "ˈoɡə", 3),
        ("Ого", "(?<=уб)Ого</w>", "ˈoɡə", 2),
        ("Ого", "(?<=отл)Ого</w>", "ˈoɡə", 3),
        ("Ого", "(?<=пол)Ого</w>", "ˈoɡə", 3),
        ("огО", "огО</w>", "ɐvˈo", 0),
        ("его", "(?<=[" + PAIRED + "])его</w>", "ʲɪvə", 1),
        ("его", "(?<=[жшц])его</w>", "ᵻvə", 1),
        ("его", "(?<=[чщ])его</w>", "ɪvə", 1),
        ("его", NOT_AFTER_CONSONANT + "его</w>", "jɪvə", 1),
        ("егО", "(?<=[" + PAIRED + "])егО</w>", "ʲɪvˈo", 1),
        ("егО", "(?<=[чщ])егО</w>", "ɪvˈo", 1),
        ("егО", NOT_AFTER_CONSONANT + "егО</w>", "jɪvˈo", 1),
        ("ваться", "ваться</w>", "vət͡sə", 0),
    ]
    for letters, pattern, out, context in words:
        table.add(letters, pattern, out, context=context, rank=0)


BASE = """-=
а</w>=#ə#</w>
<w>а=<w>#ɐ#
А=#ˈa#
а=#ɐ#
б=#b#
в=#v#
г=#ɡ#
д=#d#
<w>е=<w>#jɪ#
<w>Е=<w>#jˈe#
Е=#ʲˈe#
е=#ʲɪ#
<w>Ё=<w>#jˈo#
<w>ё=<w>#jˈo#
Ё=#ʲˈo#
ё=#ʲˈo#
ж=#ʐ#
з=#z#
И=#ˈi#
и=#ɪ#
й=#j#
к=#k#
л=#l#
м=#m#
н=#n#
о</w>=#ə#</w>
<w>о=<w>#ɐ#
О=#ˈo#
о=#ɐ#
п=#p#
р=#r#
с=#s#
т=#t#
У=#ˈu#
у=#ʊ#
ф=#f#
х=#x#
ц=#t͡s#
ч=#t͡ɕ#
ш=#ʂ#
щ=#ɕː#
ъ=
Ы=#ˈɨ#
ы=#ᵻ#
ь=#ʲ#
<w>э=<w>#ɛ#
Э=#ˈɛ#
э=#ɪ#
Ю=#jˈʉ#
ю=#jʉ#
<w>я=<w>#jɪ#
<w>Я=<w>#jˈæ#
Я=#jˈæ#
я=#jɐ#""".split("\n")

FIXES = """ʲɪjˈe</w>=ʲɪj ˈe</w>
ʲɪsʲə</w>=ʲɪ sʲə</w>
jʉsʲə</w>=jʉ sʲə</w>
<w>əftɐ=<w>ɐftɐ
nʲˈi</w>=nʲˈ i</w>
ʲɪv</w>=ʲɪf</w>
lˈo</w>=lˈ o</w>
ɐf</w>=əf</w>
ɐm</w>=əm</w>
ɐ</w>=ə</w>
<w>ə=<w>ɐ""".split("\n")

TOP = ["ое</w>=#əjʲə#</w>", "ую</w>=#ʊjʲʊ#</w>"]


def rule_table():
    table = Table()
    add_words(table)
    for consonant in list(PAIRED + "жшцчщ") + list(UNITS):
        add_chunks(table, consonant)
    add_consonant_contexts(table)
    add_silent_letters(table)
    add_glides(table)
    header = [RULER, ";Фонетический словарь формирующий правила разбиения слов на фонемы",
              ";24.07.2016", RULER]
    return header + TOP + table.lines() + BASE


def fix_list():
    return [RULER, ";Словарь замен для коррекции транскрипций", ";06.03.2016", RULER] + FIXES


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "resources", "phonetics")
    from alphabet import ALPHABET_LINES
    for name, lines in (("rules.txt", rule_table()), ("fixes.txt", fix_list()),
                        ("alphabet.txt", ALPHABET_LINES)):
        with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
