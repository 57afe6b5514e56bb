#include "ui/OptionsWindow.h"

#include <algorithm>
#include <filesystem>

#include "model/Display.h"
#include "model/Game.h"
#include "model/OptionCaptions.h"
#include "session/OptionSets.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// The option a box stands for, or 0 for a box without one.
int OptionOfBox(int box) {
    return box >= 0 && box <= OptSpare - 1 ? box + 1 : 0;
}

int16_t FlagValue(bool on) {
    return on ? OptOn : OptOff;
}

void SelectRankCap(const Game& g, OptionsWindowModel& m) {
    const int cap = g.career.Character.Options[RankCap];
    const int ranks = static_cast<int>(m.RankList.size());
    m.RankSelected = cap >= 1 && cap <= ranks ? cap - 1 : -1;
    m.RankNote.clear();
    if (cap > ranks && ranks > 0)
        m.RankNote = "The rank cap kept is rank " + std::to_string(cap) + ", beyond the " +
                     std::to_string(ranks) + " ranks of " + g.rules.Service.Name +
                     ": promotion never reaches it. Choose a rank to cap at.";
}

void CapRankOff(CareerPart& career, OptionsWindowModel& m) {
    m.Checked[OptionsWindowModel::CapRankBox] = false;
    career.Character.Options[OptCapRank] = OptOff;
    m.RankListVisible = false;
}

bool ValidEntry(int entry) {
    return entry >= 1 && entry <= 20;
}

}  // namespace

OptionsWindowModel PrepareOptions(Game& g) {
    OptionsWindowModel m;
    const auto& options = g.career.Character.Options;
    for (int box = 0; box < OptionsWindowModel::Boxes; ++box) {
        if (int k = OptionOfBox(box)) m.Checked[box] = options[k] != 0;
    }
    m.Checked[OptionsWindowModel::OwnDiceBox] = g.session.OwnDice;
    const auto& s = g.rules.Service;
    const int ranks = std::clamp(s.MaxRank, 0, ServiceRecord::MaxRanks);
    for (int i = 1; i <= ranks; ++i)
        m.RankList.push_back(Fit(s.RankCode[i], 4) + " (" + s.RankName[i] + ")");

    if (!g.career.Character.Opt(OptCapRank)) return m;
    m.RankListVisible = true;
    // A negative cap (from a hand-edited option set) means no rank as much as 0 does.
    if (options[RankCap] <= 0) {
        g.ui.Message(NoRankCapMessage, g.session.AppTitle, MsgIcon::None);
        CapRankOff(g.career, m);
        return m;
    }
    // A cap above this service's ranks stays as it is: nothing to select,
    // and promotion never reaches it.
    SelectRankCap(g, m);
    return m;
}

void OptionsTick(Game& g, OptionsWindowModel& m, int box, bool checked) {
    if (box < 0 || box >= OptionsWindowModel::Boxes) return;
    m.Checked[box] = checked;
    if (int k = OptionOfBox(box)) g.career.Character.Options[k] = FlagValue(checked);
    if (box == OptionsWindowModel::OwnDiceBox) g.session.OwnDice = checked;
    if (box != OptionsWindowModel::CapRankBox) return;
    if (!checked) {
        m.RankListVisible = false;
        return;
    }
    if (m.RankList.empty()) {
        g.ui.Message(NoServiceRankMessage, g.session.AppTitle, MsgIcon::None);
        CapRankOff(g.career, m);
        return;
    }
    m.RankListVisible = true;
    SelectRankCap(g, m);
}

void OptionsSelectRank(CareerPart& career, OptionsWindowModel& m, int position) {
    if (position < 0 || position >= static_cast<int>(m.RankList.size())) return;
    m.RankSelected = position;
    m.RankNote.clear();
    career.Character.Options[RankCap] = static_cast<int16_t>(position + 1);
}

std::string OptionSetSlotCaption(const SessionPart& session, int slot) {
    if (slot < 1 || slot > 4) return "";
    if (!session.OptionSetButton[slot].empty()) return session.OptionSetButton[slot];
    std::error_code ec;
    return std::filesystem::is_regular_file(OptionSetPath(session, slot), ec) ? "(no name)"
                                                                              : "(empty slot)";
}

void OptionsDone(Game& g) {
    ShowCharacter(g, "");
}

