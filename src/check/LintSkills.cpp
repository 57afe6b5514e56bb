// Skill texts as AddSkill reads them: characteristic changes no race that
// may meet them has, skill names cut at a "-" inside them, cascade names
// written in mixed case, and likely misspellings of known skills. (Group
// names no cascade defines are errors of the checker itself.)
#include <algorithm>
#include <cctype>
#include <map>

#include "check/Lint.h"
#include "data/SkillText.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// One skill text of a table, a [GRANT] or a school, and the races that
// may meet it.
struct Use {
    std::string File;
    int Line = 0;  // 1-based
    std::string Text;
    std::vector<const LintRace*> Races;
};

std::string NameOf(const std::string& text) {
    return Trim(text.substr(0, text.find('-')));
}

bool IsGroup(const std::string& name) {
    return !name.empty() && name == UCase(name);
}

// The entries of every table and [GRANT] of a service, and the benefits
// granted through AddSkill, each line once.
void ServiceUses(const LintService& s, std::vector<Use>& uses) {
    std::set<int> done;
    auto muster = [&](const ServiceRecord& r, int at) {
        for (int k = 1; at >= 0 && k <= r.MaterialCount; ++k) {
            const std::string& text = r.Material[k];
            if ((IsStatChange(text) || Contains(text, "Tole") || Contains(text, "Inde")) &&
                done.insert(at + 1 + k).second)
                uses.push_back({s.File, at + 2 + k, text, s.Races});
        }
    };
    muster(s.Service, s.Service.ServiceAt.Muster);
    auto tables = [&](const ServiceRecord& r, const LintBranch* b) {
        for (const SkillTableRecord& table : Tables(r, b != nullptr)) {
            if (table.TitleLine == 0) continue;
            for (int e = 1; e <= table.Max; ++e)
                if (done.insert(table.MaxLine - 1 + e).second)
                    uses.push_back({s.File, table.MaxLine + e, table.Entry[e], s.Races});
        }
    };
    tables(s.Service, nullptr);
    for (const auto& b : s.Branches) {
        tables(b.Service, &b);
        muster(b.Service, b.Service.BranchAt.Muster);
        const int grant = b.Service.BranchAt.Grant;
        for (int k = 1; grant >= 0 && k <= b.Service.Grant->Size(); ++k)
            if (done.insert(grant + k).second)
                uses.push_back({s.File, grant + k + 1, b.Service.Grant[k], s.Races});
    }
}

// Cascade names, and the skills they split into.
void AddCascade(const std::string& line, std::set<std::string>& groups,
                std::set<std::string>& members) {
    const auto parts = Split(line, '/');
    if (parts.empty() || IsBlank(parts[0])) return;
    groups.insert(Trim(parts[0]));
    for (size_t k = 1; k < parts.size(); ++k) {
        const std::string member = Trim(parts[k]);
        if (!member.empty() && !IsStatChange(member) && !IsGroup(member)) members.insert(member);
    }
}

template <size_t N>
void AddCascades(const CountedLines<N>& table, std::set<std::string>& groups,
                 std::set<std::string>& members) {
    const int count = table.Size();
    for (int k = 1; k <= count; ++k) AddCascade(table[k], groups, members);
}

void Change(const Use& use, std::vector<DataProblem>& out) {
    if (use.Races.empty()) return;
    const std::string code = ReadStatChange(use.Text).Code;
    // Psionic training adds PSI.
    if (code == "PSI") return;
    for (const LintRace* race : use.Races)
        for (int i = 1; i <= race->Race.NumStats; ++i)
            if (race->Race.StatName[i] == code) return;
    Warn(out, use.File, use.Line,
         "\"" + use.Text + "\": no race that may meet it has a characteristic \"" + code +
             "\", so the rules say \"Stat add fail\".",
         "a change is a sign, one digit, a blank and the three-letter name in the race's "
         "letters, as \"+1 Edu\".");
}

// Race characteristic names are compared in capitals.
void StatNames(const LintRace& r, std::vector<DataProblem>& out) {
    for (int i = 1; i <= r.Race.NumStats; ++i) {
        const std::string& name = r.Race.StatName[i];
        if (name == UCase(name)) continue;
        Warn(out, r.File, r.Race.StatAt[i] + 1,
             "the characteristic \"" + name +
                 "\" is not in capitals: skill texts and Eli lines "
                 "name it in capitals, so \"+1 " +
                 name + "\" or \"Eli      " + name + ">8\" never find it.",
             "write \"" + UCase(name) + "\".");
    }
}

}  // namespace

void LintSkills(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& r : folder.Races) StatNames(r, out);

    std::vector<Use> uses;
    for (const auto& s : folder.Services) ServiceUses(s, uses);
    std::vector<const LintRace*> everyone;
    for (const auto& r : folder.Races) everyone.push_back(&r);
    for (const auto& school : folder.Schools)
        for (int k = 1; k <= 6 && k < static_cast<int>(school.Lines.size()); ++k)
            uses.push_back({school.File, k + 1, school.Lines[k], everyone});

    // A skill is known when a cascade splits into it, or when the folder
    // names it in two places or more: a name written once, in no cascade,
    // and a typo's distance from a known skill or a cascade is taken for a
    // misspelling. One written once and like no other is taken for a skill
    // of its own (a service's rare training), not reported.
    std::set<std::string> groups, members;
    for (const auto& line : folder.Cascades) AddCascade(line, groups, members);
    for (const auto& r : folder.Races) AddCascades(*r.Race.Cascade, groups, members);
    for (const auto& s : folder.Services) AddCascades(*s.Service.Cascade, groups, members);
    std::map<std::string, int> named;
    for (const auto& use : uses)
        if (!IsStatChange(use.Text)) ++named[NameOf(use.Text)];
    std::set<std::string> known = members;
    for (const auto& [name, count] : named)
        if (count > 1 && !IsGroup(name)) known.insert(name);
    std::set<std::string> likeKnown = known;
    likeKnown.insert(groups.begin(), groups.end());

    for (const auto& use : uses) {
        if (IsStatChange(use.Text)) {
            Change(use, out);
            continue;
        }
        const std::string name = NameOf(use.Text);
        if (name.empty() || IsGroup(name)) continue;
        if (const size_t dash = use.Text.find('-'); dash != std::string::npos) {
            const std::string level = Trim(use.Text.substr(dash + 1));
            const size_t sign = !level.empty() && (level[0] == '+' || level[0] == '-') ? 1 : 0;
            if (level.size() <= sign || !std::isdigit(static_cast<unsigned char>(level[sign]))) {
                Warn(out, use.File, use.Line,
                     "\"" + use.Text + "\" reads as the skill \"" + name + "\" at level " +
                         std::to_string(ValInt(level)) +
                         ": a skill's name ends at its first \"-\".",
                     "a skill name holds no \"-\" (\"Air Raft\", not \"Air-Raft\").");
                continue;
            }
        }
        // A known skill may share a cascade's name ("Mechanical" in MECHANICAL).
        if (known.count(name)) continue;
        bool group = false;
        for (const auto& g : groups)
            if (EqualsNoCase(g, name)) {
                Warn(out, use.File, use.Line,
                     "\"" + name + "\" is a skill of that name, not the cascade " + g +
                         ": only a name in capitals is a cascade.",
                     "write \"" + g + "\".");
                group = true;
                break;
            }
        if (group) continue;
        const auto near = NearNames(name, likeKnown);
        if (!near.empty())
            Warn(out, use.File, use.Line,
                 "\"" + name + "\" is named nowhere else in the folder and in no cascade.",
                 DidYouMean(near));
    }
}

}  // namespace orrimar
