#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what Orca spoke from its debug log and checks one round's announcements and the
flat review of the window that follows it."""

import re
import sys

EXPECTED = [
    "3",
    "これを間違えるようでは、 目覚ましで起きたての寝ぼけまなこだね。",
    "2",
    "1",
    "GO",
    "残念！",
    "ﾚﾍﾞﾙ 1",
]


def spoken(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'", log.read(), re.S)]


def normalised(text):
    return " ".join(text.split()).rstrip(".")


def main():
    said = [normalised(s) for s in spoken(sys.argv[1])]
    print("Orca spoke:")
    for utterance in said:
        print("  " + utterance)
    # The round runs from the first count to the level shown after the result; what is
    # said later (the card, when Tab reaches the picture) belongs to other checks.
    start = said.index(EXPECTED[0]) if EXPECTED[0] in said else len(said)
    end = said.index(EXPECTED[-1], start) + 1 if EXPECTED[-1] in said[start:] else len(said)
    round_speech = [s for s in said[start:end] if s in EXPECTED]
    if round_speech != EXPECTED:
        print("expected, once each and in this order:", EXPECTED)
        print("got:", round_speech)
        return 1
    print("the count, GO, the result, the level and the card: once each, in order")

    # The flat review at the end reads the window line by line, top to bottom.
    review = said[-6:-1]
    if not (review[0] == "説明の絵" and "9桁目の数字" in review[1]
            and review[2:] == ["ﾚﾍﾞﾙ 1", "スタート", "おわる"]):
        print("flat review read:", review)
        return 1
    print("flat review: the picture, the boxes, the status text, the buttons")
    return 0


if __name__ == "__main__":
    sys.exit(main())
