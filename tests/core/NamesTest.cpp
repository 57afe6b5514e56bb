

#include "names/Homeworld.h"
#include "names/Names.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// A name from `set` whose pattern throw is `t`; the pieces follow `faces`, then 1s.
std::string BuildName(const NameSet& set, std::initializer_list<int> faces) {
    TestGame tg;
    tg.dice.Push(faces);
    while (tg.dice.Left() < 20) tg.dice.Push(1);
    return MakeName(tg.g, set);
}

// The 2D6 totals of the seven homeworld steps; `portD6` is thrown only for port "D".
struct Throws {
    int port = 7, size = 8, atmosphere = 7, hydrographics = 8, population = 5, law = 7, tech = 7;
    int portD6 = 0;
};

std::string Homeworld(const Throws& w, int layout = 2) {
    TestGame t;
    t.dice.Push({w.port / 2, w.port - w.port / 2});
    if (w.portD6 > 0) t.dice.Push(w.portD6);
    for (int sum : {w.size, w.atmosphere, w.hydrographics, w.population, w.law, w.tech})
        t.dice.Push({sum / 2, sum - sum / 2});
    std::string text = MakeHomeworld(t.g, layout);
    EXPECT_EQ(t.dice.Left(), 0u) << "every scripted throw is used";
    return text;
}

}  // namespace

TEST(Names, PatternsGivePieceCountsAndOneCapital) {
    // One piece per table shows each piece's source: A = T1 T3 T2, B = T3 T2, C = T2 T3 T4.
    const NameSet odd{{"Ph"}, {"R"}, {"X"}, {"Q"}};
    const std::pair<int, const char*> rows[] = {
        {1, "Phxrrxq"}, {2, "Phxrrxq"}, {3, "Phxrxrrxq"}, {5, "Phxrxrrxq"}, {6, "Phxrxrxrrxq"}};
    for (const auto& [t, name] : rows) EXPECT_EQ(BuildName(odd, {t}), name) << t;

    // The generic tables in order: the first places, then the last of every table.
    EXPECT_EQ(BuildName(MakeNameGenericTables(), {1, 18, 1, 1, 2, 2, 1}), "Phacbec");
    EXPECT_EQ(BuildName(MakeNameGenericTables(), {2, 35, 5, 15, 15, 5, 6}), "Wruyyun");
    // A set never loaded, or with an empty table, gives way to the generic one.
    NameSet broken = MakeNameVilaniTables();
    broken.T4.clear();
    for (const NameSet& set : {NameSet{}, broken})
        EXPECT_EQ(BuildName(set, {1, 18, 1, 1, 2, 2, 1}), "Phacbec");
}

TEST(Names, RaceSetsAndTheOrderTheirWordsAreTestedIn) {
    // (The tables of the races a batch makes, the golden pages hold.)
    const NameSet aslan = MakeNameAslanTables();
    EXPECT_EQ(MakeNameZhodaniTables().T3.size(), 215u);  // an odd size
    // Zhodani's vowel "R" is lower-cased; the Aslan apostrophe ends T3 and its copy T4.
    EXPECT_EQ(BuildName(MakeNameZhodaniTables(), {1, 1, 1, 216, 216, 1, 1}), "Bbrrbb");
    EXPECT_EQ(BuildName(aslan, {1, 1, 216, 1, 1, 216, 216}), "K'aa''");

    const std::pair<const char*, NameSet (*)()> rows[] = {
        {"Droyne", MakeNameDroyneTables},           {"ASLAN", MakeNameGenericTables},
        {"Imperial Human", MakeNameVilaniTables},   {"Vargr", MakeNameVargrTables},
        {"Vargr (Imperial)", MakeNameVilaniTables}, {"Aslan-Zhodani", MakeNameZhodaniTables}};
    TestGame t;
    for (const auto& [race, set] : rows) {
        LoadedRules(t.g).Race.Name = race;
        EXPECT_EQ(PrepareNames(t.g.rules).T1, set().T1) << race;
    }
}

