"""Our own hand-kept lists: stress overrides and homographs split into separate lines."""
from form_order import grammemes
from stress import count_vowels


def _read_rows(path):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if line:
                yield number, line.split()


def stressed_index(marked):
    """'за'мок' -> ('замок', 0): the spelling and the index of the vowel before the apostrophe."""
    pos = marked.index("'")
    return marked.replace("'", ""), count_vowels(marked[:pos]) - 1


class Overrides:
    """Lines "lemma form'[@grammeme,grammeme] ...": the stress of that form in that lemma's lexemes,
    optionally only in the slots whose tag has all the grammemes."""

    def __init__(self, path):
        self._rows = {}
        for number, fields in _read_rows(path):
            lemma, entries = fields[0], fields[1:]
            parsed = []
            for entry in entries:
                marked, _, filt = entry.partition("@")
                if "'" not in marked:
                    raise ValueError(f"{path}:{number}: no stress mark in {entry}")
                form, v = stressed_index(marked)
                parsed.append((form, v, set(filt.split(",")) if filt else set()))
            self._rows.setdefault(lemma, []).extend(parsed)

    def for_lexeme(self, lexeme):
        result = {}
        for form, v, need in self._rows.get(lexeme.lemma, ()):
            for i, (f, tag) in enumerate(zip(lexeme.forms, lexeme.tags)):
                if f == form and need <= grammemes(tag):
                    result[i] = v
        return result

    def __len__(self):
        return len(self._rows)


class Homograph:
    """One word of a homograph: its stressed lemma, noun accent pattern and a form that picks its lexeme."""

    def __init__(self, spec):
        marked, _, rest = spec.partition(":")
        pattern, _, pick = rest.partition("/")
        if "/" in marked:
            marked, pick = marked.split("/", 1)
        self.lemma, self.lemma_stress = stressed_index(marked)
        self.pattern = pattern or None
        self.pick = pick or None


class Homographs:
    """Lines "lemma POS variant variant ...", a variant being stressed-lemma[:pattern][/form]."""

    def __init__(self, path):
        self.entries = {}
        for number, fields in _read_rows(path):
            lemma, pos, variants = fields[0], fields[1], fields[2:]
            words = [Homograph(v) for v in variants]
            if len(words) < 2 or any(w.lemma != lemma for w in words):
                raise ValueError(f"{path}:{number}: need two or more variants of {lemma}")
            self.entries[(lemma, pos)] = words

    def __len__(self):
        return len(self.entries)
