#include "ui/qt/Dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTextCursor>
#include <QVBoxLayout>

#include "model/Game.h"
#include "ui/Dialogs.h"
#include "ui/qt/QtUi.h"

namespace orrimar {

namespace {
// A button caption from data: an "&" is shown, not taken as a shortcut mark.
QString Caption(const std::string& text) {
    return Q(text).replace('&', "&&");
}
}  // namespace

void CentreOnScreen(QWidget* w) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
}

PickBox::PickBox(QWidget* parent, const std::vector<std::string>& choices, const std::string& title)
    : QDialog(parent) {
    setObjectName("SPICKBOX");
    setWindowTitle(Q(title));
    size_t longest = 0;
    for (const auto& c : choices) longest = std::max(longest, c.size());
    const int n = static_cast<int>(choices.size());
    const int L = static_cast<int>(longest);
    // One column of buttons, a row of 500 units each, with half a row and a
    // little more above and below: the window is 500 x (n + 1) units high.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(Twips(100));
    layout->setContentsMargins(0, Twips(300), 0, Twips(300));
    int buttonWidth = Twips(100 * L + 150);
    std::vector<QPushButton*> buttons;
    for (int k = 0; k < n; ++k) {
        auto* button = new QPushButton(Caption(choices[k]), this);
        button->setObjectName(QString("Command1_%1").arg(k + 1));
        button->setAutoDefault(false);
        // The units assume an average letter; a wide font still shows every caption.
        buttonWidth =
            std::max(buttonWidth, button->fontMetrics().horizontalAdvance(button->text()) + 16);
        buttons.push_back(button);
        connect(button, &QPushButton::clicked, this, [this, k] {
            choice_ = k + 1;
            accept();
        });
    }
    for (auto* button : buttons) {
        button->setFixedSize(buttonWidth, Twips(400));
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    setFixedSize(std::max(Twips(100 * L + 800), buttonWidth + Twips(650)),
                 std::max(Twips(500 * (n + 1)), layout->minimumSize().height()));
    CentreOnScreen(this);
}

PickListDialog::PickListDialog(QWidget* parent, Game& g, PickListModel& list)
    : QDialog(parent), g_(g), list_(list) {
    setObjectName("SLIST1");
    setWindowTitle("Select from list");
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(Q(list.Prompt));
    prompt->setObjectName("Label1");
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    items_ = new QListWidget;
    items_->setObjectName("List1");
    items_->setSelectionMode(QAbstractItemView::MultiSelection);
    items_->installEventFilter(this);
    layout->addWidget(items_, 1);
    auto* row = new QHBoxLayout;
    auto add = [&](const char* caption, const char* name) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* ok = add("&OK", "cmdOK");
    QPushButton* cancel = add("&Cancel", "cmdCancel");
    QPushButton* all = add("All", "cmdAll");
    QPushButton* none = add("None", "cmdNone");
    QPushButton* match = add("MatchMark", "cmdMatchMark");
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(items_, &QListWidget::itemDoubleClicked, this, [this] { Ok(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        PickListCancel(list_);
        Push();
        reject();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        PickListAll(list_);
        Push();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        PickListNone(list_);
        Push();
    });
    connect(match, &QPushButton::clicked, this, [this] {
        Pull();
        std::string text =
            g_.ui.InputText("Select all entries containing this string", g_.AppTitle, "");
        PickListMatchMark(list_, text);
        Push();
    });
    Push();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        resize(std::max(width(), area.width() / 2), std::max(height(), area.height() * 3 / 4));
    }
    CentreOnScreen(this);
}

void PickListDialog::Push() {
    items_->clear();
    for (size_t i = 0; i < list_.Items.size(); ++i) {
        auto* item = new QListWidgetItem(Q(list_.Items[i].Text), items_);
        item->setSelected(i < list_.Selected.size() && list_.Selected[i]);
    }
    if (list_.Current >= 0 && list_.Current < items_->count()) {
        items_->setCurrentRow(list_.Current, QItemSelectionModel::NoUpdate);
        items_->scrollToItem(items_->item(list_.Current));
    }
}

void PickListDialog::Pull() {
    for (int i = 0; i < items_->count() && i < static_cast<int>(list_.Selected.size()); ++i)
        list_.Selected[i] = items_->item(i)->isSelected();
    list_.Current = items_->currentRow();
}

void PickListDialog::Ok() {
    Pull();
    std::string problem = PickListOkCheck(list_);
    if (!problem.empty()) {
        g_.ui.Message(problem, g_.AppTitle, MsgIcon::None);
        return;
    }
    cancelled_ = false;
    accept();
}

bool PickListDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list acts as OK.
    if (watched == items_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Ok();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PickListDialog::Finish() {
    if (cancelled_) PickListCancel(list_);
}

SkillTableDialog::SkillTableDialog(QWidget* parent, Game& g, SkillTableChooserModel& chooser)
    : QDialog(parent), g_(g), chooser_(chooser) {
    setObjectName("Form2");
    setWindowTitle(Q(g.AppTitle));
    auto* layout = new QHBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    menuBar->addAction("Options...", this, [this] { Guarded([this] { g_.ui.ShowOptions(g_); }); });
    layout->setMenuBar(menuBar);
    auto* frame = new QGroupBox("Select skill table");
    frame->setObjectName("Frame1");
    frame_ = frame;
    frame->installEventFilter(this);
    frame->setMouseTracking(true);
    auto* column = new QVBoxLayout(frame);
    for (int k = 1; k <= 10; ++k) {
        auto* b = new QPushButton(Caption(chooser.Button[k].Caption), frame);
        b->setObjectName(QString("Option1_%1").arg(k));
        b->setAutoDefault(false);
        b->installEventFilter(this);
        column->addWidget(b);
        b->setVisible(chooser.Button[k].Visible);
        buttons_[k] = b;
        connect(b, &QPushButton::clicked, this, [this, k] {
            choice_ = k;
            accept();
        });
    }
    column->addStretch();
    auto* mine = new QPushButton("Select for me, please!", frame);
    mine->setObjectName("cmdRandom");
    mine->setAutoDefault(false);
    column->addWidget(mine);
    connect(mine, &QPushButton::clicked, this, [this] {
        choice_ = SkillTableRandomButton(g_);
        accept();
    });
    layout->addWidget(frame);

    hover_ = new QLabel(this);
    hover_->setObjectName("Panel3D1");
    hover_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    hover_->setFrameShape(QFrame::Panel);
    hover_->setFrameShadow(QFrame::Sunken);
    hover_->setMargin(6);
    // The panel keeps its place while hidden and is sized for the longest
    // table offered: showing it must not move the buttons from under the
    // pointer, which would hide it again at once.
    QSize largest(Twips(3600), 0);
    for (int k = 1; k <= 10; ++k) {
        if (!chooser.Button[k].Visible) continue;
        hover_->setText(PanelText(k));
        largest = largest.expandedTo(hover_->sizeHint());
    }
    hover_->clear();
    hover_->setMinimumSize(largest);
    QSizePolicy policy = hover_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    hover_->setSizePolicy(policy);
    hover_->hide();
    layout->addWidget(hover_, 1);
}

QString SkillTableDialog::PanelText(int k) const {
    QString text = Q(SkillTableHoverText(g_, k));
    text.remove('\r');
    return text.trimmed();
}

void SkillTableDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Against the right edge of the screen, its bottom a little above the bottom.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.right() - frameGeometry().width() + 1,
             area.bottom() - frameGeometry().height() - Twips(300));
    }
}

