"""Stress by analogy: the longest word ending shared with festvox words of the same part of speech.

Russian stress mostly stays with the root and the suffixes through prefixation
(переписала stresses like писала), so a known word with the same long ending is a better
guess for an inflected form than letter-to-sound rules.
"""
from collections import Counter

from stress import count_vowels

SHORTEST, LONGEST = 8, 12
AGREEMENT = 0.9


class SuffixAnalogy:
    def __init__(self, festvox):
        self._index = {}  # (festvox part of speech, ending) -> Counter of vowels after the stress
        for word, entries in festvox.items():
            if "-" in word:
                continue
            vowels = count_vowels(word)
            for pos, v in entries:
                after = vowels - 1 - v
                for length in range(SHORTEST, min(LONGEST, len(word)) + 1):
                    ending = word[-length:]
                    if count_vowels(ending) > after:
                        self._index.setdefault((pos, ending), Counter())[after] += 1

    def stress(self, form, accepted_pos):
        """Index of the stressed vowel by the longest known ending, or None when the words disagree."""
        word = form.replace("ё", "е")
        vowels = count_vowels(word)
        for length in range(min(LONGEST, len(word)), SHORTEST - 1, -1):
            votes = Counter()
            for pos in accepted_pos:
                votes.update(self._index.get((pos, word[-length:]), ()))
            if votes:
                after, n = votes.most_common(1)[0]
                if n < AGREEMENT * sum(votes.values()) or after >= vowels:
                    return None
                return vowels - 1 - after
        return None
