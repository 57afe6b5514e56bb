// Characters as JSON documents, through orrimar-cli: every batch format
// against docs/character.schema.json, names that JSON, HTML comments and
// Latin-1 all treat specially, --regenerate on good, changed and broken
// files, and batches thrown from a dice list.

#include <climits>
#include <nlohmann/json.hpp>

#include "support/Cli.h"
#include "text/Files.h"

using namespace orrimar;
using json = nlohmann::json;

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// orrimar-cli with `args` in `work`, nothing on standard input; the sample
// data unless the arguments name a folder.
CliRun Cli(const std::string& args, const TempDir& work, const std::string& locale = "C") {
    const bool data = args.find("--data") == std::string::npos;
    return RunCli(args + (data ? " --data '" + SampleDataDir() + "'" : ""), work, "", locale);
}

// The files of `dir` ending in `ext`, by name (so in batch order).
std::vector<std::string> FilesIn(const std::string& dir, const std::string& ext) {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ext) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The document a page carries in its closing comment, found without the
// program's own reader; a comment holding "--" would end early in a browser.
json PageDocument(const std::string& page) {
    const std::string start = "<!-- orrimar-character ", end = " -->";
    const size_t from = page.rfind(start);
    const size_t to = page.find(end, from);
    if (from == std::string::npos || to == std::string::npos) return nullptr;
    const std::string text = page.substr(from + start.size(), to - from - start.size());
    EXPECT_EQ(text.find("--"), std::string::npos);
    return json::parse(text);
}

bool HaveJsonSchema() {
    return std::system("/usr/bin/python3 -c 'import jsonschema' > /dev/null 2>&1") == 0;
}

// What the schema finds wrong in the documents of `files` (a ".jsonl" file
// holds one a line); an interactive recipe's settings text is checked too.
std::string SchemaProblems(const std::vector<std::string>& files, const TempDir& work) {
    const std::string script = work.Path() + "validate.py";
    std::ofstream(script) << R"(import json, sys, jsonschema
schema = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
check = jsonschema.Draft202012Validator(schema)
settings = check.evolve(schema={"$ref": "#/$defs/settings", "$defs": schema["$defs"]})
for name in sys.argv[2:]:
    text = open(name, encoding="utf-8").read()
    docs = [json.loads(l) for l in text.splitlines()] if name.endswith(".jsonl") else [json.loads(text)]
    for doc in docs:
        for e in check.iter_errors(doc):
            print(name, list(e.absolute_path), e.message[:300])
        if doc["recipe"]["made"] == "interactive":
            for e in settings.iter_errors(json.loads(doc["recipe"]["settings"])):
                print(name, "settings", e.message[:300])
)";
    std::string command =
        "/usr/bin/python3 '" + script + "' '" + ORRIMAR_SOURCE_DIR + "/docs/character.schema.json'";
    for (const auto& file : files) command += " '" + file + "'";
    const ShellRun said = RunShell(command + " 2>&1");
    return said.status == 0 && said.out.empty() ? "" : "schema check failed:\n" + said.out;
}

// Last in a test, as it may skip the test: the documents of `files` hold
// to the schema.
#define EXPECT_SCHEMA_HOLDS(files, work)                                                    \
    do {                                                                                    \
        if (!HaveJsonSchema())                                                              \
            GTEST_SKIP() << "/usr/bin/python3 lacks jsonschema (scripts/setup.sh installs " \
                            "python3-jsonschema)";                                          \
        EXPECT_EQ(SchemaProblems(files, work), "");                                         \
    } while (0)

std::string Data(const std::string& folder) {
    return "--data '" + folder + "'";
}

// A list of `count` threes: a total every throw of the sample data allows.
std::string Threes(const TempDir& work, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += i % 20 == 19 ? "3\n" : "3, ";
    std::ofstream(work.Path() + "threes.txt") << "# every throw a three\n" << text;
    return work.Path() + "threes.txt";
}

}  // namespace

