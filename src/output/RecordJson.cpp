#include "output/RecordJson.h"

#include <limits>

#include "text/Encoding.h"

namespace orrimar {

using json = nlohmann::ordered_json;

namespace {

// A field read back within its bounds; anything else is refused.
template <typename T>
T Bounded(const json& j, const char* key, long long lo, long long hi) {
    const long long value = j.at(key).get<long long>();
    if (value < lo || value > hi)
        throw json::out_of_range::create(406, std::string(key) + " is out of range", &j);
    return static_cast<T>(value);
}

template <typename T, size_t N>
json Numbers(const std::array<T, N>& values) {
    json list = json::array();
    for (const T& value : values) list.push_back(value);
    return list;
}

template <typename T, size_t N>
void ReadNumbers(const json& j, const char* key, std::array<T, N>& values) {
    const json& list = j.at(key);
    if (!list.is_array() || list.size() != N)
        throw json::type_error::create(302, std::string(key) + " has the wrong length", &j);
    for (size_t i = 0; i < N; ++i) values[i] = list[i].get<T>();
}

}  // namespace

json Text(std::string latin1) {
    // Most texts are plain ASCII, the same bytes in UTF-8.
    if (!HasNonAscii(latin1)) return json(std::move(latin1));
    return Latin1ToUtf8(latin1);
}

std::string TextOf(const json& j) {
    return Utf8ToLatin1(j.get<std::string>());
}

json RecordToJson(const CharacterRecord& c) {
    json terms = json::array();
    for (int t = 0; t <= CharacterRecord::MaxTerm; ++t) {
        const TermEntry& entry = c.TermLog[static_cast<size_t>(t)];
        json lines = json::object();
        for (int y = 0; y <= CharacterRecord::MaxYear; ++y)
            if (!entry.Line(static_cast<size_t>(y)).empty())
                lines[std::to_string(y)] = Text(entry.Line(static_cast<size_t>(y)));
        if (entry.Title.empty() && lines.empty()) continue;
        terms.push_back({{"term", t}, {"title", Text(entry.Title)}, {"lines", lines}});
    }
    json skills = json::array();
    for (const SkillEntry& s : c.Skills) skills.push_back({Text(s.Name), s.Level});
    json benefits = json::array();
    for (const std::string& b : c.Benefits) benefits.push_back(Text(b));
    return {{"name", Text(c.Name)},
            {"notes", Text(c.Notes)},
            {"stats", Numbers(c.Stats)},
            {"hitPoints", c.HitPoints},
            {"age", c.Age},
            {"rank", c.Rank},
            {"socialClass", Text(c.SocialClass)},
            {"psiGamesDone", c.PsiGamesDone},
            {"psiTrained", c.PsiTrained},
            {"warranted", c.Warranted},
            {"promotedThisTerm", c.PromotedThisTerm},
            {"commissioned", c.Commissioned},
            {"deptTestPassed", c.DeptTestPassed},
            {"clearance", Text(c.Clearance)},
            {"techLevel", c.TechLevel},
            {"homeworld", Text(c.Homeworld)},
            {"curTerm", c.CurTerm},
            {"curLine", c.CurLine},
            {"termLog", terms},
            {"skills", skills},
            {"branchOpen", Numbers(c.BranchOpen)},
            {"careerEnded", c.CareerEnded},
            {"benefitRolls", c.BenefitRolls},
            {"money", c.Money},
            {"pension", c.Pension},
            {"medals", Numbers(c.Medals)},
            {"benefits", benefits},
            {"benefitCount", Numbers(c.BenefitCount)},
            {"options", Numbers(c.Options)}};
}

CharacterRecord RecordFromJson(const json& j) {
    CharacterRecord c;
    c.Name = TextOf(j.at("name"));
    c.Notes = TextOf(j.at("notes"));
    ReadNumbers(j, "stats", c.Stats);
    c.HitPoints = j.at("hitPoints").get<int16_t>();
    c.Age = j.at("age").get<int16_t>();
    c.Rank = Bounded<int16_t>(j, "rank", 0, CharacterRecord::MaxRank);
    c.SocialClass = TextOf(j.at("socialClass"));
    c.PsiGamesDone = j.at("psiGamesDone").get<int16_t>();
    c.PsiTrained = j.at("psiTrained").get<int16_t>();
    c.Warranted = j.at("warranted").get<int16_t>();
    c.PromotedThisTerm = j.at("promotedThisTerm").get<int16_t>();
    c.Commissioned = j.at("commissioned").get<int16_t>();
    c.DeptTestPassed = j.at("deptTestPassed").get<int16_t>();
    c.Clearance = TextOf(j.at("clearance"));
    if (c.Clearance.size() != 1) c.Clearance = " ";
    c.TechLevel = j.at("techLevel").get<int16_t>();
    c.Homeworld = TextOf(j.at("homeworld"));
    c.CurTerm = Bounded<int16_t>(j, "curTerm", 0, CharacterRecord::MaxTerm);
    c.CurLine = Bounded<int16_t>(j, "curLine", 0, CharacterRecord::MaxYear);
    for (const json& term : j.at("termLog")) {
        const int t = Bounded<int>(term, "term", 0, CharacterRecord::MaxTerm);
        TermEntry& entry = c.TermLog[static_cast<size_t>(t)];
        entry.Title = TextOf(term.at("title"));
        for (const auto& [year, line] : term.at("lines").items()) {
            const json y = json::parse(year, nullptr, false);
            if (!y.is_number_integer() || y.get<int>() < 0 ||
                y.get<int>() > CharacterRecord::MaxYear)
                throw json::out_of_range::create(406, "a year out of range", &term);
            entry.SetLine(y.get<size_t>(), TextOf(line));
        }
    }
    const json& skills = j.at("skills");
    if (!skills.is_array() || skills.size() != c.Skills.size())
        throw json::type_error::create(302, "skills has the wrong length", &j);
    for (size_t i = 0; i < c.Skills.size(); ++i)
        c.Skills[i] = {TextOf(skills[i].at(0)), skills[i].at(1).get<int16_t>()};
    ReadNumbers(j, "branchOpen", c.BranchOpen);
    c.CareerEnded = j.at("careerEnded").get<int16_t>();
    c.BenefitRolls = j.at("benefitRolls").get<int16_t>();
    c.Money = j.at("money").get<int32_t>();
    c.Pension = j.at("pension").get<int32_t>();
    ReadNumbers(j, "medals", c.Medals);
    const json& benefits = j.at("benefits");
    if (!benefits.is_array() || benefits.size() != c.Benefits.size())
        throw json::type_error::create(302, "benefits has the wrong length", &j);
    for (size_t i = 0; i < c.Benefits.size(); ++i) c.Benefits[i] = TextOf(benefits[i]);
    ReadNumbers(j, "benefitCount", c.BenefitCount);
    ReadNumbers(j, "options", c.Options);
    return c;
}

json FingerprintToJson(const DataFingerprint& print) {
    json files = json::object();
    for (const auto& [name, hash] : print.Files) files[Latin1ToUtf8(name)] = hash;
    return {{"fingerprint", print.Short()}, {"sha256", print.Hash}, {"files", files}};
}

DataFingerprint FingerprintFromJson(const json& j) {
    DataFingerprint print;
    print.Hash = j.at("sha256").get<std::string>();
    // A JSON Lines file lists the files on its first line only.
    if (!j.contains("files")) return print;
    for (const auto& [name, hash] : j.at("files").items())
        print.Files[Utf8ToLatin1(name)] = hash.get<std::string>();
    return print;
}

json RecipeToJson(const CareerRecipe& r) {
    json j;
    j["made"] = r.Made == CareerRecipe::Kind::Batch ? "batch" : "interactive";
    j["seed"] = r.Seeded ? json(r.Seed) : json(nullptr);
    j["commandLine"] = Text(r.CommandLine);
    j["throws"] = r.Throws;
    if (r.Made == CareerRecipe::Kind::Batch) {
        j["wanted"] = {{"race", Text(r.WantedRace)},
                       {"service", Text(r.WantedService)},
                       {"branch", Text(r.WantedBranch)}};
        j["terms"] = r.Terms;
        j["number"] = r.Number;
        return j;
    }
    j["race"] = Text(r.RaceKey);
    j["service"] = Text(r.ServiceKey);
    j["branch"] = Text(r.BranchKey);
    j["start"] = RecordToJson(r.Start);
    j["settings"] = Text(r.Settings);
    j["vilaniLevel"] = r.VilaniLevel;
    j["handEntered"] = Text(r.HandEntered);
    json answers = json::array();
    for (const auto& [kind, answer] : r.Answers) answers.push_back({kind, Text(answer)});
    j["answers"] = answers;
    return j;
}

CareerRecipe RecipeFromJson(const json& j) {
    CareerRecipe r;
    const std::string made = j.at("made").get<std::string>();
    if (made != "batch" && made != "interactive")
        throw json::out_of_range::create(406, "made is neither batch nor interactive", &j);
    r.Made = made == "batch" ? CareerRecipe::Kind::Batch : CareerRecipe::Kind::Interactive;
    r.Seeded = !j.at("seed").is_null();
    if (r.Seeded) r.Seed = j.at("seed").get<uint64_t>();
    r.CommandLine = TextOf(j.at("commandLine"));
    r.Throws = j.at("throws").get<std::vector<int>>();
    if (r.Made == CareerRecipe::Kind::Batch) {
        const json& wanted = j.at("wanted");
        r.WantedRace = TextOf(wanted.at("race"));
        r.WantedService = TextOf(wanted.at("service"));
        r.WantedBranch = TextOf(wanted.at("branch"));
        r.Terms = j.at("terms").get<int>();
        // Character n's seed is the batch seed plus n - 1.
        r.Number = Bounded<int>(j, "number", 1, std::numeric_limits<int>::max());
        return r;
    }
    r.RaceKey = TextOf(j.at("race"));
    r.ServiceKey = TextOf(j.at("service"));
    r.BranchKey = TextOf(j.at("branch"));
    r.Start = RecordFromJson(j.at("start"));
    r.Settings = TextOf(j.at("settings"));
    r.VilaniLevel = j.at("vilaniLevel").get<int>();
    r.HandEntered = TextOf(j.at("handEntered"));
    for (const json& entry : j.at("answers"))
        r.Answers.emplace_back(entry.at(0).get<std::string>(), TextOf(entry.at(1)));
    return r;
}

}  // namespace orrimar
