#include "replay/Regenerate.h"

#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "batch/Batch.h"
#include "career/Driver.h"
#include "data/Fingerprint.h"
#include "data/Race.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/Recording.h"
#include "model/ServiceChoice.h"
#include "model/Throws.h"
#include "output/CharacterJson.h"
#include "output/RecordJson.h"
#include "output/Resume.h"
#include "replay/ReplayUi.h"
#include "session/Main.h"
#include "text/Encoding.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

namespace {

using json = nlohmann::ordered_json;

std::optional<json> ParseDocument(const std::string& document, const std::string& where,
                                  std::string& problem);

// A character's document and where it was read: the file, or its line
// ("all.jsonl:2").
struct Document {
    json Doc;
    std::string Where;
};

// The JSON documents a file holds: a JSON file's or a page's (in its
// closing comment), or one a line of JSON Lines; none when any is unusable.
// `note` says when only part of a big file was read.
std::vector<Document> ReadDocuments(const std::string& file, std::string& problem,
                                    std::string& note) {
    std::string why;
    bool cut = false;
    auto bytes = ReadFileBytes(file, RecordFileLimit, why, &cut);
    if (!bytes) {
        problem = "cannot read " + file + ": " + why;
        return {};
    }
    // A JSON Lines file of a big batch may hold gigabytes: the whole lines
    // within the bound are what is read of it.
    if (cut && (bytes->compare(0, 1, "{") != 0 || bytes->find('\n') == std::string::npos)) {
        problem = "cannot read " + file + ": it holds more than " + LimitText(RecordFileLimit) +
                  " and is no JSON Lines file";
        return {};
    }
    if (cut) {
        bytes->resize(bytes->rfind('\n') + 1);
        note = file + ": only the characters of its first " + LimitText(RecordFileLimit) +
               " are made again";
    }
    const std::string& text = *bytes;
    // Each with its line number in JSON Lines, 0 otherwise.
    std::vector<std::pair<std::string, int>> documents;
    if (const size_t start = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
        start != std::string::npos && text[start] == '{') {
        const size_t firstEnd = std::min(text.find('\n', start), text.size());
        if (json::accept(text.substr(start)) ||
            !json::accept(text.substr(start, firstEnd - start))) {
            documents.emplace_back(text.substr(start), 0);
        } else {
            // JSON Lines: every line that is not blank is a character.
            int number = 0;
            for (size_t at = 0; at < text.size();) {
                const size_t end = std::min(text.find('\n', at), text.size());
                ++number;
                std::string line = text.substr(at, end - at);
                if (!IsBlank(line)) documents.emplace_back(std::move(line), number);
                at = end + 1;
            }
        }
    } else if (auto document = DocumentInPage(text)) {
        documents.emplace_back(std::move(*document), 0);
    }
    if (documents.empty()) {
        problem = file + " holds no character record (a resume or JSON file saved by Orrimar)";
        return {};
    }
    std::vector<Document> read;
    for (const auto& [document, number] : documents) {
        const std::string where = number ? file + ":" + std::to_string(number) : file;
        auto j = ParseDocument(document, where, problem);
        if (!j) return {};
        read.push_back({std::move(*j), where});
    }
    return read;
}

// One character's document, checked to be of this format; `where` names
// it in a problem.
std::optional<json> ParseDocument(const std::string& document, const std::string& where,
                                  std::string& problem) {
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
    json j = json::parse(document, check, false);
    if (!unlike.empty()) {
        problem = where + ": " + unlike;
        return std::nullopt;
    }
    if (j.is_discarded()) {
        problem = where + " is not valid JSON (cut short, or edited by hand?)";
        return std::nullopt;
    }
    // Any value may stand under "format"; only the string names this format.
    if (!j.is_object() || !j.contains("format") || j.at("format") != CharacterFormat) {
        problem =
            where + " holds no character record of the format " + std::string(CharacterFormat);
        return std::nullopt;
    }
    return j;
}

// A document's data section, when it is one holding its SHA-256 as text.
json* DataOf(json& doc) {
    const auto data = doc.find("data");
    if (data == doc.end() || !data->is_object()) return nullptr;
    const auto hash = data->find("sha256");
    return hash != data->end() && hash->is_string() ? &*data : nullptr;
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
    out.push_back(VisibleText(
        Utf8ToLatin1(path + ": recorded " + was.dump() + ", made again " + now.dump()), false));
}

}  // namespace

