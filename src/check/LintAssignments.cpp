// Assignments as the career matches them: every throw of two dice finds its
// assignment line, every assignment line (but "Special") its A= block by
// name, every block is named by some line, and a "Special" has special
// assignments to play. A bounty branch takes the block at the throw's
// index instead, so there the blocks must follow the throws.
#include <map>

#include "career/HandOffs.h"
#include "check/Lint.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// A year's assignment is thrown on two dice (12 when specials are forced).
constexpr int LowThrow = 2;
constexpr int HighThrow = 12;

// Where a branch's assignment lines and blocks stand (0-based).
struct AssignmentLines {
    int First = -1;               // the "First=" line
    int Roll0 = -1;               // the line of the lowest throw
    std::vector<int> Blocks{-1};  // the line starting each block, from 1
};

AssignmentLines Locate(const LintBranch& b) {
    const ServiceRecord& r = b.Service;
    AssignmentLines at;
    at.First = b.Header + 2;
    at.Roll0 = b.Header + 4;
    for (int n = 1; n <= ServiceRecord::MaxAssignments && r.Assignment[n].Line > 0; ++n)
        at.Blocks.push_back(r.Assignment[n].Line - 1);
    return at;
}

bool IsBounty(const ServiceRecord& r) {
    return r.Bounty;
}

void RollRange(const LintService& s, const LintBranch& b, const AssignmentLines& at,
               std::vector<DataProblem>& out) {
    const ServiceRecord& r = b.Service;
    const std::string what =
        "; such a year shows \"Can't match assignment\" and plays with throws of 0.";
    if (r.AssignFirst > LowThrow)
        Warn(out, s.File, at.First + 1,
             "branch \"" + b.Entry.Key + "\": its assignment lines start at throw " +
                 std::to_string(r.AssignFirst) + ", but two dice throw from 2" + what,
             "write First=2 and a line for every throw from 2 to 12.");
    if (r.AssignLast < HighThrow)
        Warn(out, s.File, at.First + 2,
             "branch \"" + b.Entry.Key + "\": its assignment lines end at throw " +
                 std::to_string(r.AssignLast) + ", but two dice throw up to 12" + what,
             "write Lst=12 and a line for every throw from 2 to 12.");
}

// Bounty branches: the hunt's targets are those of the block at the
// throw's index, whatever its name.
void BountyBlocks(const LintService& s, const LintBranch& b, const AssignmentLines& at,
                  std::vector<DataProblem>& out) {
    const ServiceRecord& r = b.Service;
    for (int k = std::max(r.AssignFirst, LowThrow); k <= std::min(r.AssignLast, HighThrow); ++k) {
        const std::string contract = Trim(r.AssignByRoll[k]);
        const std::string block = Trim(r.Assignment[k].Name);
        if (block == contract) continue;
        Warn(out, s.File, at.Roll0 + (k - r.AssignFirst) + 1,
             "bounty branch \"" + b.Entry.Key + "\": throw " + std::to_string(k) + " (\"" +
                 contract + "\") hunts with the targets of block " + std::to_string(k) +
                 (block.empty() ? ", which the branch does not have (all 0)."
                                : ", \"A=" + block + "\"."),
             "a bounty branch takes its blocks in the order of the throws, block 1 for throw 1: "
             "keep block " +
                 std::to_string(k) + " for \"" + contract + "\".");
    }
}

void NamedBlocks(const LintService& s, const LintBranch& b, const AssignmentLines& at,
                 std::vector<DataProblem>& out) {
    const ServiceRecord& r = b.Service;
    const bool sorag = r.Type.Kind == ServiceKind::Sorag;
    std::set<std::string> blocks, rolled;
    for (int n = 1; n <= ServiceRecord::MaxAssignments; ++n)
        if (!IsBlank(r.Assignment[n].Name)) blocks.insert(Trim(r.Assignment[n].Name));

    // Each assignment line's name, at the line of its first throw.
    std::map<std::string, int> missing;
    bool specialSaid = false;
    for (int k = std::max(r.AssignFirst, LowThrow); k <= std::min(r.AssignLast, HighThrow); ++k) {
        const std::string& text = r.AssignByRoll[k];
        const int line = at.Roll0 + (k - r.AssignFirst) + 1;
        rolled.insert(Trim(text));
        if (text == "Special") {
            if (SpecialsFor(r.Type.Kind) == SpecialsKind::Undefined && !specialSaid)
                Warn(out, s.File, line,
                     "\"Special\": the rules have no special assignments for the career type \"" +
                         r.Type.Text + "\", so such a year shows \"Specials not defined\".",
                     "use a type whose special assignments fit the service (data/README.md "
                     "lists them), or name an assignment instead.");
            specialSaid = true;
            continue;
        }
        if ((sorag && StartsWith(text, "S:")) || IsBlank(text)) continue;
        if (!blocks.count(Trim(text)) && !missing.count(Trim(text))) {
            missing[Trim(text)] = line;
            const bool special = EqualsNoCase(Trim(text), "Special");
            Warn(out, s.File, line,
                 "throw " + std::to_string(k) + " of branch \"" + b.Entry.Key + "\": \"" + text +
                     "\" has no \"A=" + Trim(text) +
                     "\" block, so such a year shows \"Can't match assignment\" and plays with "
                     "throws of 0.",
                 special ? "a special assignment is written exactly \"Special\"."
                         : DidYouMean(NearNames(Trim(text), blocks)));
        }
    }

    std::set<std::string> seen;
    for (int n = 1; n < static_cast<int>(at.Blocks.size()) && n <= ServiceRecord::MaxAssignments;
         ++n) {
        const std::string name = Trim(r.Assignment[n].Name);
        const int line = at.Blocks[n] + 1;
        if (n == 1 && !StartsWith(s.Lines[at.Blocks[1]], "A=")) {
            Warn(out, s.File, line,
                 "branch \"" + b.Entry.Key +
                     "\": the first assignment block starts without "
                     "\"A=\", so it is read as a block named \"" +
                     name + "\".",
                 "a free line (\"Assignment throws\") comes before the first \"A=\" line.");
            continue;
        }
        if (name.empty()) continue;
        if (r.Assignment[n].Surv > HighThrow)
            Warn(out, s.File, line,
                 "\"A=" + name + "\": Surv=" + std::to_string(r.Assignment[n].Surv) +
                     " is more than two dice throw, so every year of it wounds.");
        if (!seen.insert(name).second)
            Warn(out, s.File, line,
                 "a second \"A=" + name + "\" block in branch \"" + b.Entry.Key +
                     "\": only the first is ever used.");
        else if (!rolled.count(name))
            Warn(out, s.File, line,
                 "\"A=" + name + "\" is never used: no assignment line of branch \"" + b.Entry.Key +
                     "\" names it.",
                 DidYouMean(NearNames(name, rolled)));
    }
}

}  // namespace

void LintAssignments(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& s : folder.Services) {
        for (const auto& b : s.Branches) {
            const AssignmentLines at = Locate(b);
            RollRange(s, b, at, out);
            if (IsBounty(b.Service))
                BountyBlocks(s, b, at, out);
            else
                NamedBlocks(s, b, at, out);
        }
    }
}

}  // namespace orrimar
