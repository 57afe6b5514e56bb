#include "output/TransferFile.h"

#include <unistd.h>

#include "model/Game.h"
#include "output/ResumeText.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

std::vector<std::string> TrgFileLines(Game& g) {
    const auto& c = g.career.Character;
    std::vector<std::string> lines = {c.Name, c.Notes, g.rules.Race.Name,
                                      g.rules.Service.BranchName, PrintNumber(StatCount(g))};
    for (int i = 1; i <= CharacterRecord::MaxStats; ++i) lines.push_back(PrintNumber(c.Stats[i]));
    lines.push_back(PrintNumber(c.HitPoints));
    lines.push_back(PrintNumber(c.Age));
    lines.push_back(RankCodeText(g) + " " + RankNameText(g));
    lines.push_back(c.SocialClass);
    for (int flag :
         {c.PsiGamesDone, c.Warranted, c.PromotedThisTerm, c.Commissioned, c.DeptTestPassed})
        lines.push_back(PrintNumber(flag));
    lines.push_back(Fit(c.Clearance, 1));
    lines.push_back(PrintNumber(c.TechLevel));
    lines.push_back(c.Homeworld);
    lines.push_back(PrintNumber(c.CurTerm));
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i)
        lines.push_back(Trim(c.Skills[i].Name) + "-" + std::to_string(c.Skills[i].Level));
    for (int i = 1; i <= CharacterRecord::MaxBranchTags; ++i)
        lines.push_back(PrintNumber(c.BranchOpen[i]));
    lines.push_back(PrintNumber(c.CareerEnded));
    lines.push_back(PrintNumber(c.BenefitRolls));
    lines.push_back(PrintNumber(c.Money));
    lines.push_back(PrintNumber(c.Pension));
    for (int k = 0; k <= 3; ++k) {
        lines.push_back(PrintNumber(c.Medals[k]));
        // The wound award's name is not part of the file.
        lines.push_back(k == 0 ? "" : g.rules.Service.Medal[k]);
    }
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) lines.push_back(c.Benefits[i]);
    for (int k = 1; k <= 10; ++k) lines.push_back(PrintNumber(c.Options[k]));
    lines.push_back(CharacterNotes(g));
    return lines;
}

std::string TrgFilePath(const CareerPart& career, const std::string& resumePath) {
    std::string stem = SafeFileName(career.Character.Name);
    if (stem.empty()) {
        stem = FileNameOf(resumePath);
        const size_t dot = stem.find_last_of('.');
        if (dot != std::string::npos && dot > 0) stem.resize(dot);
    }
    return FolderOf(resumePath) + stem + ".trg";
}

namespace {

// Whether _ZIP has a value. A batch asks for every page, so the
// environment is first looked over without a copy of each entry.
bool ZipWanted() {
    bool named = false;
    for (char** entry = environ; entry && *entry && !named; ++entry)
        named = StartsWithNoCase(*entry, "_ZIP");
    return named && !GetEnvValue("_ZIP").empty();
}

}  // namespace

std::optional<FileText> TrgFile(Game& g, const std::string& resumePath) {
    if (!ZipWanted()) return std::nullopt;
    return FileText{TrgFilePath(g.career, resumePath), JoinLinesCrLf(TrgFileLines(g))};
}

}  // namespace orrimar
