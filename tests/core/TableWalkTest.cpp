// The check of the special-assignment tables: small tables made for the
// test show each fault it finds. (The career's own tables pass it through
// the data checker's strict check of the sample data.)

#include "career/specials/TableWalk.h"
#include "support/TestGame.h"

using namespace orrimar;
using namespace orrimar::specials;

namespace {

std::string Listed(const std::vector<TableFault>& faults) {
    std::string text;
    for (const auto& f : faults) text += f.Table + ": " + f.Text + "\n";
    return text;
}

// A chain of `length` tables, named by their depth, the last doing nothing.
SpecialTable Chain(int length, int depth = 0) {
    SpecialTable t{"Depth " + std::to_string(depth), NoThrow(), {Any()}};
    if (depth + 1 < length) t.Rows[0].Then(Chain(length, depth + 1));
    return t;
}

const SpecialTable& Ring();

// Whatever either throws, the other follows.
const SpecialTable& Loop() {
    static const SpecialTable table{"Loop", Die(1, 2), {At(1).Then(Ring), At(2).Then(Ring)}};
    return table;
}

const SpecialTable& Ring() {
    static const SpecialTable table{"Ring", NoThrow(), {Any().Then(Loop)}};
    return table;
}

// A cycle of the same kind that result 2 leaves.
const SpecialTable& Leaves() {
    static const SpecialTable table{"Leaves", Die(1, 2), {At(1).Then(Leaves), At(2)}};
    return table;
}

// Rolled on 1D6 here, but always applied with a fixed 2.
const SpecialTable& OnlyTwo() {
    static const SpecialTable table{"Only two", Die(1, 6), {At(2)}};
    return table;
}

}  // namespace

TEST(TableWalk, ResultsNoRowSurelyTakes) {
    const SpecialTable table{
        "Gappy",
        Die(1, 6).Plus(2, {StatAbove(StatEdu, 8)}),
        {
            AtMost(2).Then(OnlyTwo, Fixed(2)),
            // Opposite conditions: one row always fits.
            At(3).If(Enlisted()), At(3).If(Officer()), At(4).If(RankIs(3)), At(4).If(RankIs(5)),
            At(6),  // nothing, said so
        }};
    EXPECT_EQ(Listed(CheckTables(table)),
              "Gappy: no row takes results 5 and 7 to 8: such a throw does nothing\n"
              "Gappy: only rows with conditions take result 4: when none holds, such a throw "
              "does nothing\n");
}

TEST(TableWalk, CyclesNeedAWayOut) {
    const auto trapped = CheckTables(Ring());
    ASSERT_EQ(trapped.size(), 1u) << Listed(trapped);
    EXPECT_TRUE(trapped[0].What == TableFault::Kind::Trap && trapped[0].Table == "Ring" &&
                trapped[0].Text.find("\"Loop\"") != std::string::npos)
        << Listed(trapped);

    EXPECT_TRUE(CheckTables(Leaves()).empty()) << Listed(CheckTables(Leaves()));
}

// The walk's bound is the one play keeps: a chain it passes plays whole,
// one table more is cut short with a problem message, not a crash.
TEST(TableWalk, ChainsStayWithinTheDepthPlayFollows) {
    for (const int length : {MaxDepth + 1, MaxDepth + 2}) {
        SCOPED_TRACE(length);
        const SpecialTable chain = Chain(length);
        const auto faults = CheckTables(chain);
        TestGame t;
        RunSpecialTable(t.g, chain);
        if (length == MaxDepth + 1) {
            EXPECT_TRUE(faults.empty()) << Listed(faults);
            EXPECT_TRUE(t.g.career.ProblemsMet.empty());
            continue;
        }
        ASSERT_EQ(faults.size(), 1u) << Listed(faults);
        EXPECT_EQ(faults[0].What, TableFault::Kind::TooDeep);
        EXPECT_EQ(faults[0].Table, "Depth " + std::to_string(MaxDepth + 1));
        EXPECT_EQ(t.g.career.ProblemsMet.size(), 1u);
        EXPECT_TRUE(
            t.ui.SawMessage("Special assignment tables lead too deep at " + faults[0].Table));
    }
}
