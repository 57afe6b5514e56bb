#include "output/TemplateResume.h"

#include <algorithm>
#include <functional>

#include "ask/Questions.h"
#include "model/Game.h"
#include "output/ResumeText.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// A line as runs of template text and inserted values; only template text
// is searched for placeholders.
struct Run {
    std::string Text;
    bool Value = false;
};

class LineFiller {
  public:
    explicit LineFiller(const std::string& line) : runs_{{line, false}} {}

    // The value is computed only when the placeholder is there: some values
    // throw dice, and a line without the placeholder must not.
    void Replace(const std::string& placeholder, const std::function<std::string()>& value) {
        for (size_t i = 0; i < runs_.size(); ++i) {
            if (runs_[i].Value) continue;
            const size_t at = runs_[i].Text.find(placeholder);
            if (at == std::string::npos) continue;
            const std::string text = runs_[i].Text;
            runs_[i] = {text.substr(0, at), false};
            runs_.insert(runs_.begin() + static_cast<long>(i) + 1,
                         {{value(), true}, {text.substr(at + placeholder.size()), false}});
            return;
        }
    }

    std::string Text() const {
        std::string line;
        for (const auto& run : runs_) line += run.Text;
        return line;
    }

  private:
    std::vector<Run> runs_;
};

std::string Digits(long long value) {
    return std::to_string(value);
}

// "##,###,###": zero shows no digit at all.
std::string TemplateMoney(long long value) {
    return "Cr" + (value == 0 ? std::string() : FormatThousands(value));
}

}  // namespace

std::string TemplateFolder(const SessionPart& session) {
    return WithTrailingSlash(ResolveFolderNoCase(session.DataLoc, "templates"));
}

std::optional<std::string> ChooseTemplate(Game& g) {
    const std::vector<std::string> names =
        ListFilesWithExtension(TemplateFolder(g.session), ".htm");
    if (names.empty()) {
        g.ui.Message("You haven't any templates!", g.session.AppTitle, MsgIcon::Critical);
        return std::nullopt;
    }
    auto& list = g.windows.Slist1;
    PickListClear(list);
    for (const auto& name : names) PickListAdd(list, name);
    list.Prompt = "Select output template";
    list.MaxText = "1";
    list.MinText = "1";
    ShowPickList(g);
    const auto chosen = PickListSelection(list);
    if (chosen.empty()) return std::nullopt;
    return TemplateFolder(g.session) + chosen.front().Text;
}

std::string FillTemplateLine(Game& g, const std::string& line) {
    const auto& c = g.career.Character;
    const int stats = std::clamp(StatCount(g), 0, CharacterRecord::MaxStats);
    LineFiller f(line);
    f.Replace("|NAME|", [&] { return HtmlEscape(c.Name); });
    f.Replace("|CAREER|", [&] { return HtmlEscape(g.rules.Service.BranchName); });
    for (int i = 1; i <= CharacterRecord::MaxStats; ++i) {
        const std::string n = std::to_string(i);
        const bool has = i <= stats;
        f.Replace("|STATNAME" + n + "|",
                  [&] { return has ? HtmlEscape(Fit(StatName(g, i), 3)) : ""; });
        f.Replace("|STAT" + n + "|", [&] { return has ? Digits(c.Stats[i]) : ""; });
        f.Replace("|BONUS" + n + "|", [&] { return has ? Digits(c.Stats[i] / 5) : ""; });
    }
    f.Replace("|UPP|", [&] {
        std::string upp;
        for (int i = 1; i <= stats; ++i) upp += HexDigit(c.Stats[i]);
        return upp;
    });
    f.Replace("|HITS|", [&] { return Digits(c.HitPoints); });
    f.Replace("|TERMS|", [&] { return Digits(c.CurTerm); });
    f.Replace("|AGE|", [&] { return Digits(c.Age); });
    f.Replace("|TL|", [&] { return Digits(c.TechLevel); });
    f.Replace("|RANKCODE|", [&] { return HtmlEscape(RankCodeText(g)); });
    f.Replace("|RANK|", [&] { return HtmlEscape(RankNameText(g)); });
    f.Replace("|SKILLS|", [&] { return HtmlEscape(SkillText(g.career)); });
    f.Replace("|MONEY|", [&] { return TemplateMoney(c.Money); });
    f.Replace("|PENSION|", [&] { return TemplateMoney(c.Pension); });
    f.Replace("|NOTES|", [&] { return HtmlEscape(CharacterNotes(g)); });
    f.Replace("|MEDALS|", [&] { return HtmlEscape(MedalText(g)); });
    f.Replace("|HISTORY|", [&] { return HistoryTableHtml(g); });
    f.Replace("|SWITCHES|", [&] { return HtmlEscape(SwitchesText(g.career)); });
    return f.Text();
}

std::vector<std::string> FillTemplate(Game& g, const std::vector<std::string>& lines,
                                      const std::string& extraFooter) {
    std::vector<std::string> page;
    page.reserve(lines.size() + 1);
    for (const auto& line : lines) page.push_back(FillTemplateLine(g, line));
    if (!extraFooter.empty()) {
        const std::string footer = "<p>" + HtmlEscape(extraFooter) + "</p>";
        auto body = std::find_if(page.begin(), page.end(), [](const std::string& line) {
            return ContainsNoCase(line, "</body>");
        });
        page.insert(body, footer);
    }
    return page;
}

}  // namespace orrimar
