#include "data/Service.h"

#include <cmath>
#include <memory>
#include <string_view>

#include "data/FilesSection.h"
#include "data/SkillText.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

std::string DataProblem::Text() const {
    return File + ":" + std::to_string(Line) + ": " +
           (Level == Severity::Warning ? "warning: " : "") + Message;
}

std::optional<std::vector<std::string>> ReadDataFile(const std::string& path,
                                                     const std::string& what,
                                                     DataProblem& problem) {
    std::string why;
    auto file = ReadTextFile(path, &why);
    if (!file) {
        problem = {FileNameOf(path), 0, "cannot read the " + what + ": " + why + "."};
        return std::nullopt;
    }
    if (file->BadLine > 0) {
        problem = {FileNameOf(path), file->BadLine,
                   "characters Latin-1 lacks (" + file->Outside +
                       "); Orrimar reads its data in Western European letters."};
        return std::nullopt;
    }
    return std::move(file->Lines);
}

int FindSection(const std::vector<std::string>& lines, const std::string& header, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i) {
        if (EqualsNoCase(lines[i], header)) return i + 1;
    }
    return -1;
}

int KeyLine(const std::vector<std::string>& lines, const std::string& key) {
    for (size_t k = 0; k < lines.size(); ++k)
        if (StartsWithNoCase(lines[k], key)) return static_cast<int>(k);
    return -1;
}

uint32_t SkillTableSet::Testing() const {
    if (testing_ != Unknown) return testing_;
    uint32_t testing = 0;
    for (size_t t = 0; t < tables_->size(); ++t) {
        for (int k = 1; k <= SkillTableRecord::MaxEli; ++k)
            if (tables_[t].Eli[k].Tests != 0) testing |= 1u << t;
    }
    return testing_ = testing;
}

namespace {

constexpr int MaxTarget = 999;

// Walks the lines of one file and reports a problem at the current line.
struct Reader {
    const std::vector<std::string>& lines;
    std::string file;
    DataProblem& problem;
    int i = 0;

    bool AtEnd() const { return i >= static_cast<int>(lines.size()); }
    const std::string& Next() { return lines[i++]; }
    bool Fail(const std::string& message, int line) {
        problem = {file, line, message};
        return false;
    }
    bool FailHere(const std::string& message) { return Fail(message, i); }
    // A target of a throw, or a count of dice, read from line `at` (0-based):
    // two dice never reach past a thousand, and so no sum overflows.
    bool Target(std::string_view text, int at, const std::string& what, int& out) {
        const double value = std::nearbyint(Val(text));
        if (value < -MaxTarget || value > MaxTarget)
            return Fail(what + " must be -" + std::to_string(MaxTarget) + " to " +
                            std::to_string(MaxTarget) + ".",
                        at + 1);
        out = static_cast<int>(value);
        return true;
    }
    // The next line, which is a skill text; false when its level is out of range.
    bool NextSkill(std::string& out) {
        out = Next();
        const std::string problem = SkillTextProblem(out);
        return problem.empty() || FailHere(problem);
    }
};

int ForwardTo(const std::vector<std::string>& lines, int from, const std::string& exact,
              const std::string& stopAt = "") {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (!stopAt.empty() && lines[i] == stopAt) return -1;
        if (lines[i] == exact) return i + 1;
    }
    return -1;
}

// Skill tables from the line after their header up to a line starting "[".
bool ReadSkillTables(Reader& r, SkillTableSet& set, const std::string& what) {
    auto& tables = set.EditAll();
    set.Line = r.i + 1;
    for (int t = 1;; ++t) {
        if (r.AtEnd())
            return r.FailHere(what +
                              " run into the end of the file; a \"[\" line must follow them.");
        const std::string& heading = r.Next();
        if (StartsWith(heading, "[")) {
            // Worked out once here, so every character's copy of the
            // record has it rather than each working it out again.
            set.Testing();
            return true;
        }
        if (t > ServiceRecord::MaxTables) return r.FailHere(what + ": more than 10 skill tables.");
        SkillTableRecord& table = tables[t];
        table.Title = heading;
        table.TitleLine = r.i;
        table.PassedLines.clear();
        int eli = 0, dm = 0;
        while (true) {
            if (r.AtEnd())
                return r.FailHere("skill table \"" + heading + "\" has no \"Max\" line.");
            const std::string& line = r.Next();
            if (StartsWith(line, "Max")) {
                table.Max = ValInt(Mid(line, 5));
                table.MaxLine = r.i;
                if (table.Max < 0 || table.Max > SkillTableRecord::MaxEntries)
                    return r.FailHere("skill table \"" + heading + "\": Max must be 0 to 15.");
                break;
            }
            if (StartsWith(line, "Eli")) {
                if (eli == SkillTableRecord::MaxEli)
                    return r.FailHere("skill table \"" + heading + "\": more than 5 Eli lines.");
                table.Eli[++eli] = line;
                table.Eli[eli].Line = r.i;
            } else if (StartsWith(line, "DM")) {
                if (dm == SkillTableRecord::MaxDM)
                    return r.FailHere("skill table \"" + heading + "\": more than 5 DM lines.");
                table.DM[++dm] = line;
                table.DM[dm].Line = r.i;
            } else {
                table.PassedLines.push_back(r.i);
            }
        }
        for (int e = 1; e <= table.Max; ++e) {
            if (r.AtEnd())
                return r.FailHere("skill table \"" + heading +
                                  "\" has fewer entries than its Max.");
            if (!r.NextSkill(table.Entry[e])) return false;
        }
    }
}

