#!/usr/bin/env python3
"""Generates propositional rule bases for the benchmark, with equivalent CLIPS rules.

Shapes (N = number of rules):
  chain   c0 is declared; rule i concludes c<i> from c<i-1>.
  dag     layers of 100 facts; layer 0 is declared; rule k of a layer concludes
          its fact k from fact k and two other facts of the layer before it.
  wide    2N declared facts; rule i concludes w<i> from two of them, no rule
          depends on another.
  nested  a base for the load-time verification tests: askable conditions,
          intermediate conclusions over them and top rules over the intermediates.

Usage: generate_bases.py SHAPE N OUT_DIR
writes OUT_DIR/RU<shape>.EEB and, except for nested, OUT_DIR/<shape>.clp.
A fixed seed keeps every run on the same base.
"""

import random
import sys

LAYER = 100


def chain(n):
    rules = [(f"c{i}", [f"c{i - 1}"]) for i in range(1, n + 1)]
    return rules, ["c0"]


def dag(n):
    rng = random.Random(20261210)
    rules = []
    layer = 1
    while len(rules) < n:
        for k in range(min(LAYER, n - len(rules))):
            # k itself among the conditions: every fact of a layer is used, so
            # every declared fact is an askable condition
            offsets = rng.sample(range(1, LAYER), 2)
            conditions = [k] + [(k + o) % LAYER for o in offsets]
            rules.append((f"d{layer}_{k}", [f"d{layer - 1}_{c}" for c in conditions]))
        layer += 1
    return rules, [f"d0_{k}" for k in range(LAYER)]


def wide(n):
    rules = [(f"w{i}", [f"f{2 * i}", f"f{2 * i + 1}"]) for i in range(n)]
    return rules, [f"f{k}" for k in range(2 * n)]


def nested(n):
    """A third of the rules conclude intermediates from askables, the rest conclude
    one of a few hypotheses from two intermediates."""
    rng = random.Random(20261211)
    askables = max(50, n // 10)
    intermediates = max(20, n // 3)
    rules = []
    for m in range(intermediates):
        rules.append((f"m{m}", [f"a{k}" for k in rng.sample(range(askables), 2)]))
    seen = set()
    while len(rules) < n:
        top = f"t{rng.randrange(max(5, n // 100))}"
        pair = tuple(sorted(rng.sample(range(intermediates), 2)))
        if (top, pair) not in seen:  # no rule twice
            seen.add((top, pair))
            rules.append((top, [f"m{k}" for k in pair]))
    return rules, []


SHAPES = {"chain": chain, "dag": dag, "wide": wide, "nested": nested}


def quoted(text):
    return '"' + text + '"'


def write_orve(path, rules, facts):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        for number, (conclusion, conditions) in enumerate(rules, start=1):
            names = ",".join(quoted(c) for c in conditions)
            out.write(f"rule({number},{quoted(conclusion)},[{names}],0)\n")
        for fact in facts:
            out.write(f"fact({quoted(fact)})\n")


def write_clips(path, rules, facts):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write("(deffacts declared\n")
        for fact in facts:
            out.write(f"  ({fact})\n")
        out.write(")\n")
        for number, (conclusion, conditions) in enumerate(rules, start=1):
            patterns = " ".join(f"({c})" for c in conditions)
            out.write(f"(defrule r{number} {patterns} => (assert ({conclusion})))\n")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in SHAPES:
        sys.exit("usage: generate_bases.py chain|dag|wide|nested N OUT_DIR")
    shape, n, out_dir = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    rules, facts = SHAPES[shape](n)
    write_orve(f"{out_dir}/RU{shape}.EEB", rules, facts)
    if shape != "nested":
        write_clips(f"{out_dir}/{shape}.clp", rules, facts)


if __name__ == "__main__":
    main()
