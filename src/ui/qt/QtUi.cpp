#include "ui/qt/QtUi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSplashScreen>
#include <QUrl>
#include <functional>
#include <utility>

#include "model/Game.h"
#include "text/Encoding.h"
#include "text/Files.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form3.h"
#include "ui/qt/Keys.h"
#include "ui/qt/OptionsDialogs.h"
#include "ui/qt/Preview.h"
#include "ui/qt/Screen.h"

namespace orrimar {

// Through the same conversions as the terminal's, so both faces agree on
// every letter.
QString Q(const std::string& text) {
    return QString::fromStdString(Latin1ToUtf8(text));
}
std::string S(const QString& text) {
    return Utf8ToLatin1(text.toStdString());
}

QtUi::QtUi() = default;
QtUi::~QtUi() {
    // Hidden while they still can be: hiding records their places.
    if (form3_) form3_->hide();
    if (form1_) form1_->hide();
}

QWidget* QtUi::Parent() const {
    // A dialog asked from an open dialog (About's "System Info...") stands over it.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (form3_ && form3_->isVisible()) return form3_.get();
    if (form1_ && form1_->isVisible()) return form1_.get();
    return nullptr;
}

namespace {
QMessageBox::Icon BoxIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

// The text a window shows: its title in front when the title bar cannot
// show that whole, so nothing the title says is lost.
QString WithTitle(const QWidget* window, const QString& title, const QString& text) {
    if (TitleBarWidth(window, title) <= WidestForTitle(window)) return text;
    return title + "\n\n" + text;
}

// The width a short dialog needs for its title bar, within reason.
int WidthForTitle(const QWidget* window, const QString& title) {
    return std::min(TitleBarWidth(window, title), WidestForTitle(window));
}

// Runs an action once, when the window it belongs to is first shown.
class WhenShown : public QObject {
  public:
    WhenShown(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && action_) std::exchange(action_, nullptr)();
        return false;
    }

