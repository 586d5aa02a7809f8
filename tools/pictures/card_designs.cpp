#include "card_designs.h"

#include <string>

namespace pabrel::art {
namespace {

CardDesign rulesCard()
{
    return {"rules.bmp",
            Yellow,
            {
                {5, 1, 144, 25, true, LineAlignment::Left, 25, 25, {{"ルール説明", Black}}},
                {5,
                 59,
                 CardSeenWidth - 1,
                 113,
                 false,
                 LineAlignment::Left,
                 26,
                 27,
                 {
                     {"一瞬だけ出る数字を覚えて入力してください。", Black},
                     {"レベルが上がるごとに難しくなります。", Black},
                 }},
                {14,
                 129,
                 CardSeenWidth - 1,
                 213,
                 false,
                 LineAlignment::Left,
                 26,
                 27,
                 {
                     {"正解するとレベルが上がり、", Black},
                     {"間違えるとレベルが下がります。", Black},
                     {"レベルごとにコメントがあります。", Black},
                 }},
            }};
}

CardDesign levelCard(int level, LetteringBlock block)
{
    return {"level" + std::to_string(level) + ".bmp", Cyan, {std::move(block)}};
}

} // namespace

std::vector<CardDesign> cardDesigns()
{
    constexpr auto Left = LineAlignment::Left;
    constexpr auto Centred = LineAlignment::Centred;
    return {
        rulesCard(),
        levelCard(1, {11,
                      71,
                      528,
                      128,
                      true,
                      Left,
                      27,
                      28,
                      {{"これを間違えるようでは、", Black},
                       {"目覚ましで起きたての寝ぼけまなこだね。", Black}}}),
        levelCard(2, {11,
                      69,
                      361,
                      133,
                      true,
                      Left,
                      31,
                      32,
                      {{"これを間違えたら、", Black}, {"テレビ見ながら歯みがき", Black}}}),
        levelCard(3, {154,
                      87,
                      379,
                      141,
                      true,
                      Centred,
                      26,
                      26,
                      {{"そろそろ本気を出す", Black}, {"時間だよ！", Black}}}),
        levelCard(4, {101, 96, 417, 128, true, Centred, 33, 33, {{"まだまだ序の口だよ！", Black}}}),
        levelCard(5, {126, 87, 401, 119, true, Centred, 33, 33, {{"なかなかやるね！", Red}}}),
        levelCard(6, {106,
                      66,
                      466,
                      157,
                      true,
                      Centred,
                      43,
                      44,
                      {{"これができたなら", Red}, {"飛ばしてるね！！", Red}}}),
        levelCard(7, {79,
                      64,
                      467,
                      170,
                      true,
                      Centred,
                      32,
                      33,
                      {{"その動体視力があれば、", Blue},
                       {"飛んでいるハエだって", Blue},
                       {"しゃもじで叩き落とせる！！", Blue}}}),
        levelCard(8, {104,
                      70,
                      481,
                      155,
                      true,
                      Centred,
                      33,
                      34,
                      {{"今のあなたなら", Blue}, {"ハエだって箸でつまめる！", Red}}}),
    };
}

} // namespace pabrel::art
