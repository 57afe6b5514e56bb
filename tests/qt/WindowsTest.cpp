// How the desktop windows read (offscreen, on a small 1024 x 600 screen):
// questions shown whole, the history in the normal size, the main and term
// windows back where they were, gauges that keep their meaning on a dark
// palette, and the preview's PDF.
#include "DesktopTest.h"
#include "OffscreenScreen.h"
#include "ask/Question.h"
#include "batch/Batch.h"
#include "batch/StatBlockSheet.h"
#include "model/Display.h"
#include "session/WindowPlaces.h"
#include "text/Settings.h"

class WindowsTest : public DesktopTest {
    Q_OBJECT

  public:
    WindowsTest() : DesktopTest(3) {}

  private:
    static QRect Place(const QWidget& w) { return QRect(w.pos(), w.size()); }
    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    std::string Folder() const { return SettingsFolder(); }

  private slots:
    void initTestCase() { Start(); }

    // The question stands in the window, whole and wrapped, not only in a
    // title bar that cuts it; the longest list still fits the screen.
    void pickOneAsksItsQuestionInTheWindow() {
        std::string choices, question;
        for (int k = 1; k <= 19; ++k)
            choices += (k > 1 ? "/" : "") + std::string("Choice ") + std::to_string(k);
        for (int k = 0; k < 12; ++k) question += "Which of these does the character take? ";
        QString shown;
        QRect box, label;
        WhenOpen("SPICKBOX", [&](QWidget* window) {
            auto* asked = window->findChild<QLabel*>("Question");
            shown = asked->isVisible() ? asked->text() : "hidden";
            box = window->frameGeometry();
            label = asked->geometry();
            window->close();
        });
        Answer(g, PickQuestion{.Choices = choices, .Title = question});
        QCOMPARE(shown, QString::fromStdString(question));
        QVERIFY2(Screen().contains(box),
                 qPrintable(QString("%1x%2").arg(box.width()).arg(box.height())));
        QVERIFY(label.height() > 2 * QFontMetrics(QApplication::font()).lineSpacing());
    }

    // A message or an input dialog is wide enough for its title bar to show
    // the program's title; a title no window could show is said inside it.
    void titlesAreNotCutShort() {
        QFont bold = QApplication::font();
        bold.setBold(true);
        // The title, and room for the title bar's icon and buttons.
        const int needed = QFontMetrics(bold).horizontalAdvance(Q(g.session.AppTitle)) + 100;
        int boxWidth = 0, inputWidth = 0;
        WhenOpen("", [&](QWidget* box) {
            boxWidth = box->width();
            box->close();
        });
        ui_.Message("Saved", g.session.AppTitle, MsgIcon::None);
        WhenOpen("InputText", [&](QWidget* dialog) {
            inputWidth = dialog->width();
            dialog->close();
        });
        ui_.InputText("Enter NUMERIC tech level", g.session.AppTitle, "12");
        QVERIFY2(boxWidth >= needed, qPrintable(QString::number(boxWidth)));
        QVERIFY2(inputWidth >= needed, qPrintable(QString::number(inputWidth)));

        std::string title;
        for (int k = 0; k < 8; ++k) title += "A title far too long for any title bar ";
        QString text;
        WhenOpen("", [&](QWidget* box) {
            text = qobject_cast<QMessageBox*>(box)->text();
            box->close();
        });
        ui_.Message("Saved", title, MsgIcon::None);
        QVERIFY2(text.startsWith(Q(title)) && text.endsWith("Saved"), qPrintable(text));
    }

    void historyReadsInTheNormalSize() {
        Form3 form(g);
        const QFont history = form.findChild<QListWidget*>("List2")->font();
        QCOMPARE(history.pointSizeF(), form.findChild<QListWidget*>("List1")->font().pointSizeF());
        QCOMPARE(history.pointSizeF(), QApplication::font().pointSizeF());
    }