// --format json, jsonl and both make the same documents from the same
// seed: the JSON files, the lines, and the documents the pages close with.
TEST(JsonExport, EveryBatchFormatWritesTheSameValidDocuments) {
    TempDir work;
    const std::string batch = "--auto --count 5 --seed 7 ";
    CliRun run = Cli(batch + " --format json --out json", work);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto files = FilesIn(work.Path() + "json", ".json");
    ASSERT_EQ(files.size(), 5u);
    std::vector<json> docs;
    for (const auto& file : files) docs.push_back(json::parse(ReadAll(file)));
    for (size_t i = 0; i < docs.size(); ++i) {
        EXPECT_EQ(docs[i]["seed"], 7 + i);
        EXPECT_EQ(docs[i]["recipe"]["number"], i + 1);
    }

    run = Cli(batch + " --format jsonl --out -", work);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<json> fromLines;
    for (std::string line; std::getline(lines, line);) fromLines.push_back(json::parse(line));
    // Only the first line lists the rule files.
    std::vector<json> lineDocs = docs;
    for (size_t i = 1; i < lineDocs.size(); ++i) lineDocs[i]["data"].erase("files");
    EXPECT_EQ(fromLines, lineDocs);
    std::ofstream(work.Path() + "lines.jsonl") << run.out;

    run = Cli(batch + " --format both --out both", work);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto pages = FilesIn(work.Path() + "both", ".htm");
    const auto bothJson = FilesIn(work.Path() + "both", ".json");
    ASSERT_EQ(pages.size(), 7u);  // cards.htm and index.htm last
    ASSERT_EQ(bothJson.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(fs::path(pages[i]).stem(), fs::path(bothJson[i]).stem());
        EXPECT_EQ(json::parse(ReadAll(bothJson[i])), docs[i]);
        EXPECT_EQ(PageDocument(ReadAll(pages[i])), docs[i]);
    }

    // --explain adds the throws of each year, and nothing else.
    run = Cli(batch + " --format jsonl --out - --explain", work);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Says(run.err, {"character 5: T1 Y1 "}));
    std::istringstream explained(run.out);
    size_t k = 0;
    for (std::string line; std::getline(explained, line) && k < docs.size(); ++k) {
        json doc = json::parse(line);
        EXPECT_FALSE(doc["explained"].empty());
        doc.erase("explained");
        EXPECT_EQ(doc, lineDocs[k]);
    }
    EXPECT_EQ(k, docs.size());

    std::vector<std::string> all = files;
    all.push_back(work.Path() + "lines.jsonl");
    EXPECT_SCHEMA_HOLDS(all, work);
}

// A career played by hand in the terminal (the tenth race file, its first
// service and branch, accept, no studies; then "6", "3", "1" in turn, an
// answer out of range asked again) reaches the final menu, whose 6 saves
// JSON, 3 names and "1" is the file. However short the screen, a script is
// never kept waiting for a key. The save has the interactive recipe and
// plays again the same (that a recipe's answers steer the replay, the
// invariants sweep's replays show).
TEST(JsonExport, InteractiveSaveFollowsTheSchemaAndPlaysAgain) {
    TempDir work;
    std::string input = "1\n10\n2\n1\n3\n1\n13\n4\n";
    for (int i = 0; i < 400; ++i) input += "6\n3\n1\n";
    const CliRun played =
        RunCli("--seed 11 --explain " + Data(SampleDataDir()), work, input, "C", "LINES=10");
    EXPECT_EQ(played.status, 3);  // the script ends at a question of the final menu
    EXPECT_TRUE(Says(
        played.Both(),
        {"Imperial citizen (human) Infantry", "End of term 1", "Muster out: ", "\n 6 Save as JSON"},
        {"-- more"}));
    ASSERT_TRUE(fs::exists(work.Path() + "1.json"));
    const json doc = json::parse(ReadAll(work.Path() + "1.json"));
    EXPECT_EQ(doc["recipe"]["made"], "interactive");
    // The career's throws, from "Accept" on: played again, they are the same.
    EXPECT_EQ(doc["explained"][0]["term"], 1);

    EXPECT_TRUE(Ran(Cli("--regenerate 1.json", work), 0, {"comes out the same"}));
    EXPECT_SCHEMA_HOLDS(std::vector<std::string>{work.Path() + "1.json"}, work);
}

