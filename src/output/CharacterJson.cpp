#include "output/CharacterJson.h"

#include <algorithm>
#include <utility>

#include "career/Skills.h"
#include "model/Game.h"
#include "model/OptionCaptions.h"
#include "model/Throws.h"
#include "names/Homeworld.h"
#include "output/JsonWriter.h"
#include "output/RecordJson.h"
#include "output/ResumeText.h"
#include "text/Text.h"

namespace orrimar {

using json = nlohmann::ordered_json;

namespace {

inline constexpr const char* CommentStart = "<!-- orrimar-character ";
inline constexpr const char* CommentEnd = " -->";

// A batch writes the same data section for every character: it is made
// once a thread for each fingerprint, and so are its texts in each layout.
struct KeptData {
    std::string Hash;
    json Section;
    std::string Line;
    std::string AsciiLine;
    std::string Brief;  // on one line without the file table
};

const KeptData& DataSection(const DataFingerprint& data) {
    thread_local KeptData kept;
    if (kept.Section.is_null() || kept.Hash != data.Hash) {
        kept.Section = FingerprintToJson(data);
        kept.Line = kept.Section.dump();
        kept.AsciiLine = kept.Section.dump(-1, ' ', true);
        json brief = kept.Section;
        brief.erase("files");
        kept.Brief = brief.dump();
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

using Layout = JsonWriter::Layout;

void WriteCounted(JsonWriter& w, const std::string& name, int count) {
    w.BeginObject();
    w.Key("name").Latin1(name);
    w.Key("count").Int(count);
    w.EndObject();
}

// The homeworld's codes; null when its text is not a generated profile.
void WriteHomeworldCodes(JsonWriter& w, const std::string& homeworld) {
    const auto codes = ReadHomeworld(homeworld);
    if (!codes) return w.Null();
    w.BeginObject();
    w.Key("profile").Utf8(codes->Profile());
    w.Key("starport").Utf8(codes->Starport);
    w.Key("size").Int(codes->Size);
    w.Key("atmosphere").Int(codes->Atmosphere);
    w.Key("hydrographics").Int(codes->Hydrographics);
    w.Key("population").Int(codes->Population);
    w.Key("law").Int(codes->Law);
    w.Key("techLevel").Int(codes->Tech);
    w.EndObject();
}

void WriteCharacterSection(const Game& g, JsonWriter& w) {
    const auto& c = g.career.Character;
    const int count = std::clamp(StatCount(g), 0, CharacterRecord::MaxStats);
    w.BeginObject();
    w.Key("name").Latin1(c.Name);
    w.Key("race").Latin1(g.rules.Race.Name);
    w.Key("service").Latin1(g.rules.Service.Name);
    w.Key("branch").Latin1(g.rules.Service.BranchName);
    w.Key("characteristics").BeginArray();
    std::string upp;
    for (int i = 1; i <= count; ++i) {
        w.BeginObject();
        w.Key("name").Latin1(Trim(StatName(g, i)));
        w.Key("value").Int(c.Stats[static_cast<size_t>(i)]);
        w.EndObject();
        upp += HexDigit(c.Stats[static_cast<size_t>(i)]);
    }
    w.EndArray();
    w.Key("upp").Utf8(upp);
    w.Key("hits").Int(c.HitPoints);
    w.Key("terms").Int(c.CurTerm);
    w.Key("age").Int(c.Age);
    w.Key("techLevel").Int(c.TechLevel);
    w.Key("rank").BeginObject();
    w.Key("index").Int(RankIndex(g.career));
    w.Key("code").Latin1(Trim(RankCodeText(g)));
    w.Key("name").Latin1(RankNameText(g));
    w.EndObject();
    // Highest level first, as the resume lists them.
    w.Key("skills").BeginArray();
    for (const std::string& entry : Split(SkillText(g.career), ',')) {
        const std::string text = Trim(entry);
        const size_t dash = text.rfind('-');
        if (text.empty() || dash == std::string::npos) continue;
        w.BeginObject();
        w.Key("name").Latin1(std::string_view(text).substr(0, dash));
        w.Key("level").Int(ValInt(text.substr(dash + 1)));
        w.EndObject();
    }
    w.EndArray();
    w.Key("history").BeginArray();
    for (const HistoryTerm& term : HistoryTerms(g)) {
        w.BeginObject();
        w.Key("term").Int(term.Term);
        w.Key("title").Latin1(term.Title);
        w.Key("years").BeginArray();
        for (const std::string& year : term.Years) w.Latin1(year);
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.Key("decorations").BeginArray();
    for (const auto& [medal, n] : MedalEntries(g)) WriteCounted(w, medal, n);
    w.EndArray();
    w.Key("money").Int(c.Money);
    w.Key("pension").Int(c.Pension);
    w.Key("benefits").BeginArray();
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i)
        if (c.BenefitCount[static_cast<size_t>(i)] > 0)
            WriteCounted(w, c.Benefits[static_cast<size_t>(i)],
                         c.BenefitCount[static_cast<size_t>(i)]);
    w.EndArray();
    w.Key("homeworld").Latin1(c.Homeworld);
    w.Key("homeworldCodes");
    WriteHomeworldCodes(w, c.Homeworld);
    w.Key("socialClass").Latin1(c.SocialClass);
    w.Key("clearance").Latin1(c.Clearance);
    // The talents the character holds, as its skills hold them: training
    // marks every talent it tried, learned or not.
    w.Key("psionics").BeginObject();
    w.Key("trained").Bool(c.PsiTrained != 0);
    w.Key("talents").BeginArray();
    for (size_t i = 1; i < g.rules.PsiTalent.size(); ++i) {
        const std::string& name = g.rules.PsiTalent[i].Name;
        const int level = IsBlank(name) ? -1 : GetSkillLevel(g.career, name);
        if (level < 0) continue;
        w.BeginObject();
        w.Key("name").Latin1(name);
        w.Key("level").Int(level);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    w.Key("switches").BeginArray();
    for (int k = 1; k <= 10; ++k)
        if (c.Opt(k)) w.Utf8(OptionCaption(k - 1));
    w.EndArray();
    w.EndObject();
}

// One entry a year, each with its throws in the order thrown.
void WriteExplainedThrows(const CareerPart& career, JsonWriter& w) {
    w.BeginArray();
    const size_t count = career.Explain ? career.Explain->CareerThrows() : 0;
    for (size_t i = 0; i < count; ++i) {
        const ExplainedThrow& t = career.Explain->Throws()[i];
        const bool sameYear = i > 0 && career.Explain->Throws()[i - 1].Term == t.Term &&
                              career.Explain->Throws()[i - 1].Year == t.Year;
        if (!sameYear) {
            if (i > 0) {
                w.EndArray();
                w.EndObject();
            }
            w.BeginObject();
            w.Key("term").Int(t.Term);
            w.Key("year").Int(t.Year);
            w.Key("throws").BeginArray();
        }
        w.BeginObject();
        w.Key("for").Latin1(t.Purpose);
        w.Key("dice").Int(t.Count);
        w.Key("sides").Int(t.Sides);
        w.Key("rolled").Int(t.Rolled);
        w.Key("modifiers").BeginArray();
        for (const auto& m : t.Modifiers) {
            w.BeginObject();
            w.Key("value").Int(m.Value);
            w.Key("reason").Latin1(m.Reason);
            w.EndObject();
        }
        w.EndArray();
        w.Key("total").Int(t.Total());
        w.Key("target").Int(t.Target);
        w.Key("atMost").Bool(t.AtMost);
        w.Key("outcome").Latin1(t.Outcome);
        w.Key("text").Latin1(ThrowText(t));
        w.EndObject();
    }
    if (count > 0) {
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
}

// A batch character's recipe, the one written for every character; an
// interactive one's carries the starting record and is built whole.
void WriteRecipe(const CareerRecipe& r, JsonWriter& w) {
    if (r.Made != CareerRecipe::Kind::Batch) return w.Value(RecipeToJson(r));
    w.BeginObject();
    w.Key("made").Utf8("batch");
    w.Key("seed");
    r.Seeded ? w.Unsigned(r.Seed) : w.Null();
    w.Key("commandLine").Latin1(r.CommandLine);
    w.Key("throws").BeginArray();
    for (const int thrown : r.Throws) w.Int(thrown);
    w.EndArray();
    w.Key("wanted").BeginObject();
    w.Key("race").Latin1(r.WantedRace);
    w.Key("service").Latin1(r.WantedService);
    w.Key("branch").Latin1(r.WantedBranch);
    w.EndObject();
    w.Key("terms").Int(r.Terms);
    w.Key("number").Int(r.Number);
    w.EndObject();
}

// The document onto the end of `out`, with `data` (the data section's
// text, already in `layout`) or, when empty, the whole section built.
void WriteDocument(const Game& g, std::string& out, Layout layout, std::string_view data) {
    const CareerRecipe& r = g.career.Recipe;
    JsonWriter w(out, layout);
    w.BeginObject();
    w.Key("format").Utf8(CharacterFormat);
    w.Key("program").BeginObject();
    w.Key("name").Utf8("Orrimar");
    w.Key("version").Utf8(ProgramVersionText());
    w.EndObject();
    w.Key("data");
    data.empty() ? w.Value(DataSection(r.Data).Section) : w.Written(data);
    w.Key("seed");
    r.Seeded ? w.Unsigned(r.Seed) : w.Null();
    w.Key("character");
    WriteCharacterSection(g, w);
    w.Key("recipe");
    WriteRecipe(r, w);
    // Only when asked: the document is otherwise as it always was.
    if (g.session.ThrowsInJson && g.career.Explain)
        WriteExplainedThrows(g.career, w.Key("explained"));
    w.EndObject();
}

}  // namespace

json CharacterSection(const Game& g) {
    std::string text;
    JsonWriter w(text, Layout::Line);
    WriteCharacterSection(g, w);
    return json::parse(text);
}

std::string CharacterJsonText(const Game& g) {
    std::string text;
    WriteDocument(g, text, Layout::Indented, {});
    text += '\n';
    return text;
}

std::string CharacterJsonLine(const Game& g) {
    std::string line;
    WriteDocument(g, line, Layout::Line, DataSection(g.career.Recipe.Data).Brief);
    line += '\n';
    return line;
}

std::string WithFileTable(std::string line, const DataFingerprint& data) {
    // The data section comes before any text of the character, and outside
    // strings JSON holds no other such member.
    const KeptData& kept = DataSection(data);
    const std::string brief = "\"data\":" + kept.Brief;
    const size_t at = line.find(brief);
    if (at != std::string::npos) line.replace(at, brief.size(), "\"data\":" + kept.Line);
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
    // ASCII only, for a Latin-1 page.
    thread_local std::string text;
    text.clear();
    WriteDocument(g, text, Layout::AsciiLine, DataSection(g.career.Recipe.Data).AsciiLine);
    page += CommentStart;
    AppendCommentSafe(page, text);
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

json ExplainedThrowsJson(const CareerPart& career) {
    std::string text;
    JsonWriter w(text, Layout::Line);
    WriteExplainedThrows(career, w);
    return json::parse(text);
}

std::string RegenerationFooter(const CareerPart& career) {
    const CareerRecipe& r = career.Recipe;
    std::string text;
    if (r.Made == CareerRecipe::Kind::Batch)
        text = "Batch character " + std::to_string(r.Number) + ", ";
    if (r.Seeded) text += "seed " + std::to_string(r.Seed) + ", ";
    text += "Orrimar " + ProgramVersionText() + ", data " + r.Data.Short();
    if (r.Seeded) text += " (orrimar-cli --regenerate with this page makes the character again)";
    return text;
}

}  // namespace orrimar
