#include "ui/console/ConsoleUi.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <utility>
#include <vector>

#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "model/Throws.h"
#include "output/Listings.h"
#include "text/Files.h"
#include "text/Text.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/console/ConsoleOptions.h"
#include "ui/console/Terminal.h"
#include "ui/console/TextLayout.h"

namespace orrimar {

namespace {
std::string Plain(const std::string& text) {
    // The terminal shows CR LF line ends as plain line ends.
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}
}  // namespace

std::string ConsoleUi::ReadLine() {
    auto line = ReadTerminalLine(in_, out_);
    if (!line) {
        // A script that runs out before the program is done is not a success.
        out_ << "\n(end of input at \"" << Plain(asked_) << "\")\n";
        out_.flush();
        throw ProgramExit{EndOfInputStatus};
    }
    return *line;
}

int ConsoleUi::AskNumber(int count, bool allowZero, const std::string& zeroMeaning) {
    while (true) {
        out_ << "> " << std::flush;
        std::string answer = Trim(ReadLine());
        bool digits = !answer.empty() && answer.size() < 6 &&
                      answer.find_first_not_of("0123456789") == std::string::npos;
        if (digits) {
            int k = std::atoi(answer.c_str());
            if ((k >= 1 && k <= count) || (k == 0 && allowZero)) return k;
        }
        Say("Please answer with a number from 1 to " + std::to_string(count) +
            (allowZero ? ", or 0 to " + zeroMeaning : "") + ".");
    }
}

void ConsoleUi::Say(const std::string& text) {
    out_ << WrappedText(Plain(text), columns_) << "\n";
}

void ConsoleUi::PrintTitle(const std::string& title) {
    Say("\n== " + title + " ==");
    // Until the question itself is named (Asking), its window's title.
    asked_ = title;
}

void ConsoleUi::PrintPaged(const std::vector<std::string>& lines) {
    const size_t page = lines_ > 4 ? lines_ - 2 : lines_;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (paging_ && i > 0 && i % page == 0) {
            out_ << "-- more: Enter goes on, q stops --" << std::flush;
            const auto answer = ReadTerminalLine(in_, out_);
            if (!answer || Trim(*answer) == "q" || Trim(*answer) == "Q") {
                out_ << "(" << lines.size() - i << " more lines not shown)\n";
                return;
            }
        }
        out_ << lines[i] << "\n";
    }
}

void ConsoleUi::PrintNumbered(const std::vector<std::string>& texts, int current) {
    const size_t digits = std::to_string(texts.size()).size();
    std::vector<std::string> entries;
    for (size_t i = 0; i < texts.size(); ++i)
        entries.push_back(
            NumberedEntry(static_cast<int>(i) == current, i + 1, digits, Plain(texts[i])));
    // A short list reads best straight down; a long one is set in columns.
    constexpr size_t shortList = 8;
    if (entries.size() > shortList) return PrintPaged(InColumns(entries, columns_, digits + 2));
    std::vector<std::string> lines;
    for (const auto& entry : entries)
        for (const auto& line : WrapLine(entry, columns_, digits + 2)) lines.push_back(line);
    PrintPaged(lines);
}

void ConsoleUi::Asking(const std::string& question) {
    // The first line names the question well enough.
    const std::string first = question.substr(0, question.find_first_of("\r\n"));
    if (!IsBlank(first)) asked_ = first;
}

void ConsoleUi::Message(const std::string& text, const std::string& title, MsgIcon icon) {
    PrintTitle(title);
    const char* mark = icon == MsgIcon::Warning    ? "Warning: "
                       : icon == MsgIcon::Critical ? "Error: "
                                                   : "";
    Say(mark + text);
}

bool ConsoleUi::YesNo(const std::string& text, const std::string& title, bool defaultYes, MsgIcon) {
    PrintTitle(title);
    Asking(text);
    Say(text);
    out_ << " 1 Yes\n 2 No\n(empty answer: " << (defaultYes ? "Yes" : "No") << ")\n";
    while (true) {
        out_ << "> " << std::flush;
        std::string answer = UCase(Trim(ReadLine()));
        if (answer.empty()) return defaultYes;
        if (answer == "1" || answer == "Y" || answer == "YES") return true;
        if (answer == "2" || answer == "N" || answer == "NO") return false;
        out_ << "Please answer 1 (Yes) or 2 (No).\n";
    }
}