// A race named with quotes, markup, "--", a Latin-1 letter and a backslash
// reaches the JSON as the same text in UTF-8 and the page's comment intact;
// both files make the character again.
TEST(JsonExport, HostileNamesRoundTrip) {
    TempDir work, data;
    CopySampleData(data);
    bool first = true;
    data.Edit("IMPERIAL.ERI", [&](std::string& line) {
        if (std::exchange(first, false)) line = "Caf\xE9 \"quoted\" <b> & -- back\\slash";
    });
    const std::string mine = Data(data.Path()),
                      batch = "--auto --count 1 --seed 3 --race IMPERIAL.ERI " + mine;
    const CliRun run = Cli(batch + " --format both --out out", work);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto files = FilesIn(work.Path() + "out", ".json");
    const auto pages = FilesIn(work.Path() + "out", ".htm");
    ASSERT_EQ(files.size(), 1u);
    const json doc = json::parse(ReadAll(files[0]));
    EXPECT_EQ(doc["character"]["race"], "Caf\xC3\xA9 \"quoted\" <b> & -- back\\slash");
    EXPECT_EQ(PageDocument(ReadAll(pages[0])), doc);
    // A JSON stream on standard output is the file's bytes, whatever the locale.
    for (const char* locale : {"C", "C.UTF-8"}) {
        const CliRun lines = Cli(batch + " --format jsonl --out -", work, locale);
        ASSERT_EQ(lines.status, 0) << lines.err;
        EXPECT_EQ(json::parse(lines.out), doc) << locale << "\n" << lines.out;
    }
    // A name that would steer the terminal (set its title, fake a line) is
    // shown, not obeyed.
    json forged = doc;
    forged["character"]["name"] =
        "\x1B]0;owned\x07\r\nFORGED\xC2\x9B"
        "2J";
    std::ofstream(work.Path() + "forged.json") << forged.dump();
    // (The terminal's encodings are the terminal's tests'; the name's line
    // end is this report's own.)
    const CliRun shown = Cli("--regenerate forged.json " + mine, work, "C.UTF-8");
    EXPECT_TRUE(Ran(shown, 1, {"^[]0;owned^G^M^JFORGED^[[2J differs in 1 place:\n"}));
    EXPECT_EQ(shown.out.find_first_of("\x1B\x07\r\x9B"), std::string::npos) << shown.out;

    std::string said;
    for (const auto& file : {files[0], pages[0]}) {
        const CliRun again = Cli("--regenerate '" + file + "' " + mine, work);
        EXPECT_TRUE(Ran(again, 0, {"comes out the same"})) << file;
        EXPECT_TRUE(said.empty() || again.out == said) << again.out;
        said = again.out;
    }
}

// --regenerate makes every line of a JSON Lines file again, names each
// rule file that changed since, and its exit status says whether the
// characters still come out the same. A JSON Lines file lists the rule
// files on its first line, for every line; a later line alone can say only
// that the data differs.
TEST(JsonExport, RegenerateChecksEveryLineAndNamesChangedDataFiles) {
    TempDir work, data;
    CopySampleData(data);
    const std::string batch = "--auto --count 3 --seed 11 --race IMPERIAL.ERI " + Data(data.Path());
    ASSERT_EQ(Cli(batch + " --format json --out out --explain", work).status, 0);
    ASSERT_EQ(Cli(batch + " --format jsonl --out all.jsonl", work).status, 0);
    const std::string lines = ReadAll(work.Path() + "all.jsonl");
    std::ofstream(work.Path() + "second.jsonl") << lines.substr(lines.find('\n') + 1);
    const std::string again =
        "--regenerate '" + FilesIn(work.Path() + "out", ".json")[1] + "' " + Data(data.Path());
    const std::string againLines = "--regenerate all.jsonl " + Data(data.Path());
    const std::string againSecond = "--regenerate second.jsonl " + Data(data.Path());
    EXPECT_TRUE(Ran(Cli(again, work), 0, {"comes out the same"}, {"differs from"}));
    EXPECT_TRUE(Ran(Cli(againSecond, work), 0, {}, {"differs from"}));
    EXPECT_TRUE(
        Ran(Cli(againLines, work), 0,
            {"all.jsonl:3: Made again: ", "all.jsonl: 3 of 3 characters come out the same.\n"}));

    // Every line is made again: a changed one is named and fails the file;
    // a line saved before the homeworld had codes still comes out the same.
    // --out, which saves one character, is refused.
    std::string edited = lines;
    const size_t second = edited.find('\n') + 1;
    json doc = json::parse(edited.substr(second, edited.find('\n', second) - second));
    doc["character"]["age"] = 99;
    edited.replace(second, edited.find('\n', second) - second, doc.dump());
    const size_t third = edited.find('\n', second) + 1;
    doc = json::parse(edited.substr(third, edited.find('\n', third) - third));
    doc["character"].erase("homeworldCodes");
    edited.replace(third, edited.find('\n', third) - third, doc.dump());
    std::ofstream(work.Path() + "edited.jsonl", std::ios::binary) << edited;
    const std::string againEdited = "--regenerate edited.jsonl " + Data(data.Path());
    EXPECT_TRUE(Ran(Cli(againEdited, work), 1,
                    {"edited.jsonl:2: Made again with seed",
                     "edited.jsonl: 2 of 3 characters come out the same; not line 2.\n"}));
    EXPECT_TRUE(Ran(Cli(againEdited + " --out one.json", work), 1,
                    {"edited.jsonl holds 3 characters; --out saves one"}));
    EXPECT_FALSE(fs::exists(work.Path() + "one.json"));

    // The race's description is not played; a school no service lists adds
    // a file but nothing to play.
    data.Edit("IMPERIAL.ERI", [](std::string& line) {
        if (line.starts_with("About=")) line += " Told again.";
    });
    fs::copy_file(data.Path() + "ICOP1.SCH", data.Path() + "EXTRA.SCH");
    for (const std::string& args : {again, againLines})
        EXPECT_TRUE(Ran(Cli(args, work), 0,
                        {"IMPERIAL.ERI changed\n", "EXTRA.SCH added\n", "comes out the same"},
                        {"ARMY.SRV"}));
    EXPECT_TRUE(Ran(Cli(againSecond, work), 0,
                    {"differs from the one the character was made from (data "}, {"added"}));

    // Strength thrown on four dice instead of two is another character;
    // its throws explained, the two careers part where the tech level was
    // thrown and strength now throws two dice more.
    data.Edit("IMPERIAL.ERI", [](std::string& line) { line = line == "STR=2D" ? "STR=4D" : line; });
    fs::remove(data.Path() + "EXTRA.SCH");
    EXPECT_TRUE(Ran(Cli(again, work), 1,
                    {"IMPERIAL.ERI changed\n", "differs in", "character.characteristics[",
                     "The careers part at throw ", "(term 0, year 0): recorded \"The tech level"},
                    {"EXTRA.SCH"}));
}

