"""The fixed grammatical order of the forms in a dictionary line (documented in README.md)."""

CASES = ["nomn", "gent", "gen2", "datv", "accs", "acc2", "ablt", "loct", "loc2", "voct"]
GENDERS = ["masc", "femn", "neut", "plur"]
PERSONS = [("sing", "1per"), ("sing", "2per"), ("sing", "3per"),
           ("plur", "1per"), ("plur", "2per"), ("plur", "3per")]
PARTICIPLES = [("pres", "actv"), ("past", "actv"), ("pres", "pssv"), ("past", "pssv")]


def grammemes(tag):
    return set(tag.replace(" ", ",").split(","))


def _rank(items, g, default):
    for i, item in enumerate(items):
        if item in g:
            return i
    return default


def _case_rank(g):
    return _rank(CASES, g, len(CASES))


def _gender_rank(g):
    return 3 if "plur" in g else _rank(GENDERS, g, 4)


def _noun_key(g):
    return (_case_rank(g), 0 if "sing" in g else 1)


def _adjective_key(g):
    """Full forms case by case (masculine, feminine, neuter, plural in each case)."""
    return (_case_rank(g), _gender_rank(g), 0 if "anim" in g else 1)


def _participle_rank(g):
    for i, (tense, voice) in enumerate(PARTICIPLES):
        if tense in g and voice in g:
            return i
    return len(PARTICIPLES)


def form_key(tag, prefix):
    """Sort key of one form; ties keep the paradigm order (the sort is stable)."""
    g = grammemes(tag)
    pos = tag.split(",")[0].split(" ")[0]
    if pos in ("NOUN", "NPRO", "NUMR"):
        return (0,) + _noun_key(g)
    if pos == "ADJF":
        block = 1 if "Supr" not in g else (5 if prefix else 4)
        return (block,) + _adjective_key(g)
    if pos == "ADJS":
        return (2, _gender_rank(g))
    if pos == "COMP":
        return (3, 1 if prefix else 0)
    if pos == "INFN":
        return (10,)
    if pos == "VERB":
        if "past" in g:
            return (12, _gender_rank(g))
        if "impr" in g:
            return (13, 0 if "sing" in g else 1, 0 if "excl" in g else 1)
        person = next((i for i, (n, p) in enumerate(PERSONS) if n in g and p in g), 6)
        return (11, person)
    if pos == "GRND":
        return (14, 0 if "pres" in g else 1)
    if pos == "PRTF":
        return (15, _participle_rank(g)) + _adjective_key(g)
    if pos == "PRTS":
        return (16, _participle_rank(g), _gender_rank(g))
    return (20,)


def ordered_slots(lexeme):
    """Slot indices of a lexeme in dictionary order."""
    return sorted(range(len(lexeme.forms)),
                  key=lambda i: form_key(lexeme.tags[i], lexeme.prefixes[i]))