std::string ConsoleUi::InputText(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    PrintTitle(title);
    Asking(prompt);
    Say(prompt);
    if (!defaultText.empty()) Say("(empty answer keeps: " + defaultText + "; a single . cancels)");
    out_ << "> " << std::flush;
    std::string answer = ReadLine();
    if (answer == ".") return "";
    return answer.empty() ? defaultText : answer;
}

int ConsoleUi::PickOne(PickChoices choices, const std::string& title) {
    PrintTitle(title);
    PrintNumbered({choices.begin(), choices.end()}, -1);
    return AskNumber(static_cast<int>(choices.size()), true, "close the window");
}

void ConsoleUi::PickList(Game& g, PickListModel& list) {
    PrintTitle("Select from list");
    Asking(list.Prompt);
    Say(list.Prompt);
    std::vector<std::string> texts;
    for (const auto& item : list.Items) texts.push_back(item.Text);
    PrintNumbered(texts, list.Current);
    // All is offered only where more than one entry may be chosen.
    const bool all = list.Items.size() > 1 && Val(list.MaxText) > 1;
    if (list.Items.size() == 1)
        Say("An empty line is OK" +
            std::string(!list.Selected.empty() && list.Selected[0] ? " and takes it" : "") +
            "; 1 selects it, n = None, c = Cancel.");
    else
        Say(std::string("Numbers to select (separated by blanks); ") + (all ? "a = All, " : "") +
            "n = None, m = MatchMark, c = Cancel; an empty line is OK.");
    while (true) {
        out_ << "> " << std::flush;
        std::string answer = Trim(ReadLine());
        if (answer == "c" || answer == "C") {
            PickListCancel(list);
            return;
        }
        if (all && (answer == "a" || answer == "A")) {
            PickListAll(list);
            continue;
        }
        if (answer == "n" || answer == "N") {
            PickListNone(list);
            continue;
        }
        if (answer == "m" || answer == "M") {
            PickListMatchMark(list, InputText("Select all entries containing this string",
                                              g.session.AppTitle, ""));
            continue;
        }
        if (answer.empty()) {
            std::string problem = PickListOkCheck(list);
            if (problem.empty()) return;
            Message(problem, g.session.AppTitle, MsgIcon::None);
            // The list stays open, as a window would; a player who only
            // wanted to look (the message log) is told the way out.
            Say("Type c to cancel and close the list.");
            continue;
        }
        bool ok = true;
        for (const auto& word : Split(answer, ' ')) {
            if (word.empty()) continue;
            // Only a plain number naming an item counts; anything longer than
            // the list could ever be is out of range, not an overflow.
            const bool number =
                word.size() <= 6 && word.find_first_not_of("0123456789") == std::string::npos;
            const int k = number ? std::stoi(word) : 0;
            if (k < 1 || k > static_cast<int>(list.Items.size())) {
                ok = false;
                continue;
            }
            list.Selected[k - 1] = true;
            list.Current = k - 1;
        }
        if (!ok) Say("Numbers run from 1 to " + std::to_string(list.Items.size()) + ".");
    }
}

int ConsoleUi::ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) {
    std::vector<int> buttons;
    std::vector<std::string> captions;
    for (int k = 1; k <= 10; ++k) {
        if (!chooser.Button[k].Visible) continue;
        buttons.push_back(k);
        captions.push_back(chooser.Button[k].Caption);
    }
    // The buttons are numbered as they stand: a table that opens or closes
    // moves the numbers of those after it, which is said, not left to be
    // found by a wrong roll.
    std::string moved;
    for (size_t i = 0; i < captions.size(); ++i) {
        const auto before = std::find(tableCaptions_.begin(), tableCaptions_.end(), captions[i]);
        if (before != tableCaptions_.end() &&
            static_cast<size_t>(before - tableCaptions_.begin()) != i)
            moved += (moved.empty() ? "" : ", ") + captions[i] + " is now " + std::to_string(i + 1);
    }
    tableCaptions_ = captions;
    bool announce = !moved.empty();
    while (true) {
        PrintTitle(g.session.AppTitle + ": Select skill table");
        Asking("Select skill table");
        if (announce) Say("The tables have changed since the last roll: " + moved + ".");
        announce = false;
        for (size_t i = 0; i < captions.size(); ++i)
            Say(" " + std::to_string(i + 1) + " " + captions[i]);
        Say(" " + std::to_string(buttons.size() + 1) + " Select for me, please!");
        Say("(0 shows the tables)");
        int k = AskNumber(static_cast<int>(buttons.size()) + 1, true, "show the tables");
        if (k == 0) {
            // Each table without its empty lines, side by side as the width allows.
            std::vector<std::vector<std::string>> tables;
            for (int b : buttons) {
                std::vector<std::string> table;
                for (const auto& line : WithoutBlankRuns(Split(SkillTableHoverText(g, b), '\n')))
                    if (!line.empty())
                        for (const auto& part : WrapLine(line, columns_, 4)) table.push_back(part);
                if (!table.empty()) tables.push_back(table);
            }
            PrintPaged(SideBySide(tables, columns_));
            continue;
        }
        // The dice choose, in the rules, as when the window is closed.
        if (k == static_cast<int>(buttons.size()) + 1) return 0;
        return buttons[k - 1];
    }
}