bool ReadCount(Reader& r, int& count, const std::string& what) {
    if (r.AtEnd()) return r.FailHere("[MUSTER] ends before its " + what + " count.");
    count = ValInt(Mid(r.Next(), 5));
    if (count < 0 || count > ServiceRecord::MaxMuster)
        return r.FailHere("[MUSTER]: the " + what + " count must be 0 to 10.");
    return true;
}

bool ReadMuster(Reader& r, ServiceRecord& s) {
    if (!ReadCount(r, s.MaterialCount, "material")) return false;
    for (int k = 1; k <= s.MaterialCount; ++k) {
        if (r.AtEnd()) return r.FailHere("[MUSTER] ends inside its material entries.");
        if (!r.NextSkill(s.Material.Edit()[k])) return false;
    }
    if (!ReadCount(r, s.CashCount, "cash")) return false;
    int k = 0;
    while (k < s.CashCount) {
        if (r.AtEnd()) return r.FailHere("[MUSTER] ends inside its cash entries.");
        for (const auto& item : DelimitedItems(r.Next())) {
            if (k == s.CashCount) break;
            s.Cash[++k] = ValInt(item);
        }
    }
    return true;
}

std::optional<std::vector<std::string>> ReadServiceLines(const std::string& path,
                                                         DataProblem& problem) {
    return ReadDataFile(path, "service file", problem);
}

}  // namespace

bool ReadServiceFile(const std::string& path, ServiceRecord& out, DataProblem& problem) {
    auto read = ReadServiceLines(path, problem);
    return read && ReadServiceText(FileNameOf(path), *read, out, problem);
}

