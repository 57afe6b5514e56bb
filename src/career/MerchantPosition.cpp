// Merchants rise by holding a position aboard and passing the exam for
// the next rank, not by the promotion throw. The branch's examination
// lines ("O2=7=Pilot-1": rank code, exam target, skill and level) say what
// each rank requires.
#include <algorithm>
#include <optional>
#include <string>

#include "career/HandOffs.h"
#include "data/YearFacts.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Only the first skill slots count towards an exam.
constexpr int ExamSkillSlots = 25;

struct Examination {
    std::string RankCode;
    int Target = 0;
    std::string Skill;
    int Level = 0;
};

// A line lacking either "=" or the "-" before the level cannot be read and
// is passed over.
std::optional<Examination> ReadExamination(const std::string& line) {
    const size_t first = line.find('=');
    if (first == std::string::npos) return std::nullopt;
    const size_t second = line.find('=', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const size_t dash = line.rfind('-');
    if (dash == std::string::npos || dash < second) return std::nullopt;
    Examination e;
    e.RankCode = Trim(line.substr(0, first));
    e.Target = ValInt(line.substr(first + 1, second - first - 1));
    e.Skill = Trim(line.substr(second + 1, dash - second - 1));
    e.Level = ValInt(line.substr(dash + 1));
    return e;
}

bool HoldsSkill(const CareerPart& career, const std::string& name, int level) {
    const std::string_view wanted = TrimView(name);
    const auto& skills = career.Character.Skills;
    return std::any_of(skills.begin() + 1, skills.begin() + 1 + ExamSkillSlots, [&](const auto& s) {
        return EqualsNoCase(TrimView(s.Name), wanted) && s.Level >= level;
    });
}

// A passed department test stands in for the skill once.
bool Qualifies(CareerPart& career, const Examination& e) {
    auto& c = career.Character;
    if (EqualsNoCase(e.Skill, "Automatic")) return true;
    if (c.DeptTestPassed == 1) {
        c.DeptTestPassed = 0;
        return true;
    }
    return HoldsSkill(career, e.Skill, e.Level);
}

void SitExamination(Game& g) {
    auto& c = g.career.Character;
    const auto& s = g.rules.Service;
    const int next = std::clamp<int>(c.Rank + 1, 0, CharacterRecord::MaxRank);
    const std::string nextCode = Trim(RankCodeOf(g, next));
    for (int i = 1; i <= ServiceRecord::MaxQualif; ++i) {
        if (IsBlank(s.Qualif[i])) return;
        const auto exam = ReadExamination(s.Qualif[i]);
        if (!exam || exam->RankCode != nextCode) continue;
        if (!Qualifies(g.career, *exam)) {
            AddHistory(g, "Not qualified for " + nextCode);
            continue;
        }
        ThrowFor(g, "the exam for ", nextCode, exam->Target);
        const bool passed = RollDice(g, 2, 6) >= exam->Target;
        ExplainResult(g, passed, "passed", "failed");
        if (passed) {
            c.Rank = static_cast<int16_t>(next);
            AddHistory(g, Trim(RankCodeOf(g, next)));
            c.PromotedThisTerm = 1;
        } else {
            AddHistory(g, "Failed exam for " + nextCode);
        }
        return;
    }
}

}  // namespace

void MerchantPosition(Game& g) {
    auto& c = g.career.Character;
    const auto& s = g.rules.Service;
    ThrowFor(g, "a position", {}, s.Command);
    const bool none = RollDice(g, 2, 6) < s.Command;
    ExplainResult(g, none, "no position", "a position");
    if (none) {
        AddHistory(g, "No Position");
        return;
    }
    AddHistory(g, "Position");

    const bool route = CurrentYearFacts(g.career).Has(YearWord::Route);
    const bool freeTrader = s.Has(BranchMark::FreeTrader);
    if (c.Commissioned == 0 && freeTrader && route) {
        c.Commissioned = 1;
        AddHistory(g, "Commission");
    }
    if (c.Rank >= std::min(TopRankOf(g), CharacterRecord::MaxRank) || c.Commissioned == 0) return;
    if (!route && !freeTrader) return;
    SitExamination(g);
}

}  // namespace orrimar