bool ConsoleUi::ViewText(TextViewerModel& viewer) {
    PrintTitle(viewer.TitleLine);
    // The text itself is the terminal's print-out; there is no printer here.
    Say(viewer.Text);
    out_ << " 1 OK\n 2 Cancel\n";
    return AskNumber(2, false) == 1;
}

void ConsoleUi::PrintTermWindow(Game& g) {
    const auto& w = g.windows.TermWindow;
    Say("\n-- " + w.Label[2] + " --");
    for (int k = 3; k <= 5; ++k) Say(w.Label[k]);
    if (!w.Label[6].empty()) Say(w.Label[6]);
    std::string skills = "Skills:";
    for (const auto& s : w.Skills) skills += " " + s.Text + ";";
    for (const auto& line : WrapLine(skills, columns_, 8)) out_ << line << "\n";
}

void ConsoleUi::PrintTermQuestion(Game& g) {
    const auto& w = g.windows.TermWindow;
    PrintTitle(g.session.AppTitle);
    Asking(w.Label[1]);
    Say(w.Label[1]);
    for (int k = 1; k <= TermWindowModel::Buttons; ++k) {
        if (w.Button[k].Visible) Say(" " + std::to_string(k) + " " + w.Button[k].Caption);
    }
    for (const auto& line : WrapLine("(h = history, x = explain the year's throws, l = message "
                                     "log, d = race, service and branch data, o = options, q = "
                                     "exit entire program)",
                                     columns_, 1))
        out_ << line << "\n";
}

void ConsoleUi::Refresh(const GameState& g) {
    if (g.windows.TermWindow.Shown) PrintNewLog(g);
}

void ConsoleUi::ShowTermWindow(Game& g) {
    g.windows.TermWindow.Shown = true;
    PrintNewLog(g);
}

void ConsoleUi::PrintNewLog(const GameState& g) {
    const auto& w = g.windows.TermWindow;
    if (logShown_ > w.Log.size()) logShown_ = 0;  // a new character's log
    if (logShown_ < w.Log.size()) {
        out_ << WrappedText(Plain(w.Log.substr(logShown_)), columns_);
        logShown_ = w.Log.size();
    }
}

std::string ConsoleUi::AskTerm(Game& g) {
    ShowTermWindow(g);
    PrintTermWindow(g);
    PrintTermQuestion(g);
    auto& w = g.windows.TermWindow;
    while (true) {
        out_ << "> " << std::flush;
        std::string answer = Trim(ReadLine());
        if (answer == "q") {
            // As the desktop's "Exit entire program": a character not saved
            // would be lost.
            if (YesNo(g.career.Saved ? ExitSavedQuestion : ExitCareerQuestion, g.session.AppTitle,
                      false, MsgIcon::Question))
                throw ProgramExit{0};
            PrintTermQuestion(g);
            continue;
        }
        if (answer == "h") {
            std::vector<std::string> lines;
            for (const auto& entry : w.History) {
                const std::string line = Plain(entry);
                const size_t lead = std::min(line.find_first_not_of(' '), line.size());
                for (const auto& part : WrapLine(line, columns_, lead + 2)) lines.push_back(part);
            }
            PrintPaged(lines);
        } else if (answer == "x") {
            std::vector<std::string> lines;
            for (const auto& line : LatestYearExplained(g.career.Explain))
                for (auto& part : WrapLine(line, columns_, line.rfind("  ", 0) == 0 ? 4 : 0))
                    lines.push_back(std::move(part));
            PrintPaged(lines);
        } else if (answer == "l") {
            ShowMessageLog(g);
        } else if (answer == "d") {
            ShowRaceServiceData(g);
        } else if (answer == "o") {
            ShowOptions(g);
        }
        if (answer == "h" || answer == "x" || answer == "l" || answer == "d" || answer == "o") {
            // What was shown may have scrolled the question away.
            PrintTermQuestion(g);
            continue;
        }
        if (answer.size() == 1 && answer[0] >= '1' && answer[0] < '1' + TermWindowModel::Buttons &&
            w.Button[answer[0] - '0'].Visible) {
            return answer;
        }
        Say("Please answer with the number of one of the buttons shown.");
    }
}