// What is not a character document of this format gets a message naming
// the file and exit status 1, never a crash.
TEST(JsonExport, RegenerateRefusesBrokenFiles) {
    TempDir work;
    ASSERT_EQ(Cli("--auto --count 1 --seed 4 --format both --out out", work).status, 0);
    const std::string text = ReadAll(FilesIn(work.Path() + "out", ".json")[0]);
    const std::string page = ReadAll(FilesIn(work.Path() + "out", ".htm")[0]);
    const auto edited = [&](const std::function<void(json&)>& edit) {
        json doc = json::parse(text);
        edit(doc);
        return doc.dump();
    };
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.json", ""},
        {"truncated.htm", page.substr(0, page.size() - 200)},
        {"format-number.json", R"({"format": 1})"},
        {"list.json", "[1, 2, 3]"},
        {"character-text.json", edited([](json& d) { d["character"] = "x"; })},
        {"no-seed.json", edited([](json& d) { d["recipe"]["seed"] = nullptr; })},
        {"no-race.json", edited([](json& d) { d["recipe"]["wanted"]["race"] = "NO SUCH RACE"; })},
        {"number-lowest.json", edited([](json& d) { d["recipe"]["number"] = INT_MIN; })},
        // A number that is not whole is said with its field.
        {"age-fraction.json: the field \"age\" holds 7.0 where a whole number belongs",
         edited([](json& d) { d["character"]["age"] = 7.0; })},
        // Nested far deeper than a record, with keys after the nesting.
        {"deep.json", "{\"x\": " + std::string(200000, '[') + std::string(200000, ']') +
                          ", \"format\": \"orrimar-character/1\", \"y\": 1}"},
    };
    // Each named by the file and what the run says of it.
    for (const auto& [said, content] : files) {
        const std::string name = said.substr(0, said.find(':'));
        std::ofstream(work.Path() + name, std::ios::binary) << content;
        EXPECT_TRUE(Ran(Cli("--regenerate " + name, work), 1, {"orrimar-cli: " + said}));
    }
    // No file at all (a device that never ends: why a file cannot be read
    // is the file reader's, tested with it); or past the bound, but for the
    // first line of JSON Lines.
    fs::create_symlink("/dev/zero", work.Path() + "zero.json");
    const std::string line = json::parse(text).dump() + "\n";
    {
        std::ofstream huge(work.Path() + "huge.json"), lines(work.Path() + "huge.jsonl");
        huge << std::string(RecordFileLimit + 1, ' ') << text;
        // A character, then a line past the bound: what lies beyond is not read.
        lines << line << std::string(RecordFileLimit, ' ') << "\n" << line;
    }
    for (const auto& [name, why] : std::vector<std::pair<std::string, std::string>>{
             {"zero.json", "it is not a regular file"},
             {"huge.json", "it holds more than 64 MiB and is no JSON Lines file"},
             {"huge.jsonl", ""}}) {
        EXPECT_TRUE(Ran(Cli("--regenerate " + name, work), why.empty() ? 0 : 1,
                        why.empty()
                            ? std::vector<std::string>{"comes out the same",
                                                       "only the characters of its "
                                                       "first 64 MiB"}
                            : std::vector<std::string>{"cannot read " + name + ": " + why}));
    }
}

