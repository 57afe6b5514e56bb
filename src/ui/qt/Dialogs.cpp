#include "ui/qt/Dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
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
#include <QStandardPaths>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextCursor>
#include <QVBoxLayout>

#include "model/Game.h"
#include "ui/Dialogs.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"

namespace orrimar {

namespace {
// A button caption from data: an "&" is shown, not taken as a shortcut mark.
QString Caption(const std::string& text) {
    return Q(text).replace('&', "&&");
}

// In a list where several rows may be chosen, only a chosen row wears the
// selection's colour: the keyboard's row is outlined with dots in the text's
// colour (a style's focus frame, or the pointer's hover, in the selection's
// colour reads as chosen).
class ChosenOnlyDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        const bool chosen = option.state & QStyle::State_Selected;
        const bool focus = option.state & QStyle::State_HasFocus;
        if (!chosen) plain.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        QStyledItemDelegate::paint(painter, plain, index);
        if (chosen || !focus) return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};
}  // namespace

void CentreOnScreen(QWidget* w) {
    // A window larger than the screen keeps its top left corner on it.
    const QRect area = AvailableArea(w);
    w->move(std::max(area.left(), area.center().x() - w->width() / 2),
            std::max(area.top(), area.center().y() - w->height() / 2));
}

PickBox::PickBox(QWidget* parent, const std::vector<std::string>& choices, const std::string& title)
    : QDialog(parent) {
    setObjectName("SPICKBOX");
    const QString question = Q(title);
    setWindowTitle(question);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(300), Twips(200), Twips(300), Twips(300));
    layout->setSpacing(Twips(200));
    // The title bar cuts a long question short, and two questions alike
    // there look the same: the window asks it in full.
    auto* label = new QLabel(question, this);
    label->setObjectName("Question");
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);

    const int n = static_cast<int>(choices.size());
    int buttonWidth = 0;
    std::vector<QPushButton*> buttons;
    for (int k = 0; k < n; ++k) {
        auto* button = new QPushButton(Caption(choices[k]), this);
        button->setObjectName(QString("Command1_%1").arg(k + 1));
        // Enter presses the button with the focus, Escape closes (no choice).
        button->setAutoDefault(true);
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
        buttons.push_back(button);
        connect(button, &QPushButton::clicked, this, [this, k] {
            choice_ = k + 1;
            accept();
        });
    }
    AddMnemonics(this);
    // One column while it fits the screen's height, more columns otherwise
    // (the box offers up to 19 choices; a 2x display has half the room).
    auto* grid = new QGridLayout;
    grid->setSpacing(Twips(100));
    const int rowHeight = (n > 0 ? buttons[0]->sizeHint().height() : 0) + grid->spacing();
    const int room = AvailableArea(parent).height() * 3 / 4 - 4 * rowHeight;
    const int fit = std::max(1, rowHeight > 0 ? room / rowHeight : n);
    const int columns = std::max(1, (n + fit - 1) / fit);
    const int rows = std::max(1, (n + columns - 1) / columns);
    for (int k = 0; k < n; ++k) {
        buttons[k]->setMinimumWidth(buttonWidth);
        grid->addWidget(buttons[k], k % rows, k / rows);
    }
    layout->addLayout(grid);

    // Wide enough for the buttons and, within reason, for the question on
    // one line and the title bar; a longer question wraps.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int buttonsWidth = columns * buttonWidth + (columns - 1) * grid->spacing();
    const int questionWidth = std::min(label->fontMetrics().horizontalAdvance(question),
                                       45 * fontMetrics().averageCharWidth());
    const int width = std::max({buttonsWidth + margins, questionWidth + margins,
                                std::min(TitleBarWidth(this, question), WidestForTitle(this) / 2)});
    setFixedSize(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                    : layout->totalSizeHint().height());
    CentreOnScreen(this);
    if (n > 0) buttons[0]->setFocus();
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
    items_->setItemDelegate(new ChosenOnlyDelegate(items_));
    items_->installEventFilter(this);
    layout->addWidget(items_, 1);
    auto* row = new QHBoxLayout;
    auto add = [&](const char* caption, const char* name) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        row->addWidget(b);
        return b;
    };
    QPushButton* ok = add("&OK", "cmdOK");
    QPushButton* cancel = add("&Cancel", "cmdCancel");
    QPushButton* all = add("&All", "cmdAll");
    QPushButton* none = add("&None", "cmdNone");
    QPushButton* match = add("&MatchMark", "cmdMatchMark");
    // Enter is OK (a focused button presses itself), Escape Cancel.
    ok->setDefault(true);
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
            g_.ui.InputText("Select all entries containing this string", g_.session.AppTitle, "");
        PickListMatchMark(list_, text);
        Push();
    });
    Push();
    // Sized to its rows: as tall as they need within three quarters of the
    // screen (a scroll bar beyond), as wide as the longest.
    const QRect area = AvailableArea(parent);
    const int frame = 2 * items_->frameWidth();
    const int rowHeight = std::max(items_->sizeHintForRow(0), items_->fontMetrics().height());
    const int listHeight = frame + std::max(3, items_->count()) * rowHeight;
    const int listWidth = frame + items_->sizeHintForColumn(0) +
                          items_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          items_->fontMetrics().averageCharWidth() * 2;
    const QMargins margins = layout->contentsMargins();
    const int chrome = sizeHint().height() - items_->sizeHint().height();
    ResizeWithin(this, std::max(sizeHint().width(), listWidth + margins.left() + margins.right()),
                 std::min(chrome + listHeight, area.height() * 3 / 4));
    CentreOnScreen(this);
    items_->setFocus();
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
        g_.ui.Message(problem, g_.session.AppTitle, MsgIcon::None);
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
    setWindowTitle(Q(g.session.AppTitle));
    auto* layout = new QHBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    menuBar->addAction("&Options...", this, [this] { Guarded([this] { g_.ui.ShowOptions(g_); }); });
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
        // Enter presses the button with the focus, Escape lets the dice choose.
        b->setAutoDefault(true);
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
    auto* mine = new QPushButton("Select for &me, please!", frame);
    mine->setObjectName("cmdRandom");
    column->addWidget(mine);
    connect(mine, &QPushButton::clicked, this, [this] {
        choice_ = 0;  // the dice choose, as when the window is closed
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
    AddMnemonics(this);
    for (int k = 1; k <= 10; ++k) {
        if (chooser.Button[k].Visible) {
            buttons_[k]->setFocus();
            break;
        }
    }
}

QString SkillTableDialog::PanelText(int k) const {
    QString text = Q(SkillTableHoverText(g_, k));
    text.remove('\r');
    return text.trimmed();
}

void SkillTableDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Against the right edge of the screen, its bottom a little above the
    // bottom; never past its top left corner on a small screen.
    const QRect area = AvailableArea(this);
    move(std::max(area.left(), area.right() - frameGeometry().width() + 1),
         std::max(area.top(), area.bottom() - frameGeometry().height() - Twips(300)));
}

