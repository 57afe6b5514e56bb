// A Ui that answers from a recorded career: each question takes the next
// recorded answer, which must be of the question's kind. It shows nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "batch/SilentUi.h"

namespace orrimar {

// Ends a replay whose answers do not fit the questions asked.
struct ReplayStop {
    std::string Message;
};

class ReplayUi : public SilentUi {
  public:
    explicit ReplayUi(std::vector<std::pair<std::string, std::string>> answers)
        : answers_(std::move(answers)) {}
    // Answers not used yet.
    size_t Left() const { return answers_.size() - next_; }

    void Message(const std::string&, const std::string&, MsgIcon) override {}
    bool YesNo(const std::string& text, const std::string&, bool, MsgIcon) override;
    std::string InputText(const std::string& prompt, const std::string&,
                          const std::string&) override;
    int PickOne(PickChoices choices, const std::string& title) override;
    void PickList(Game& g, PickListModel& list) override;
    int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) override;
    bool ViewText(TextViewerModel& viewer) override;
    std::string AskTerm(Game& g) override;
    void RunMainWindow(Game&) override;

    // Set before the career: the game whose settings a recorded change sets.
    Game* game = nullptr;

  private:
    // The next answer, which must be of `kind`; a recorded change of the
    // settings before it is made first.
    std::string Next(const std::string& kind, const std::string& question);

    std::vector<std::pair<std::string, std::string>> answers_;
    size_t next_ = 0;
};

}  // namespace orrimar
