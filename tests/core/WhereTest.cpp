// What a batch is asked to keep (--where), make (--crew) and write as CSV: faults named
// with their position, skills found through their cascades, rank codes in
// their order, and the progress line's figures.

#include <span>

#include "batch/Batch.h"
#include "batch/Crew.h"
#include "batch/CsvTable.h"
#include "batch/Progress.h"
#include "batch/Where.h"
#include "support/TestGame.h"

using namespace orrimar;

TEST(Where, FaultsAreNamedWithTheirPosition) {
    struct Row {
        const char* Text;
        const char* Problem;  // "" when the expression is good
    };
    const Row rows[] = {
        {"Pilot>=2, rank>=o3 ,age<=30,terms>=3,STR>=9,service=Navy,skill:Gun Combat", ""},
        {"Pilot == 0,branch!=Line", ""},
        {"", "at character 1: a condition expected (such as Pilot>=2)"},
        {"Pilot>=2,", "at character 10: a condition expected (such as Pilot>=2)"},
        {"Pilot", "at character 6: a comparison (>=, <=, =, !=, < or >) expected after \"Pilot\""},
        {"Pilot=>2", "at character 7: only one comparison in a condition"},
        {"Pilot!2", "at character 6: a comparison (>=, <=, =, !=, < or >) expected"},
        {"age<=", "at character 6: a value expected after the comparison"},
        {"age<= x", "at character 7: a whole number expected"},
        {"STR>=-1", "at character 6: a whole number expected"},
        {"rank>=C3", "at character 7: a rank code expected (E1 to E99 or O1 to O99)"},
        {"rank>=O0", "at character 7: a rank code expected (E1 to E99 or O1 to O99)"},
        {"service>Navy", "at character 8: service takes = or != (a name holding the text)"},
        {">=2", "at character 1: a name expected (such as Pilot, rank, age or STR)"},
        {"a=1,skill: ", "at character 11: a skill name expected after \"skill:\""},
    };
    const Row crews[] = {
        {"Navy:2, Scout :1,Merchant:3", ""},
        {"Navy", "at character 5: \":\" and a count expected (such as Navy:2)"},
        {"Navy:2,:1", "at character 8: a service name expected before \":\""},
        {"Navy:0", "at character 6: a count of 1 or more expected"},
        {"Navy:2,Scout:x", "at character 14: a count of 1 or more expected"},
        {"Navy:6,Scout:5", "at character 14: a crew of at most 10 characters"},
    };
    for (const bool isCrew : {false, true}) {
        for (const Row& row : isCrew ? std::span<const Row>(crews) : std::span<const Row>(rows)) {
            std::string problem;
            const bool parsed = isCrew ? ParseCrew(row.Text, 10, problem).has_value()
                                       : ParseWhere(row.Text, problem).has_value();
            EXPECT_EQ(parsed, *row.Problem == '\0') << row.Text;
            EXPECT_EQ(problem, row.Problem) << row.Text;
        }
    }
    std::string problem;
    const auto crew = ParseCrew("Navy:2, Scout :1", 10, problem);
    ASSERT_TRUE(crew && crew->size() == 2u);
    EXPECT_EQ(std::tie((*crew)[1].Service, (*crew)[1].Count), std::make_tuple("Scout", 1));
}

// Enlisted below officers, no rank below both; other forms are not ranked.
TEST(Where, RanksStandInTheirOrder) {
    std::vector<std::optional<int>> orders;
    for (const char* code : {"", " E4 ", "e9", "O1", "X1", "O"}) orders.push_back(RankOrder(code));
    EXPECT_EQ(orders, (std::vector<std::optional<int>>{0, 4, 9, 101, std::nullopt, std::nullopt}));
}

// A skill is found in any letter case, and a cascade's name stands for the
// best skill of its family, through nested cascades, never a mere prefix.
TEST(Where, ConditionsMeetTheCharacterAsTheRulesNameIt) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "Navy");
    auto& c = t.g.career.Character;
    c.Skills[1] = {"Rifleman", 2};
    c.Skills[2] = {"Pilot", 1};
    std::tie(c.Age, c.CurTerm, c.Stats[StatStr]) = std::tuple(30, 3, 9);
    std::vector<int> levels;
    for (const char* name : {"pilot", "Gun Combat", "MIXED COMBAT", "Gun", "Blade Combat"})
        levels.push_back(SkillOrCascadeLevel(t.g, name));
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 2, -1, -1}));
    struct Row {
        const char* Text;
        bool Meets;
    };
    const Row rows[] = {
        {"Pilot>=1,skill:gun combat,age<=30,terms=3,str>=9", true},
        {"Pilot>=2", false},
        {"Pilot<2", true},
        {"Navigation<2", false},  // a skill lacking meets no comparison
        {"skill:Blade Combat", false},
        {"age<30", false},
        {"STR!=9", false},
        {"service=navy", true},
        {"service!=navy", false},
        {"race=zhodani", false},
    };
    for (const Row& row : rows) {
        std::string problem;
        const auto expr = ParseWhere(row.Text, problem);
        ASSERT_TRUE(expr) << problem;
        EXPECT_EQ(Matches(*expr, t.g), row.Meets) << row.Text;
    }
}

TEST(Where, ProgressSaysWhatIsLeft) {
    EXPECT_EQ(ProgressText(50, 0, 200, false, 10), "50 made of 200, 5.0/s, about 30s left");
    EXPECT_EQ(ProgressText(900, 3, 5, true, 90),
              "900 made, 3 of 5 matched, 10.0/s, about 1m00s left");
    EXPECT_EQ(ProgressText(900, 0, 5, true, 90),
              "900 made, 0 of 5 matched, 10.0/s, time left unknown");
}

// The CSV copy of a roster: fields quoted as RFC 4180 asks, characteristics
// in their usual order before any other, skills by name, and a column the
// character has no value for left empty.
TEST(Csv, ColumnsCoverEveryCharacterAndQuoteWhatNeedsIt) {
    for (const auto& [text, field] :
         std::vector<std::pair<std::string, std::string>>{{"plain", "plain"},
                                                          {"a,b", "\"a,b\""},
                                                          {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                                          {"two\r\nlines", "\"two\r\nlines\""}})
        EXPECT_EQ(CsvField(text), field) << text;
    BatchCharacter first, second;
    first.Name = "Ann, the first";
    first.Stats = {{"STR", 7}, {"SOC", 9}, {"POI", 4}};
    first.Skills = {{"pilot", 2}, {"Admin", 1}};
    second.Name = "B\xe9la";  // Latin-1, written as UTF-8
    second.Stats = {{"INT", 11}, {"STR", 3}};
    second.Skills = {{"Pilot", 0}, {"Zero G Combat", 1}};
    CsvTable table;
    ASSERT_TRUE(table.IsOpen());
    table.Add(CsvRecord(first, "0.2.0", "abc"));
    table.Add(CsvRecord(second, "0.2.0", "abc"));
    std::string text;
    ASSERT_TRUE(table.WriteTo([&](std::string_view line) { text += line; }));
    const std::string fixed = ",,,,,,,0,0,,0,,,0,0.2.0,abc";
    EXPECT_EQ(text,
              "number,name,race,service,branch,rank_code,rank_name,upp,age,terms,top_skills,cash,"
              "benefits,decorations,seed,version,data,STR,INT,SOC,POI,Admin,pilot,Zero G Combat\r\n"
              "1,\"Ann, the first\"" +
                  fixed + ",7,,9,4,1,2,\r\n2,B\xc3\xa9la" + fixed + ",3,11,,,,0,1\r\n");
}
