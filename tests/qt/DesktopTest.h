// What the desktop tests share: the desktop face with a game on seeded
// dice, settings in a folder of the test's own, steps on modal windows,
// and one of every dialog.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#include "career/Cascades.h"
#include "data/Race.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "session/Main.h"
#include "ui/Dialogs.h"
#include "ui/OptionsWindow.h"
#include "ui/StatsWindow.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form3.h"
#include "ui/qt/OptionsDialogs.h"
#include "ui/qt/Preview.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/StatsDialog.h"

using namespace orrimar;

// Runs `step` on the modal window named `name` (empty: a message box) once
// it is open, looking every 25 ms, `tries` times at most: a modal window
// blocks the test until answered.
inline void WhenOpen(QObject* context, const QString& name, std::function<void(QWidget*)> step,
                     int tries = 80) {
    QTimer::singleShot(25, context, [=] {
        QWidget* open = QApplication::activeModalWidget();
        if (open && (name.isEmpty() ? qobject_cast<QMessageBox*>(open) != nullptr
                                    : open->objectName() == name))
            return step(open);
        if (tries > 0) WhenOpen(context, name, step, tries - 1);
    });
}

class DesktopTest : public QObject {
  protected:
    explicit DesktopTest(uint64_t seed) : dice_(seed) {}
    QTemporaryDir settings_;
    QtUi ui_;
    SeededDice dice_;
    Game g{ui_, dice_};
    TextViewerModel viewer_;
    PreferredSkillsModel preferred_;
    OptionsWindowModel options_;
    std::unique_ptr<StatsWindowModel> stats_;

    // The windows' places go to the test's own folder; titles and tables set.
    void Start() {
        QVERIFY(settings_.isValid());
        qputenv("WINDIR", settings_.path().toLocal8Bit());
        SetAppTitle(g.session);
        FillTables(LoadedRules(g));
    }
    // The first entry of a main-window list whose text contains `part`.
    static int Entry(const ChoiceList& list, const std::string& part) {
        for (size_t i = 0; i < list.Entries.size(); ++i)
            if (list.Entries[i].Display.find(part) != std::string::npos) return static_cast<int>(i);
        return -1;
    }
    // The sample data read as at start-up; with the race and service whose
    // names contain `race` and `service` chosen.
    bool LoadSampleData(const std::string& race = "", const std::string& service = "") {
        g.session.DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
        if (!LoadCascades(g).empty() || !LoadCoyns(g).empty()) return false;
        ListRaces(g);
        return race.empty() || (SelectRace(g, Entry(g.windows.RaceList, race)) &&
                                SelectService(g, Entry(g.windows.ServiceList, service)));
    }
    void WhenOpen(const QString& name, std::function<void(QWidget*)> step, int tries = 80) {
        ::WhenOpen(this, name, std::move(step), tries);
    }
    static bool Active(QWidget* window) {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    static QPushButton* Button(QWidget* window, const QString& name) {
        return window->findChild<QPushButton*>(name);
    }
    // One of every window but the message boxes, the pick box offering
    // `choices`; the option-set window is the tenth.
    std::vector<std::unique_ptr<QWidget>> EveryWindow(const std::vector<std::string>& choices) {
        options_ = PrepareOptions(g);
        stats_ = std::make_unique<StatsWindowModel>(g);
        auto* form1 = new Form1(g);
        form1->Render();
        std::vector<std::unique_ptr<QWidget>> windows;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 form1, new Form3(g), new PickBox(nullptr, choices, "Split cascade skill BAT-0"),
                 new PickListDialog(nullptr, g, g.windows.Slist1),
                 new SkillTableDialog(nullptr, g, g.windows.Form2),
                 new TextViewerDialog(nullptr, viewer_), new AboutDialog(nullptr, g),
                 new Form4(nullptr, g, options_), new Form5(nullptr, g, preferred_),
                 new Form6(nullptr, g), new PreviewDialog(nullptr, "<h1>Resume</h1>", ""),
                 new StatsDialog(nullptr, *stats_)})
            windows.emplace_back(window);
        return windows;
    }
};
