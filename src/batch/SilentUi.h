// What a face that shows nothing does with the windows it does not show:
// the batch's answers and a replayed career share it. The questions stay
// for each to answer in its own way.
#pragma once

#include "model/Ui.h"

namespace orrimar {

class SilentUi : public Ui {
  public:
    void ShowTermWindow(Game&) override {}
    void ShowOptions(Game&) override {}
    void ShowPreferredSkills(Game&) override {}
    void ShowSaveOptionSet(Game&) override {}
    void ShowAbout(Game&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    void OpenPage(const std::string&) override {}
    void PreviewPage(const std::string&, const std::string&) override {}
    void PreviewCards(const std::string&, const std::vector<std::string>&,
                      const std::string&) override {}
    void OpenInEditor(const std::string&) override {}
    void Beep() override {}
    void ShowSplash(const GameState&) override {}
    void HideSplash() override {}
    void Refresh(const GameState&) override {}
    bool ShowsViews() const override { return false; }
};

}  // namespace orrimar