bool SkillTableDialog::eventFilter(QObject* watched, QEvent* event) {
    // The pointer over a button shows its table, and so does the keyboard's focus.
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter ||
        event->type() == QEvent::FocusIn) {
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
        // A table set in columns needs letters of one width: where the font
        // named is missing, or not of fixed pitch, the system's fixed font.
        QFont font(Q(viewer.FontName), viewer.FontSize > 0 ? viewer.FontSize : 10);
        font.setStyleHint(QFont::Monospace);
        if (!QFontInfo(font).fixedPitch()) {
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            font.setPointSize(viewer.FontSize > 0 ? viewer.FontSize : 10);
        }
        text_->setFont(font);
        fixedPitch_ = true;
    }
    text_->installEventFilter(this);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("cmdOK");
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("cmdCancel");
    auto* printAll = new QPushButton("Print &all");
    printAll->setObjectName("cmdPrintAll");
    auto* printSel = new QPushButton("Print &sel'n");
    printSel->setObjectName("cmdPrintSel");
    // Enter in the text is a new line; on a button it presses that button.
    ok->setDefault(true);
    for (auto* b : {ok, cancel, printAll, printSel}) row->addWidget(b);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printAll, &QPushButton::clicked, this, [this] { Print(false); });
    connect(printSel, &QPushButton::clicked, this, [this] { Print(true); });
    ResizeWithin(this, 720, 520);
    CentreOnScreen(this);
    text_->setFocus();
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
    // A text shown in columns prints in the same fixed-pitch font, so they align.
    const QFont plain = fixedPitch_ ? text_->font() : QFont("Times New Roman", 10);
    QFont bold = plain;
    bold.setBold(true);
    paint.setFont(bold);
    QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    page.moveTo(0, 0);
    const int lineHeight = paint.fontMetrics().height();
    int y = lineHeight;
    paint.drawText(0, y, title_);
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
    layout->addWidget(new QLabel(Q(g.session.AppTitle)));
    layout->addWidget(
        new QLabel("Characters for the Astrovane science-fiction role-playing game."));
    layout->addWidget(new QLabel(""));
    auto* row = new QHBoxLayout;
    auto* info = new QPushButton("&System Info...");
    info->setObjectName("cmdSysInfo");
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
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
        g.ui.Message("System Information Is Unavailable At This Time", g.session.AppTitle,
                     MsgIcon::None);
    });
    adjustSize();
    CentreOnScreen(this);
}

}  // namespace orrimar
