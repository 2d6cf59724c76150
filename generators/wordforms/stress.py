"""Stress assignment for every form of a lexeme.

Each form is split as prefix + stem + ending (the stem is the beginning the forms share).
A stressed vowel is then labelled ("S", k) when it is the k-th vowel of the stem or
("E", j) when it is the j-th vowel of the ending; labels carry over between forms of
one lexeme.

Evidence, strongest first: the override list, a single ё, festvox-ru (same part of
speech, and for nouns only where the spelling does not stand for both a singular and
a plural slot), one-vowel forms. Forms without such evidence get their stress
  * for nouns from the accent pattern (stem/ending stress per number and case) that
    best fits the lexeme's evidence and the guesses (analogy or espeak);
  * for other words from the forms of the same group (one participle, the present
    tense, the short feminine, ...) that have evidence, else from the class that a table
    counted over all lexemes finds likeliest given the lexeme's known groups and the
    guesses for the group, else from the guess for the form alone.
"""
import math
import os
from collections import Counter

from form_order import grammemes
from sources import VOWELS

FESTVOX_POS = {
    "NOUN": {"n", "surname", "name", "sname"},
    "ADJF": {"adj", "num-p", "pron-p", "pps", "pron", "det"},
    "ADJS": {"adj", "adv"},  # festvox "adv-v" are gerunds: красив is кра'сив (from красить)
    "COMP": {"adj", "adv"},
    "INFN": {"v"},
    "VERB": {"v"},
    "PRTF": {"adv-j", "adj"},
    "PRTS": {"adj", "v"},
    "GRND": {"adv-v"},
    "ADVB": {"adv", "det", "aux", "in", "wp"},
    "NPRO": {"pron", "pron-p", "pps", "det", "wp"},
    "NUMR": {"num", "num-p", "det"},
}
FUNCTION_WORD_POS = {"cc", "in", "wp", "aux", "det", "prp", "adv", "pron"}

NOUN_PATTERNS = {"a": 1.5, "b": 1.0, "c": 0.5, "d": 0.3, "d1": 0.1, "e": 0.3, "f": 0.1, "f1": 0.2}
STRONG, AMBIGUOUS, GUESS = 10.0, 5.0, 1.0


def count_vowels(text):
    return sum(1 for ch in text if ch in VOWELS)


def single_yo(form):
    return form.index("ё") if form.count("ё") == 1 else None


def vowel_number(form, char_index):
    return count_vowels(form[:char_index])


def shared_stem(bodies):
    """The beginning shared by all forms that begin like the lemma (человек/люди gives человек)."""
    alike = [b for b in bodies if b[:1] == bodies[0][:1]]
    return os.path.commonprefix(alike)


class Slots:
    """Prefix/stem/ending vowel counts of each form of a lexeme. The stem is the beginning the
    forms share (the source's own stem/ending split serves compression, not grammar)."""

    def __init__(self, lexeme):
        bodies = [f[len(p):] for f, p in zip(lexeme.forms, lexeme.prefixes)]
        stem = shared_stem(bodies)
        self.prefix = [count_vowels(p) for p in lexeme.prefixes]
        self.stems = [count_vowels(os.path.commonprefix([b, stem])) for b in bodies]
        self.ending = [count_vowels(b) - sv for b, sv in zip(bodies, self.stems)]

    def label(self, i, v):
        vp, stem = self.prefix[i], self.stems[i]
        if v < vp:
            return ("P", v)
        if v < vp + stem:
            return ("S", v - vp)
        return ("E", v - vp - stem)

    def index(self, i, label):
        kind, n = label
        vp, stem = self.prefix[i], self.stems[i]
        if n < 0:
            return None
        if kind == "P":
            return n if n < vp else None
        if kind == "S":
            return vp + n if n < stem else None
        if n < self.ending[i]:
            return vp + stem + n
        if self.ending[i] == 0 and n == 0 and stem > 0:
            return vp + stem - 1  # ending without a vowel: the last stem vowel
        return None


class Evidence:
    def __init__(self, size):
        self.strong = {}            # slot -> vowel index
        self.ambiguous = []         # (slots, vowel index): true for at least one slot
        self.guess = [None] * size  # stress guessed by analogy or espeak