int ConsoleUi::ChooseEntry(const ChoiceList& list, const std::string& title, const char* what) {
    if (!list.Enabled || list.Entries.empty()) {
        out_ << "No " << what << " to choose from yet.\n";
        return -1;
    }
    PrintTitle(title);
    std::vector<std::string> texts;
    for (const auto& entry : list.Entries) texts.push_back(entry.Display);
    PrintNumbered(texts, list.Selected);
    return AskNumber(static_cast<int>(list.Entries.size()), false) - 1;
}

void ConsoleUi::RunMainWindow(Game& g) {
    const std::vector<const MenuEntry*> menu = NumberedEntries(MainMenu());
    std::vector<std::string> captions;
    for (const MenuEntry* entry : menu) captions.push_back(entry->Caption);
    while (!g.windows.Form1.Accepted) {
        PrintTitle(g.session.AppTitle);
        Asking("Main menu");
        auto name = [](const ChoiceList& l) {
            return l.Current() ? l.Current()->Display : std::string("(none)");
        };
        Say("Race: " + name(g.windows.RaceList) + "\nService: " + name(g.windows.ServiceList) +
            "\nBranch: " + name(g.windows.BranchList));
        out_ << "Statistics: " << Plain(g.windows.Form1.StatsText);
        out_ << "Hits: " << g.windows.Form1.Hits << "  TL: " << g.windows.Form1.TL << "\n";
        PrintNumbered(captions, -1);
        const MenuAction action =
            menu[static_cast<size_t>(AskNumber(static_cast<int>(menu.size()), false) - 1)]->Action;
        if (!RunMenuAction(g, action)) RunMainMenuEntry(g, action);
    }
}

void ConsoleUi::RunMainMenuEntry(Game& g, MenuAction action) {
    switch (action) {
        case MenuAction::ChooseRace: {
            int i = ChooseEntry(g.windows.RaceList, "Choose race", "races");
            if (i >= 0) SelectRace(g, i);
            break;
        }
        case MenuAction::ChooseService: {
            int i = ChooseEntry(g.windows.ServiceList, "Choose service", "services");
            if (i >= 0) SelectService(g, i);
            break;
        }
        case MenuAction::ChooseBranch: {
            int i = ChooseEntry(g.windows.BranchList, "Choose branch", "branches");
            if (i >= 0) SelectBranch(g, i);
            break;
        }
        case MenuAction::Vilani:
            ChooseVilaniLevel(g);
            break;
        case MenuAction::OptionSets:
            ChooseOptionSet(g);
            break;
        case MenuAction::Options:
            ShowOptions(g);
            break;
        case MenuAction::Show:
            ChooseListing(g);
            break;
        case MenuAction::About:
            ShowAbout(g);
            break;
        case MenuAction::Exit:
            throw ProgramExit{0};
        default:
            break;
    }
}

void ConsoleUi::ChooseVilaniLevel(Game& g) {
    if (!g.career.VilaniOffered) {
        out_ << "Vilani blood is not available for this race.\n";
        return;
    }
    PrintTitle("Vilani blood");
    for (int k = 0; k < MainWindowModel::VilaniLevels; ++k)
        out_ << (k == g.career.VilaniLevel ? "*" : " ") << k + 1 << " "
             << MainWindowModel::VilaniCaptions[k] << "\n";
    Form1SetVilaniLevel(g.career, AskNumber(MainWindowModel::VilaniLevels, false) - 1);
}

void ConsoleUi::ChooseOptionSet(Game& g) {
    PrintTitle("Load option set");
    for (int n = 1; n <= 4; ++n) {
        if (g.session.OptionSetMenuAvailable[n]) {
            out_ << " " << n << " " << g.session.OptionSetMenuName[n] << "\n";
        }
    }
    out_ << " 5 Create\n";
    int n = AskNumber(5, true, "go back");
    if (n == 5)
        ShowSaveOptionSet(g);
    else if (n > 0)
        Form1LoadOptionSet(g, n);
}

void ConsoleUi::ChooseListing(Game& g) {
    const std::vector<const MenuEntry*> listings = NumberedEntries(ShowMenu());
    PrintTitle("Show");
    for (size_t k = 0; k < listings.size(); ++k)
        out_ << " " << k + 1 << " " << listings[k]->Caption << "\n";
    const int k = AskNumber(static_cast<int>(listings.size()), true, "go back");
    if (k <= 0) return;
    const MenuAction action = listings[static_cast<size_t>(k - 1)]->Action;
    if (action == MenuAction::Statistics)
        ShowStatistics(g);
    else
        RunMenuAction(g, action);
}