TEST(Homeworld, LayoutsEachTableAndItsModifiers) {
    const Throws w{.port = 2, .size = 7, .hydrographics = 6, .population = 4, .tech = 2};
    EXPECT_EQ(Homeworld(w, 2),
              "Port: A, Size: Medium, Atmosphere: Standard, Hydrographics: Wet, Population: "
              "Mod, Law: Mod, Tech Level: Pre-Stellar.");  // port A adds 3 to the tech throw
    EXPECT_EQ(Homeworld(w, 1), "Port: A" + CrLf + "Size: Medium" + CrLf + "Atmosphere: Standard" +
                                   CrLf + "Hydrographics: Wet" + CrLf + "Population: Mod" + CrLf +
                                   "Law: Mod" + CrLf + "Tech Level: Pre-Stellar" + CrLf);
    for (int layout : {0, 3}) EXPECT_EQ(Homeworld(w, layout), "");  // dice rolled all the same

    // Every modifier counts: each tech level lands on the edge of its band.
    const struct {
        Throws throws;
        const char* part;
    } cases[] = {
        {{.size = 10, .atmosphere = 7, .hydrographics = 10, .population = 8, .law = 9, .tech = 2},
         "Port: B, Size: Large, Atmosphere: Dense, Hydrographics: Waterworld, Population: High, "
         "Law: High, Tech Level: Average Stellar."},
        {{.port = 10, .size = 4, .hydrographics = 4, .population = 2, .law = 3},
         "Port: C, Size: Small, Atmosphere: Thin, Hydrographics: Dry, Population: Low, Law: No, "
         "Tech Level: High Stellar."},
        // An asteroid's atmosphere is at most 3 and its water at most 10.
        {{.port = 12, .size = 2, .atmosphere = 12, .hydrographics = 12, .tech = 6, .portD6 = 6},
         "Port: X, Size: Asteroid, Atmosphere: Vacuum, Hydrographics: Wet, Population: Mod, "
         "Law: Mod, Tech Level: Average Stellar."},
        // (The common ports, A to C, the golden pages hold.) A 12 throws 1D6 more:
        {{.port = 12, .portD6 = 3}, "Port: D,"},
        {{.port = 12, .portD6 = 4}, "Port: E,"},
        {{.size = 10, .atmosphere = 9}, "Atmosphere: Exotic,"},
        {{.port = 12, .size = 2, .hydrographics = 5, .portD6 = 6}, "Hydrographics: Desert,"},
        {{.population = 7, .law = 4}, "Law: Low,"},
        {{.population = 8, .law = 11}, "Law: Extreme,"},
        {{.port = 12, .tech = 4, .portD6 = 6}, "Tech Level: Industrial."},
        {{.port = 12, .tech = 2, .portD6 = 6}, "Tech Level: Pre-inustrial."},
        // Port A and high population: never below "Average Stellar".
        {{.port = 2, .population = 12, .tech = 2}, "Tech Level: Average Stellar."},
    };
    for (const auto& c : cases) {
        const std::string text = Homeworld(c.throws);
        EXPECT_TRUE(Contains(text, c.part)) << c.part;
        EXPECT_TRUE(ReadHomeworld(text)) << text;  // every word has its code
    }
}

// The codes of a profile, and no codes for text the generator never writes.
TEST(Homeworld, CodesOfTheOneLineProfile) {
    // (Those of common worlds the golden pages hold.)
    const std::pair<const char*, const char*> cases[] = {
        {"Port: X, Size: Asteroid, Atmosphere: Vacuum, Hydrographics: Desert, Population: Low, "
         "Law: No, Tech Level: Pre-inustrial.",
         "X00000-0"},
        {"Port: E, Size: Large, Atmosphere: Exotic, Hydrographics: Waterworld, Population: High, "
         "Law: Extreme, Tech Level: High Stellar.",
         "E34324-4"},
        {"", nullptr},
        {"A fine world.", nullptr},
        {"Port: Q, Size: Large, Atmosphere: Exotic, Hydrographics: Waterworld, Population: High, "
         "Law: Extreme, Tech Level: High Stellar.",
         nullptr},
        {"Port: A, Size: Medium, Atmosphere: Standard, Hydrographics: Wet, Population: Mod, Law: "
         "Mod, Tech Level: Pre-Stellar",  // cut short
         nullptr},
        {"Port: A, Size: Medium, Atmosphere: Standard, Hydrographics: Wet, Population: Extreme, "
         "Law: Mod, Tech Level: Pre-Stellar.",  // another step's word
         nullptr},
    };
    for (const auto& [text, profile] : cases) {
        const auto codes = ReadHomeworld(text);
        EXPECT_EQ(codes ? codes->Profile() : "none", profile ? profile : "none") << text;
    }
}
