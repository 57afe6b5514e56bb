#include "model/ViewedUi.h"

#include "model/Display.h"
#include "model/Game.h"
#include "model/Recording.h"

namespace orrimar {

void ViewedUi::BeforeQuestion() {
    // A face that draws nothing (the batch's) never pays for the view.
    if (ShowsViews() && BuildTermView(game_)) face_.Refresh(game_);
}

void ViewedUi::Message(const std::string& text, const std::string& title, MsgIcon icon) {
    BeforeQuestion();
    face_.Message(text, title, icon);
}
bool ViewedUi::YesNo(const std::string& text, const std::string& title, bool defaultYes,
                     MsgIcon icon) {
    BeforeQuestion();
    const bool yes = face_.YesNo(text, title, defaultYes, icon);
    RecordAnswer(game_, "yesno", yes ? "y" : "n");
    return yes;
}
std::string ViewedUi::InputText(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    BeforeQuestion();
    std::string text = face_.InputText(prompt, title, defaultText);
    RecordAnswer(game_, "text", text);
    return text;
}
int ViewedUi::PickOne(PickChoices choices, const std::string& title) {
    BeforeQuestion();
    const int k = face_.PickOne(choices, title);
    RecordAnswer(game_, "pick", std::to_string(k));
    return k;
}
void ViewedUi::PickList(Game& g, PickListModel& list) {
    BeforeQuestion();
    face_.PickList(g, list);
    RecordAnswer(game_, "list", PickListAnswer(list));
}
int ViewedUi::ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) {
    BeforeQuestion();
    const int k = face_.ChooseSkillTable(g, chooser);
    RecordAnswer(game_, "table", std::to_string(k));
    return k;
}
bool ViewedUi::ViewText(TextViewerModel& viewer) {
    BeforeQuestion();
    const bool ok = face_.ViewText(viewer);
    RecordAnswer(game_, "view", ok ? "y" : "n");
    return ok;
}
void ViewedUi::ShowTermWindow(Game& g) {
    if (ShowsViews()) BuildTermView(g);
    face_.ShowTermWindow(g);
}
std::string ViewedUi::AskTerm(Game& g) {
    if (ShowsViews()) BuildTermView(g);
    std::string answer = face_.AskTerm(g);
    RecordAnswer(game_, "term", answer);
    return answer;
}
void ViewedUi::RunMainWindow(Game& g) {
    face_.RunMainWindow(g);
}
void ViewedUi::ShowOptions(Game& g) {
    BeforeQuestion();
    face_.ShowOptions(g);
}
void ViewedUi::ShowPreferredSkills(Game& g) {
    BeforeQuestion();
    face_.ShowPreferredSkills(g);
}
void ViewedUi::ShowSaveOptionSet(Game& g) {
    BeforeQuestion();
    face_.ShowSaveOptionSet(g);
}
void ViewedUi::ShowAbout(Game& g) {
    face_.ShowAbout(g);
}
std::optional<std::string> ViewedUi::OpenFileDialog(const FileDialogRequest& request) {
    BeforeQuestion();
    return face_.OpenFileDialog(request);
}
std::optional<std::string> ViewedUi::SaveFileDialog(const FileDialogRequest& request) {
    BeforeQuestion();
    return face_.SaveFileDialog(request);
}
void ViewedUi::OpenPage(const std::string& path) {
    face_.OpenPage(path);
}
void ViewedUi::PreviewPage(const std::string& html, const std::string& name) {
    BeforeQuestion();
    face_.PreviewPage(html, name);
}
void ViewedUi::PreviewCards(const std::string& html, const std::vector<std::string>& cards,
                            const std::string& name) {
    BeforeQuestion();
    face_.PreviewCards(html, cards, name);
}
void ViewedUi::OpenInEditor(const std::string& path) {
    face_.OpenInEditor(path);
}
void ViewedUi::Beep() {
    face_.Beep();
}
void ViewedUi::ShowSplash(const GameState& g) {
    face_.ShowSplash(g);
}
void ViewedUi::HideSplash() {
    face_.HideSplash();
}
void ViewedUi::Refresh(const GameState& g) {
    if (ShowsViews()) BuildTermView(game_);
    face_.Refresh(g);
}

}  // namespace orrimar
