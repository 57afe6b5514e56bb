#include "ui/Dialogs.h"

#include <algorithm>
#include <ctime>

#include "model/Game.h"
#include "model/Text.h"

namespace orrimar {

int PickOne(Game& g, const std::string& choices, const std::string& title) {
    std::vector<std::string> texts = Split(choices, '/');
    // The window has room for 19 buttons; a longer list is the caller's
    // fault, and the extra texts are not offered rather than overrun it.
    if (texts.size() > 19) texts.resize(19);
    const int n = static_cast<int>(texts.size());
    int k;
    if (g.PickAuto) {
        k = RollDice(g, 1, n);
    } else {
        k = g.ui.PickOne(texts, title);
        if (k < 0 || k > n) k = 0;
    }
    g.PickAuto = false;
    g.PickIndex = k;
    g.PickText = k > 0 ? texts[k - 1] : "";
    return k;
}

void PickListClear(PickListModel& list) {
    list.Items.clear();
    list.Selected.clear();
    list.Current = -1;
}

void PickListAdd(PickListModel& list, const std::string& text, int tag) {
    // The list shows its items sorted by text.
    auto at = std::upper_bound(
        list.Items.begin(), list.Items.end(), text,
        [](const std::string& t, const TaggedItem& item) { return t < item.Text; });
    size_t pos = at - list.Items.begin();
    list.Items.insert(at, {text, tag});
    list.Selected.insert(list.Selected.begin() + pos, false);
}

std::string PickListOkCheck(const PickListModel& list) {
    const long c = std::count(list.Selected.begin(), list.Selected.end(), true);
    if (c == 0) return "No items selected";
    if (c > Val(list.MaxText)) return "Too many items selected; limit is " + list.MaxText;
    if (c < Val(list.MinText)) return "Too few items selected; minimum is " + list.MinText;
    return "";
}

void PickListCancel(PickListModel& list) {
    PickListNone(list);
}

void PickListAll(PickListModel& list) {
    std::fill(list.Selected.begin(), list.Selected.end(), true);
}

void PickListNone(PickListModel& list) {
    std::fill(list.Selected.begin(), list.Selected.end(), false);
    list.Current = -1;
}

void PickListMatchMark(PickListModel& list, const std::string& text) {
    if (text.empty()) return;
    for (size_t i = 0; i < list.Items.size(); ++i) {
        if (ContainsNoCase(list.Items[i].Text, text)) list.Selected[i] = true;
    }
}

void ShowPickList(Game& g) {
    auto& list = g.Slist1;
    if (Val(list.MaxText) < 1) list.MaxText = "1";
    if (Val(list.MinText) < 1) list.MinText = "1";
    list.Selected.resize(list.Items.size(), false);
    // The only entry is the choice: it opens selected, so OK takes it.
    if (list.Items.size() == 1) {
        list.Selected[0] = true;
        list.Current = 0;
    }
    g.ui.PickList(g, list);
}

std::vector<TaggedItem> PickListSelection(const PickListModel& list) {
    std::vector<TaggedItem> out;
    for (size_t i = 0; i < list.Items.size(); ++i) {
        if (i < list.Selected.size() && list.Selected[i]) out.push_back(list.Items[i]);
    }
    return out;
}

std::string SkillTableHoverText(const Game& g, int button) {
    if (button < 1 || button > 10) return "";
    const auto& b = g.Form2.Button[button];
    if (b.Tag.empty()) return "";
    const int t = ValInt(Mid(b.Tag, 2));
    if (t < 1 || t > ServiceRecord::MaxTables) return "";
    const SkillTableRecord& table =
        b.Tag[0] == 'S' ? g.Service.SkillTable[t] : g.Service.BranchSkillTable[t];
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
    std::string text = g.TermWindow.Log + CrLf;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(CrLf, start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    auto& list = g.Slist1;
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
