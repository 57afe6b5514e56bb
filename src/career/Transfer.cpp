#include "career/Transfer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ask/Questions.h"
#include "career/TransferRank.h"
#include "data/Service.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/ServiceChoice.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// SLIST1 offering the entries of a main-window list, exactly one to be
// chosen. Returns the entry's index, or -1 when the window was left without
// a choice.
int PickEntry(Game& g, const std::vector<ListEntry>& entries, const std::string& prompt) {
    auto& list = g.windows.Slist1;
    PickListClear(list);
    for (size_t i = 0; i < entries.size(); ++i)
        PickListAdd(list, entries[i].Display, static_cast<int>(i));
    list.Prompt = prompt;
    list.MaxText = "1";
    list.MinText = "1";
    ShowPickList(g);
    const auto chosen = PickListSelection(list);
    if (chosen.empty()) return -1;
    const int index = chosen.front().Tag;
    return index >= 0 && index < static_cast<int>(entries.size()) ? index : -1;
}

std::string CurrentKey(const ChoiceList& list) {
    const ListEntry* entry = list.Current();
    return entry ? entry->Key : "";
}

// Marks the entry with `key` selected without loading it (its data is the
// data already loaded); no entry is selected when the key is not listed.
void SelectByKey(ChoiceList& list, const std::string& key) {
    list.Selected = key.empty() ? -1 : list.IndexOf(key);
}

void SetTermTitle(CareerPart& career, const std::string& title) {
    auto& c = career.Character;
    c.TermLog[std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm)].Title = title;
}

// Only with "Allow any transfer". Returns true when another service was
// loaded.
bool ChangeService(Game& g) {
    if (!g.career.Character.Opt(OptAnyTransfer)) return false;
    if (!g.ui.YesNo("Change Service from " + g.rules.Service.Name, g.session.AppTitle, false,
                    MsgIcon::Question))
        return false;
    while (true) {
        const int chosen = PickEntry(g, g.windows.ServiceList.Entries, "Select new service");
        if (chosen < 0) return false;
        const std::string currentKey = CurrentKey(g.windows.ServiceList);
        if (EqualsNoCase(g.windows.ServiceList.Entries[chosen].Key, currentKey)) {
            g.ui.Message("Can't transfer to current service!", g.session.AppTitle, MsgIcon::None);
            continue;
        }
        const int oldService = g.windows.ServiceList.Selected;
        const ChoiceList oldBranches = g.windows.BranchList;
        if (!SelectService(g, chosen)) {
            // The loader refused the file, said why and kept the loaded
            // service: the lists go back to it and the user may choose again.
            g.windows.ServiceList.Selected = oldService;
            g.windows.BranchList = oldBranches;
            continue;
        }
        SetTermTitle(g.career, "Transferred service to " + g.rules.Service.BranchName);
        ShowCharacter(g, "Transferred service to " + g.rules.Service.Name);
        return true;
    }
}

// Branch change within the loaded service. The list is rebuilt first, so
// branches opened during the career ("/TN" markers) are offered now.
void ChangeBranch(Game& g) {
    const std::string currentKey = CurrentKey(g.windows.BranchList);
    ListBranches(g);
    SelectByKey(g.windows.BranchList, currentKey);
    while (true) {
        const int chosen = PickEntry(g, g.windows.BranchList.Entries, "Select new branch");
        if (chosen < 0) return;
        if (!currentKey.empty() &&
            EqualsNoCase(g.windows.BranchList.Entries[chosen].Key, currentKey)) {
            g.ui.Message("Can't transfer to current branch!", g.session.AppTitle, MsgIcon::None);
            continue;
        }
        if (!SelectBranch(g, chosen)) {
            // The loader refused the branch and said why; the loaded branch
            // is untouched, so it stays selected and the question repeats.
            SelectByKey(g.windows.BranchList, currentKey);
            continue;
        }
        const std::string text = "Transferred to " + g.rules.Service.BranchName;
        SetTermTitle(g.career, text);
        ShowCharacter(g, text);
        return;
    }
}

}  // namespace

void TransferService(Game& g) {
    auto& c = g.career.Character;
    const ServiceInPlay old = KeepServiceInPlay(g);
    const std::string oldTitle =
        c.TermLog[std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm)].Title;

    const bool serviceChanged = ChangeService(g);
    ChangeBranch(g);
    if (serviceChanged && g.windows.BranchList.Current()) TransferRank(g, old.Ranks());

    if (serviceChanged && !g.windows.BranchList.Current()) {
        // A new service whose branch was never chosen (or would not load)
        // has no assignments to serve in: the character stays where it was.
        const std::string abandoned = g.rules.Service.Name;
        PutServiceBack(g, old);
        SetTermTitle(g.career, oldTitle);
        ShowCharacter(g, "No branch chosen: transfer to " + abandoned + " cancelled");
    }
    g.windows.Form1.AcceptEnabled = g.windows.BranchList.Current() != nullptr;
}

}  // namespace orrimar
