#include "output/CharacterJson.h"

#include <algorithm>
#include <utility>

#include "model/Game.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "model/Throws.h"
#include "names/Homeworld.h"
#include "output/RecordJson.h"
#include "output/ResumeText.h"
#include "ui/OptionsWindow.h"

namespace orrimar {

using json = nlohmann::ordered_json;

namespace {

inline constexpr const char* CommentStart = "<!-- orrimar-character ";
inline constexpr const char* CommentEnd = " -->";

// A batch writes the same data section on every page: it is made once a
// thread for each fingerprint, and so is its text in a page's comment.
struct KeptData {
    std::string Hash;
    json Section;
    std::string AsciiText;
    json Brief;  // the fingerprints without the file table
};

const KeptData& DataSection(const DataFingerprint& data) {
    thread_local KeptData kept;
    if (kept.Section.is_null() || kept.Hash != data.Hash) {
        kept.Section = FingerprintToJson(data);
        kept.AsciiText = kept.Section.dump(-1, ' ', true);
        kept.Brief = kept.Section;
        kept.Brief.erase("files");
        kept.Hash = data.Hash;
    }
    return kept;
}

}  // namespace

std::string ProgramVersionText() {
    return std::to_string(ORRIMAR_VERSION_MAJOR) + "." + std::to_string(ORRIMAR_VERSION_MINOR) +
           "." + std::to_string(ORRIMAR_VERSION_PATCH);
}

namespace {

void Put(json::object_t&) {}

template <class Value, class... Rest>
void Put(json::object_t& members, const char* key, Value&& value, Rest&&... rest) {
    // Straight onto the end: the keys are distinct, so the object's own
    // insertion, which first looks for the key among those there, is not needed.
    members.Container::emplace_back(key, std::forward<Value>(value));
    Put(members, std::forward<Rest>(rest)...);
}

// An object of the members given in order: key, value, key, value... A
// page is written for every batch character, and an initializer list
// would first build an array of two for every member.
template <class... Members>
json Object(Members&&... members) {
    json object = json::object();
    auto& list = object.get_ref<json::object_t&>();
    list.reserve(sizeof...(Members) / 2);
    Put(list, std::forward<Members>(members)...);
    return object;
}

// An empty array with room for `count` elements.
json ArrayOf(size_t count) {
    json array = json::array();
    array.get_ref<json::array_t&>().reserve(count);
    return array;
}

json Counted(const std::string& name, int count) {
    return Object("name", Text(name), "count", count);
}

// The homeworld's codes; null when its text is not a generated profile.
json HomeworldCodesJson(const std::string& homeworld) {
    const auto codes = ReadHomeworld(homeworld);
    if (!codes) return nullptr;
    return Object("profile", codes->Profile(), "starport", codes->Starport, "size", codes->Size,
                  "atmosphere", codes->Atmosphere, "hydrographics", codes->Hydrographics,
                  "population", codes->Population, "law", codes->Law, "techLevel", codes->Tech);
}

}  // namespace

json CharacterSection(const Game& g) {
    const auto& c = g.Character;
    const int count = std::clamp(g.Race.NumStats, 0, CharacterRecord::MaxStats);
    json stats = ArrayOf(static_cast<size_t>(count));
    std::string upp;
    for (int i = 1; i <= count; ++i) {
        stats.push_back(Object("name", Text(Trim(g.Race.StatName[static_cast<size_t>(i)])), "value",
                               c.Stats[static_cast<size_t>(i)]));
        upp += HexDigit(c.Stats[static_cast<size_t>(i)]);
    }
    // Highest level first, as the resume lists them.
    const std::vector<std::string> skillEntries = Split(SkillText(g), ',');
    json skills = ArrayOf(skillEntries.size());
    for (const std::string& entry : skillEntries) {
        const std::string text = Trim(entry);
        const size_t dash = text.rfind('-');
        if (text.empty() || dash == std::string::npos) continue;
        skills.push_back(
            Object("name", Text(text.substr(0, dash)), "level", ValInt(text.substr(dash + 1))));
    }
    std::vector<HistoryTerm> terms = HistoryTerms(g);
    json history = ArrayOf(terms.size());
    for (HistoryTerm& term : terms) {
        json years = ArrayOf(term.Years.size());
        for (std::string& year : term.Years) years.push_back(Text(std::move(year)));
        history.push_back(Object("term", term.Term, "title", Text(std::move(term.Title)), "years",
                                 std::move(years)));
    }
    json decorations = json::array();
    for (const auto& [medal, n] : MedalEntries(g)) decorations.push_back(Counted(medal, n));
    json benefits = json::array();
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i)
        if (c.BenefitCount[static_cast<size_t>(i)] > 0)
            benefits.push_back(Counted(c.Benefits[static_cast<size_t>(i)],
                                       c.BenefitCount[static_cast<size_t>(i)]));
    // The talents the character holds, as its skills hold them: training
    // marks every talent it tried, learned or not.
    json talents = json::array();
    for (size_t i = 1; i < g.PsiTalent.size(); ++i) {
        const std::string& name = g.PsiTalent[i].Name;
        const int level = IsBlank(name) ? -1 : GetSkillLevel(g, name);
        if (level >= 0) talents.push_back(Object("name", Text(name), "level", level));
    }
    json switches = json::array();
    for (int k = 1; k <= 10; ++k)
        if (c.Opt(k)) switches.push_back(OptionCaption(k - 1));
    return Object("name", Text(c.Name), "race", Text(g.Race.Name), "service", Text(g.Service.Name),
                  "branch", Text(g.Service.BranchName), "characteristics", std::move(stats), "upp",
                  std::move(upp), "hits", c.HitPoints, "terms", c.CurTerm, "age", c.Age,
                  "techLevel", c.TechLevel, "rank",
                  Object("index", RankIndex(g), "code", Text(Trim(RankCodeText(g))), "name",
                         Text(RankNameText(g))),
                  "skills", std::move(skills), "history", std::move(history), "decorations",
                  std::move(decorations), "money", c.Money, "pension", c.Pension, "benefits",
                  std::move(benefits), "homeworld", Text(c.Homeworld), "homeworldCodes",
                  HomeworldCodesJson(c.Homeworld), "socialClass", Text(c.SocialClass), "clearance",
                  Text(c.Clearance), "psionics",
                  Object("trained", c.PsiTrained != 0, "talents", std::move(talents)), "switches",
                  std::move(switches));
}