bool ReadServiceText(const std::string& fileName, const std::vector<std::string>& lines,
                     ServiceRecord& out, DataProblem& problem) {
    Reader r{lines, fileName, problem};
    ServiceRecord s;
    if (!r.AtEnd()) s.Name = r.Next();

    bool in = false;
    int n = 0;
    while (!r.AtEnd()) {
        const std::string& line = r.Next();
        if (in) {
            if (StartsWith(line, "[")) {
                s.ServiceAt.AcademicEnd = r.i - 1;
                break;
            }
            if (n == ServiceRecord::MaxAcademic) return r.FailHere("more than 6 [ACADEMIC] lines.");
            s.Academic.Edit()[++n] = line;
        } else if (line == "[ACADEMIC]") {
            in = true;
        }
    }
    in = false;
    n = 0;
    while (!r.AtEnd()) {
        const std::string& line = r.Next();
        if (in) {
            if (StartsWith(line, "[")) break;
            if (n == ServiceRecord::MaxCascades)
                return r.FailHere("more than 25 [CASCADES] lines.");
            s.Cascade.Edit()[++n] = line;
            s.CascadeLine[static_cast<size_t>(n)] = r.i;
        } else if (line == "[CASCADES]") {
            in = true;
        }
    }
    s.Cascade.Edit().Count = n;

    if (int at = FindSection(lines, "[RANKS]"); at >= 0 && at < static_cast<int>(lines.size())) {
        s.ServiceAt.Ranks = at;
        r.i = at;
        s.MaxRank = ValInt(Mid(r.Next(), 5));
        if (s.MaxRank < 0 || s.MaxRank > ServiceRecord::MaxRanks)
            return r.FailHere("[RANKS]: the highest rank must be 0 to 25.");
        n = 0;
        while (!r.AtEnd() && !StartsWith(lines[r.i], "[")) {
            const std::string& line = r.Next();
            size_t eq = line.find('=');
            if (eq == std::string::npos)
                return r.FailHere("a rank line needs a code, \"=\" and a title.");
            if (n == ServiceRecord::MaxRanks) return r.FailHere("more than 25 ranks.");
            ++n;
            s.RankCode[n] = Fit(line.substr(0, eq), 4);
            s.RankName[n] = line.substr(eq + 1);
        }
    }

    if (int at = FindSection(lines, "[PLUSEDU]"); at >= 0 && at < static_cast<int>(lines.size())) {
        s.ServiceAt.PlusEdu = at;
        for (int k = 1; k <= 10; ++k) s.PlusEdu[k] = ValInt(Mid(lines[at], k, 1));
    }

    int tables = FindSection(lines, "[SKILL TABLES]");
    if (tables < 0) return r.Fail("the service has no [SKILL TABLES] section.", 0);
    r.i = tables;
    if (!ReadSkillTables(r, s.SkillTable, "the service skill tables")) return false;

    int muster = FindSection(lines, "[MUSTER]");
    if (muster < 0) return r.Fail("the service has no [MUSTER] section.", 0);
    s.ServiceAt.Muster = muster - 1;
    r.i = muster;
    if (!ReadMuster(r, s)) return false;

    s.ServiceAt.Type = KeyLine(lines, "type");
    s.Type = s.ServiceAt.Type >= 0 ? Mid(lines[static_cast<size_t>(s.ServiceAt.Type)], 6) : "";
    s.Medal.Edit()[1] = ReadIniValue(lines, "medal1");
    s.Medal.Edit()[2] = ReadIniValue(lines, "medal2");
    s.Medal.Edit()[3] = ReadIniValue(lines, "medal3");
    s.Purple = ReadIniValue(lines, "purple");
    if (s.Purple.empty()) s.Purple = "Purple Heart";
    if (const int k = KeyLine(lines, "reenlist"); k >= 0) {
        s.ServiceAt.Reenlist = k;
        if (!r.Target(Mid(lines[static_cast<size_t>(k)], 10), k, "reenlist", s.Reenlist))
            return false;
    }
    out = s;
    return true;
}

void NoteClearances(ServiceRecord& service) {
    for (int k = 0; k <= ServiceRecord::MaxRoll; ++k) {
        const std::string& text = service.AssignByRoll[k];
        const size_t slash = text.find('/');
        const size_t at = slash == std::string::npos ? 0 : slash + 1;
        service.AssignClearance[k] = at < text.size() ? text[at] : '\0';
    }
}

void NameBranch(ServiceRecord& service, std::string name) {
    service.BranchName = std::move(name);
    service.Bounty = Contains(service.BranchName, "Bounty");
    const std::string& branch = service.BranchName;
    service.ClearanceTarget = 0;
    if (branch == "Research" || branch == "Scientific") service.ClearanceTarget = 10;
    if (branch == "Administration") service.ClearanceTarget = 12;
    if (branch == "Operations") service.ClearanceTarget = 9;
    service.Marks = 0;
    for (int m = 0; m < BranchMarkCount; ++m)
        if (Contains(service.BranchName, BranchMarkWord(static_cast<BranchMark>(m))))
            service.Marks = static_cast<uint8_t>(service.Marks | (1U << m));
}

bool ReadBranch(const std::string& path, const std::string& key, ServiceRecord& out,
                DataProblem& problem) {
    auto read = ReadServiceLines(path, problem);
    return read && ReadBranchText(FileNameOf(path), *read, key, out, problem);
}

