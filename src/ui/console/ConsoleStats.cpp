// The statistics window on a terminal: the questions the desktop's window
// asks, one after another, then the table `orrimar-cli --stats` prints.
#include <sstream>
#include <string>
#include <vector>

#include "batch/Batch.h"
#include "model/Game.h"
#include "text/Text.h"
#include "ui/StatsWindow.h"
#include "ui/console/ConsoleUi.h"

namespace orrimar {

void ConsoleUi::ShowStatistics(Game& g) {
    StatsWindowModel m(g);
    PrintTitle("Statistics");
    if (m.Races().empty()) {
        Say("No races are loaded: choose a data folder first.");
        return;
    }
    Say("Plays careers of a race's services as a batch would and counts what they came to.");
    Asking("Race");
    Say("Race:");
    std::vector<std::string> races;
    for (const auto& race : m.Races()) races.push_back(race.Display);
    PrintNumbered(races, m.Race());
    const int race = AskNumber(static_cast<int>(races.size()), true, "go back");
    if (race == 0) return;
    m.SelectRace(race - 1);
    Asking("Service");
    Say("Service:");
    const auto services = m.ServiceChoices();
    PrintNumbered(services, m.Service());
    const int service = AskNumber(static_cast<int>(services.size()), true, "go back");
    if (service == 0) return;
    m.SelectService(service - 1);
    Asking("Careers");
    Say("Careers of each service, 1 to " + std::to_string(MaxBatchCount) +
        " (empty answer: " + std::to_string(m.Count()) + "):");
    while (true) {
        out_ << "> " << std::flush;
        const std::string answer = Trim(ReadLine());
        if (answer.empty()) break;
        if (answer.size() <= 7 && answer.find_first_not_of("0123456789") == std::string::npos &&
            std::stoi(answer) >= 1 && std::stoi(answer) <= MaxBatchCount) {
            m.SetCount(std::stoi(answer));
            break;
        }
        Say("Please answer with a number from 1 to " + std::to_string(MaxBatchCount) + ".");
    }
    m.Start();
    Say("Playing " + std::to_string(m.Count()) + " careers of each service...");
    if (m.Wait() != StatsWindowModel::State::Done) {
        Say(m.Status());
        return;
    }
    std::vector<std::string> lines;
    std::istringstream text(m.Text());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    PrintPaged(lines);
    Asking("Save report");
    out_ << " 1 Save report...\n";
    if (AskNumber(1, true, "go back") == 1) m.SaveReportAsked();
}

}  // namespace orrimar