namespace {

// The document with `data` in place of the data section.
json Document(const Game& g, json data) {
    const CareerRecipe& r = g.Recipe;
    json document = Object("format", CharacterFormat, "program",
                           Object("name", "Orrimar", "version", ProgramVersionText()), "data",
                           std::move(data), "seed", r.Seeded ? json(r.Seed) : json(nullptr),
                           "character", CharacterSection(g), "recipe", RecipeToJson(r));
    // Only when asked: the document is otherwise as it always was.
    if (g.ThrowsInJson && g.Explain) document["explained"] = ExplainedThrowsJson(g);
    return document;
}

}  // namespace

json CharacterDocument(const Game& g) {
    return Document(g, DataSection(g.Recipe.Data).Section);
}

std::string CharacterJsonText(const Game& g) {
    return CharacterDocument(g).dump(2) + "\n";
}

std::string CharacterJsonLine(const Game& g) {
    return Document(g, DataSection(g.Recipe.Data).Brief).dump() + "\n";
}

std::string WithFileTable(std::string line, const DataFingerprint& data) {
    // The data section comes before any text of the character, and outside
    // strings JSON holds no other such member.
    const KeptData& kept = DataSection(data);
    const std::string brief = "\"data\":" + kept.Brief.dump();
    const size_t at = line.find(brief);
    if (at != std::string::npos) line.replace(at, brief.size(), "\"data\":" + kept.Section.dump());
    return line;
}

namespace {

// `text` with every "--" made "-\u002d": a comment cannot hold "--", and
// outside strings JSON never holds it, so only strings are touched.
void AppendCommentSafe(std::string& out, std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t pair = std::min(text.find("--", at), text.size());
        out.append(text, at, pair - at);
        if (pair == text.size()) break;
        out += "-\\u002d";
        at = pair + 2;
    }
}

}  // namespace

void AppendPageRecordComment(const Game& g, std::string& page) {
    // ASCII only, for a Latin-1 page. The data section's text is kept: it
    // is written in with the document's own spelling of a placeholder the
    // program never writes elsewhere (the section comes before any text of
    // the character). Neither side of it ends in "-", so a "--" never
    // spans the join.
    const std::string text = Document(g, "\x01").dump(-1, ' ', true);
    static constexpr std::string_view Placeholder = "\"data\":\"\\u0001\"";
    const std::string_view whole = text;
    page += CommentStart;
    if (const size_t at = whole.find(Placeholder); at != std::string::npos) {
        AppendCommentSafe(page, whole.substr(0, at + 7));
        AppendCommentSafe(page, DataSection(g.Recipe.Data).AsciiText);
        AppendCommentSafe(page, whole.substr(at + Placeholder.size()));
    } else {
        AppendCommentSafe(page, whole);
    }
    page += CommentEnd;
}

std::optional<std::string> DocumentInPage(const std::string& page) {
    const size_t start = page.rfind(CommentStart);
    if (start == std::string::npos) return std::nullopt;
    const size_t from = start + std::string(CommentStart).size();
    const size_t end = page.find(CommentEnd, from);
    if (end == std::string::npos) return std::nullopt;
    return page.substr(from, end - from);
}

json ExplainedThrowsJson(const Game& g) {
    json years = json::array();
    if (!g.Explain) return years;
    const auto& all = g.Explain->Throws();
    const size_t count = g.Explain->CareerThrows();
    for (size_t i = 0; i < count; ++i) {
        const ExplainedThrow& t = all[i];
        if (years.empty() || years.back()["term"] != t.Term || years.back()["year"] != t.Year)
            years.push_back(Object("term", t.Term, "year", t.Year, "throws", json::array()));
        json modifiers = json::array();
        for (const auto& m : t.Modifiers)
            modifiers.push_back(Object("value", m.Value, "reason", Text(m.Reason)));
        years.back()["throws"].push_back(
            Object("for", Text(t.Purpose), "dice", t.Count, "sides", t.Sides, "rolled", t.Rolled,
                   "modifiers", std::move(modifiers), "total", t.Total(), "target", t.Target,
                   "atMost", t.AtMost, "outcome", Text(t.Outcome), "text", Text(ThrowText(t))));
    }
    return years;
}

std::string RegenerationFooter(const Game& g) {
    const CareerRecipe& r = g.Recipe;
    std::string text;
    if (r.Made == CareerRecipe::Kind::Batch)
        text = "Batch character " + std::to_string(r.Number) + ", ";
    if (r.Seeded) text += "seed " + std::to_string(r.Seed) + ", ";
    text += "Orrimar " + ProgramVersionText() + ", data " + r.Data.Short();
    if (r.Seeded) text += " (orrimar-cli --regenerate with this page makes the character again)";
    return text;
}

}  // namespace orrimar
