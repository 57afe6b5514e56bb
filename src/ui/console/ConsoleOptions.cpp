#include "ui/console/ConsoleOptions.h"

#include <cctype>
#include <iostream>
#include <sstream>
#include <string>

#include "model/Game.h"
#include "session/OptionSets.h"
#include "text/Text.h"
#include "ui/Dialogs.h"
#include "ui/OptionsWindow.h"
#include "ui/console/ConsoleUi.h"
#include "ui/console/Terminal.h"
#include "ui/console/TextLayout.h"

namespace orrimar {

namespace {

// One answer; the end of input ends the program, naming the window `at`.
std::string ReadAnswer(std::istream& in, std::ostream& out, const std::string& at) {
    out << "> " << std::flush;
    const auto line = ReadTerminalLine(in, out);
    if (!line) {
        out << "\n(end of input at \"" << at << "\")\n";
        out.flush();
        throw ProgramExit{EndOfInputStatus};
    }
    return Trim(*line);
}

// A plain whole number, or -1 for anything else.
int Number(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || t.size() > 5 || t.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(t);
}

// A whole number with an optional minus sign, as a level may be.
bool IsWhole(const std::string& text) {
    const std::string t = Trim(text);
    return Number(!t.empty() && t[0] == '-' ? t.substr(1) : t) >= 0;
}

// "r3" or "r 3": the number after the one-letter command, or -1.
int NumberAfter(const std::string& answer, char command) {
    if (answer.size() < 2 || std::tolower(static_cast<unsigned char>(answer[0])) != command)
        return -1;
    return Number(answer.substr(1));
}

// Every text these windows print is wrapped to the terminal's `width`.
void PrintWrapped(std::ostream& out, size_t width, const std::string& text) {
    out << WrappedText(text, width) << "\n";
}

void PrintOptions(std::ostream& shown, size_t width, const SessionPart& session,
                  const OptionsWindowModel& m) {
    // Set whole, then wrapped to the width.
    std::ostringstream out;
    out << "\n== " << session.AppTitle << ": Options ==\n";
    for (int box = 0; box < OptionsWindowModel::Boxes; ++box) {
        out << (box + 1 < 10 ? "  " : " ") << box + 1 << " [" << (m.Checked[box] ? "x" : " ")
            << "] " << OptionCaption(box) << "\n";
    }
    if (m.RankListVisible) {
        out << "Rank cap:\n";
        if (m.RankList.empty()) out << "  (no ranks)\n";
        for (size_t i = 0; i < m.RankList.size(); ++i)
            out << (static_cast<int>(i) == m.RankSelected ? " *r" : "  r")
                << Fit(std::to_string(i + 1), 3) << m.RankList[i] << "\n";
        if (!m.RankNote.empty()) PrintWrapped(out, width, m.RankNote);
    }
    PrintWrapped(out, width,
                 std::string("A box number ticks or unticks it") +
                     (m.RankListVisible ? ", r and a number picks the rank cap (r3)" : "") +
                     ".\np = Preferred skills, s = Option Sets, d = Done.");
    shown << WrappedText(out.str(), width);
}

void PrintPreferred(std::ostream& shown, size_t width, const SessionPart& session,
                    const PreferredSkillsModel& m) {
    // Set whole, then wrapped to the width.
    std::ostringstream out;
    out << "\n== " << session.AppTitle << ": " << PreferredFrameCaption << " ==\n";
    PrintWrapped(out, width, PreferredIntro);
    out << PreferredListCaption << ":\n";
    if (m.List.empty()) out << "  (none)\n";
    for (size_t i = 0; i < m.List.size(); ++i)
        out << (i + 1 < 10 ? "  " : " ") << i + 1 << " " << m.List[i].Text << "\n";
    PrintWrapped(out, width,
                 "a = Add, e and a line number = Edit (e2), x and a line number = Delete (x2), "
                 "o = OK.");
    shown << WrappedText(out.str(), width);
}

void PrintPanel(std::ostream& shown, size_t width, const PreferredSkillsModel& m) {
    // Set whole, then wrapped to the width.
    std::ostringstream out;
    out << "\n-- " << PreferredPanelCaption << " --\n";
    PrintWrapped(out, width, PreferredPanelText);
    out << "Name: " << m.Name << "   Level: " << m.Level << "\n";
    if (!m.Suggestions.empty()) {
        out << "Suggestions:\n";
        for (size_t i = 0; i < m.Suggestions.size(); ++i)
            out << (i + 1 < 10 ? "  " : " ") << i + 1 << " " << m.Suggestions[i] << "\n";
    }
    PrintWrapped(out, width,
                 "n = type the name again (or n and the name), a suggestion's number takes it, "
                 "+ and - change the level, l and a number sets it (l3), o = OK, c = Cancel.");
    shown << WrappedText(out.str(), width);
}

void AskName(const RulesPart& rules, PreferredSkillsModel& m, std::istream& in, std::ostream& out,
             size_t width) {
    PrintWrapped(
        out, width,
        "Skill name" + (m.Name.empty() ? "" : " (an empty line keeps " + m.Name + ")") + ":");
    const std::string name = ReadAnswer(in, out, "Skill name");
    if (!name.empty()) PreferredNameTyped(rules, m, name);
}

// The entry panel, open until OK, Cancel or a picked suggestion closes it.
void RunPanel(Game& g, PreferredSkillsModel& m, std::istream& in, std::ostream& out, size_t width) {
    AskName(g.rules, m, in, out, width);
    while (m.Mode != PanelMode::None) {
        PrintPanel(out, width, m);
        while (true) {
            const std::string answer = ReadAnswer(in, out, PreferredPanelCaption);
            const std::string lower = LCase(answer);
            if (lower == "o") {
                PreferredOk(g, m);
            } else if (lower == "c") {
                PreferredCancel(m);
            } else if (answer == "+") {
                PreferredPlus(m);
            } else if (answer == "-") {
                PreferredMinus(m);
            } else if (lower == "n") {
                AskName(g.rules, m, in, out, width);
            } else if (lower.size() > 2 && lower[0] == 'n' && lower[1] == ' ') {
                PreferredNameTyped(g.rules, m, Trim(answer.substr(2)));
            } else if (lower.size() > 1 && lower[0] == 'l' && IsWhole(answer.substr(1))) {
                m.Level = Trim(answer.substr(1));
            } else if (int k = Number(answer);
                       k >= 1 && k <= static_cast<int>(m.Suggestions.size())) {
                PreferredPickSuggestion(g, m, k - 1);
            } else {
                PrintWrapped(
                    out, width,
                    "Please answer n, a suggestion's number, +, -, l and a number, o or c.");
                continue;
            }
            break;
        }
    }
}

}  // namespace

void ConsoleOptions(Game& g, std::istream& in, std::ostream& out, size_t width) {
    OptionsWindowModel m = PrepareOptions(g);
    while (true) {
        PrintOptions(out, width, g.session, m);
        while (true) {
            const std::string answer = ReadAnswer(in, out, "Options");
            const std::string lower = LCase(answer);
            if (lower == "d") {
                OptionsDone(g);
                return;
            }
            if (lower == "p") {
                OptionsPreferredSkills(g);
                break;
            }
            if (lower == "s") {
                OptionsOptionSets(g);
                break;
            }
            if (int k = Number(answer); k >= 1 && k <= OptionsWindowModel::Boxes) {
                OptionsTick(g, m, k - 1, !m.Checked[k - 1]);
                break;
            }
            const int rank = NumberAfter(answer, 'r');
            if (m.RankListVisible && rank >= 1 && rank <= static_cast<int>(m.RankList.size())) {
                OptionsSelectRank(g.career, m, rank - 1);
                break;
            }
            PrintWrapped(out, width,
                         "Please answer with a box number from 1 to " +
                             std::to_string(OptionsWindowModel::Boxes) +
                             (m.RankListVisible && !m.RankList.empty()
                                  ? ", r and a rank from 1 to " + std::to_string(m.RankList.size())
                                  : "") +
                             ", p, s or d.");
        }
    }
}

void ConsolePreferredSkills(Game& g, std::istream& in, std::ostream& out, size_t width) {
    PreferredSkillsModel m;
    FillPreferredList(g.session, m);
    while (true) {
        PrintPreferred(out, width, g.session, m);
        while (true) {
            const std::string answer = ReadAnswer(in, out, PreferredFrameCaption);
            const std::string lower = LCase(answer);
            const int count = static_cast<int>(m.List.size());
            if (lower == "o") return;
            if (lower == "a") {
                PreferredAdd(m);
                RunPanel(g, m, in, out, width);
                break;
            }
            const int edit = NumberAfter(answer, 'e');
            if (edit >= 1 && edit <= count) {
                m.Selected = edit - 1;
                PreferredEdit(g.session, m);
                RunPanel(g, m, in, out, width);
                break;
            }
            const int remove = NumberAfter(answer, 'x');
            if (remove >= 1 && remove <= count) {
                m.Selected = remove - 1;
                PreferredDelete(g.session, m);
                break;
            }
            PrintWrapped(
                out, width,
                "Please answer a, o" +
                    (count > 0 ? ", or e or x with a line number from 1 to " + std::to_string(count)
                               : std::string()) +
                    ".");
        }
    }
}

void ConsoleSaveOptionSet(Game& g, std::istream& in, std::ostream& out, size_t width) {
    while (true) {
        out << "\n== " << SaveOptionSetCaption << " ==\n";
        for (const char* text : SaveOptionSetTexts) PrintWrapped(out, width, text);
        for (int n = 1; n <= 4; ++n) {
            PrintWrapped(out, width,
                         "  " + std::to_string(n) + " " + OptionSetSlotCaption(g.session, n));
        }
        out << "  d Done\n";
        while (true) {
            const std::string answer = ReadAnswer(in, out, SaveOptionSetCaption);
            if (LCase(answer) == "d") return;
            if (int n = Number(answer); n >= 1 && n <= 4) {
                SaveOptionSet(g, n);
                break;
            }
            PrintWrapped(out, width,
                         "Please answer with a slot number from 1 to 4, or d for Done.");
        }
    }
}

}  // namespace orrimar