def collect_evidence(lexeme, festvox, guesser, overrides, use_festvox=True):
    ev = Evidence(len(lexeme.forms))
    is_noun = lexeme.pos == "NOUN"
    by_spelling = {}
    for i, form in enumerate(lexeme.forms):
        by_spelling.setdefault(form, []).append(i)
        ev.guess[i] = guesser(form, lexeme.tags[i]) if "-" not in form else None
    for form, slots in by_spelling.items():
        vowels = count_vowels(form)
        if vowels == 0:
            continue
        yo = single_yo(form)
        if yo is not None:
            for i in slots:
                ev.strong[i] = vowel_number(form, yo)
            continue
        v = _festvox_stress(form, lexeme.tags[slots[0]], festvox) if use_festvox else None
        if v is None and vowels == 1:
            v = 0
        if v is None:
            continue
        numbers = {("plur" in grammemes(lexeme.tags[i])) for i in slots}
        if is_noun and len(numbers) > 1 and vowels > 1:
            ev.ambiguous.append((slots, v))
        else:
            for i in slots:
                ev.strong[i] = v
    ev.strong.update(overrides.for_lexeme(lexeme))
    return ev


def accepted_festvox_pos(tag):
    return FESTVOX_POS.get(tag.split(",")[0].split(" ")[0], FUNCTION_WORD_POS)


def _festvox_stress(form, tag, festvox):
    entries = festvox.get(form.replace("ё", "е"))
    if not entries:
        return None
    accepted = accepted_festvox_pos(tag)
    votes = Counter(v for p, v in entries if p in accepted)
    return votes.most_common(1)[0][0] if votes else None


def assign_stress(lexeme, ev, noun_pattern=None, model=None):
    """Vowel index of the main stress of every form (None for forms without vowels)."""
    slots = Slots(lexeme)
    if lexeme.pos == "NOUN":
        result = _noun_stress(lexeme, slots, ev, noun_pattern)
    elif _stressed_vy_prefix(lexeme, ev):
        result = [ev.strong.get(i, 0) for i in range(len(lexeme.forms))]
    else:
        result = _group_stress(lexeme, slots, ev, model)
    _keep_superlative_prefix_unstressed(lexeme, result)
    for i, form in enumerate(lexeme.forms):
        if result[i] is None and count_vowels(form) > 0:
            result[i] = ev.guess[i] if ev.guess[i] is not None else _fallback(lexeme, slots, result, i)
    return result


def _keep_superlative_prefix_unstressed(lexeme, result):
    """наи- forms stress like the same form without it (наиху'дший like ху'дший)."""
    by_form = {(f, t): result[i] for i, (f, t) in enumerate(zip(lexeme.forms, lexeme.tags))}
    for i, (form, tag) in enumerate(zip(lexeme.forms, lexeme.tags)):
        if form.startswith("наи") and "Supr" in tag:
            v = by_form.get((form[3:], tag))
            if v is not None:
                result[i] = v + 2


def _stressed_vy_prefix(lexeme, ev):
    """Perfective verbs with the prefix вы- stress it in every form (вы'полнить, вы'полнил)."""
    if lexeme.pos != "INFN" or "perf" not in grammemes(lexeme.tags[0]) or not lexeme.lemma.startswith("вы"):
        return False
    votes = Counter(v == 0 for i, v in ev.strong.items() if count_vowels(lexeme.forms[i]) > 1)
    return votes[True] >= votes[False]


def _fallback(lexeme, slots, result, i):
    """Stress of a form nothing else could place: the lemma's label if it fits, else the first vowel."""
    if result[0] is not None:
        v = slots.index(i, slots.label(0, result[0]))
        if v is not None:
            return v
    return 0


# ----- nouns -----

def _noun_case(g):
    for case in ("nomn", "gent", "gen2", "datv", "accs", "acc2", "ablt", "loct", "loc2", "voct"):
        if case in g:
            return case
    return "nomn"


