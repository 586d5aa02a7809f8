// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace pabrel::testing {
namespace {

class Orders : public GameFixture
{
protected:
    Orders() : GameFixture({7, 3}) {}
};

// Each order is tried wrong and then right at its own level 1, on the shown digits 7 3.
TEST_F(Orders, EachOrderJudgesItsOwnAnswerAndFillsTheBoxesItsOwnWay)
{
    const struct
    {
        RecallOrder order;
        std::u32string keys;
        bool right;
        std::string boxes;
    } cases[] = {
        {RecallOrder::Forward, U"37", false, "37"},   {RecallOrder::Forward, U"73", true, "73"},
        {RecallOrder::Backward, U"73", false, "37"},  {RecallOrder::Backward, U"37", true, "73"},
        {RecallOrder::Ascending, U"73", false, "73"}, {RecallOrder::Ascending, U"37", true, "37"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(codeOf(c.order)) + (c.right ? " right" : " wrong"));
        game.setRecallOrder(c.order);
        playToAnswering();
        view.type(c.keys);
        EXPECT_EQ(view.status, c.right ? "正解！" : "残念！");
        EXPECT_EQ(view.boxes[0] + view.boxes[1], c.boxes);
        view.advance(1500);
        EXPECT_EQ(view.status, LevelText + (c.right ? "2" : "1"));
    }
}

TEST(RecallOrder, SmallestFirstRepeatsARepeatedDigit)
{
    CheckedArray<DigitBoxCount> question;
    std::string boxes;
    for (int i = 0; i < 5; ++i) {
        question[i] = static_cast<Int16>(std::array{5, 2, 9, 2, 0}[std::size_t(i)]);
    }
    for (int i = 0; i < 5; ++i) {
        boxes += numberText(expectedBoxes(RecallOrder::Ascending, question, 4)[i]);
    }
    EXPECT_EQ(boxes, "02259");
    EXPECT_EQ(boxOfKey(RecallOrder::Backward, 0, 4), 4);
}

TEST_F(Orders, EachOrderKeepsItsLevelAndAChoiceMadeDuringARoundWaitsForItsEnd)
{
    reachLevel(3);
    game.setRecallOrder(RecallOrder::Backward);
    EXPECT_EQ(view.status, LevelText + "1");
    EXPECT_EQ(view.picture, "rules backward");
    EXPECT_EQ(view.order, "backward");

    const std::size_t start = view.calls.size();
    game.cmdStart_Click();
    EXPECT_EQ(view.callsSince(start).front(), "announce backward");
    game.setRecallOrder(RecallOrder::Forward);
    view.advance(3000 + 600);
    game.cmdStart_Click();
    EXPECT_EQ(view.status, "残念！");
    EXPECT_EQ(view.order, "backward");
    view.advance(1500);
    EXPECT_EQ(view.status, LevelText + "3");
    EXPECT_EQ(view.order, "forward");
    EXPECT_EQ(view.picture, "rules");
}

} // namespace
} // namespace pabrel::testing
