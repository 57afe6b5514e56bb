// The main window's menus, as one table both faces build theirs from: the
// terminal numbers the entries, the desktop puts them in its menu bar.
#pragma once

#include <vector>

namespace orrimar {

struct Game;

// What an entry does.
enum class MenuAction {
    ChooseRace,
    ChooseService,
    ChooseBranch,
    Generate,
    TypeStats,
    TechLevel,
    Vilani,
    Options,
    OptionSets,
    Show,
    LoadTrg,
    About,
    Accept,
    Exit,
    // The "Show..." menu's listings.
    RaceServiceData,
    RaceServices,
    AllRaces,
    AllServices,
    AllBranches,
    Cascades,
    Statistics,
    StatBlocks,
    TestPlan,
};

// One entry, in the desktop's order; the terminal lists the entries by
// their numbers.
struct MenuEntry {
    MenuAction Action;
    int Number;           // the terminal's number for it
    const char* Caption;  // the terminal's words
    // The desktop's caption, with its key after the &; nullptr when the
    // desktop offers it elsewhere (a list, a button, a click).
    const char* Key;
    // When given and false, the entry is not offered.
    bool (*Offered)() = nullptr;
};

// The main window's entries: the terminal's main menu, the desktop's menu bar.
const std::vector<MenuEntry>& MainMenu();
// "Show...": the listings of the loaded data.
const std::vector<MenuEntry>& ShowMenu();

// The entries offered now, in the terminal's order.
std::vector<const MenuEntry*> NumberedEntries(const std::vector<MenuEntry>& menu);

// Carries out what both faces do alike; false for an action each face does
// its own way (a list to choose from, a submenu, a window of the face's).
bool RunMenuAction(Game& g, MenuAction action);

}  // namespace orrimar
