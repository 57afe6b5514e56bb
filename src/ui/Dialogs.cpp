#include "ui/Dialogs.h"

#include <algorithm>
#include <ctime>

#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

std::string SkillTableHoverText(const Game& g, int button) {
    if (button < 1 || button > 10) return "";
    const auto& b = g.windows.Form2.Button[button];
    if (b.Tag.empty()) return "";
    const int t = ValInt(Mid(b.Tag, 2));
    if (t < 1 || t > ServiceRecord::MaxTables) return "";
    const SkillTableRecord& table =
        b.Tag[0] == 'S' ? g.rules.Service.SkillTable[t] : g.rules.Service.BranchSkillTable[t];
    std::string text = b.Caption + CrLf;
    for (int e = 1; e <= table.Max; ++e)
        text += "  " + std::to_string(e) + " " + table.Entry[e] + CrLf;
    text += CrLf;
    for (int k = 1; k <= 5; ++k) text += table.Eli[k].Text + CrLf;
    return text;
}

std::string DateTimeStamp() {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "  %02d/%s/%04d %02d:%02d: ", tm.tm_mday, months[tm.tm_mon],
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min);
    return buf;
}

std::vector<std::string> WrapWords(const std::string& text, size_t width) {
    std::vector<std::string> out;
    for (const auto& paragraph : Split(text, '\n')) {
        std::string line;
        std::string para = paragraph;
        if (!para.empty() && para.back() == '\r') para.pop_back();
        for (const auto& word : Split(para, ' ')) {
            if (!line.empty() && line.size() + 1 + word.size() > width) {
                out.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        out.push_back(line);
    }
    return out;
}

void ShowMessageLog(Game& g) {
    // The log printed as one text plus a line end, read back line by line:
    // every message ends in CR LF, so the last line is always empty.
    std::string text = g.windows.TermWindow.Log + CrLf;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(CrLf, start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    auto& list = g.windows.Slist1;
    PickListClear(list);
    for (size_t i = 0; i < lines.size(); ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%04zu", i + 1);
        PickListAdd(list, std::string(number) + "  " + lines[i], static_cast<int>(i + 1));
    }
    list.Prompt = "Message log to date";
    list.Current = static_cast<int>(list.Items.size()) - 1;
    ShowPickList(g);
}

}  // namespace orrimar
