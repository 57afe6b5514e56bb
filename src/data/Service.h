// The service record (the loaded service and branch) with its skill tables
// and assignments, and the service and branch loaders.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/SchoolDigits.h"
#include "data/ServiceType.h"
#include "data/SharedPart.h"
#include "data/TableLines.h"
#include "text/CountedLines.h"

namespace orrimar {

struct Game;

struct SkillTableRecord {
    static constexpr int MaxEli = 5;
    static constexpr int MaxDM = 5;
    static constexpr int MaxEntries = 15;

    std::string Title;
    std::array<EliLine, MaxEli + 1> Eli{};
    std::array<DmLine, MaxDM + 1> DM{};
    int Max = 0;
    std::array<std::string, MaxEntries + 1> Entry{};
    // Where the table stands in its file (1-based; 0 when not read from
    // one): its title, its Max line (entry e is the line e after it) and
    // the lines before Max that are neither Eli nor DM, which are passed over.
    int TitleLine = 0;
    int MaxLine = 0;
    std::vector<int> PassedLines{};

    bool operator==(const SkillTableRecord&) const = default;
};

// The ten skill tables of a service or of a branch (1 to 10). They are read
// with the file and never changed in play, so every copy of a service
// record (the loaded service, each branch, what a transfer keeps, the
// cache) shares one set; Edit copies the set first when it is shared.
class SkillTableSet {
  public:
    static constexpr int Size = 11;
    using Tables = std::array<SkillTableRecord, Size>;

    const SkillTableRecord& operator[](size_t t) const { return tables_[t]; }
    auto begin() const { return tables_->cbegin(); }
    auto end() const { return tables_->cend(); }
    // A table is written through these before it is next read: what the
    // set knows of its tables is forgotten here.
    SkillTableRecord& Edit(size_t t) { return EditAll()[t]; }
    Tables& EditAll() {
        testing_ = Unknown;
        return tables_.Edit();
    }
    // Bit t is set when a line of table t makes a test: the others are
    // never open, and most of a service's ten are empty. Worked out when
    // the tables are read, and again at the first roll after an edit.
    uint32_t Testing() const;
    bool operator==(const SkillTableSet& other) const { return tables_ == other.tables_; }
    // The line after the "[SKILL TABLES]" the set was read from (1-based);
    // 0 when it was not read from a file. Branches reading the same
    // tables have the same line.
    int Line = 0;

  private:
    static constexpr uint32_t Unknown = ~uint32_t{0};
    SharedPart<Tables> tables_;
    mutable uint32_t testing_ = Unknown;
};

struct AssignmentRecord {
    std::string Name;
    int Surv = 0, Deco = 0, Prom = 0, Skil = 0, Loca = 0, Capt = 0, Kill = 0, Empl = 0;
    int Line = 0;  // where its block starts (1-based); 0 when not read from a file

    bool operator==(const AssignmentRecord&) const = default;
};

struct ServiceRecord {
    static constexpr int MaxAcademic = 6;
    static constexpr int MaxCascades = 25;
    static constexpr int MaxRanks = 25;
    static constexpr int MaxTables = 10;
    static constexpr int MaxMuster = 10;
    static constexpr int MaxRoll = 15;
    static constexpr int MaxAssignments = 15;
    static constexpr int MaxGrants = 10;
    static constexpr int MaxQualif = 10;

    // Service level.
    std::string Name;
    ServiceType Type;
    SharedPart<std::array<std::string, 4>> Medal;
    std::string Purple;
    int Reenlist = 0;
    SharedPart<std::array<std::string, MaxAcademic + 1>> Academic;
    SharedPart<CountedLines<MaxCascades>> Cascade;
    std::array<int, MaxCascades + 1> CascadeLine{};  // each one's line (1-based)
    int MaxRank = 0;
    std::array<std::string, MaxRanks + 1> RankCode{};
    std::array<std::string, MaxRanks + 1> RankName{};
    std::array<int, 11> PlusEdu{};
    SkillTableSet SkillTable;
    int MaterialCount = 0;
    SharedPart<std::array<std::string, MaxMuster + 1>> Material;
    int CashCount = 0;
    std::array<int32_t, MaxMuster + 1> Cash{};
    // Where the service's reader found these, as 0-based line indexes (-1:
    // none): the line that ended the [ACADEMIC] list, the "Max=" line under
    // [RANKS], the [PLUSEDU] digits, the "[MUSTER]" line, the reenlist= and
    // type= lines. The data checker reports from them.
    struct SectionLinesOfService {
        int AcademicEnd = -1, Ranks = -1, PlusEdu = -1, Muster = -1, Reenlist = -1, Type = -1;
        bool operator==(const SectionLinesOfService&) const = default;
    } ServiceAt;