bool ReadBranchText(const std::string& fileName, const std::vector<std::string>& lines,
                    const std::string& key, ServiceRecord& out, DataProblem& problem) {
    Reader r{lines, fileName, problem};
    const int header = FindSection(lines, "*" + key);
    if (header < 0) return r.Fail("branch \"" + key + "\" has no header line \"*" + key + "\".", 0);

    ServiceRecord s = out;
    r.i = header;
    s.BranchAt = {.Header = header};
    auto need = [&](const char* what) {
        if (r.AtEnd()) r.FailHere("branch \"" + key + "\" ends before its " + what + ".");
        return !r.AtEnd();
    };
    if (!need("name")) return false;
    NameBranch(s, r.Next());
    if (!need("assignment lines")) return false;
    r.Next();
    if (!need("first assignment roll")) return false;
    s.AssignFirst = ValInt(Mid(r.Next(), 7));
    if (!need("last assignment roll")) return false;
    s.AssignLast = ValInt(Mid(r.Next(), 5));
    if (s.AssignFirst < 0 || s.AssignLast > ServiceRecord::MaxRoll || s.AssignFirst > s.AssignLast)
        return r.FailHere("branch \"" + key + "\": assignment rolls must run within 0 to 15.");
    for (int k = s.AssignFirst; k <= s.AssignLast; ++k) {
        if (!need("assignment-roll lines")) return false;
        s.AssignByRoll.Edit()[k] = r.Next();
    }
    NoteClearances(s);
    if (!need("assignments")) return false;
    r.Next();

    int n = 1;
    bool first = true;
    auto name = [&](const std::string& line) {
        s.Assignment.Edit()[n].Name = Mid(line, 3);
        s.Assignment.Edit()[n].Deco = 99;
        s.Assignment.Edit()[n].Line = r.i;
    };
    while (!r.AtEnd() && !StartsWith(lines[r.i], "[")) {
        const std::string& line = r.Next();
        if (first) {
            name(line);
            first = false;
            continue;
        }
        if (StartsWith(line, "A=")) {
            if (n == ServiceRecord::MaxAssignments)
                return r.FailHere("branch \"" + key + "\": more than 15 assignments.");
            ++n;
            name(line);
            continue;
        }
        const std::string k4 = Left(line, 4);
        AssignmentRecord& a = s.Assignment.Edit()[n];
        const std::pair<const char*, int*> fields[] = {
            {"Surv", &a.Surv}, {"Deco", &a.Deco}, {"Prom", &a.Prom}, {"Skil", &a.Skil},
            {"Loca", &a.Loca}, {"Capt", &a.Capt}, {"Kill", &a.Kill}, {"Empl", &a.Empl}};
        for (const auto& [name, field] : fields)
            if (k4 == name && !r.Target(Mid(line, 6), r.i - 1, "an assignment's " + k4, *field))
                return false;
    }

    if (int at = ForwardTo(lines, header, "[SKILL TABLES]"); at >= 0) {
        s.BranchAt.SkillTables = at - 1;
        r.i = at;
        if (!ReadSkillTables(r, s.BranchSkillTable, "the skill tables of branch \"" + key + "\""))
            return false;
    }
    if (int at = FindSection(lines, "[SCHOOL]"); at >= 0) {
        if (at < static_cast<int>(lines.size())) s.School = SchoolDigits(lines[at]);
        s.School.Line = at + 1;
    }
    if (int at = FindSection(lines, "[COMMAND]"); at >= 0 && at < static_cast<int>(lines.size()))
        if (!r.Target(Mid(lines[at], 9), at, "Command", s.Command)) return false;

    s.Grant = decltype(s.Grant){};
    if (int at = ForwardTo(lines, header, "[GRANT]", "[END OF FILE]"); at >= 0) {
        s.BranchAt.Grant = at - 1;
        r.i = at;
        n = 0;
        while (!r.AtEnd() && !StartsWith(lines[r.i], "[")) {
            if (n == ServiceRecord::MaxGrants)
                return r.FailHere("branch \"" + key + "\": more than 10 [GRANT] lines.");
            if (!r.NextSkill(s.Grant.Edit()[++n])) return false;
        }
        s.Grant.Edit().Count = n;
    }

    s.Qualif = decltype(s.Qualif){};
    for (int k = header; k < static_cast<int>(lines.size()); ++k) {
        if (!Contains(UCase(lines[k]), "QUALIF]")) continue;
        s.BranchAt.Qualif = k;
        r.i = k + 1;
        n = 0;
        while (!r.AtEnd() && !StartsWith(lines[r.i], "[")) {
            if (n == ServiceRecord::MaxQualif)
                return r.FailHere("branch \"" + key + "\": more than 10 examination lines.");
            s.Qualif.Edit()[++n] = r.Next();
        }
        break;
    }

    if (int at = ForwardTo(lines, header, "[MUSTER]"); at >= 0) {
        s.BranchAt.Muster = at - 1;
        r.i = at;
        if (!ReadMuster(r, s)) return false;
    }
    out = s;
    return true;
}

void NameRankZero(ServiceRecord& service) {
    if (service.Type.Kind != ServiceKind::Merchant) return;
    service.RankCode[0] = MerchantRankZeroCode;
    service.RankName[0] = MerchantRankZeroName;
}

std::vector<BranchEntry> ReadBranchEntries(const std::vector<std::string>& lines) {
    std::vector<BranchEntry> entries;
    for (auto& file : ReadFilesSection(lines)) {
        BranchEntry e{std::move(file.Text), std::move(file.Key), -1};
        if (size_t tn = e.Display.find("/TN"); tn != std::string::npos) {
            e.TransferTag = ValInt(e.Display.substr(tn + 3));
            e.Display = e.Display.substr(0, tn);
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace orrimar
