#include "batch/StatBlock.h"

#include "batch/Batch.h"
#include "batch/Roster.h"
#include "model/Game.h"
#include "output/ResumeText.h"
#include "text/Text.h"

namespace orrimar {

std::string StatBlockText(const CareerPart& career, const BatchCharacter& c) {
    std::string text = (c.Name.empty() ? std::string("(unnamed)") : c.Name) + ", " + c.Race + "; " +
                       c.Service + ", " + c.Branch + "; " +
                       (c.RankCode.empty() ? c.RankName : c.RankCode + " " + c.RankName) + "\n";
    text += "  UPP " + c.Upp + ", age " + std::to_string(c.Age) + ", " + std::to_string(c.Terms) +
            (c.Terms == 1 ? " term" : " terms") + "\n";
    const std::string skills = SkillText(career);
    text += "  Skills: " + (skills.empty() ? std::string("none") : skills) + "\n";
    text += "  Cr" + CashText(c.Money);
    if (!c.Benefits.empty()) text += "; " + c.Benefits;
    if (!c.Decorations.empty()) text += "; decorations: " + c.Decorations;
    text += "\n";
    if (const std::string home = Trim(career.Character.Homeworld); !home.empty())
        text += "  Homeworld: " + home + "\n";
    return text + "\n";
}

}  // namespace orrimar
