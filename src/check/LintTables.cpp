// Skill tables as the career offers and rolls them (career/SkillTables):
// Eli lines (read as the loader reads them, startup/TableLines) that can never match what the
// career writes into a year's history, DM lines outside their columns, lines the loader passes
// over, tables never offered, and entries no roll reaches.
#include "career/HandOffs.h"
#include "career/Term.h"
#include "check/Lint.h"
#include "data/Character.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// What the year's history may hold when a table is weighed, and who may
// roll on it: an Eli line matches text of the year or the character.
struct Year {
    std::vector<std::string> Texts;  // written from the data: assignments, medals, ...
    bool Cmd = false;                // the rules write "Cmd" / "Staff" postings
    bool Staff = false;
    bool NoPosition = false;         // merchants' years without a position
    bool Warrant = false;            // someone can hold an IAPB warrant
    std::vector<std::string> Stats;  // characteristic names of the races joining
    bool May(const std::string& part) const {
        for (const auto& t : Texts)
            if (Contains(t, part)) return true;
        return false;
    }
};

// What a year of `branches` may write. Besides the data's own texts (the
// assignment lines, medal names, rank codes, the Droyne coyns and the
// academies' history lines), the rules write "Cmd" or "Staff" for officers
// of military services and "No Position" for merchants; special
// assignments log texts such as "- Staff College", so a service that plays
// any may write "Staff". No rule writes "Posn" or "Cmd" otherwise.
Year YearOf(const LintFolder& folder, const LintService& s,
            const std::vector<const LintBranch*>& branches) {
    Year y;
    const ServiceRecord& r = s.Service;
    const bool military = IsMilitary(r.Type.Kind);
    bool specials = false;
    for (const LintBranch* b : branches)
        for (int k = b->Service.AssignFirst; k <= b->Service.AssignLast; ++k) {
            y.Texts.push_back(b->Service.AssignByRoll[k]);
            specials = specials || b->Service.AssignByRoll[k] == "Special";
        }
    for (int k = 1; k <= 3; ++k) y.Texts.push_back(r.Medal[k]);
    for (int k = 0; k <= ServiceRecord::MaxRanks; ++k) y.Texts.push_back(r.RankCode[k]);
    for (const auto& coyn : folder.Coyns) y.Texts.push_back(coyn);
    for (const auto& school : folder.Schools)
        if (!school.Lines.empty()) y.Texts.push_back(school.Lines[0]);
    y.Cmd = military;
    y.Staff = military || (specials && SpecialsFor(r.Type.Kind) == SpecialsKind::Table);
    y.NoPosition = r.Type.Kind == ServiceKind::Merchant;
    for (const auto& other : folder.Services)
        for (const auto& b : other.Branches) y.Warrant = y.Warrant || b.Service.Bounty;
    for (const LintRace* race : s.Races)
        for (int i = 1; i <= race->Race.NumStats; ++i) y.Stats.push_back(race->Race.StatName[i]);
    // Psionic training adds PSI to the list.
    y.Stats.push_back("PSI");
    return y;
}

// Why an Eli line never offers its table, or "" when it may; the tests
// are those the skill-table chooser (RollSkill) makes.
std::string DeadEli(const EliLine& e, const Year& y) {
    const std::string& line = e.Text;
    if (e.All || e.Nco) return "";
    std::string why;
    auto dead = [&](const std::string& reason) {
        if (why.empty()) why = reason;
    };
    if (e.Assignment) {
        if (y.May(line)) return "";
        dead(
            "there is no test on the year's assignment: the line matches only a year whose "
            "history holds the whole line, which no rule writes.");
    }
    if (e.Command) {
        if (y.Cmd || y.May("Cmd")) return "";
        dead(
            "\"Command\" matches only a year of a command posting (\"Cmd\"), which only "
            "military services and assignments named with \"Cmd\" write; the line also "
            "withdraws the table every year.");
    }
    if (e.Staff) {
        if (y.Staff || y.May("Staff")) return "";
        dead(
            "\"Staff\" matches only a year of a staff posting, which only military services, "
            "special assignments and assignments named with \"Staff\" write; the line also "
            "withdraws the table every year.");
    }
    if (e.Position) {
        const bool no = e.NoPosition;
        if (y.May("Posn") || (no && (y.NoPosition || y.May("No Position"))) ||
            (!no && y.May("No position")))
            return "";
        dead(no ? "\"No Position\" matches only merchants' years without a position, or a year "
                  "of an assignment named with \"Posn\"; this service has neither."
                : "\"Position\" matches only a year of an assignment named with \"Posn\" (such "
                  "as \"Bridge Posn\"), and none here is; it is not the merchant rules' "
                  "position.");
    }
    if (e.Warrant) {
        if (y.Warrant) return "";
        dead(
            "\"Warrant\" matches only holders of an IAPB warrant, which only a branch named "
            "with \"Bounty\" grants, and this folder has none.");
    }
    if (e.Rank) {
        const char op = e.RankOp;
        const int n = e.RankNumber;
        const int top = CharacterRecord::MaxRank;
        if (!IsOperator(op))
            dead(
                "\"Rank\" stands in columns 10 to 13, its operator (>, = or <) in column 14 "
                "and the number from column 15 (\"Eli      Rank>9\").");
        else if ((op == '>' && n >= top) || (op == '<' && n <= 0) ||
                 (op == '=' && (n < 0 || n > top)))
            dead("no rank (0 to " + std::to_string(top) + ") is " + op + " " + std::to_string(n) +
                 ".");
        else
            return "";
    }

    bool named = false;
    for (const auto& stat : y.Stats) {
        if (!Contains(e.Upper, stat)) continue;
        named = true;
        if (IsOperator(e.StatOp)) return "";
    }
    if (named)
        dead(
            "a characteristic stands in columns 10 to 12, its operator (>, = or <) in column 13 "
            "and the number from column 14 (\"Eli      Int>8\").");
    const std::string name = UCase(Mid(line, 10, 3));
    if (why.empty() && IsOperator(e.StatOp) &&
        name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos &&
        name.size() == 3)
        dead("no race that joins this service has the characteristic \"" + name + "\".");
    dead("it tests nothing the rules know, so it never offers the table.");
    return why;
}