  private:
    std::function<void()> action_;
};

void Prepare(QMessageBox& box, const QString& title, QString text, MsgIcon icon) {
    text.remove('\r');
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(WithTitle(&box, title, text));
    box.setIcon(BoxIcon(icon));
    // A message box sizes itself to its text; a row as wide as the title
    // keeps the title bar from cutting it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(WidthForTitle(&box, title), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}
}  // namespace

void QtUi::Message(const std::string& text, const std::string& title, MsgIcon icon) {
    HideSplash();  // a question must never stand behind the splash
    QMessageBox box(Parent());
    Prepare(box, Q(title), Q(text), icon);
    box.setStandardButtons(QMessageBox::Ok);
    AddMnemonics(&box);
    box.exec();
}

bool QtUi::YesNo(const std::string& text, const std::string& title, bool defaultYes, MsgIcon icon) {
    HideSplash();  // a question must never stand behind the splash
    QMessageBox box(Parent());
    Prepare(box, Q(title), Q(text), icon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    AddMnemonics(&box);
    return box.exec() == QMessageBox::Yes;
}

std::string QtUi::InputText(const std::string& prompt, const std::string& title,
                            const std::string& defaultText) {
    HideSplash();
    QString text = Q(defaultText);
    while (true) {
        QInputDialog dialog(Parent());
        dialog.setObjectName("InputText");
        dialog.setWindowTitle(Q(title));
        QString question = Q(prompt);
        question.remove('\r');
        // The label names the text box: an "&" in the question is shown, not a key.
        dialog.setLabelText(WithTitle(&dialog, Q(title), question).replace('&', "&&"));
        dialog.setTextValue(text);
        dialog.setOkButtonText("&OK");
        dialog.setCancelButtonText("&Cancel");
        // The dialog sizes itself to its contents: the label holds the width.
        if (auto* label = dialog.findChild<QLabel*>()) {
            const QMargins margins =
                dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
            label->setMinimumWidth(WidthForTitle(&dialog, Q(title)) - margins.left() -
                                   margins.right());
        }
        if (dialog.exec() != QDialog::Accepted) return "";
        text = dialog.textValue();
        // Texts are kept, and saved, in Latin-1: a letter outside it would
        // silently become "?", so the user is told and types it again.
        std::string outside;
        const std::string latin1 = Utf8ToLatin1(text.toStdString(), &outside);
        if (outside.empty()) return latin1;
        QMessageBox::warning(
            Parent(), Q(title),
            "These characters cannot be kept: " + QString::fromStdString(outside) +
                "\nOrrimar stores its texts in Western European letters (Latin-1). Please "
                "write them another way, for example without their accents.");
    }
}

int QtUi::PickOne(PickChoices choices, const std::string& title) {
    PickBox box(Parent(), {choices.begin(), choices.end()}, title);
    box.exec();
    return box.Choice();
}

void QtUi::PickList(Game& g, PickListModel& list) {
    PickListDialog dialog(Parent(), g, list);
    dialog.exec();
    dialog.Finish();
}

int QtUi::ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) {
    SkillTableDialog dialog(Parent(), g, chooser);
    dialog.exec();
    return dialog.Choice();
}

bool QtUi::ViewText(TextViewerModel& viewer) {
    TextViewerDialog dialog(Parent(), viewer);
    const bool ok = dialog.exec() == QDialog::Accepted;
    viewer.Text = dialog.Text();
    return ok;
}

void QtUi::ShowTermWindow(Game& g) {
    if (!form3_) form3_ = std::make_unique<Form3>(g);
    g.windows.TermWindow.Shown = true;
    form3_->Render();
    form3_->show();
}

std::string QtUi::AskTerm(Game& g) {
    ShowTermWindow(g);
    return form3_->Ask();
}

void QtUi::RunMainWindow(Game& g) {
    if (!form1_) form1_ = std::make_unique<Form1>(g);
    if (form3_) form3_->hide();
    form1_->ClearExit();
    form1_->Render();
    form1_->exec();
    if (form1_->ExitRequested()) throw ProgramExit{0};
}

void QtUi::ShowOptions(Game& g) {
    OptionsWindowModel model = PrepareOptions(g);
    Form4 form(DialogParent(Parent()), g, model);
    form.exec();
    Refresh(g);
}
void QtUi::ShowPreferredSkills(Game& g) {
    PreferredSkillsModel model;
    FillPreferredList(g.session, model);
    Form5 form(DialogParent(Parent()), g, model);
    form.exec();
}
void QtUi::ShowSaveOptionSet(Game& g) {
    Form6 form(DialogParent(Parent()), g);
    form.exec();
}

void QtUi::ShowAbout(Game& g) {
    AboutDialog about(Parent(), g);
    about.exec();
}

std::optional<std::string> QtUi::OpenFileDialog(const FileDialogRequest& request) {
    HideSplash();  // a question must never stand behind the splash
    QString folder = request.InitialFolder.empty() || request.InitialFolder == "."
                         ? QDir::currentPath()
                         : Q(request.InitialFolder);
    QString filter = Q(request.FilterDescription) + " (" + Q(request.FilterPattern) + " " +
                     Q(request.FilterPattern).toUpper() + ")";
    QFileDialog dialog(Parent(), Q(request.Title), folder, request.Folder ? QString() : filter);
    dialog.setObjectName("OpenFile");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    // The proposed file is selected as it is spelt on disk ("imperial.eri"
    // finds IMPERIAL.ERI), in the first folder and in each one entered, so
    // Open takes it at once; a folder without it proposes nothing.
    const auto propose = [&dialog, &request](const QString& in) {
        if (request.FileName.empty()) return;
        const auto found = FindFileNoCase(S(in), request.FileName);
        const QString name = found ? Q(FileNameOf(*found)) : QString();
        // Qt's own dialog keeps a name box that has the focus as typed:
        // the name is put there itself.
        if (auto* typed = dialog.findChild<QLineEdit*>("fileNameEdit"))
            typed->setText(name);
        else
            dialog.selectFile(name);
    };
    propose(folder);
    // However the folder was entered (a double click, a typed path, Open on
    // a folder): queued, so it comes after the dialog's own clearing.
    // The dialog makes its folder model when shown.
    new WhenShown(&dialog, [&dialog, propose] {
        if (auto* files = dialog.findChild<QFileSystemModel*>())
            QObject::connect(files, &QFileSystemModel::rootPathChanged, &dialog, propose,
                             Qt::QueuedConnection);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return S(dialog.selectedFiles().first());
}

std::optional<std::string> QtUi::SaveFileDialog(const FileDialogRequest& request) {
    QString filter = Q(request.FilterDescription) + " (" + Q(request.FilterPattern) + ")";
    QFileDialog dialog(Parent(), Q(request.Title), Q(request.InitialFolder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QString ext = Q(request.DefaultExtension);
    ext.remove("*.");
    dialog.setDefaultSuffix(ext);
    dialog.selectFile(Q(request.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return S(dialog.selectedFiles().first());
}

void QtUi::OpenPage(const std::string& path) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)))) return;
    QMessageBox::warning(
        Parent(), Parent() ? Parent()->windowTitle() : QString(),
        "The page " + Q(path) + " is saved, but no web browser could be started to show it.");
}

void QtUi::PreviewPage(const std::string& html, const std::string& name) {
    PreviewDialog preview(Parent(), Q(html), Q(name));
    preview.exec();
}

void QtUi::PreviewCards(const std::string& html, const std::vector<std::string>& cards,
                        const std::string& name) {
    QStringList fragments;
    for (const std::string& card : cards) fragments.push_back(Q(card));
    PreviewDialog preview(Parent(), Q(html), Q(name), fragments);
    preview.exec();
}

void QtUi::OpenInEditor(const std::string& path) {
    QString editor = qEnvironmentVariable("VISUAL", qEnvironmentVariable("EDITOR"));
    if (!editor.isEmpty() && QProcess::startDetached(editor, {Q(path)})) return;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)))) return;
    QMessageBox::warning(
        Parent(), Parent() ? Parent()->windowTitle() : QString(),
        "No editor could be started. Please edit the settings file " + Q(path) + " yourself.");
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::ShowSplash(const GameState& g) {
    // Drawn at the screen's own pixel density, so a 2x display shows it sharp.
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(420, 220) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor("#10203a"));
    QPainter paint(&picture);
    paint.setPen(QColor("#e8d9a0"));
    QFont font = paint.font();
    font.setPointSize(14);
    font.setBold(true);
    paint.setFont(font);
    paint.drawText(QRect(0, 40, 420, 40), Qt::AlignCenter,
                   "Enhanced Astrovane Characters for Windows");
    font.setPointSize(26);
    paint.setFont(font);
    paint.drawText(QRect(0, 90, 420, 60), Qt::AlignCenter, "Astrovane");
    font.setPointSize(10);
    font.setBold(false);
    paint.setFont(font);
    paint.drawText(QRect(0, 170, 420, 30), Qt::AlignCenter, Q(g.session.AppTitle));
    paint.end();
    splash_ = std::make_unique<QSplashScreen>(picture);
    splash_->show();
    QApplication::processEvents();
}

void QtUi::HideSplash() {
    if (splash_) splash_->hide();
}

void QtUi::Refresh(const GameState& g) {
    if (form1_ && form1_->isVisible()) form1_->Render();
    if (form3_ && form3_->isVisible()) form3_->Render();
    (void)g;
    // Paints, but takes no clicks or keys: the engine calls this before its
    // questions, in the middle of its work, where a click must not start
    // another action.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orrimar