void ConsoleUi::ShowOptions(Game& g) {
    ConsoleOptions(g, in_, out_, columns_);
}
void ConsoleUi::ShowPreferredSkills(Game& g) {
    ConsolePreferredSkills(g, in_, out_, columns_);
}
void ConsoleUi::ShowSaveOptionSet(Game& g) {
    ConsoleSaveOptionSet(g, in_, out_, columns_);
}

void ConsoleUi::ShowAbout(Game& g) {
    PrintTitle("About Orrimar Character Generator");
    Say("Orrimar Character Generator\n" + g.session.AppTitle +
        "\nCharacters for the Astrovane science-fiction role-playing game.\n 1 OK\n 2 System "
        "Info...");
    if (AskNumber(2, false) == 2)
        Message("System Information Is Unavailable At This Time", g.session.AppTitle,
                MsgIcon::None);
}

std::optional<std::string> ConsoleUi::OpenFileDialog(const FileDialogRequest& request) {
    std::error_code ec;
    const std::string here = std::filesystem::current_path(ec).string();
    const std::string from =
        ec ? std::string() : "; a path not starting with / starts from " + here;
    if (request.Folder) {
        PrintTitle(request.Title);
        Say("Type the path of the folder and press Enter" + from + ". An empty line cancels.");
    } else {
        PrintTitle(request.FilterDescription + " (" + request.FilterPattern + ")");
        Say("Type the path of the file (" + request.FileName + ", say) and press Enter" + from +
            ". An empty line cancels.");
    }
    out_ << "> " << std::flush;
    std::string answer = Trim(ReadLine());
    if (answer.empty()) return std::nullopt;
    return answer;
}

std::optional<std::string> ConsoleUi::SaveFileDialog(const FileDialogRequest& request) {
    PrintTitle(request.Title.empty()
                   ? "Save " + request.FilterDescription + " (" + request.FilterPattern + ")"
                   : request.Title);
    // A proposal such as "*.htm" (an unnamed character) is a pattern, not a name.
    const bool proposal =
        !request.FileName.empty() && request.FileName.find('*') == std::string::npos;
    Say(std::string("Type the path to save to") +
        (proposal ? " (empty: " + request.InitialFolder + request.FileName + ")" : "") +
        "; a single . cancels.");
    while (true) {
        out_ << "> " << std::flush;
        std::string path = Trim(ReadLine());
        if (path == ".") return std::nullopt;
        if (path.empty() && proposal) path = request.InitialFolder + request.FileName;
        if (path.empty()) {
            out_ << "Please type a file name.\n";
            continue;
        }
        const std::string ext = request.DefaultExtension;
        if (!ext.empty() && ext.find('*') == std::string::npos &&
            FileNameOf(path).find('.') == std::string::npos)
            path += "." + ext;
        // Like the desktop's save dialog: an existing file is replaced only
        // when the user says so (or answered --yes for the whole run).
        std::error_code ec;
        if (!assumeYes_ && std::filesystem::exists(path, ec) &&
            !YesNo(path + " already exists. Do you want to replace it?", "Confirm Save As", false,
                   MsgIcon::Warning)) {
            out_ << "Type another path; a single . cancels.\n";
            continue;
        }
        return path;
    }
}

void ConsoleUi::OpenPage(const std::string& path) {
    Say("Page written: " + path);
}

void ConsoleUi::PreviewPage(const std::string& html, const std::string&) {
    // The page "Save as HTML" writes, as text; the terminal is its print-out.
    PrintTitle("Preview");
    PrintPaged(PageText(html, columns_));
    out_ << "(end of the preview; nothing was saved)\n";
}

void ConsoleUi::OpenInEditor(const std::string& path) {
    Say("Please edit the settings file " + path);
}

void ConsoleUi::Beep() {
    // The bell is the one control character the program itself sends.
    out_.flush();
    if (auto* buffer = dynamic_cast<TerminalBuffer*>(out_.rdbuf()))
        buffer->WriteRaw("\a");
    else
        out_ << '\a';
    out_.flush();
}

void ConsoleUi::ShowSplash(const GameState& g) {
    Say("Enhanced Astrovane Characters for Windows\nAstrovane\n" + g.session.AppTitle);
}

}  // namespace orrimar
