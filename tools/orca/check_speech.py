#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what Orca spoke from its debug log and checks one round's announcements and the
flat review of the window that follows it, in the language the game was played in; with
another answer order than as shown, the order is said before the count.

    check_speech.py ORCA_LOG [ja|en] [forward|backward|ascending]
"""

import re
import sys

# What a round lost at level 1 says, in order, and what the flat review reads: the
# picture's name, the boxes, the status text, the buttons.
EXPECTED = {
    "ja": {
        "round": ["3", "これを間違えるようでは、 目覚ましで起きたての寝ぼけまなこだね。", "2", "1",
                  "GO", "残念！", "ﾚﾍﾞﾙ 1"],
        "review": ["説明の絵", "9桁目の数字", "ﾚﾍﾞﾙ 1", "スタート", "おわる"],
    },
    "en": {
        "round": ["3", "Get this wrong and you're still bleary-eyed from the alarm clock", "2",
                  "1", "GO", "Too bad!", "Level 1"],
        "review": ["Card", "Digit 9", "Level 1", "Start", "Quit"],
    },
}


# How a round in another order begins.
ORDER_SAID = {
    "ja": {"backward": "答え方：逆から", "ascending": "答え方：小さい順"},
    "en": {"backward": "Answer order: Backwards", "ascending": "Answer order: Smallest First"},
}


def spoken(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as log:
        # An utterance may hold quotes of its own ("you're"); its closing one ends the line
        # or comes before the voice's settings.
        return [m.group(1)
                for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'(?=[{[]|\n|$)", log.read(), re.S)]


def normalised(text):
    return " ".join(text.split()).rstrip(".")


def main():
    language = sys.argv[2] if len(sys.argv) > 2 else "ja"
    order = sys.argv[3] if len(sys.argv) > 3 else "forward"
    round_expected = EXPECTED[language]["round"]
    if order != "forward":
        round_expected = [ORDER_SAID[language][order]] + round_expected
    picture, last_box, status, start, end = EXPECTED[language]["review"]
    said = [normalised(s) for s in spoken(sys.argv[1])]
    print("Orca spoke:")
    for utterance in said:
        print("  " + utterance)
    # The round runs from the first count to the level shown after the result; what is
    # said later (the card, when Tab reaches the picture) belongs to other checks.
    first = said.index(round_expected[0]) if round_expected[0] in said else len(said)
    last = (said.index(round_expected[-1], first) + 1 if round_expected[-1] in said[first:]
            else len(said))
    round_speech = [s for s in said[first:last] if s in round_expected]
    if round_speech != round_expected:
        print("expected, once each and in this order:", round_expected)
        print("got:", round_speech)
        return 1
    print("the order, the count, GO, the result, the level and the card: once each, in order"
          if order != "forward" else
          "the count, GO, the result, the level and the card: once each, in order")

    # The flat review at the end reads the window line by line, top to bottom.
    review = said[-6:-1]
    if not (review[0] == picture and last_box in review[1]
            and review[2:] == [status, start, end]):
        print("flat review read:", review)
        return 1
    print("flat review: the picture, the boxes, the status text, the buttons")
    return 0


if __name__ == "__main__":
    sys.exit(main())
