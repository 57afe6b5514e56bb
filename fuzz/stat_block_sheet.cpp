// A batch folder whose cards.htm holds the input: "Print stat blocks"
// finds the cards it holds, each one's text within the sheet, or refuses
// it with a message naming the file.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "batch/StatBlockSheet.h"
#include "text/Files.h"

namespace orrimar::fuzz {

void StatBlockSheet(std::string_view data) {
    const std::string folder = ScratchFolder() + "sheet";
    MakeFolder(folder);
    WriteText(folder + "/cards.htm", data);
    std::string problem;
    const auto sheet = ReadStatBlockSheet(folder, problem);
    if (!problem.empty()) {
        if (problem.find("cards.htm") == std::string::npos)
            Fail("stat-block sheet: a refusal that does not name the sheet");
        return;
    }
    if (sheet.Cards.empty()) Fail("stat-block sheet: no cards and no word why");
    size_t from = 0;
    for (const std::string& card : sheet.Cards) {
        const size_t at = sheet.Page.find(card, from);
        if (at == std::string::npos) Fail("stat-block sheet: a card the sheet does not hold");
        from = at + card.size();
    }
}

}  // namespace orrimar::fuzz
