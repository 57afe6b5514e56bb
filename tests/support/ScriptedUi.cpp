#include "support/ScriptedUi.h"

#include <algorithm>

#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

int ScriptedDice::Roll(int sides) {
    if (faces_.empty() && fallback_) return random_.Roll(sides);
    if (faces_.empty())
        throw ScriptExhausted("ScriptedDice: no face left for a d" + std::to_string(sides) +
                              " (after " + std::to_string(thrown_) + " throws)");
    int face = faces_.front();
    faces_.pop_front();
    ++thrown_;
    if (face < 1 || face > sides)
        throw std::logic_error("ScriptedDice: face " + std::to_string(face) + " on a d" +
                               std::to_string(sides));
    return face;
}

std::string ScriptedUi::Next(const std::string& what) {
    if (answers_.empty()) throw ScriptExhausted("ScriptedUi: no answer left for " + what);
    std::string a = answers_.front();
    answers_.pop_front();
    return a;
}

bool ScriptedUi::SawMessage(const std::string& part) const {
    return std::ranges::any_of(messages, [&](const std::string& m) { return Contains(m, part); });
}

void ScriptedUi::Message(const std::string& text, const std::string& title, MsgIcon) {
    shown.push_back({"message", text, title});
    messages.push_back(text);
}

bool ScriptedUi::YesNo(const std::string& text, const std::string& title, bool, MsgIcon) {
    shown.push_back({"yesno", text, title});
    return Next("yes/no: " + text) == "Y";
}

std::string ScriptedUi::InputText(const std::string& prompt, const std::string& title,
                                  const std::string&) {
    shown.push_back({"input", prompt, title});
    std::string a = Next("input: " + prompt);
    return a == "<cancel>" ? "" : a;
}

int ScriptedUi::PickOne(PickChoices choices, const std::string& title) {
    std::string joined;
    for (const std::string_view c : choices) joined.append(joined.empty() ? "" : "/").append(c);
    shown.push_back({"pickone", joined, title});
    return ValInt(Next("pick one: " + joined));
}

void ScriptedUi::PickList(Game&, PickListModel& list) {
    shown.push_back({"picklist", list.Prompt, "Select from list"});
    std::string a = Next("pick list: " + list.Prompt);
    if (a == "<cancel>") {
        list.Selected.assign(list.Selected.size(), false);
        list.Current = -1;
        return;
    }
    for (const auto& word : Split(a, ' ')) {
        int k = ValInt(word);
        if (k >= 1 && k <= static_cast<int>(list.Items.size())) {
            list.Selected[k - 1] = true;
            list.Current = k - 1;
        }
    }
}

int ScriptedUi::ChooseSkillTable(Game&, SkillTableChooserModel& chooser) {
    std::string captions;
    for (int k = 1; k <= 10; ++k)
        if (chooser.Button[k].Visible) captions += chooser.Button[k].Caption + "/";
    shown.push_back({"skilltable", captions, "Select skill table"});
    return ValInt(Next("skill table: " + captions));
}

bool ScriptedUi::ViewText(TextViewerModel& viewer) {
    shown.push_back({"viewtext", viewer.Text, viewer.TitleLine});
    return Next("text viewer: " + viewer.TitleLine) == "OK";
}

void ScriptedUi::ShowTermWindow(Game& g) {
    g.windows.TermWindow.Shown = true;
}

std::string ScriptedUi::AskTerm(Game& g) {
    ++termAsks;
    std::string buttons;
    for (int k = 1; k <= 5; ++k)
        if (g.windows.TermWindow.Button[k].Visible)
            buttons += g.windows.TermWindow.Button[k].Caption + "/";
    shown.push_back({"term", g.windows.TermWindow.Label[1] + " [" + buttons + "]", "term"});
    return Next("term window: " + g.windows.TermWindow.Label[1] + " [" + buttons + "]");
}

void ScriptedUi::RunMainWindow(Game& g) {
    shown.push_back({"mainwindow", "", g.session.AppTitle});
    if (!onMainWindow) throw ProgramExit{0};
    onMainWindow(g);
}

void ScriptedUi::ShowOptions(Game& g) {
    shown.push_back({"options", "", g.session.AppTitle});
}
void ScriptedUi::ShowPreferredSkills(Game& g) {
    shown.push_back({"prefskills", "", g.session.AppTitle});
}
void ScriptedUi::ShowSaveOptionSet(Game&) {
    shown.push_back({"optionsets", "", "Save Option Set"});
}
void ScriptedUi::ShowAbout(Game& g) {
    shown.push_back({"about", "", g.session.AppTitle});
}

std::optional<std::string> ScriptedUi::OpenFileDialog(const FileDialogRequest& request) {
    shown.push_back({"open", request.FileName, request.FilterDescription});
    const std::string a = Next("open-file dialog");
    return a == "<cancel>" ? std::nullopt : std::optional(a);
}

std::optional<std::string> ScriptedUi::SaveFileDialog(const FileDialogRequest& request) {
    shown.push_back({"save", request.FileName, request.Title});
    const std::string a = Next("save-file dialog");
    return a == "<cancel>" ? std::nullopt : std::optional(a);
}

}  // namespace orrimar