bool SkillTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
        for (int k = 1; k <= 10; ++k) {
            if (watched == buttons_[k]) {
                chooser_.HoverText = SkillTableHoverText(g_, k);
                chooser_.HoverVisible = true;
                hover_->setText(PanelText(k));
                hover_->show();
                return false;
            }
        }
    }
    if (watched == frame_ && event->type() == QEvent::MouseMove) {
        chooser_.HoverVisible = false;
        hover_->hide();
    }
    return QDialog::eventFilter(watched, event);
}

TextViewerDialog::TextViewerDialog(QWidget* parent, const TextViewerModel& viewer)
    : QDialog(parent), title_(Q(viewer.TitleLine)) {
    setObjectName("SLIST4");
    setWindowTitle(title_);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title_);
    heading->setObjectName("Label1");
    layout->addWidget(heading);
    text_ = new QPlainTextEdit;
    text_->setObjectName("Text1");
    QString body = Q(viewer.Text);
    body.remove('\r');
    text_->setPlainText(body);
    if (!viewer.FontName.empty()) {
        QFont font(Q(viewer.FontName), viewer.FontSize > 0 ? viewer.FontSize : 10);
        font.setStyleHint(QFont::Monospace);
        text_->setFont(font);
    }
    text_->installEventFilter(this);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setObjectName("cmdOK");
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("cmdCancel");
    auto* printAll = new QPushButton("Print all");
    printAll->setObjectName("cmdPrintAll");
    auto* printSel = new QPushButton("Print sel'n");
    printSel->setObjectName("cmdPrintSel");
    for (auto* b : {ok, cancel, printAll, printSel}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printAll, &QPushButton::clicked, this, [this] { Print(false); });
    connect(printSel, &QPushButton::clicked, this, [this] { Print(true); });
    resize(720, 520);
    CentreOnScreen(this);
}

