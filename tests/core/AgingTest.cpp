

#include "career/Aging.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A band of a race's table: its terms (last 0: open), the loss of Str, Dex
// and End, the targets of these and of Int (characteristic 7, "Poi", for race
// 24; target 0: no check) and the fourth check's loss.
struct Band {
    int race, first, last, loss, targets[4], fourthLoss;
};

// clang-format off
const Band Bands[] = {
    {1, 4, 7, 1, {8, 7, 8}, 0},  {1, 8, 11, 1, {9, 8, 9}, 0},   {1, 12, 0, 2, {9, 8, 9, 9}, 1},
    {3, 4, 7, 1, {7, 6, 7}, 0},  {3, 8, 11, 1, {8, 7, 8}, 0},   {3, 12, 0, 2, {9, 8, 9, 9}, 1},
    {6, 6, 6, 1, {9, 8, 7}, 0},  {6, 7, 7, 2, {8, 9, 8}, 0},    {6, 8, 0, 2, {10, 10, 10, 9}, 1},
    {8, 2, 5, 1, {9, 8, 8}, 0},  {8, 6, 9, 2, {8, 7, 8}, 0},    {8, 10, 0, 3, {7, 7, 7, 9}, 3},
    {11, 6, 9, 1, {10, 9, 10}, 0}, {11, 10, 0, 2, {9, 7, 8, 9}, 2},
    {12, 5, 5, 1, {7, 7, 7}, 0}, {12, 6, 6, 1, {8, 8, 8}, 0},   {12, 7, 7, 2, {9, 9, 9}, 0},
    {12, 8, 8, 3, {10, 10, 10, 9}, 1}, {12, 9, 0, 3, {11, 11, 11, 10}, 2},
    {24, 4, 8, 1, {7, 6, 7, 7}, 1}, {24, 9, 0, 2, {9, 8, 9, 7}, 2},
};
// clang-format on

class Aging : public ::testing::Test {
  protected:
    TestGame t;
    CharacterRecord& c = t.g.career.Character;

    // Ages seven characteristics of `start` once in `term`; returns the log.
    std::string Age(int race, int term, std::vector<int> totals, int vilani = 0, int start = 7) {
        LoadedRules(t.g).Race.Code = race;
        for (int i = 1; i <= 7; ++i) c.Stats[i] = static_cast<int16_t>(start);
        c.CurTerm = static_cast<int16_t>(term);
        t.g.career.VilaniOffered = true;
        t.g.career.VilaniLevel = vilani;
        t.g.windows.TermWindow.Log.clear();
        for (int total : totals) t.dice.Push({total / 2, total - total / 2});
        ApplyAging(t.g);
        EXPECT_EQ(t.dice.Left(), 0u);
        return t.g.windows.TermWindow.Log;
    }
};

}  // namespace

// Each band at its first and last term, every check at its target and one
// below, on table H (race 1) with each Vilani modifier too, which raises every
// throw. The term before a table's first band ages nothing.
TEST_F(Aging, EveryBandAtItsEdges) {
    const char* names[] = {"", "Str", "Dex", "End", "Int", "", "", "Poi"};
    for (auto [race, term] : {std::pair{1, 3}, {3, 3}, {6, 5}, {8, 1}, {11, 5}, {12, 4}, {24, 3}})
        EXPECT_EQ(Age(race, term, {}), "") << race;
    for (const Band& b : Bands)
        for (int term : {b.first, b.last ? b.last : 30})
            for (int run = 0; run < (b.race == 1 ? 12 : 2); ++run) {
                const int vilani = run / 2, below = run % 2;
                SCOPED_TRACE(::testing::Message() << b.race << "/" << term << "/dm" << vilani);
                std::string expected =
                    vilani ? "Vilani blood age dm " + std::to_string(vilani) + "\r\n" : "";
                std::vector<int> totals, stats(8, 7);
                for (int k = 0; k < (b.targets[3] ? 4 : 3); ++k) {
                    totals.push_back(std::max(2, b.targets[k] - vilani - below));
                    if (totals.back() + vilani >= b.targets[k]) continue;
                    const int stat = k < 3 ? k + 1 : (b.race == 24 ? 7 : 4);
                    const int loss = k < 3 ? b.loss : b.fourthLoss;
                    expected += "-" + std::to_string(loss) + " " + names[stat] + "\r\n";
                    stats[stat] -= loss;
                }
                EXPECT_EQ(Age(b.race, term, totals, vilani), expected);
                for (int i = 1; i <= 7; ++i) EXPECT_EQ(c.Stats[i], stats[i]) << i;
            }
}

TEST_F(Aging, LossesHaveNoFloor) {
    EXPECT_EQ(Age(8, 10, {2, 7, 7, 2}, 0, 1), "-3 Str\r\n-3 Int\r\n");
    EXPECT_EQ(c.Stats[1] + c.Stats[4], -4);
}
