// The choice dialogs of the desktop face: SPICKBOX, SLIST1, Form2, SLIST4
// and the About window. Their logic lives in the core (ui/Dialogs.h).
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/Models.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orrimar {

struct Game;

// Twips (1/1440 inch) to pixels at the usual 96 dots per inch.
inline int Twips(int twips) {
    return twips / 15;
}

// Moves a window to the middle of the screen's free area.
void CentreOnScreen(QWidget* window);

class PickBox : public QDialog {
    Q_OBJECT
  public:
    PickBox(QWidget* parent, const std::vector<std::string>& choices, const std::string& title);
    int Choice() const { return choice_; }

  private:
    int choice_ = 0;
};

class PickListDialog : public QDialog {
    Q_OBJECT
  public:
    PickListDialog(QWidget* parent, Game& g, PickListModel& list);
    // Copies the final selection into the model (closing counts as Cancel).
    void Finish();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Pull();
    void Push();
    void Ok();
    Game& g_;
    PickListModel& list_;
    QListWidget* items_;
    bool cancelled_ = true;
};

class SkillTableDialog : public QDialog {
    Q_OBJECT
  public:
    SkillTableDialog(QWidget* parent, Game& g, SkillTableChooserModel& chooser);
    int Choice() const { return choice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The panel for table button k, as the label shows it.
    QString PanelText(int k) const;
    Game& g_;
    SkillTableChooserModel& chooser_;
    std::array<QPushButton*, 11> buttons_{};
    QLabel* hover_;
    QWidget* frame_;
    int choice_ = 0;
};

class TextViewerDialog : public QDialog {
    Q_OBJECT
  public:
    TextViewerDialog(QWidget* parent, const TextViewerModel& viewer);
    std::string Text() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Print(bool selectionOnly);
    QString title_;
    QPlainTextEdit* text_;
    bool fixedPitch_ = false;  // a text set in columns
};

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(QWidget* parent, Game& g);
};

}  // namespace orrimar
