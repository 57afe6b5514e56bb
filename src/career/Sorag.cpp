// SORAG's special assignments. They are not thrown for: the assignment
// table names them directly ("S:" texts), so each entry is found by its
// whole text and played as a one-row table.
#include <string>
#include <utility>
#include <vector>

#include "career/HandOffs.h"
#include "career/specials/FamilyTable.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"

namespace orrimar {

namespace {

using namespace specials;

// Psionic strength stands in the seventh place.
constexpr int StatPsi = 7;
constexpr const char* TruthDrug = "Immune Truth Drug";

struct SoragEntry {
    std::string Text;
    SpecialTable Table;
};

SpecialTable Entry(const std::string& text, SpecialRow row) {
    return {"SORAG " + text, NoThrow(), {std::move(row)}};
}

// The medical division only deepens an immunity already held at level 0;
// it never starts one. The 2D6 throw is made only then.
SpecialTable TruthDrugImmunity() {
    return {"SORAG truth drug immunity",
            NoThrow(),
            {Any()
                 .If(SkillAbove(TruthDrug, -1))
                 .If(Not(SkillAbove(TruthDrug, 0)))
                 .Then(SpecialTable{
                     "SORAG truth drug throw", Die(2, 6), {AtLeast(10).Grant({TruthDrug})}})}};
}

const std::vector<SoragEntry>& SoragEntries() {
    static const std::vector<SoragEntry> entries = [] {
        std::vector<std::pair<std::string, SpecialRow>> rows = {
            {"S:Cmdo Schl/C",
             Any()
                 .Log("S - Commando School")
                 .Try(5, {"Demolition", "Survival", "Recon", "Instruction", "Unarmed Combat"})},
            {"S:Cross Train/A", Any().Log("S - Cross Training").Grant({"XTRAIN"})},
            {"S:Cryptography/B", Any().Log("S - Cryptography").Grant({"Cryptography"})},
            {"S:Infil Trng/C", Any()
                                   .Log("S - Infiltration")
                                   .Try(5, {"Ship's Boat", "VEHICLE", "Escape & Evasion",
                                            "Disguise", "Ship Tactics"})},
            {"S:Medical Div/C", Any()
                                    .Log("S - Medical Div")
                                    .Try(5, {"Medical", "Poisons/Antidotes"})
                                    .Then(TruthDrugImmunity())},
            // Without psionic strength the year leaves no trace at all.
            {"S:Psi Trg/C", Any()
                                .If(StatAtLeast(StatPsi, 1))
                                .Log("S - Psionic Training")
                                .Try(5, {"TALENT", "TALENT", "TALENT", "TALENT"})},
            {"S:Recruiting/A", Any().Log("S - Recruiting").Grant({"Recruiting"})},
            {"S:Spec Op Trg/D", Any()
                                    .Log("S - SpecOps Trg")
                                    .Try(5, {"Forgery", "Bribery", "Interrogation", "Torture"})},
            {"S:Splst/B",
             Any()
                 .Log("S - Specialist")
                 .Try(5, {"Linguistics", "Counterfeiting", "Security", "Commo", "Pych Warfare"})},
            // A known entry that trains nothing (not to be confused with
            // "S:Wpns Trng/C" below).
            {"S:Wpns Trg/D", Any()},
            {"S:Wpns Trng/C",
             Any()
                 .Log("S - Weapons Training")
                 .Try(5, {"GUN COMBAT", "BLADE COMBAT", "Bow Combat", "SPECIAL WEAPONS"})},
        };
        std::vector<SoragEntry> out;
        for (auto& [text, row] : rows) out.push_back({text, Entry(text, std::move(row))});
        return out;
    }();
    return entries;
}

}  // namespace

void SoragSpecial(Game& g, const std::string& assignment) {
    for (const auto& entry : SoragEntries()) {
        if (assignment != entry.Text) continue;
        RunSpecialTable(g, entry.Table);
        return;
    }
    DataProblemMet(g, "Special match fail for SORAG special " + assignment);
}

}  // namespace orrimar