// A batch throws from a list: a list too short stops the batch naming it,
// a word that is no number is named by file and line, and characters made
// from a long enough list record their throws and come out the same.
TEST(JsonExport, BatchDiceFromAList) {
    TempDir work;
    const std::string batch = "--auto --count 2 --seed 5 --format json ";
    std::ofstream(work.Path() + "short.txt") << "3 4 5\n";
    EXPECT_TRUE(Ran(Cli(batch + " --out short --dice short.txt", work), 1,
                    {"The dice list short.txt ran out after 3 throws"}));
    std::ofstream(work.Path() + "words.txt") << "3, 4\n# a comment: 1 2\n5 six 6\n";
    EXPECT_TRUE(Ran(Cli(batch + " --out words --dice words.txt", work), 1,
                    {"words.txt:3: \"six\" is not a throw"}));
    EXPECT_FALSE(fs::exists(work.Path() + "words"));
    // A word of any length is shown by its start; a list that is no file is
    // said to be none, in a batch and interactively.
    std::ofstream(work.Path() + "huge.txt") << "3 " << std::string(100000, '7') << "x\n";
    for (const auto& [args, said] : std::vector<std::pair<std::string, std::string>>{
             {batch + " --out huge --dice huge.txt",
              "huge.txt:1: \"77777777777777777777...\" (100001 characters) is not a throw"},
             {"--dice /dev/zero",
              "Cannot read the dice list /dev/zero: it is not a regular file"}}) {
        const CliRun run = Cli(args, work);
        EXPECT_TRUE(Ran(run, 1, {said}) && run.err.size() < 200u) << run.err.substr(0, 300);
    }

    CliRun run = Cli(batch + " --out long --dice '" + Threes(work, 1000) + "'", work);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto files = FilesIn(work.Path() + "long", ".json");
    ASSERT_EQ(files.size(), 2u);
    const json doc = json::parse(ReadAll(files[1]));
    const auto throws = doc["recipe"]["throws"].get<std::vector<int>>();
    EXPECT_FALSE(throws.empty());
    EXPECT_TRUE(std::all_of(throws.begin(), throws.end(), [](int t) { return t == 3; }));
    EXPECT_TRUE(Ran(Cli("--regenerate '" + files[1] + "'", work), 0, {"comes out the same"}));
}

// JSON Lines into a file: a batch that stops part way leaves the earlier
// file as it was (and no part file); a finished one replaces it, through a
// temporary file of its own: a link or another batch's file planted under
// a name beside it is left alone. A folder is refused before anything.
TEST(JsonExport, JsonLinesFileIsReplacedOnlyAtTheEnd) {
    TempDir work;
    std::ofstream(work.Path() + "all.jsonl") << "earlier\n";
    std::ofstream(work.Path() + "victim.txt") << "keep\n";
    fs::create_symlink(work.Path() + "victim.txt", work.Path() + "all.jsonl.part");
    // Enough threes for the first character, not the second.
    const std::string batch = "--auto --count 2 --seed 5 --format jsonl --out all.jsonl ";
    EXPECT_TRUE(Ran(Cli(batch + " --dice '" + Threes(work, 150) + "'", work), 1,
                    {"character 2: The dice list"}));
    EXPECT_EQ(ReadAll(work.Path() + "all.jsonl"), "earlier\n");
    ASSERT_TRUE(Ran(Cli(batch, work), 0));
    const std::string lines = ReadAll(work.Path() + "all.jsonl");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
    EXPECT_EQ(json::parse(lines.substr(0, lines.find('\n')))["recipe"]["number"], 1);
    EXPECT_FALSE(fs::is_symlink(work.Path() + "all.jsonl"));
    EXPECT_EQ(ReadAll(work.Path() + "victim.txt"), "keep\n");

    fs::create_directory(work.Path() + "folder");
    EXPECT_TRUE(Ran(Cli("--auto --count 1 --format jsonl --out folder", work), 1,
                    {"orrimar-cli: folder is a folder"}));
    EXPECT_TRUE(fs::is_empty(work.Path() + "folder"));
    // Nothing is left beside the targets but what was planted (and the run's
    // own input and output).
    EXPECT_EQ(work.Names(),
              (std::vector<std::string>{"all.jsonl", "all.jsonl.part", "err.txt", "folder",
                                        "input.txt", "out.txt", "threes.txt", "victim.txt"}));
}
