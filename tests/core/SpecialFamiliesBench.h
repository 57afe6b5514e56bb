// A bench for the special-assignment families: a small race and service
// built in the test, so every case states each throw and answer it uses.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "career/Specials.h"
#include "career/specials/SpecialTable.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "support/TestGame.h"

namespace orrimar::familytest {

using specials::StatEdu;
using specials::StatEnd;
using specials::StatInt;
using specials::StatSoc;

// Who the character is: career code, rank, race type and the name of the
// sixth characteristic (SOC, SEN, PAR).
struct Who {
    std::string type;
    int rank = 3;
    int race = 1;
    std::string sixth = "SOC";
};

// Six characteristics at 7. Ranks E0..E9, O1..O6; one skill table whose
// every entry is "Rifle" at die 1. Cascades are kept whole, so "XTRAIN"
// is a plain gain.
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    explicit Bench(const Who& who) {
        g.Race.Name = "Tester";
        g.Race.Code = who.race;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", who.sixth};
        g.Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Name = "Test Service";
        s.Type = who.type;
        s.BranchName = "Line";
        s.MaxRank = 15;
        s.School = "123456";
        for (int k = 0; k <= 15; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.SkillTable[1].Title = "Drill";
        s.SkillTable[1].Eli[1] = "Eli      All";
        s.SkillTable[1].Max = 6;
        s.SkillTable[1].Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = static_cast<int16_t>(who.rank);
        c.CurTerm = 1;
        c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }
    Bench(const std::string& type, int rank, int race = 1) : Bench(Who{type, rank, race}) {}

    std::string Year() const { return c.TermLog[c.CurTerm].Lines[1]; }
    int Level(const std::string& name) const { return GetSkillLevel(g, name); }
    void Has(const std::string& skill) { AddSkill(g, skill); }
    int SkillsHeld() const {
        int n = 0;
        for (const auto& s : c.Skills) n += s.Name.empty() ? 0 : 1;
        return n;
    }
    // `count` skill-table throws, each landing on "Rifle".
    void SkillRolls(int count) {
        for (int k = 0; k < count; ++k) {
            t.ui.Answer("1");
            t.dice.Push(1);
        }
    }
    // Runs the special assignment; every scripted throw and answer is used.
    void Run() {
        SpecialAssignment(g);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
    }
    // The history after the scripted `faces`, the rest of the throws random
    // and every choice made by dice.
    std::string Outcome(std::initializer_list<int> faces) {
        c.Options[OptAutoGen] = OptOn;
        t.dice.Push(faces);
        t.dice.SetFallback(true);
        SpecialAssignment(g);
        return Year();
    }
    bool StartsWith(const std::string& text) { return Year().rfind(text, 0) == 0; }
};

// One result of a family: the faces that lead to it (table die and any
// selecting dice), its history, the skills thrown for at `target` in order,
// and the skills granted, each list "/"-separated. A granted "+1 Xxx"
// raises that characteristic; "Name-2" adds two levels.
struct RowCase {
    std::vector<int> faces;
    std::string history;
    int target = 0;
    std::string tried;
    std::string granted;
    std::string message = "";  // the messages shown, "|"-separated
};

inline std::vector<std::string> Names(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : Split(list, '/');
}

// A characteristic change "+1 Sen": the characteristic's position and the
// change; 0 for a skill text.
inline int StatOf(const Game& g, const std::string& text, int& amount) {
    if (text.size() < 4 || (text[0] != '+' && text[0] != '-')) return 0;
    amount = (text[0] == '+' ? 1 : -1) * ValInt(Mid(text, 2, 1));
    for (int i = 1; i <= g.Race.NumStats; ++i)
        if (g.Race.StatName[i] == UCase(Mid(text, 4))) return i;
    return 0;
}

// "Medical-2" is two levels of "Medical".
inline std::pair<std::string, int> Levels(const std::string& text) {
    const size_t dash = text.rfind('-');
    if (dash != std::string::npos && dash + 1 < text.size() &&
        std::isdigit(static_cast<unsigned char>(text[dash + 1])))
        return {text.substr(0, dash), ValInt(text.substr(dash + 1))};
    return {text, 1};
}

inline std::string Joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& t : texts) all += (all.empty() ? "" : "|") + t;
    return all;
}

using Setup = std::function<void(Bench&)>;

// Applies each row to a fresh character. The tried skills are thrown for
// alternately at exactly the target (gained) and one below (not gained),
// so each row's target and order are checked, not just its names.
inline void ExpectRows(const Who& who, const Setup& setup, const std::vector<RowCase>& rows) {
    for (const auto& row : rows) {
        std::string faces;
        for (int f : row.faces) faces += std::to_string(f) + " ";
        SCOPED_TRACE(who.type + " rank " + std::to_string(who.rank) + " race " +
                     std::to_string(who.race) + " faces " + faces + ": " + row.history);
        Bench b(who);
        if (setup) setup(b);
        const auto before = b.c.Stats;
        std::map<std::string, int> levels;
        std::map<int, int> stats;
        const auto note = [&](const std::string& text, bool gained) {
            int amount = 0;
            if (const int stat = StatOf(b.g, text, amount)) {
                if (gained) stats[stat] += amount;
                return;
            }
            const auto [name, n] = Levels(text);
            levels[name] += gained ? n : 0;
        };
        for (int f : row.faces) b.t.dice.Push(f);
        for (const auto& name : Names(row.granted)) note(name, true);
        const auto tried = Names(row.tried);
        for (size_t k = 0; k < tried.size(); ++k) {
            const bool hit = k % 2 == 0;
            b.t.dice.Push(hit ? row.target : row.target - 1);
            note(tried[k], hit);
        }
        b.Run();
        EXPECT_EQ(b.Year(), row.history.empty() ? "" : row.history + " ");
        for (const auto& [name, count] : levels)
            EXPECT_EQ(b.Level(name), count > 0 ? count : -1) << name;
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(b.c.Stats[i], before[i] + stats[i]) << "characteristic " << i;
        EXPECT_EQ(Joined(b.t.ui.messages), row.message);
    }
}

}  // namespace orrimar::familytest
