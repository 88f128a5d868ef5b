#!/usr/bin/env python3
"""Draws the builder benchmark's random word lists from the hunspell English dictionary.

Run from this folder: python3 make_lists.py /usr/share/hunspell/en_US.dic
The dictionary's affix flags are stripped and only plain a-z words are kept, so the lists hold
real words of every frequency. Each list is drawn with its own fixed seed, so the files can be
made again exactly; the "a" lists are the ones the search was tuned on, the "b" and "c" lists are
only for checking.
"""
import random
import sys

TECHNICAL_ENDINGS = ("ology", "itis", "ase", "ide", "ium", "osis", "meter", "graph", "scope", "ation",
                     "ometry", "lysis", "genesis", "phyte", "cyte", "plasm", "therm", "tron")


def plain_words(path):
    words = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        next(f)  # the word count
        for line in f:
            word = line.strip().split("/")[0]
            if word.isascii() and word.isalpha() and word.islower():
                words.add(word)
    return sorted(words)


def write(name, words, note):
    with open(name, "w") as f:
        f.write("# " + note + "\n")
        for w in words:
            f.write(w.upper() + "\n")


def main():
    words = plain_words(sys.argv[1] if len(sys.argv) > 1 else "/usr/share/hunspell/en_US.dic")
    common = [w for w in words if 3 <= len(w) <= 12]
    for count in (20, 50, 100, 200):
        for suffix, seed in (("a", 1), ("b", 2), ("c", 3)):
            rng = random.Random(count * 100 + seed)
            write("random_%d_%s.txt" % (count, suffix), rng.sample(common, count),
                  "%d random dictionary words of 3-12 letters (seed %d)" % (count, count * 100 + seed))
    technical = [w for w in words if 9 <= len(w) <= 15 and w.endswith(TECHNICAL_ENDINGS)]
    for suffix, seed in (("a", 11), ("b", 12)):
        rng = random.Random(seed)
        write("technical_100_%s.txt" % suffix, rng.sample(technical, 100),
              "100 long technical dictionary words of 9-15 letters (seed %d)" % seed)


if __name__ == "__main__":
    main()