def _noun_label(pattern, g, accs_like_nomn):
    case = _noun_case(g)
    if case == "loc2":
        return "E"
    singular = "sing" in g
    if pattern == "a":
        return "S"
    if pattern == "b":
        return "E"
    if pattern == "c":
        return "S" if singular else "E"
    if pattern in ("d", "d1"):
        if singular:
            return "S" if pattern == "d1" and case in ("accs", "acc2") else "E"
        return "S"
    # e, f, f1: the nominative plural (and an accusative plural spelt like it) on the stem
    if not singular:
        return "S" if case == "nomn" or (case == "accs" and accs_like_nomn) else "E"
    if pattern == "e":
        return "S"
    return "S" if pattern == "f1" and case in ("accs", "acc2") else "E"


def _stem_stress(slots, ev, anchor):
    votes = Counter(lab[1] for i, v in ev.strong.items() if (lab := slots.label(i, v))[0] == "S")
    if not votes:
        votes = Counter(lab[1] for i, v in anchor.items() if (lab := slots.label(i, v))[0] == "S")
    if not votes:
        votes = Counter(lab[1] for i, v in enumerate(ev.guess)
                        if v is not None and (lab := slots.label(i, v))[0] == "S")
    if votes:
        return votes.most_common(1)[0][0]
    return max(slots.stems[0] - 1, 0)


def _noun_prediction(lexeme, slots, pattern, k, nom_pl_forms):
    out = []
    for i, tag in enumerate(lexeme.tags):
        g = grammemes(tag)
        kind = _noun_label(pattern, g, lexeme.forms[i] in nom_pl_forms)
        out.append(slots.index(i, ("S", k) if kind == "S" else ("E", 0)))
    return out


def _noun_stress(lexeme, slots, ev, forced_pattern):
    anchor = {}
    if ev.guess[0] is not None and not any(count_vowels(lexeme.forms[i]) > 1 for i in ev.strong):
        anchor = {0: ev.guess[0]}  # nothing known: lean on the guess for the lemma
    k = _stem_stress(slots, ev, anchor)
    nom_pl = {f for f, t in zip(lexeme.forms, lexeme.tags) if "plur" in t and "nomn" in t}
    patterns = [forced_pattern] if forced_pattern else list(NOUN_PATTERNS)
    # a guess for руки or дома says nothing: the spelling stands for a singular and a plural slot
    numbers = {}
    for f, t in zip(lexeme.forms, lexeme.tags):
        numbers.setdefault(f, set()).add("plur" in t)
    two_numbers = {i for i, f in enumerate(lexeme.forms) if len(numbers[f]) > 1}
    best, best_score = None, None
    for pattern in patterns:
        pred = _noun_prediction(lexeme, slots, pattern, k, nom_pl)
        score = NOUN_PATTERNS.get(pattern, 0.0)
        for i, v in ev.strong.items():
            score += STRONG if pred[i] == v else -STRONG
        for i, v in anchor.items():
            score += AMBIGUOUS if pred[i] == v else -AMBIGUOUS
        for group, v in ev.ambiguous:
            score += AMBIGUOUS if any(pred[i] == v for i in group) else -AMBIGUOUS
        for i, v in enumerate(ev.guess):
            if v is not None and i not in ev.strong and i not in two_numbers and pred[i] == v:
                score += GUESS
        if best_score is None or score > best_score:
            best, best_score = pred, score
    return [ev.strong.get(i, best[i]) for i in range(len(best))]


# ----- other words -----

def _group_key(i, tag, prefix):
    g = grammemes(tag)
    pos = tag.split(",")[0].split(" ")[0]
    if pos == "ADJF":
        return "full" if "Supr" not in g else "supr" + prefix
    if pos == "ADJS":
        return "short-" + ("plur" if "plur" in g else next((x for x in ("masc", "femn", "neut") if x in g), ""))
    if pos == "COMP":
        return "comp" + prefix
    if pos == "INFN":
        return "inf"
    if pos == "VERB":
        if "past" in g:
            return "past-" + ("femn" if "femn" in g else "masc" if "masc" in g else "other")
        if "impr" in g:
            return "impr"
        return "pres1sg" if "sing" in g and "1per" in g else "pres"
    if pos == "GRND":
        return "grnd-" + ("pres" if "pres" in g else "past")
    if pos in ("PRTF", "PRTS"):
        kind = pos + ("pres" if "pres" in g else "past") + ("actv" if "actv" in g else "pssv")
        if pos == "PRTS":
            kind += "femn" if "femn" in g else "other"
        return kind
    return "slot%d" % i