std::string ReplayCareer(const CareerRecipe& r, const json& recorded, const std::string& dataDir,
                         const std::function<void(Game&)>& use, bool explain) {
    ReplayUi ui(r.Answers);
    SeededDice dice(r.Seed);
    Game g(ui, dice);
    ThrowLog throws;
    if (explain) {
        g.career.Explain = &throws;
        g.session.ThrowsInJson = true;
    }
    ui.game = &g;
    SetAppTitle(g.session);
    g.session.SetCommandLine(r.CommandLine);
    g.session.TestMode = g.session.CommandLine == "TESTMODE" ? 1 : 0;
    g.session.DataLoc = dataDir;
    if (std::string failed = LoadDataFolder(g); !failed.empty()) return failed;
    const int race = g.windows.RaceList.IndexOf(r.RaceKey);
    if (race < 0 || !SelectRace(g, race)) return "the race " + r.RaceKey + " cannot be loaded";
    // Every branch is listed, those a career opens ("/TN") too: a career
    // restarted after a transfer starts where the lists stood.
    g.career.Character.BranchOpen.fill(1);
    const int service = g.windows.ServiceList.IndexOf(r.ServiceKey);
    if (service < 0 || !SelectService(g, service))
        return "the service " + r.ServiceKey + " cannot be loaded";
    const int branch = g.windows.BranchList.IndexOf(r.BranchKey);
    if (branch < 0 || !SelectBranch(g, branch))
        return "the branch " + r.BranchKey + " cannot be loaded";
    if (!ApplySettingsText(g, r.Settings)) return "the recorded settings cannot be read";
    g.career.Character = g.career.StartCharacter = r.Start;
    g.career.VilaniLevel = r.VilaniLevel;
    g.career.HandEntered = r.HandEntered;
    g.session.Throws.Values = r.Throws;
    g.session.Throws.Source = "the recorded throws";
    g.career.Recipe = r;
    dice.Reseed(r.Seed);
    // The career's throws, as the interactive program keeps them: the
    // loaders' rolls of the characteristics above are not the career's.
    throws.Clear();
    try {
        if (PlayCareer(g) != CareerEnd::Finished)
            return "the recorded answers do not finish the career";
        throws.EndCareer();
    } catch (const ReplayStop& stop) {
        return stop.Message;
    } catch (const ThrowListEnded& ended) {
        return ended.Message;
    }
    if (ui.Left() > 0)
        return std::to_string(ui.Left()) + " recorded answers are left when the career ends";
    // The final menu names the character and throws its homeworld after the
    // career; both are taken as the file records them.
    g.career.Character.Name = TextOf(recorded.at("name"));
    g.career.Character.Homeworld = TextOf(recorded.at("homeworld"));
    use(g);
    return "";
}

namespace {

// Every throw of an "explained" array in order, with its term and year;
// what is not a throw is left out.
struct FlatThrow {
    int Term = 0, Year = 0;
    const json* Throw = nullptr;
};
std::vector<FlatThrow> Flatten(const json& years) {
    std::vector<FlatThrow> flat;
    if (!years.is_array()) return flat;
    for (const json& year : years) {
        if (!year.is_object() || !year.contains("throws") || !year.at("throws").is_array())
            continue;
        const auto number = [&](const char* key) {
            return year.contains(key) && year.at(key).is_number_integer() ? year.at(key).get<int>()
                                                                          : 0;
        };
        for (const json& t : year.at("throws"))
            flat.push_back({number("term"), number("year"), &t});
    }
    return flat;
}

std::string ThrowSaid(const FlatThrow& t) {
    const json* text =
        t.Throw->is_object() && t.Throw->contains("text") ? &t.Throw->at("text") : nullptr;
    return text && text->is_string() ? "\"" + text->get<std::string>() + "\"" : t.Throw->dump();
}

}  // namespace

std::string PartingThrow(const json& recorded, const json& remade) {
    const std::vector<FlatThrow> was = Flatten(recorded), now = Flatten(remade);
    const size_t common = std::min(was.size(), now.size());
    size_t i = 0;
    while (i < common && was[i].Term == now[i].Term && was[i].Year == now[i].Year &&
           *was[i].Throw == *now[i].Throw)
        ++i;
    if (i == was.size() && i == now.size()) return "";
    const FlatThrow& at = i < was.size() ? was[i] : now[i];
    std::string line = "The careers part at throw " + std::to_string(i + 1) + " (term " +
                       std::to_string(at.Term) + ", year " + std::to_string(at.Year) + "): ";
    line += i < was.size() ? "recorded " + ThrowSaid(was[i]) : "recorded no more throws";
    line += i < now.size() ? ", made again " + ThrowSaid(now[i]) : ", made again no more throws";
    // Texts in JSON are UTF-8; what the program prints is Latin-1.
    return VisibleText(Utf8ToLatin1(line), false);
}

