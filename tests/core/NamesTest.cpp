#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>

#include "model/Game.h"
#include "model/Text.h"
#include "names/Names.h"
#include "support/ScriptedUi.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// Throws the queued faces, then 1s, and notes the sides of every die so a
// test can tell which table each piece was drawn from.
class RecordingDice : public Dice {
  public:
    explicit RecordingDice(std::initializer_list<int> faces) : faces_(faces) {}
    int Roll(int sides) override {
        sides_.push_back(sides);
        if (faces_.empty()) return 1;
        int face = faces_.front();
        faces_.pop_front();
        return face;
    }
    std::vector<int> sides_;

  private:
    std::deque<int> faces_;
};

struct NameRun {
    std::string name;
    std::vector<int> sides;
};

NameRun BuildName(const NameSet& set, std::initializer_list<int> faces) {
    ScriptedUi ui;
    RecordingDice dice(faces);
    Game g(ui, dice);
    NameRun run;
    run.name = MakeName(g, set);
    run.sides = dice.sides_;
    return run;
}

// The distinct pieces of a table in order of first appearance, blank-joined.
std::string Pieces(const std::vector<std::string>& table) {
    std::string out;
    std::vector<std::string> seen;
    for (const auto& p : table) {
        if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
        seen.push_back(p);
        out += (out.empty() ? "" : " ") + p;
    }
    return out;
}

int Places(const std::vector<std::string>& table, const std::string& piece) {
    return static_cast<int>(std::count(table.begin(), table.end(), piece));
}

int UpperCount(const std::string& s) {
    return static_cast<int>(
        std::count_if(s.begin(), s.end(), [](unsigned char c) { return std::isupper(c); }));
}

}  // namespace

TEST(Names, GroupPatternsDrawFromTheTablesInOrder) {
    const NameSet generic = MakeNameGenericTables();
    // Dice of 35, 15, 5, 6 sides are draws from T1, T2, T3, T4.
    const std::vector<int> a = {35, 5, 15}, b = {5, 15}, c = {15, 5, 6};
    auto pattern = [](std::initializer_list<std::vector<int>> groups) {
        std::vector<int> sides = {6};
        for (const auto& grp : groups) sides.insert(sides.end(), grp.begin(), grp.end());
        return sides;
    };
    for (int t = 1; t <= 6; ++t) {
        SCOPED_TRACE(t);
        NameRun run = BuildName(generic, {t});
        if (t <= 2)
            EXPECT_EQ(run.sides, pattern({a, c}));
        else if (t <= 5)
            EXPECT_EQ(run.sides, pattern({a, b, c}));
        else
            EXPECT_EQ(run.sides, pattern({a, b, b, c}));
    }
}

TEST(Names, GenericNameHasSixPiecesAndOneCapital) {
    // t = 1: "Ph", "a", "c" then "b", "e", "c".
    NameRun run = BuildName(MakeNameGenericTables(), {1, 18, 1, 1, 2, 2, 1});
    EXPECT_EQ(run.name, "Phacbec");
    EXPECT_EQ(run.sides.size(), 7u);
    EXPECT_EQ(UpperCount(run.name), 1);

    // The last entry of every table.
    run = BuildName(MakeNameGenericTables(), {2, 35, 5, 15, 15, 5, 6});
    EXPECT_EQ(run.name, "Wruyyun");
}

TEST(Names, WholeNameIsLowerCasedThenCapitalised) {
    const NameSet odd{{"Ph"}, {"R"}, {"X"}, {"Q"}};
    // t = 6: A = Ph X R, B = X R twice, C = R X Q.
    EXPECT_EQ(BuildName(odd, {6}).name, "Phxrxrxrrxq");
    const NameSet lower{{"sh"}, {"a"}, {"k"}, {"k"}};
    EXPECT_EQ(BuildName(lower, {1}).name, "Shkaakk");
}

TEST(Names, UnloadedOrEmptyTablesFallBackToTheGenericSet) {
    EXPECT_EQ(BuildName(NameSet{}, {1, 18, 1, 1, 2, 2, 1}).name, "Phacbec");
    NameSet broken = MakeNameVilaniTables();
    broken.T4.clear();
    EXPECT_EQ(BuildName(broken, {1, 18, 1, 1, 2, 2, 1}).name, "Phacbec");
}

TEST(Names, TableSizesAndCopiedFinals) {
    const NameSet generic = MakeNameGenericTables();
    EXPECT_EQ(generic.T1.size(), 35u);
    EXPECT_EQ(generic.T2.size(), 15u);
    EXPECT_EQ(generic.T3.size(), 5u);
    EXPECT_EQ(generic.T4.size(), 6u);

    struct Expected {
        const char* race;
        NameSet set;
        size_t t1, t2, t3;
    };
    const Expected races[] = {
        {"Aslan", MakeNameAslanTables(), 216, 216, 216},
        {"Droyne", MakeNameDroyneTables(), 222, 216, 216},
        {"Vargr", MakeNameVargrTables(), 216, 216, 216},
        {"Vilani", MakeNameVilaniTables(), 216, 216, 216},
        {"Zhodani", MakeNameZhodaniTables(), 216, 216, 215},
    };
    for (const auto& e : races) {
        SCOPED_TRACE(e.race);
        EXPECT_EQ(e.set.T1.size(), e.t1);
        EXPECT_EQ(e.set.T2.size(), e.t2);
        EXPECT_EQ(e.set.T3.size(), e.t3);
        EXPECT_EQ(e.set.T4, e.set.T3);
        EXPECT_LE(e.set.T1.size(), static_cast<size_t>(MaxNamePlaces));
    }
}

