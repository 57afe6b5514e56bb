// The windows on a display at twice the size (2560 x 1600 pixels, so 1280 x
// 800 to lay out in): each fits the screen, no button or label is cut
// short, and the splash is drawn at the display's own density.
#include "DesktopTest.h"
#include "OffscreenScreen.h"
#include "model/Display.h"

class ScaleTest : public DesktopTest {
    Q_OBJECT

  public:
    ScaleTest() : DesktopTest(9) {}

  private:
    // What does not fit: the window on the screen, or a caption in its control.
    static QStringList Cut(QWidget* window) {
        QStringList problems;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (!screen.contains(window->frameGeometry()))
            problems << QString("%1 is %2x%3")
                            .arg(window->objectName())
                            .arg(window->width())
                            .arg(window->height());
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && !b->text().isEmpty() && b->width() < b->sizeHint().width())
                problems << window->objectName() + ": " + b->text();
        }
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (l->isVisible() && !l->wordWrap() && !l->text().isEmpty() &&
                l->width() < l->minimumSizeHint().width())
                problems << window->objectName() + ": " + l->text();
        }
        return problems;
    }
    static QStringList Shown(QWidget* window) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) return {window->objectName() + " not shown"};
        return Cut(window);
    }

  private slots:
    void initTestCase() {
        Start();
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }

    void theSplashIsSharp() {
        ui_.ShowSplash(g);
        QSplashScreen* splash = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<QSplashScreen*>(w); s && s->isVisible()) splash = s;
        QVERIFY(splash);
        const QPixmap picture = splash->pixmap();
        ui_.HideSplash();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(420, 220));
    }

    void everyWindowFitsAndNothingIsCut() {
        g.windows.Form2.Button[1] = {"Personal Development", "S1", true};
        g.windows.Form2.Button[2] = {"Advanced Education (8+ Edu)", "S2", true};
        for (const char* item : {"Pilot", "Medic"}) PickListAdd(g.windows.Slist1, item);
        viewer_.Text = "Some text";
        std::vector<std::string> choices;
        for (int k = 1; k <= 19; ++k) choices.push_back("Choice " + std::to_string(k));
        QStringList problems;
        for (const auto& window : EveryWindow(choices)) problems << Shown(window.get());

        // The term window with its longest answers showing.
        ClearTermWindow(g.windows);
        int k = 0;
        for (const char* caption : {"Re-enlist", "Transfer and re-enlist", "Muster out",
                                    "Restart with this character", "Scrap and start again"})
            g.windows.TermWindow.Button[++k] = {caption, true};
        QTimer::singleShot(0, [&] {
            problems << Cut(ui_.TermWindow());
            ui_.TermWindow()->Press(1);
        });
        ui_.AskTerm(g);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }

    // A larger system font widens the main window: no menu title is hidden
    // behind the menu bar's chevron.
    void aLargerFontHidesNoMenu() {
        const QFont normal = QApplication::font();
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 1.6);
        QApplication::setFont(large);
        bool chevron = true;
        {
            Form1 form(g);
            form.Render();
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            auto* more = form.findChild<QToolButton*>("qt_menubar_ext_button");
            chevron = more && more->isVisible();
        }
        QApplication::setFont(normal);
        QVERIFY(!chevron);
    }
};

int main(int argc, char** argv) {
    return RunOnScreen<ScaleTest>(argc, argv, 2560, 1600, "2");
}

#include "ScaleTest.moc"