    // Branch level.
    std::string BranchName;
    bool Bounty = false;  // a bounty-hunting branch: its name holds "Bounty"
    uint8_t Marks = 0;    // bit m: the name holds BranchMarkWord(m)
    // The yearly clearance throw's target (SORAG) its name sets: 10 for
    // Research or Scientific, 12 for Administration, 9 for Operations, else 0.
    int ClearanceTarget = 0;
    bool Has(BranchMark mark) const { return (Marks >> static_cast<int>(mark)) & 1U; }
    int AssignFirst = 0;
    int AssignLast = 0;
    SharedPart<std::array<std::string, MaxRoll + 1>> AssignByRoll;
    // The clearance letter of each AssignByRoll text (after its first "/",
    // else its first character); '\0' for none. Set by NoteClearances.
    std::array<char, MaxRoll + 1> AssignClearance{};
    SharedPart<std::array<AssignmentRecord, MaxAssignments + 1>> Assignment;
    SkillTableSet BranchSkillTable;
    SchoolDigits School;
    int Command = 0;
    SharedPart<CountedLines<MaxGrants>> Grant;
    SharedPart<std::array<std::string, MaxQualif + 1>> Qualif;
    // Where the branch's reader found its header and sections, as 0-based
    // line indexes (-1: none): the header is the line after "*KEY", each
    // section its "[...]" line at or after the header. The data checker
    // reports from them.
    struct SectionLines {
        int Header = -1, SkillTables = -1, Grant = -1, Qualif = -1, Muster = -1;
        bool operator==(const SectionLines&) const = default;
    } BranchAt;

    bool operator==(const ServiceRecord&) const = default;
};
static_assert(SkillTableSet::Size == ServiceRecord::MaxTables + 1 && SkillTableSet::Size <= 32);

// A problem found in a data file: the file, the line (1-based, 0 when the
// problem is the whole file) and what is wrong. The loaders refuse a file
// with an error; the data checker adds warnings for what loads but plays
// otherwise than its author meant, with a line of advice where it helps.
enum class Severity { Error, Warning };
struct DataProblem {
    std::string File;
    int Line = 0;
    std::string Message;
    Severity Level = Severity::Error;
    std::string Hint{};
    std::string Text() const;  // "file:line: message", "file:line: warning: message"
};

// A data file's lines, read as ReadTextFile reads them. A line holding
// characters Latin-1 lacks is a problem naming it; an unreadable file is one
// saying "cannot read the `what`."
std::optional<std::vector<std::string>> ReadDataFile(const std::string& path,
                                                     const std::string& what, DataProblem& problem);

// Reads the service-level sections of a service file into `service`
// (which is reset first). On a problem nothing is written into `service`.
bool ReadServiceFile(const std::string& path, ServiceRecord& service, DataProblem& problem);
// The same for a service file's lines; `fileName` names it in the problem.
bool ReadServiceText(const std::string& fileName, const std::vector<std::string>& lines,
                     ServiceRecord& service, DataProblem& problem);
// Reads the branch `key` of the service file into the branch fields of
// `service`. On a problem nothing is written into `service`.
bool ReadBranch(const std::string& path, const std::string& key, ServiceRecord& service,
                DataProblem& problem);
bool ReadBranchText(const std::string& fileName, const std::vector<std::string>& lines,
                    const std::string& key, ServiceRecord& service, DataProblem& problem);

// Sets the branch's name and what the rules read from it (Bounty, Marks,
// ClearanceTarget).
void NameBranch(ServiceRecord& service, std::string name);

// Reads the clearance letters of the branch's AssignByRoll texts.
void NoteClearances(ServiceRecord& service);

// A merchant service's rank 0, below its first officer rank: "Enlisted"
// ("En"). Other services have no rank 0.
inline constexpr std::string_view MerchantRankZeroCode = "En";
inline constexpr std::string_view MerchantRankZeroName = "Enlisted";
void NameRankZero(ServiceRecord& service);

struct BranchEntry {
    std::string Display;
    std::string Key;
    int TransferTag = -1;  // the "/TN" number, -1 when the branch is always open
};
// The [FILES] entries of a service file, with their "/TN" markers.
std::vector<BranchEntry> ReadBranchEntries(const std::vector<std::string>& lines);

// Index of the line after the first line equal to `header` without regard
// to case, searching from `from`; -1 when there is none.
int FindSection(const std::vector<std::string>& lines, const std::string& header, int from = 0);
// Index of the first line starting with `key` without regard to case, as
// ReadIniValue finds a key; -1 when there is none.
int KeyLine(const std::vector<std::string>& lines, const std::string& key);

}  // namespace orrimar