void OptionsPreferredSkills(Game& g) {
    g.ui.ShowPreferredSkills(g);
}

void OptionsOptionSets(Game& g) {
    g.ui.ShowSaveOptionSet(g);
}

void FillPreferredList(const SessionPart& session, PreferredSkillsModel& m) {
    m.List.clear();
    m.Selected = -1;
    for (int i = 1; i <= 20; ++i) {
        const auto& pref = session.PrefSkill[i];
        if (IsBlank(pref.Name)) continue;
        m.List.push_back({pref.Name + "-" + std::to_string(pref.Level), i});
    }
}

void PreferredAdd(PreferredSkillsModel& m) {
    m.Mode = PanelMode::Add;
    m.EditEntry = 0;
    m.Name.clear();
    m.Level = "4";
    m.Suggestions.clear();
}

void PreferredEdit(const SessionPart& session, PreferredSkillsModel& m) {
    if (m.Selected < 0 || m.Selected >= static_cast<int>(m.List.size())) return;
    const int entry = m.List[m.Selected].Tag;
    if (!ValidEntry(entry)) return;
    m.Mode = PanelMode::Edit;
    m.EditEntry = entry;
    m.Name = session.PrefSkill[entry].Name;
    m.Level = std::to_string(session.PrefSkill[entry].Level);
    m.Suggestions.clear();
}

void PreferredDelete(SessionPart& session, PreferredSkillsModel& m) {
    if (m.Selected < 0 || m.Selected >= static_cast<int>(m.List.size())) return;
    const int entry = m.List[m.Selected].Tag;
    if (ValidEntry(entry)) session.PrefSkill[entry].Name.clear();
    FillPreferredList(session, m);
}

void PreferredPlus(PreferredSkillsModel& m) {
    m.Level = std::to_string(static_cast<long long>(ValInt(m.Level)) + 1);
}

void PreferredMinus(PreferredSkillsModel& m) {
    m.Level = std::to_string(static_cast<long long>(ValInt(m.Level)) - 1);
}

void PreferredOk(Game& g, PreferredSkillsModel& m) {
    const PrefSkillRecord entered{m.Name, ValInt(m.Level)};
    if (m.Mode == PanelMode::Edit && ValidEntry(m.EditEntry)) {
        g.session.PrefSkill[m.EditEntry] = entered;
    } else if (m.Mode == PanelMode::Add && !m.Name.empty()) {
        int free = 1;
        while (free <= 20 && !IsBlank(g.session.PrefSkill[free].Name)) ++free;
        if (free <= 20)
            g.session.PrefSkill[free] = entered;
        else
            g.ui.Message(PreferredListFull, g.session.AppTitle, MsgIcon::None);
    }
    FillPreferredList(g.session, m);
    PreferredCancel(m);
}

void PreferredCancel(PreferredSkillsModel& m) {
    m.Mode = PanelMode::None;
    m.EditEntry = 0;
    m.Suggestions.clear();
}

void PreferredNameTyped(const RulesPart& rules, PreferredSkillsModel& m, const std::string& name) {
    m.Name = name;
    m.Suggestions = SkillSuggestions(rules, name);
}

void PreferredPickSuggestion(Game& g, PreferredSkillsModel& m, int index) {
    if (index < 0 || index >= static_cast<int>(m.Suggestions.size())) return;
    m.Name = m.Suggestions[index];
    PreferredOk(g, m);
}

std::vector<std::string> SkillSuggestions(const RulesPart& rules, const std::string& name) {
    std::vector<std::string> found;
    if (name.empty()) return found;
    const std::string wanted = UCase(name);
    auto scan = [&](const std::string& line) {
        const size_t p = UCase(line).find(wanted);
        if (p == std::string::npos) return;
        const size_t slash = line.find('/', p);
        std::string text =
            line.substr(p, slash == std::string::npos ? std::string::npos : slash - p);
        // A skill found in several cascades is offered once.
        if (std::find(found.begin(), found.end(), text) == found.end()) found.push_back(text);
    };
    for (int i = 1; i <= 10; ++i) scan(rules.Service.Cascade[i]);
    for (int i = 1; i <= 10; ++i) scan(rules.Race.Cascade[i]);
    for (int i = 1; i <= 250; ++i) scan(rules.StdCascade[i]);
    return found;
}

}  // namespace orrimar