std::string TextViewerDialog::Text() const {
    QString text = text_->toPlainText();
    text.replace("\n", "\r\n");
    return S(text);
}

bool TextViewerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F5) {
            text_->moveCursor(QTextCursor::End);
            text_->insertPlainText(Q(DateTimeStamp()));
            text_->moveCursor(QTextCursor::End);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextViewerDialog::Print(bool selectionOnly) {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QString body = selectionOnly ? text_->textCursor().selectedText() : text_->toPlainText();
    body.replace(QChar::ParagraphSeparator, '\n');
    QPainter paint(&printer);
    QFont bold("Times New Roman", 10);
    bold.setBold(true);
    paint.setFont(bold);
    QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    page.moveTo(0, 0);
    const int lineHeight = paint.fontMetrics().height();
    int y = lineHeight;
    paint.drawText(0, y, title_);
    QFont plain("Times New Roman", 10);
    paint.setFont(plain);
    y += 2 * lineHeight;
    const int charWidth = std::max(1, paint.fontMetrics().averageCharWidth());
    for (const auto& line : WrapWords(S(body), static_cast<size_t>(page.width() / charWidth))) {
        if (y > page.height()) {
            printer.newPage();
            y = lineHeight;
        }
        paint.drawText(0, y, Q(line));
        y += lineHeight;
    }
}

AboutDialog::AboutDialog(QWidget* parent, Game& g) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Orrimar Character Generator");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("<b>Orrimar Character Generator</b>"));
    layout->addWidget(new QLabel(Q(g.AppTitle)));
    layout->addWidget(
        new QLabel("Characters for the Astrovane science-fiction role-playing game."));
    layout->addWidget(new QLabel(""));
    auto* row = new QHBoxLayout;
    auto* info = new QPushButton("&System Info...");
    info->setObjectName("cmdSysInfo");
    auto* ok = new QPushButton("OK");
    ok->setObjectName("cmdOK");
    row->addWidget(info);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this, [&g] {
        for (const char* tool :
             {"hardinfo", "gnome-system-monitor", "ksysguard", "xfce4-taskmanager"}) {
            QString path = QStandardPaths::findExecutable(tool);
            if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
        }
        g.ui.Message("System Information Is Unavailable At This Time", g.AppTitle, MsgIcon::None);
    });
    adjustSize();
    CentreOnScreen(this);
}

}  // namespace orrimar
