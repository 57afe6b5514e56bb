// The windows as models: their texts, lists, flags and answers. The faces
// render these and forward clicks to the functions that act on them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "text/Text.h"

namespace orrimar {

// A list whose entries carry a display text and a key (race, service and
// branch lists). While not ready, selecting an entry loads nothing.
struct ListEntry {
    std::string Display;
    std::string Key;
};
struct ChoiceList {
    std::vector<ListEntry> Entries;
    int Selected = -1;
    bool Ready = false;
    bool Enabled = false;
    void Clear() {
        Entries.clear();
        Selected = -1;
    }
    const ListEntry* Current() const {
        return Selected >= 0 && Selected < static_cast<int>(Entries.size()) ? &Entries[Selected]
                                                                            : nullptr;
    }
    // The entry whose key is `key` (any case), or -1.
    int IndexOf(const std::string& key) const {
        for (size_t i = 0; i < Entries.size(); ++i)
            if (EqualsNoCase(Entries[i].Key, key)) return static_cast<int>(i);
        return -1;
    }
};

enum class GaugeColour { Green, Yellow, Red };
struct Gauge {
    bool Visible = false;
    int Min = 1;
    int Max = 12;
    int Value = 0;
    GaugeColour Colour = GaugeColour::Green;
};

// Form1, the main window.
struct MainWindowModel {
    static constexpr int VilaniLevels = 6;
    static inline const std::array<const char*, VilaniLevels> VilaniCaptions = {
        "'Normal Human'",   "10% Vilani blood",     "20% Vilani blood",
        "30% Vilani Blood", "Average Vilani blood", "Pureblood Vilani"};

    std::string StatNames;  // the race's three-letter names, one per line
    std::string StatsText;  // Panel3D1: "Str: 7" lines
    std::array<Gauge, 11> Gauges{};
    std::string Hits;
    std::string TL;  // Label10
    bool AcceptEnabled = false;
    bool TestPlanOffered = false;
    bool Accepted = false;
};

// Form3, the term window.
struct TermButton {
    std::string Caption;
    bool Visible = false;
};
struct TaggedItem {
    std::string Text;
    int Tag = 0;
};
struct TermWindowModel {
    std::array<std::string, 7> Label{};  // Label1 (prompt) .. Label6
    std::vector<TaggedItem> Skills;      // List1
    std::vector<std::string> History;    // List2
    std::string Log;                     // Text1
    static constexpr int Buttons = 6;
    std::array<TermButton, Buttons + 1> Button{};  // Command1..Command6
    std::string Answer;
    bool Shown = false;
    // Labels 2..5, Skills and History lag behind the character until built.
    bool Stale = true;
};

// SLIST1, the pick list.
struct PickListModel {
    std::vector<TaggedItem> Items;  // kept sorted by text, as the list shows them
    std::vector<bool> Selected;
    int Current = -1;
    std::string Prompt;
    std::string MaxText = "1";
    std::string MinText = "1";
};

// Form2, the skill-table chooser.
struct SkillTableButton {
    std::string Caption;
    std::string Tag;
    bool Visible = false;
};
struct SkillTableChooserModel {
    std::array<SkillTableButton, 11> Button{};  // 1..10
    std::string HoverText;
    bool HoverVisible = false;
};

// SLIST4, the text viewer.
struct TextViewerModel {
    std::string TitleLine;
    std::string Text;
    std::string FontName;  // empty: the window's own font
    int FontSize = 0;
};

enum class MsgIcon { None, Information, Warning, Critical, Question };

struct FileDialogRequest {
    std::string Title;
    std::string InitialFolder;
    std::string FileName;
    std::string DefaultExtension;
    std::string FilterDescription;
    std::string FilterPattern;
    bool Folder = false;  // a folder is chosen, not a file
};

}  // namespace orrimar
