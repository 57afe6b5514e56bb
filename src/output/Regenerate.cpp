#include "output/Regenerate.h"

#include <ostream>
#include <vector>

#include "batch/Batch.h"
#include "career/Driver.h"
#include "model/Encoding.h"
#include "model/Game.h"
#include "model/Recording.h"
#include "model/Text.h"
#include "output/CharacterJson.h"
#include "output/RecordJson.h"
#include "output/Resume.h"
#include "startup/Files.h"
#include "startup/Fingerprint.h"
#include "startup/Main.h"
#include "startup/Race.h"
#include "startup/Service.h"
#include "startup/Settings.h"
#include "ui/ReplayUi.h"

namespace orrimar {

namespace {

using json = nlohmann::ordered_json;

// The JSON document a file holds: a JSON file (or the first line of JSON
// Lines), or a page with the document in its closing comment.
std::optional<json> ReadDocument(const std::string& file, std::string& problem) {
    std::string why;
    bool cut = false;
    auto bytes = ReadFileBytes(file, RecordFileLimit, why, &cut);
    if (!bytes) {
        problem = "cannot read " + file + ": " + why;
        return std::nullopt;
    }
    // A JSON Lines file of a big batch may hold gigabytes: its first line,
    // the character made again, is all that is read of it.
    if (cut && (bytes->compare(0, 1, "{") != 0 || bytes->find('\n') == std::string::npos)) {
        problem = "cannot read " + file + ": it holds more than " + LimitText(RecordFileLimit) +
                  " and is no JSON Lines file";
        return std::nullopt;
    }
    if (cut) bytes->resize(bytes->find('\n'));
    const std::string& text = *bytes;
    std::optional<std::string> document;
    if (const size_t start = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
        start != std::string::npos && text[start] == '{') {
        document = text.substr(start);
        if (!json::accept(*document)) document = document->substr(0, document->find('\n'));
    } else {
        document = DocumentInPage(text);
    }
    if (!document) {
        problem = file + " holds no character record (a resume or JSON file saved by Orrimar)";
        return std::nullopt;
    }
    // A character record nests a few levels and holds whole numbers only.
    // Deeper nesting would exhaust the stack (the JSON library copies nested
    // values recursively), and a fraction read as a whole number is undefined.
    // What is unlike a record is said with the field it stands in (an
    // array's values in the array's).
    std::string unlike, field;
    std::vector<std::string> outer;
    const auto check = [&](int depth, json::parse_event_t event, json& value) {
        using E = json::parse_event_t;
        if (event == E::object_start || event == E::array_start) outer.push_back(field);
        if ((event == E::object_end || event == E::array_end) && !outer.empty()) {
            field = std::move(outer.back());
            outer.pop_back();
        }
        if (event == E::key && value.is_string()) field = value.get<std::string>().substr(0, 40);
        if (depth > 32)
            unlike = "nests deeper than 32 levels, far deeper than a character record";
        else if (event == json::parse_event_t::value && value.is_number_float())
            unlike = "the field \"" + field + "\" holds " + value.dump() +
                     " where a whole number belongs";
        return unlike.empty();
    };
    json j = json::parse(*document, check, false);
    if (!unlike.empty()) {
        problem = file + ": " + unlike;
        return std::nullopt;
    }
    if (j.is_discarded()) {
        problem = file + " is not valid JSON (cut short, or edited by hand?)";
        return std::nullopt;
    }
    // Any value may stand under "format"; only the string names this format.
    if (!j.is_object() || !j.contains("format") || j.at("format") != CharacterFormat) {
        problem = file + " holds no character record of the format " + std::string(CharacterFormat);
        return std::nullopt;
    }
    return j;
}

// The differences between two JSON values, one line each, under `path`.
void Differences(const json& was, const json& now, const std::string& path,
                 std::vector<std::string>& out) {
    if (was == now) return;
    if (was.is_object() && now.is_object()) {
        for (const auto& [key, value] : was.items())
            Differences(value, now.contains(key) ? now.at(key) : json(), path + "." + key, out);
        for (const auto& [key, value] : now.items())
            if (!was.contains(key)) Differences(json(), value, path + "." + key, out);
        return;
    }
    if (was.is_array() && now.is_array()) {
        for (size_t i = 0; i < std::max(was.size(), now.size()); ++i)
            Differences(i < was.size() ? was[i] : json(), i < now.size() ? now[i] : json(),
                        path + "[" + std::to_string(i) + "]", out);
        return;
    }
    // Texts in JSON are UTF-8; what the program prints is Latin-1.
    out.push_back(Utf8ToLatin1(path + ": recorded " + was.dump() + ", made again " + now.dump()));
}

}  // namespace

std::string ReplayCareer(const CareerRecipe& r, const json& recorded, const std::string& dataDir,
                         const std::function<void(Game&)>& use) {
    ReplayUi ui(r.Answers);
    SeededDice dice(r.Seed);
    Game g(ui, dice);
    ui.game = &g;
    SetAppTitle(g);
    g.CommandLine = r.CommandLine;
    g.TestMode = g.CommandLine == "TESTMODE" ? 1 : 0;
    g.DataLoc = dataDir;
    if (std::string failed = LoadDataFolder(g); !failed.empty()) return failed;
    const int race = g.RaceList.IndexOf(r.RaceKey);
    if (race < 0 || !SelectRace(g, race)) return "the race " + r.RaceKey + " cannot be loaded";
    // Every branch is listed, those a career opens ("/TN") too: a career
    // restarted after a transfer starts where the lists stood.
    g.Character.BranchOpen.fill(1);
    const int service = g.ServiceList.IndexOf(r.ServiceKey);
    if (service < 0 || !SelectService(g, service))
        return "the service " + r.ServiceKey + " cannot be loaded";
    const int branch = g.BranchList.IndexOf(r.BranchKey);
    if (branch < 0 || !SelectBranch(g, branch))
        return "the branch " + r.BranchKey + " cannot be loaded";
    if (!ApplySettingsText(g, r.Settings)) return "the recorded settings cannot be read";
    g.Character = g.StartCharacter = r.Start;
    g.Form1.VilaniLevel = r.VilaniLevel;
    g.Form1.HandEntered = r.HandEntered;
    g.Throws.Values = r.Throws;
    g.Throws.Source = "the recorded throws";
    g.Recipe = r;
    dice.Reseed(r.Seed);
    try {
        if (PlayCareer(g) != CareerEnd::Finished)
            return "the recorded answers do not finish the career";
    } catch (const ReplayStop& stop) {
        return stop.Message;
    } catch (const ThrowListEnded& ended) {
        return ended.Message;
    }
    if (ui.Left() > 0)
        return std::to_string(ui.Left()) + " recorded answers are left when the career ends";
    // The final menu names the character and throws its homeworld for each
    // save; both are taken as the file records them.
    g.Character.Name = TextOf(recorded.at("name"));
    g.Character.Homeworld = TextOf(recorded.at("homeworld"));
    use(g);
    return "";
}

int RegenerateCharacter(const std::string& file, const std::string& dataDir,
                        const std::string& outPath, std::ostream& out, std::ostream& err) {
    std::string problem;
    const auto doc = ReadDocument(file, problem);
    if (!doc) {
        err << "orrimar-cli: " << problem << "\n";
        return 1;
    }
    std::string folder = dataDir.empty() ? ReadIniValue("orrimar.ini", "dataloc") : dataDir;
    const std::string unusable = folder.empty() ? "give --data DIR (a folder holding IMPERIAL.ERI)"
                                                : DataFolderProblem(AddBackslash(folder));
    if (!unusable.empty()) {
        err << "orrimar-cli: no data folder: " << unusable << "\n";
        return 1;
    }
    folder = AddBackslash(folder);

    CareerRecipe recipe;
    json recorded;
    std::string version;
    DataFingerprint recordedData;
    std::string name;
    try {
        recipe = RecipeFromJson(doc->at("recipe"));
        recorded = doc->at("character");
        name = TextOf(recorded.at("name"));
        version = doc->at("program").at("version").get<std::string>();
        recordedData = FingerprintFromJson(doc->at("data"));
    } catch (const json::exception& e) {
        err << "orrimar-cli: " << file << ": the character record cannot be read (" << e.what()
            << ")\n";
        return 1;
    }
    if (!recipe.Seeded) {
        err << "orrimar-cli: " << file << " records no seed: its dice cannot be thrown again\n";
        return 1;
    }

    // What differs from when the character was made.
    if (version != ProgramVersionText())
        out << "Made with Orrimar " << version << "; this is Orrimar " << ProgramVersionText()
            << ".\n";
    if (const std::string changed = FingerprintDifferences(recordedData, FingerprintFolder(folder));
        !changed.empty())
        out << "The data folder " << folder << " differs from the one the character was made "
            << "from:\n"
            << changed;

    json remade;
    std::string written;
    const auto use = [&](Game& g) {
        remade = CharacterSection(g);
        if (outPath.empty()) return;
        const bool asJson =
            outPath.size() >= 5 && EqualsNoCase(outPath.substr(outPath.size() - 5), ".json");
        written = asJson ? WriteFileAtomic(outPath, CharacterJsonText(g))
                         : WriteResume(g, outPath, ResumeLayout::BuiltIn());
    };
    if (recipe.Made == CareerRecipe::Kind::Batch) {
        BatchOptions options;
        options.DataDir = folder;
        options.Seed = recipe.Seed - static_cast<uint64_t>(recipe.Number - 1);
        options.Race = recipe.WantedRace;
        options.Service = recipe.WantedService;
        options.Branch = recipe.WantedBranch;
        options.Terms = recipe.Terms;
        problem = RemakeBatchCharacter(options, recipe.Number, recipe.Throws, use);
    } else {
        try {
            problem = ReplayCareer(recipe, recorded, folder, use);
        } catch (const json::exception& e) {
            problem = e.what();
        }
    }
    if (!problem.empty()) {
        // The batch's own messages already name the program.
        if (problem.rfind("orrimar-cli: ", 0) == 0) problem.erase(0, 13);
        err << "orrimar-cli: " << file << ": the character cannot be made again: " << problem
            << "\n";
        return 1;
    }
    if (!written.empty()) err << "orrimar-cli: " << written << "\n";

    std::vector<std::string> differences;
    Differences(recorded, remade, "character", differences);
    if (differences.empty()) {
        out << "Made again: " << (name.empty() ? "the character" : name)
            << " comes out the same (seed " << recipe.Seed << ").\n";
        return written.empty() ? 0 : 1;
    }
    out << "Made again with seed " << recipe.Seed << ", " << (name.empty() ? "the character" : name)
        << " differs in " << differences.size() << " places:\n";
    for (const auto& line : differences) out << "  " << line << "\n";
    return 1;
}

}  // namespace orrimar