    // Saved on hiding, restored by the next window of the same kind; a
    // place off every screen, a broken line or no file give the default.
    void windowsComeBackWhereTheyWere() {
        QRect defaultPlace;
        {
            Form3 form(g);
            defaultPlace = Place(form);
        }
        QRect chosen;
        {
            Form3 form(g);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.resize(form.minimumSizeHint().width() + 10, form.minimumSizeHint().height() + 40);
            form.move(Screen().left() + 13, Screen().top() + 17);
            chosen = Place(form);
            form.hide();
        }
        QVERIFY(chosen != defaultPlace);
        {
            Form3 again(g);
            QCOMPARE(Place(again), chosen);
        }
        {
            Form1 mainWindow(g);
            mainWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
            mainWindow.move(Screen().left() + 21, Screen().top() + 5);
            mainWindow.hide();
        }
        // The main window's place is its own (an entry written keeps the
        // others: the places file's own test); a maximized one comes back so.
        const auto form1 = ReadWindowPlace(Folder(), "Form1");
        QVERIFY(form1 && form1->X == Screen().left() + 21 && !form1->Maximized);
        QCOMPARE(WriteWindowPlace(Folder(), "Form1", {1, 2, 300, 200, true}), std::string());
        {
            Form1 mainWindow(g);
            QVERIFY(mainWindow.windowState() & Qt::WindowMaximized);
        }

        const QString file = QString::fromStdString(Folder()) + WindowPlacesFileName;
        const auto write = [&](const QByteArray& text) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(text);
        };
        for (const QByteArray& broken :
             {QByteArray("Form3=-90000,-90000,900,700,0\r\n"),
              QByteArray("Form3=12,oops,900,700,0\n"), QByteArray("Form3=12,14,0,700,0\n"),
              QByteArray("Form3=1,2,3,4,5,6\n"), QByteArray("\xff\xfe garbage"),
              QByteArray("Form3=99999999999,1,2,3,0\n")}) {
            write(broken);
            Form3 form(g);
            QCOMPARE(Place(form), defaultPlace);
        }
        QFile::remove(file);
        Form3 form(g);
        QCOMPARE(Place(form), defaultPlace);
    }

    // Green, yellow and red stay green, yellow and red; the bar's trough
    // follows the palette instead of staying white on a dark one.
    void gaugesKeepTheirMeaningOnADarkPalette() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(40, 40, 44));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(225, 225, 225));
        QApplication::setPalette(dark);
        g.windows.Form1.Gauges[1] = {true, 1, 12, 6, GaugeColour::Green};
        g.windows.Form1.Gauges[2] = {true, 1, 12, 6, GaugeColour::Yellow};
        g.windows.Form1.Gauges[3] = {true, 1, 12, 6, GaugeColour::Red};
        Form1 form(g);
        form.Render();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        std::array<QColor, 4> chunk, trough;
        for (int i = 1; i <= 3; ++i) {
            const QImage bar =
                form.findChild<QProgressBar*>(QString("Gauge1_%1").arg(i))->grab().toImage();
            chunk[i] = bar.pixelColor(bar.width() / 5, bar.height() / 2);
            trough[i] = bar.pixelColor(bar.width() * 9 / 10, bar.height() / 2);
        }
        QApplication::setPalette(light);
        QVERIFY(chunk[1].green() > chunk[1].red() + 60 && chunk[1].green() > chunk[1].blue() + 60);
        QVERIFY(chunk[2].red() > 150 && chunk[2].green() > 150 && chunk[2].blue() < 100);
        QVERIFY(chunk[3].red() > chunk[3].green() + 60 && chunk[3].red() > chunk[3].blue() + 60);
        for (int i = 1; i <= 3; ++i)
            QVERIFY2(trough[i].lightness() < 100, qPrintable(trough[i].name()));
    }

    // The question's room is kept whether a question shows or not: one of
    // four lines moves none of the lists, nor the log.
    void termWindowKeepsItsLayoutWhileAsking() {
        ClearTermWindow(g.windows);
        for (int i = 1; i <= 12; ++i)
            g.windows.TermWindow.Skills.push_back({"Skill " + std::to_string(i), i});
        for (int i = 1; i <= 12; ++i)
            g.windows.TermWindow.History.push_back("Term " + std::to_string(i));
        ui_.ShowTermWindow(g);
        Form3* form = ui_.TermWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const auto places = [form] {
            QList<QRect> rects;
            for (const char* name : {"List1", "List2", "Text1"}) {
                auto* w = form->findChild<QWidget*>(name);
                rects << QRect(w->mapTo(form, QPoint(0, 0)), w->size());
            }
            return rects;
        };
        QApplication::processEvents();
        const QList<QRect> idle = places();
        g.windows.TermWindow.Label[1] =
            "Muster out: 5 benefits to roll\r\nCurrent money: Cr0\r\nMaterial benefits: "
            "Blade-1\r\nSomething more";
        g.windows.TermWindow.Button[1] = {"Financial table", true};
        QList<QRect> asking;
        QTimer::singleShot(50, [&] {
            asking = places();
            form->Press(1);
        });
        ui_.AskTerm(g);
        QApplication::processEvents();
        const QList<QRect> after = places();
        form->hide();
        QCOMPARE(asking, idle);
        QCOMPARE(after, idle);
    }

    // The preview writes a PDF only when asked, through a temporary file; a
    // folder that is not there is a message, not a crash.
    void previewSavesAPdf() {
        QTemporaryDir out;
        PreviewDialog preview(nullptr,
                              "<html><head><title>Resume - Hugo</title></head>"
                              "<body><h1>Hugo</h1></body></html>",
                              "Hugo");
        QCOMPARE(preview.windowTitle(), QString("Preview: Resume - Hugo"));
        QVERIFY(QDir(out.path()).isEmpty());
        const QString path = out.path() + "/hugo.pdf";
        QCOMPARE(preview.SavePdf(path), QString());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"hugo.pdf"});
        QVERIFY(!preview.SavePdf(out.path() + "/missing/hugo.pdf").isEmpty());
    }

    // "Print stat blocks": a batch folder's sheet printed to PDF holds at
    // least four cards a page, each whole on one page (its UPP line and its
    // seed together).
    void printStatBlocksKeepsEveryCardWhole() {
        QTemporaryDir out;
        BatchOptions options;
        std::tie(options.Count, options.Seed, options.DataDir, options.OutDir) =
            std::tuple(40, 500, ORRIMAR_SOURCE_DIR "/data/", S(out.path()) + "/npcs");
        std::ostringstream log;
        std::vector<BatchCharacter> made;
        QCOMPARE(RunBatch(options, log, &made), 0);
        const QString pdf = out.path() + "/cards.pdf";
        QString failed = "not shown";
        WhenOpen("OpenFile", [&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            dialog->setDirectory(out.path() + "/npcs");
            static_cast<QDialog*>(dialog)->accept();
        });
        WhenOpen("Preview", [&](QWidget* preview) {
            failed = static_cast<PreviewDialog*>(preview)->SavePdf(pdf);
            preview->close();
        });
        PrintStatBlocks(g);
        QCOMPARE(failed, QString());

        const auto run = [](const QString& program, const QStringList& args) {
            QProcess process;
            process.start(program, args);
            return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                             : QString();
        };
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("no pdftotext installed (scripts/setup.sh installs poppler-utils)");
        const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
        QVERIFY(pages.hasMatch());
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 2 && count <= 10, qPrintable(pages.captured(0)));
        QStringList text;
        for (int page = 1; page <= count; ++page)
            text.push_back(run("pdftotext",
                               {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"})
                               .simplified());
        for (const BatchCharacter& c : made) {
            const QString head = Q("UPP " + c.Upp + ", age " + std::to_string(c.Age));
            const QRegularExpression tail(QString("Seed %1\\b").arg(c.Seed));
            int found = 0;
            for (const QString& page : text)
                if (page.contains(tail)) {
                    ++found;
                    QVERIFY2(page.contains(head), qPrintable(Q(c.Name) + " split across pages"));
                }
            QCOMPARE(found, 1);
        }
    }
};

int main(int argc, char** argv) {
    return RunOnScreen<WindowsTest>(argc, argv, 1024, 600);
}

#include "WindowsTest.moc"