TEST(Names, RaceSetsHoldExactlyTheirLanguagesPieces) {
    const NameSet aslan = MakeNameAslanTables();
    EXPECT_EQ(Pieces(aslan.T1), "k ht hw kh kht kt l r s st t sh tl tr w");
    EXPECT_EQ(Pieces(aslan.T2), "a ai ao au e ea ei i iy o oa oi ou u ua ui ya ye yo yu");
    EXPECT_EQ(Pieces(aslan.T3), "h kh l lr r rl s w '");

    const NameSet droyne = MakeNameDroyneTables();
    EXPECT_EQ(Pieces(droyne.T1), "b br d dr f h k kr l m n p pr r s ss st t th tr ts tw v");
    EXPECT_EQ(Pieces(droyne.T2), "a ay e i o oy u ya yo yu");
    EXPECT_EQ(Pieces(droyne.T3),
              "b d f h k l lb ld lk lm ln lp ls lt m n p r rd rf rk rm rn rp rs rt rv s sk ss "
              "st t th ts v x");

    const NameSet vargr = MakeNameVargrTables();
    EXPECT_EQ(Pieces(vargr.T1), "g gh gn gv gz k kf kh kn ks l ll n ng r rr s t th ts v z p b");
    EXPECT_EQ(Pieces(vargr.T2), "a ae e i o oe ou u ue");
    EXPECT_EQ(Pieces(vargr.T3),
              "dh dz g gh ghz gz k kh khs ks l ll n ng r rr rrg rrgh rs rz s th ts z");

    const NameSet vilani = MakeNameVilaniTables();
    EXPECT_EQ(Pieces(vilani.T1), "k g m d l sh kh n s p b z r");
    EXPECT_EQ(Pieces(vilani.T2), "a e i u aa ii uu");
    EXPECT_EQ(Pieces(vilani.T3), "r m sh n s g d p k");

    const NameSet zhodani = MakeNameZhodaniTables();
    EXPECT_EQ(Pieces(zhodani.T1),
              "b bl br ch cht d dl dr f fl fr j jd k kl kr l m n p pl pr q ql qr r s sh sht t "
              "st tl ts v vl vr y z zd zh zhd");
    EXPECT_EQ(Pieces(zhodani.T2), "a e i ia ie o R");
    EXPECT_EQ(Pieces(zhodani.T3),
              "b bl br ch d dl dr f fl fr j k kl kr l m n nch nj ns nsh nt nts nz nzh p pl pr "
              "q ql qr r sh t ts tl v vl vr z zh '");
}

TEST(Names, WeightsGiveTheFrequentPiecesMorePlaces) {
    const NameSet aslan = MakeNameAslanTables();
    EXPECT_EQ(Places(aslan.T1, "k"), 53);
    EXPECT_EQ(Places(aslan.T1, "kh"), 33);
    int rarest = 216;
    for (const auto& p : aslan.T1) rarest = std::min(rarest, Places(aslan.T1, p));
    EXPECT_EQ(rarest, 5);

    const NameSet vilani = MakeNameVilaniTables();
    EXPECT_EQ(Places(vilani.T3, "r"), 76);
    EXPECT_EQ(Places(vilani.T3, "k"), 6);
}

TEST(Names, RaceSpecificPiecesSurviveIntoNames) {
    // Zhodani: the vowel piece "R" (the last places of T2) becomes "r".
    NameRun zhodani = BuildName(MakeNameZhodaniTables(), {1, 1, 1, 216, 216, 1, 1});
    EXPECT_EQ(zhodani.name, "Bbrrbb");
    EXPECT_EQ(UpperCount(zhodani.name), 1);

    // Aslan: the apostrophe is the last piece of T3 and of its copy T4.
    NameRun aslan = BuildName(MakeNameAslanTables(), {1, 1, 216, 1, 1, 216, 216});
    EXPECT_EQ(aslan.name, "K'aa''");
}

TEST(Names, PreparingForARaceTestsTheWordsInOrder) {
    TestGame t;
    auto prepared = [&](const std::string& race) {
        t.g.Race.Name = race;
        return PrepareNames(t.g).T1;
    };
    EXPECT_EQ(prepared("Human"), MakeNameGenericTables().T1);
    EXPECT_EQ(prepared("Aslan"), MakeNameAslanTables().T1);
    EXPECT_EQ(prepared("Droyne"), MakeNameDroyneTables().T1);
    EXPECT_EQ(prepared("Vargr"), MakeNameVargrTables().T1);
    EXPECT_EQ(prepared("Zhodani"), MakeNameZhodaniTables().T1);
    EXPECT_EQ(prepared("Imperial Human"), MakeNameVilaniTables().T1);
    // Case-sensitive: only the exact words select a set.
    EXPECT_EQ(prepared("ASLAN"), MakeNameGenericTables().T1);
    EXPECT_EQ(prepared("imperial"), MakeNameGenericTables().T1);
    // "Imperial" is tested last, so it wins over any other word.
    EXPECT_EQ(prepared("Imperial Vargr"), MakeNameVilaniTables().T1);
    EXPECT_EQ(prepared("Vargr (Imperial)"), MakeNameVilaniTables().T1);
    // "Zhodani" comes after "Aslan".
    EXPECT_EQ(prepared("Aslan-Zhodani"), MakeNameZhodaniTables().T1);
}