// A DM line's modifier when its columns are right; what is wrong otherwise.
struct DmRead {
    int Modifier = 0;
    std::string Fault;
};

DmRead ReadDm(const DmLine& line) {
    DmRead dm;
    switch (line.On) {
        case DmLine::Test::TechLevel:
            if (!IsOperator(line.Op))
                dm.Fault = "the operator of a tech-level DM stands in column 8 (\"DM +1TL> 11\").";
            else if (CharAt(line.Text, 9) >= '0' && CharAt(line.Text, 9) <= '9')
                dm.Fault =
                    "the tech level is read from column 10, so the digit in column 9 is "
                    "skipped (\"DM +1TL> 11\").";
            break;
        case DmLine::Test::Rank:
            if (!IsOperator(line.Op))
                dm.Fault = "the operator of a rank DM stands in column 10 (\"DM +1 Rnk>9\").";
            break;
        case DmLine::Test::None:
            dm.Fault =
                "it is ignored: a DM reads \"TL\" from column 6 (\"DM +1TL> 11\") or \"Rnk\" "
                "from column 7 (\"DM +1 Rnk>9\").";
            break;
    }
    if (dm.Fault.empty() && line.Modifier == 0)
        dm.Fault = "it adds nothing: the modifier is read from column 4 (\"DM +1TL> 11\").";
    if (dm.Fault.empty()) dm.Modifier = line.Modifier;
    return dm;
}

void CheckTables(const LintService& s, const LintBranch* branch, const Year& year,
                 std::vector<DataProblem>& out) {
    const ServiceRecord& r = branch ? branch->Service : s.Service;
    for (const SkillTableRecord& table : Tables(r, branch != nullptr)) {
        if (table.TitleLine == 0) continue;  // a table the file does not have
        const std::string name = "table \"" + table.Title + "\"";
        if (table.Eli[1].Line == 0)
            Warn(out, s.File, table.TitleLine, name + " has no Eli line, so it is never offered.",
                 "\"Eli      All\" offers a table to everyone.");
        for (const EliLine& e : table.Eli) {
            if (e.Line == 0) continue;
            if (const std::string why = DeadEli(e, year); !why.empty())
                Warn(out, s.File, e.Line, "\"" + e.Text + "\" never matches: " + why,
                     "the tests are All, Rank>N, NCO, a characteristic such as Int>8, Command, "
                     "Staff, Position, No Position and Warrant (data/README.md).");
        }
        int most = 6;
        for (const DmLine& line : table.DM) {
            if (line.Line == 0) continue;
            const DmRead dm = ReadDm(line);
            if (!dm.Fault.empty())
                Warn(out, s.File, line.Line, "\"" + line.Text + "\": " + dm.Fault);
            most += std::max(dm.Modifier, 0);
        }
        for (int at : table.PassedLines)
            Warn(out, s.File, at,
                 "\"" + s.Lines[static_cast<size_t>(at - 1)] +
                     "\" is ignored: before its Max line " + name +
                     " holds only Eli and DM lines.");
        if (table.Max == 0)
            Warn(out, s.File, table.MaxLine, name + " has no entries: a roll on it gives nothing.");
        else if (table.Max > most)
            Warn(out, s.File, table.MaxLine,
                 name + ": " +
                     (table.Max == most + 1 ? "entry " + std::to_string(table.Max) + " is"
                                            : "entries " + std::to_string(most + 1) + " to " +
                                                  std::to_string(table.Max) + " are") +
                     " never rolled: one die" + (most > 6 ? " and the DMs reach " : " reaches ") +
                     std::to_string(most) + ".",
                 "a table of more than six entries needs DM lines to reach them.");
    }
}

}  // namespace

void LintTables(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& s : folder.Services) {
        std::vector<const LintBranch*> all;
        for (const auto& b : s.Branches) all.push_back(&b);
        // The service's tables are offered in every branch.
        CheckTables(s, nullptr, YearOf(folder, s, all), out);
        // A branch without tables of its own reads a later branch's (the
        // sections' warning says so): those lines are checked once, for
        // every branch that reads them.
        std::set<int> done;
        for (const auto& b : s.Branches) {
            const int start = b.Service.BranchSkillTable.Line;
            if (start == 0 || !done.insert(start).second) continue;
            std::vector<const LintBranch*> readers;
            for (const auto& other : s.Branches)
                if (other.Service.BranchSkillTable.Line == start) readers.push_back(&other);
            CheckTables(s, &b, YearOf(folder, s, readers), out);
        }
    }
}

}  // namespace orrimar
