// "Print stat blocks" of the Show menus: the stat-block sheet a batch
// wrote into its folder (cards.htm), shown to print or save as PDF.
#pragma once

#include <string>
#include <vector>

namespace orrimar {

struct Game;

// The sheet of a batch folder: the page as written and each card's HTML
// (Latin-1, the card's own markup without its frame).
struct StatBlockSheet {
    std::string Page;
    std::vector<std::string> Cards;
};

// The stat blocks a sheet holds, in order: each <div class="card">'s content.
std::vector<std::string> CardsOfSheet(const std::string& page);

// Reads the sheet of the batch in `folder`; when there is none, or it
// cannot be read, `problem` says why, naming the folder or file.
StatBlockSheet ReadStatBlockSheet(const std::string& folder, std::string& problem);

// Asks for a batch folder and shows its sheet to print, or says why not.
void PrintStatBlocks(Game& g);

}  // namespace orrimar
