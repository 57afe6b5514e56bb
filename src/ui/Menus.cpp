#include "ui/Menus.h"

#include <algorithm>

#include "batch/StatBlockSheet.h"
#include "model/Game.h"
#include "output/Listings.h"
#include "output/TestPlan.h"
#include "ui/MainWindow.h"

namespace orrimar {

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = {
        {MenuAction::Options, 8, "Options...", "&Options..."},
        {MenuAction::OptionSets, 9, "Load option set...", "Load Option S&et..."},
        {MenuAction::Vilani, 7, "Vilani blood...", "&Vilani Blood..."},
        {MenuAction::Show, 10, "Show...", "S&how..."},
        {MenuAction::LoadTrg, 11, "Load a TRG file", "Load a TRG &file"},
        {MenuAction::About, 12, "About...", "Abo&ut..."},
        {MenuAction::ChooseRace, 1, "Choose race", nullptr},
        {MenuAction::ChooseService, 2, "Choose service", nullptr},
        {MenuAction::ChooseBranch, 3, "Choose branch", nullptr},
        {MenuAction::Generate, 4, "Generate", nullptr},
        {MenuAction::TypeStats, 5, "Type characteristics in", nullptr},
        {MenuAction::TechLevel, 6, "Tech level", nullptr},
        {MenuAction::Accept, 13, "Accept", nullptr},
        {MenuAction::Exit, 14, "Exit", nullptr}};
    return menu;
}

const std::vector<MenuEntry>& ShowMenu() {
    static const std::vector<MenuEntry> menu = {
        {MenuAction::RaceServiceData, 1, "Race, Service and Branch data",
         "Race, Service and Branch data"},
        {MenuAction::RaceServices, 2, "Race/services", "Race/services"},
        {MenuAction::AllRaces, 3, "All races", "All races"},
        {MenuAction::AllServices, 4, "All services for race", "All services for race"},
        {MenuAction::AllBranches, 5, "All branches for service", "All branches for service"},
        {MenuAction::Cascades, 6, "Cascades listing", "Cascades listing"},
        {MenuAction::StatBlocks, 8, "Print stat blocks", "Print stat blocks"},
        {MenuAction::Statistics, 7, "Statistics", "Statistics..."},
        {MenuAction::TestPlan, 9, "Test Plan", "Test Plan", TestPlanOffered}};
    return menu;
}

std::vector<const MenuEntry*> NumberedEntries(const std::vector<MenuEntry>& menu) {
    std::vector<const MenuEntry*> offered;
    for (const MenuEntry& entry : menu)
        if (!entry.Offered || entry.Offered()) offered.push_back(&entry);
    std::sort(offered.begin(), offered.end(),
              [](const MenuEntry* a, const MenuEntry* b) { return a->Number < b->Number; });
    return offered;
}

bool RunMenuAction(Game& g, MenuAction action) {
    switch (action) {
        case MenuAction::Generate:
            Form1Generate(g);
            return true;
        case MenuAction::TypeStats:
            Form1TypeStats(g);
            return true;
        case MenuAction::TechLevel:
            Form1TypeTechLevel(g);
            return true;
        case MenuAction::LoadTrg:
            Form1LoadTrg(g);
            return true;
        case MenuAction::Accept:
            Form1Accept(g);
            return true;
        case MenuAction::RaceServiceData:
            ShowRaceServiceData(g);
            return true;
        case MenuAction::RaceServices:
            ShowRaceServices(g);
            return true;
        case MenuAction::AllRaces:
            ShowAllRaces(g);
            return true;
        case MenuAction::AllServices:
            ShowAllServicesForRace(g);
            return true;
        case MenuAction::AllBranches:
            ShowAllBranchesForService(g);
            return true;
        case MenuAction::Cascades:
            ShowCascadesListing(g);
            return true;
        case MenuAction::StatBlocks:
            PrintStatBlocks(g);
            return true;
        case MenuAction::TestPlan:
            RunTestPlan(g);
            return true;
        case MenuAction::ChooseRace:
        case MenuAction::ChooseService:
        case MenuAction::ChooseBranch:
        case MenuAction::Vilani:
        case MenuAction::Options:
        case MenuAction::OptionSets:
        case MenuAction::Show:
        case MenuAction::About:
        case MenuAction::Exit:
        case MenuAction::Statistics:
            break;
    }
    return false;
}

}  // namespace orrimar
