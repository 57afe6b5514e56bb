#include "batch/StatBlockSheet.h"

#include <filesystem>

#include "model/Game.h"
#include "text/Files.h"

namespace orrimar {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view CardStart = "<div class=\"card\">";
constexpr std::string_view CardEnd = "</div>";

// A sheet of many thousand characters is still far below this.
constexpr size_t SheetLimit = size_t{64} << 20;

}  // namespace

std::vector<std::string> CardsOfSheet(const std::string& page) {
    std::vector<std::string> cards;
    for (size_t at = page.find(CardStart); at != std::string::npos;) {
        const size_t from = at + CardStart.size();
        const size_t end = page.find(CardEnd, from);
        if (end == std::string::npos) break;
        cards.push_back(page.substr(from, end - from));
        at = page.find(CardStart, end);
    }
    return cards;
}

StatBlockSheet ReadStatBlockSheet(const std::string& folder, std::string& problem) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        problem = folder + " is not a folder: choose the folder a batch wrote its pages into";
        return {};
    }
    const std::string path = (fs::path(folder) / "cards.htm").string();
    std::string why;
    auto page = ReadFileBytes(path, SheetLimit, why);
    if (!page) {
        const bool batch = fs::exists(fs::path(folder) / "index.htm", ec) ||
                           fs::exists(fs::path(folder) / "batch.log", ec);
        if (why != NoSuchFile)
            problem = "cannot read " + path + ": " + why;
        else if (batch)
            problem = folder + " holds a batch but no stat-block sheet (cards.htm; a batch " +
                      "of an earlier version wrote none): make the batch again with " +
                      "orrimar-cli --auto --out " + folder + " --yes and its seed";
        else
            problem = folder + " holds no batch of characters (no cards.htm, index.htm or " +
                      "batch.log): choose the folder orrimar-cli --auto --out wrote";
        return {};
    }
    StatBlockSheet sheet{*page, CardsOfSheet(*page)};
    if (sheet.Cards.empty()) {
        problem = path + " holds no stat block (a card of a batch's sheet)";
        return {};
    }
    return sheet;
}

void PrintStatBlocks(Game& g) {
    FileDialogRequest request;
    request.Title = "Print stat blocks: choose a batch folder";
    request.FilterDescription = "Batch folder";
    request.Folder = true;
    const auto folder = g.ui.OpenFileDialog(request);
    if (!folder || folder->empty()) return;
    std::string problem;
    const StatBlockSheet sheet = ReadStatBlockSheet(*folder, problem);
    if (!problem.empty()) {
        g.ui.Message(problem, "Print stat blocks", MsgIcon::Warning);
        return;
    }
    // The PDF is proposed under the folder's name.
    fs::path named = fs::path(*folder).lexically_normal();
    if (named.filename().empty()) named = named.parent_path();
    g.ui.PreviewCards(sheet.Page, sheet.Cards, named.filename().string() + "-cards");
}

}  // namespace orrimar
