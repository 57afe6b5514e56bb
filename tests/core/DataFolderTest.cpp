// Data folders as today's editors save them (UTF-8, with or without a
// byte-order mark, or Latin-1), and what the checker finds in them beyond
// the loaders: empty cascades, group names no cascade defines, schools and
// option sets.

#include "career/Cascades.h"
#include "check/DataCheck.h"
#include "data/Race.h"
#include "support/TestGame.h"
#include "text/Files.h"

using namespace orrimar;

namespace {

// Writes the bytes as they are (TempDir::Write adds CR LF to each line).
void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A copy of the sample data to spoil.
struct DataCopy {
    TempDir dir;
    DataCopy() { CopySampleData(dir); }
    std::string Path(const std::string& file) const { return dir.Path() + file; }
};

std::string Found(const std::vector<DataProblem>& problems) {
    std::string text;
    for (const auto& p : problems) text += p.Text() + "\n";
    return text;
}

}  // namespace

TEST(DataEncoding, Utf8FilesAreReadAsLatin1AndLettersLatin1LacksAreNamed) {
    TempDir dir;
    const std::string race = "Imp\xC3\xA9rial\r\nType=1\r\n[STATS]\r\nSTR=2D\r\n";
    WriteBytes(dir.Path() + "U.ERI", race);                   // UTF-8
    WriteBytes(dir.Path() + "B.ERI", "\xEF\xBB\xBF" + race);  // UTF-8 with a mark
    WriteBytes(dir.Path() + "L.ERI", "Imp\xE9rial\r\nType=1\r\n[STATS]\r\nSTR=2D\r\n");
    for (const char* file : {"U.ERI", "B.ERI", "L.ERI"}) {
        RaceRecord read;
        DataProblem problem;
        ASSERT_TRUE(ReadRaceFile(dir.Path() + file, read, problem)) << problem.Text();
        EXPECT_EQ(read.Name, "Imp\xE9rial") << file;
    }
    WriteBytes(dir.Path() + "X.ERI", "Race\r\nType=1\r\n[STATS]\r\n\xC5\x9CTR=2D\r\n");
    RaceRecord read;
    DataProblem problem;
    EXPECT_FALSE(ReadRaceFile(dir.Path() + "X.ERI", read, problem));
    EXPECT_EQ(problem.Line, 4);
    EXPECT_NE(problem.Message.find("\xC5\x9C"), std::string::npos) << problem.Text();
    // The files the program writes stay Latin-1.
    EXPECT_EQ(WriteFileAtomic(dir.Path() + "out.htm", "Imp\xE9rial"), "");
    EXPECT_EQ(dir.Read("out.htm"), "Imp\xE9rial");
}

TEST(DataEncoding, AMarkBeforeTheFirstCascadeKeepsItReadable) {
    DataCopy data;
    auto lines = *ReadLines(data.Path("cascade.dat"));
    std::string text = "\xEF\xBB\xBF";
    for (const auto& line : lines) text += line + "\r\n";
    WriteBytes(data.Path("cascade.dat"), text);
    TestGame t;
    t.g.session.DataLoc = data.dir.Path();
    EXPECT_EQ(LoadCascades(t.g) + "|" + t.g.rules.StdCascade[1], "|" + lines[0]);
    EXPECT_EQ(Utf8DataFiles(data.dir.Path()), std::vector<std::string>{"cascade.dat"});
}

TEST(DataCheck, EmptyCascadesUnknownGroupsSchoolsAndOptionSetsAreReported) {
    DataCopy data;
    TestGame t;
    t.g.session.DataLoc = data.dir.Path();
    data.dir.Write("cascade.dat", {"* END *"});
    EXPECT_EQ(LoadCascades(t.g), "cascade.dat:1: the file holds no cascades.");
    // Exactly 250 cascades load; one more is refused.
    std::vector<std::string> cascades(250, "GUN COMBAT/Rifle/Pistol");
    EXPECT_EQ(ReadCascadeText(LoadedRules(t.g), cascades), "");
    cascades.push_back("* END *");
    cascades.insert(cascades.begin(), "BLADE COMBAT/Dagger");
    EXPECT_EQ(ReadCascadeText(LoadedRules(t.g), cascades),
              "cascade.dat:251: more than 250 cascade lines.");

    data.dir.Write("cascade.dat", {"GUN COMBAT/Rifle/Pistol", "* END *"});
    data.dir.Write("ISCT1.SCH", {"- School", "Admin", "Leader", "NO SUCH GROUP", "Computer",
                                 "Admin-100", "Pilot"});
    data.dir.Write("ISCT2.SCH", {"- Short school", "Admin"});
    std::vector<std::string> set = {"Mine"};
    for (int k = 0; k < 10; ++k) set.push_back(k == 3 ? "7" : "0");
    for (int k = 0; k < 20; ++k) set.insert(set.end(), {"", k == 0 ? "x" : "0"});
    data.dir.Write("osets1.txt", set);
    const std::string found = Found(CheckDataFolder(data.dir.Path()));
    // Sample files name groups the shortened cascade file no longer defines.
    for (const char* part :
         {"ARMY.SRV:", "names a cascade that no cascade file defines",
          "ISCT1.SCH:4: \"NO SUCH GROUP\" names a cascade",
          "ISCT1.SCH:6: \"Admin-100\": a level or change must be -99 to 99.",
          "ISCT2.SCH:2: a school file needs", "osets1.txt:5: an option is 0 (off) or -1 (on).",
          "osets1.txt:13: a preferred skill's level"})
        EXPECT_NE(found.find(part), std::string::npos) << part << "\n" << found;
}