namespace {

// What a character's document records: how it was made, what it came to,
// and the program and data that made it.
struct Recorded {
    CareerRecipe Recipe;
    json Character;
    std::string Name, Version;
    DataFingerprint Data;
    bool Listed = true;  // the data's rule files are listed
};

// The record of `doc`; "" or why it cannot be made again.
std::string ReadRecorded(const json& doc, const std::string& file, Recorded& r) {
    try {
        r.Recipe = RecipeFromJson(doc.at("recipe"));
        r.Character = doc.at("character");
        // Both are printed: what the file holds must not steer the terminal.
        r.Name = VisibleText(TextOf(r.Character.at("name")), false);
        r.Version = VisibleText(doc.at("program").at("version").get<std::string>(), false);
        r.Data = FingerprintFromJson(doc.at("data"));
        r.Listed = doc.at("data").contains("files");
    } catch (const json::exception& e) {
        return file + ": the character record cannot be read (" + e.what() + ")";
    }
    if (!r.Recipe.Seeded) return file + " records no seed: its dice cannot be thrown again";
    return "";
}

// What differs from when the character was made: the program's version
// and the data folder.
std::string ChangesSince(const Recorded& r, const std::string& folder) {
    std::ostringstream before;
    if (r.Version != ProgramVersionText())
        before << "Made with Orrimar " << r.Version << "; this is Orrimar " << ProgramVersionText()
               << ".\n";
    const DataFingerprint now = FingerprintFolder(folder);
    if (!r.Listed && r.Data.Hash != now.Hash)
        before << "The data folder " << folder << " differs from the one the character was made "
               << "from (data " << VisibleText(r.Data.Short(), false) << ", now " << now.Short()
               << "); to name the rule files changed, give the whole JSON Lines "
               << "file: its first line lists them.\n";
    else if (const std::string changed = FingerprintDifferences(r.Data, now); !changed.empty())
        before << "The data folder " << folder << " differs from the one the character was made "
               << "from:\n"
               << changed;
    return before.str();
}

// The character made again, with its throws when they are to be compared.
struct Remade {
    json Character, Throws;
    std::string Written;  // "" or why --out's file was not written
};

// Makes the recorded character again, as its batch or its session made it,
// and writes it to `outPath` when given; "" or why it cannot be made.
std::string Remake(const Recorded& r, const std::string& folder, const std::string& outPath,
                   bool explained, Remade& remade) {
    const CareerRecipe& recipe = r.Recipe;
    const auto use = [&](Game& g) {
        remade.Character = CharacterSection(g);
        if (explained) remade.Throws = ExplainedThrowsJson(g.career);
        if (outPath.empty()) return;
        const bool asJson =
            outPath.size() >= 5 && EqualsNoCase(outPath.substr(outPath.size() - 5), ".json");
        remade.Written = asJson ? WriteFileAtomic(outPath, CharacterJsonText(g))
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
        options.Explain = explained;
        return RemakeBatchCharacter(options, recipe.Number, recipe.Throws, use);
    }
    try {
        return ReplayCareer(recipe, r.Character, folder, use, explained);
    } catch (const json::exception& e) {
        return e.what();
    }
}

// Says whether the character came out the same, and where not. The exit status.
int SayHowItCameOut(const Recorded& r, Remade& remade, const std::string& parting,
                    std::ostream& out, const std::string& lead) {
    // A file saved before the homeworld had codes is compared without them.
    if (r.Character.is_object() && !r.Character.contains("homeworldCodes"))
        remade.Character.erase("homeworldCodes");
    std::vector<std::string> differences;
    Differences(r.Character, remade.Character, "character", differences);
    const std::string& name = r.Name;
    const uint64_t seed = r.Recipe.Seed;
    if (differences.empty() && parting.empty()) {
        out << lead << "Made again: " << (name.empty() ? "the character" : name)
            << " comes out the same (seed " << seed << ").\n";
        return remade.Written.empty() ? 0 : 1;
    }
    if (differences.empty()) {
        out << lead << "Made again with seed " << seed << ", "
            << (name.empty() ? "the character" : name) << " comes out the same, but its throws "
            << "differ:\n  " << parting << "\n";
        return 1;
    }
    if (!parting.empty()) out << lead << parting << "\n";
    out << lead << "Made again with seed " << seed << ", "
        << (name.empty() ? "the character" : name) << " differs in " << differences.size()
        << (differences.size() == 1 ? " place" : " places") << ":\n";
    for (const auto& line : differences) out << "  " << line << "\n";
    return 1;
}

// Makes the character of `doc` again with the data folder `folder` and says
// how it came out; what was said of the version and data folder is kept in
// `said`, so a file of many characters says it once. The exit status.
int RegenerateDocument(const json& doc, const std::string& file, const std::string& folder,
                       const std::string& outPath, std::ostream& out, std::ostream& err,
                       std::string& said, const std::string& lead = "") {
    Recorded recorded;
    if (std::string problem = ReadRecorded(doc, file, recorded); !problem.empty()) {
        err << "orrimar-cli: " << problem << "\n";
        return 1;
    }
    const std::string before = ChangesSince(recorded, folder);
    if (before != said) out << before;
    said = before;

    // A document with its throws explained is made again with them, so
    // the two careers can be followed throw by throw.
    const bool explained = doc.contains("explained");
    Remade remade;
    if (std::string problem = Remake(recorded, folder, outPath, explained, remade);
        !problem.empty()) {
        // The batch's own messages already name the program.
        if (problem.rfind("orrimar-cli: ", 0) == 0) problem.erase(0, 13);
        err << "orrimar-cli: " << file << ": the character cannot be made again: " << problem
            << "\n";
        return 1;
    }
    if (!remade.Written.empty()) err << "orrimar-cli: " << remade.Written << "\n";
    const std::string parting = explained ? PartingThrow(doc.at("explained"), remade.Throws) : "";
    return SayHowItCameOut(recorded, remade, parting, out, lead);
}

// The data folder to make characters again with: `dataDir`, else the one
// the settings file names; "" with the reason in `unusable` when none serves.
std::string RegenerationFolder(const std::string& dataDir, std::string& unusable) {
    const std::string folder = dataDir.empty() ? ReadIniValue("orrimar.ini", "dataloc") : dataDir;
    unusable = folder.empty() ? "give --data DIR (a folder holding IMPERIAL.ERI)"
                              : DataFolderProblem(WithTrailingSlash(folder));
    return unusable.empty() ? WithTrailingSlash(folder) : "";
}

// A JSON Lines file lists the rule files on its first line; the lines
// made from the same data share that table.
void ShareFileTables(std::vector<Document>& docs) {
    std::map<std::string, json> tables;
    for (auto& [doc, where] : docs)
        if (const json* data = DataOf(doc); data && data->contains("files"))
            tables.emplace(data->at("sha256").get<std::string>(), data->at("files"));
    for (auto& [doc, where] : docs)
        if (json* data = DataOf(doc); data && !data->contains("files"))
            if (const auto it = tables.find(data->at("sha256").get<std::string>());
                it != tables.end())
                (*data)["files"] = it->second;
}

// JSON Lines: every character is made again, each line said for itself,
// then how many came out the same. The exit status.
int RegenerateLines(const std::vector<Document>& docs, const std::string& file,
                    const std::string& folder, std::ostream& out, std::ostream& err) {
    std::string said;
    std::vector<std::string> differ;
    for (const auto& [doc, where] : docs) {
        if (RegenerateDocument(doc, where, folder, "", out, err, said, where + ": ") != 0)
            differ.push_back(where.substr(where.rfind(':') + 1));
    }
    out << file << ": " << docs.size() - differ.size() << " of " << docs.size()
        << " characters come out the same";
    if (!differ.empty()) {
        out << "; not line";
        if (differ.size() > 1) out << "s";
        for (size_t i = 0; i < differ.size(); ++i) out << (i ? ", " : " ") << differ[i];
    }
    out << ".\n";
    return differ.empty() ? 0 : 1;
}

}  // namespace

int RegenerateCharacter(const std::string& file, const std::string& dataDir,
                        const std::string& outPath, std::ostream& out, std::ostream& err) {
    std::string problem;
    std::string note;
    auto docs = ReadDocuments(file, problem, note);
    if (docs.empty()) {
        err << "orrimar-cli: " << problem << "\n";
        return 1;
    }
    if (!note.empty()) err << "orrimar-cli: " << note << "\n";
    std::string unusable;
    const std::string folder = RegenerationFolder(dataDir, unusable);
    if (!unusable.empty()) {
        err << "orrimar-cli: no data folder: " << unusable << "\n";
        return 1;
    }
    ShareFileTables(docs);
    if (docs.size() == 1) {
        std::string said;
        return RegenerateDocument(docs[0].Doc, file, folder, outPath, out, err, said);
    }
    if (!outPath.empty()) {
        err << "orrimar-cli: " << file << " holds " << docs.size()
            << " characters; --out saves one (give a file of one character)\n";
        return 1;
    }
    return RegenerateLines(docs, file, folder, out, err);
}

}  // namespace orrimar
