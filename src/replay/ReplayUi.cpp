#include "replay/ReplayUi.h"

#include "model/Game.h"
#include "model/Recording.h"
#include "text/Text.h"

namespace orrimar {

std::string ReplayUi::Next(const std::string& kind, const std::string& question) {
    while (next_ < answers_.size() && answers_[next_].first == "settings") {
        if (!game || !ApplySettingsText(*game, answers_[next_].second))
            throw ReplayStop{"answer " + std::to_string(next_ + 1) +
                             ": the recorded settings cannot be read"};
        ++next_;
    }
    const std::string where = "answer " + std::to_string(next_ + 1) + " (" + question + ")";
    if (next_ >= answers_.size())
        throw ReplayStop{"the recorded answers end before the career does, at " + where};
    const auto& [recorded, answer] = answers_[next_];
    if (recorded != kind)
        throw ReplayStop{where + ": a " + kind + " answer was asked for, a " + recorded +
                         " answer was recorded"};
    ++next_;
    return answer;
}

bool ReplayUi::YesNo(const std::string& text, const std::string&, bool, MsgIcon) {
    return Next("yesno", text) == "y";
}

std::string ReplayUi::InputText(const std::string& prompt, const std::string&, const std::string&) {
    return Next("text", prompt);
}

int ReplayUi::PickOne(PickChoices choices, const std::string& title) {
    const int k = ValInt(Next("pick", title));
    if (k < 0 || k > static_cast<int>(choices.size()))
        throw ReplayStop{"answer " + std::to_string(next_) + " (" + title + "): choice " +
                         std::to_string(k) + " is not offered"};
    return k;
}

void ReplayUi::PickList(Game&, PickListModel& list) {
    if (!ApplyPickListAnswer(list, Next("list", list.Prompt)))
        throw ReplayStop{"answer " + std::to_string(next_) + " (" + list.Prompt +
                         "): the recorded rows are not in the list"};
}

int ReplayUi::ChooseSkillTable(Game&, SkillTableChooserModel&) {
    return ValInt(Next("table", "skill table"));
}

bool ReplayUi::ViewText(TextViewerModel& viewer) {
    return Next("view", viewer.TitleLine) == "y";
}

std::string ReplayUi::AskTerm(Game& g) {
    return Next("term", g.windows.TermWindow.Label[1]);
}

void ReplayUi::RunMainWindow(Game&) {
    throw ReplayStop{"the recorded career asks for the main window"};
}

}  // namespace orrimar