def _groups(lexeme):
    groups = {}
    for i, tag in enumerate(lexeme.tags):
        groups.setdefault(_group_key(i, tag, lexeme.prefixes[i]), []).append(i)
    return groups


def _class(slots, i, label):
    """A label made comparable between lexemes: stem stress counted from the end of the stem."""
    kind, n = label
    return ("S", n - slots.stems[i]) if kind == "S" else label


def _unclass(slots, i, cls):
    kind, n = cls
    return ("S", slots.stems[i] + n) if kind == "S" else cls


def _known_classes(lexeme, slots, ev, groups):
    known = {}
    for name, members in groups.items():
        votes = Counter(_class(slots, i, slots.label(i, ev.strong[i])) for i in members if i in ev.strong)
        if votes:
            known[name] = votes.most_common(1)[0][0]
    return known


class GroupModel:
    """How the stress of one group of forms goes with the stress of another group of the same
    lexeme (say the present tense with the infinitive), counted over the lexemes where both are known."""

    GUESS_WEIGHT = 2.0

    def __init__(self):
        self.pairs = Counter()
        self.pair_totals = Counter()
        self.priors = Counter()
        self.prior_totals = Counter()
        self.candidates = {}

    def observe(self, lexeme, ev):
        if lexeme.pos == "NOUN":
            return
        slots = Slots(lexeme)
        known = _known_classes(lexeme, slots, ev, _groups(lexeme))
        pos = lexeme.pos
        for g, cg in known.items():
            self.priors[(pos, g, cg)] += 1
            self.prior_totals[(pos, g)] += 1
            self.candidates.setdefault((pos, g), set()).add(cg)
            for h, ch in known.items():
                if h != g:
                    self.pairs[(pos, h, ch, g, cg)] += 1
                    self.pair_totals[(pos, h, ch, g)] += 1

    def predict(self, pos, group, known, guessed):
        """The most likely class of a group without evidence, or None."""
        candidates = self.candidates.get((pos, group), set()) | set(guessed)
        if not candidates:
            return None
        n = len(candidates)
        guess_total = sum(guessed.values()) or 1
        best, best_score = None, None
        for c in candidates:
            score = math.log((self.priors[(pos, group, c)] + 0.5) / (self.prior_totals[(pos, group)] + 0.5 * n))
            for h, ch in known.items():
                total = self.pair_totals[(pos, h, ch, group)]
                if total:
                    score += math.log((self.pairs[(pos, h, ch, group, c)] + 0.5) / (total + 0.5 * n))
            score += self.GUESS_WEIGHT * guessed.get(c, 0) / guess_total * len(known or [0])
            if best_score is None or score > best_score:
                best, best_score = c, score
        return best


def _group_stress(lexeme, slots, ev, model):
    groups = _groups(lexeme)
    known = _known_classes(lexeme, slots, ev, groups)
    lemma_group = _group_key(0, lexeme.tags[0], lexeme.prefixes[0])
    if not known and ev.guess[0] is not None:
        # nothing known: anchor on the guess for the lemma, the form guessed best
        known[lemma_group] = _class(slots, 0, slots.label(0, ev.guess[0]))
    result = [None] * len(lexeme.forms)
    for name, members in groups.items():
        cls = known.get(name)
        if cls is None:
            guessed = Counter(_class(slots, i, slots.label(i, ev.guess[i]))
                              for i in members if ev.guess[i] is not None)
            cls = model.predict(lexeme.pos, name, known, guessed) if model else None
            if cls is None and guessed:
                cls = guessed.most_common(1)[0][0]
        for i in members:
            if i in ev.strong:
                result[i] = ev.strong[i]
            elif cls is not None:
                result[i] = slots.index(i, _unclass(slots, i, cls))
    return result
