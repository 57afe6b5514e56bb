// The character record: everything known about the character being
// generated, with the run state of its career and its option flags.
// Field order is the order the transfer file writes them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "data/YearFacts.h"

namespace orrimar {

// One term of the history: its title and a line for each year, with the
// words each line holds noted as it is written, so the line is written
// only through Log and SetLine.
class TermEntry {
  public:
    std::string Title;

    const std::string& Line(size_t year) const { return lines_[year]; }
    const YearFacts& Facts(size_t year) const { return facts_[year]; }
    // Adds a text and the blank after it to a year's line.
    void Log(size_t year, std::string_view text);
    // Puts back a whole line (a record read from its file, a test's year).
    void SetLine(size_t year, std::string text);
    void Clear();
    bool operator==(const TermEntry&) const = default;

  private:
    std::array<std::string, 21> lines_{};  // year 0..20
    std::array<YearFacts, 21> facts_{};
};

// The history term by term, indexed from 0 (the term being lived) to
// CharacterRecord::MaxTerm. Entries are made as the career writes them, so
// a character is copied (at every start, restart and batch character) at
// the cost of the terms it has, not of every term it might have. An entry
// never written reads as empty, as it always did. A deque, so adding a term
// leaves references to the others good. A record written over by a shorter
// one (every new character over the last) keeps the surplus terms blank,
// with their room, for the next career to write into.
class TermLogList {
  public:
    TermLogList() = default;
    TermLogList(const TermLogList& other);
    TermLogList& operator=(const TermLogList& other);
    TermLogList(TermLogList&& other) noexcept;
    TermLogList& operator=(TermLogList&& other) noexcept;
    ~TermLogList() = default;

    TermEntry& operator[](size_t term);
    const TermEntry& operator[](size_t term) const;
    bool operator==(const TermLogList& other) const;

  private:
    std::deque<TermEntry> terms_;
    size_t used_ = 0;  // terms_[used_] on are blank
};

struct SkillEntry {
    std::string Name;
    int16_t Level = 0;
    bool operator==(const SkillEntry&) const = default;
};

// Option flags live in the record so they travel with the character.
enum OptionIndex : int {
    OptForceSkill = 1,
    OptForceSpecial = 2,
    OptForceOCS = 3,
    OptForceAcademic = 4,
    OptAnyTransfer = 5,
    OptSortSkills = 6,
    OptAutoGen = 7,
    OptCapSkills = 8,
    OptKeepCascades = 9,
    OptCapRank = 10,
    OptAcademicSpecials = 11,
    OptStatsOver15 = 12,
    OptTrue2D = 13,
    OptSpare = 14,
    RankCap = 15,
};
// Characteristic positions in the record (1-based, as the race files list
// them); position 7 is PSI when psionic training adds it.
inline constexpr int StatStr = 1;
inline constexpr int StatDex = 2;
inline constexpr int StatEnd = 3;
inline constexpr int StatInt = 4;
inline constexpr int StatEdu = 5;
inline constexpr int StatSoc = 6;
inline constexpr int StatPsi = 7;

inline constexpr int16_t OptOn = -1;
inline constexpr int16_t OptOff = 0;

struct CharacterRecord {
    static constexpr int MaxStats = 10;
    static constexpr int MaxRank = 25;
    static constexpr int MaxTerm = 100;
    static constexpr int MaxYear = 20;
    static constexpr int MaxSkills = 55;
    static constexpr int MaxBranchTags = 10;
    static constexpr int MaxBenefits = 10;
    static constexpr int MaxOptions = 15;

    std::string Name;
    std::string Notes;
    std::array<int16_t, MaxStats + 1> Stats{};
    int16_t HitPoints = 0;
    int16_t Age = 0;
    int16_t Rank = 0;
    std::string SocialClass;
    int16_t PsiGamesDone = 0;
    int16_t PsiTrained = 0;
    // Psionic training added PSI after the race's characteristics, at
    // Stats[race's count + 1] (see StatCount in model/Game.h).
    bool PsiStatAdded = false;
    int16_t Warranted = 0;
    int16_t PromotedThisTerm = 0;
    int16_t Commissioned = 0;
    int16_t DeptTestPassed = 0;
    std::string Clearance = " ";  // one fixed character; a blank until set
    int16_t TechLevel = 0;
    std::string Homeworld;
    // The untrained psionic rating, thrown when a page first shows it.
    std::optional<int16_t> LatentPsi;
    int16_t CurTerm = 0;
    int16_t CurLine = 0;
    TermLogList TermLog;
    std::array<SkillEntry, MaxSkills + 1> Skills{};
    std::array<int16_t, MaxBranchTags + 1> BranchOpen{};
    int16_t CareerEnded = 0;
    int16_t BenefitRolls = 0;
    int32_t Money = 0;
    int32_t Pension = 0;
    std::array<int16_t, 4> Medals{};
    std::array<std::string, MaxBenefits + 1> Benefits{};
    std::array<int16_t, MaxBenefits + 1> BenefitCount{};
    std::array<int16_t, MaxOptions + 1> Options{};

    bool Opt(int index) const { return Options[index] != 0; }
    bool operator==(const CharacterRecord&) const = default;
};

// One extended-hex digit for a characteristic value: "0" up to 0,
// "1".."Z" for 1..32 (no I, O or U), "-99" above 32.
std::string HexDigit(int value);
// The position 1..32 of a character in the extended-hex digits, or -99.
int ExtHexValue(char digit);

inline constexpr const char* ExtHexDigits = "123456789ABCDEFGHJKLMNPQRSTVWXYZ";

}  // namespace orrimar
