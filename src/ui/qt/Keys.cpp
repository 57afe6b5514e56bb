#include "ui/qt/Keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <functional>
#include <vector>

namespace orrimar {

namespace {

constexpr const char* KeyedProperty = "orrimarKeyed";

struct Captioned {
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

// Where a caption may take its mnemonic: letters and digits, the starts of
// words first.
std::vector<int> Candidates(const QString& caption) {
    std::vector<int> starts, others;
    bool wordStart = true;
    for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == '&') {  // a doubled "&" is a shown ampersand
            ++i;
            wordStart = true;
            continue;
        }
        if (c.isLetterOrNumber()) {
            (wordStart ? starts : others).push_back(i);
            wordStart = false;
        } else {
            wordStart = c.isSpace() || c.isPunct();
        }
    }
    starts.insert(starts.end(), others.begin(), others.end());
    return starts;
}

struct Pending {
    const Captioned* item;
    QString caption;
    std::vector<int> candidates;
    int chosen = -1;  // index into the caption
};

QChar KeyAt(const Pending& p, int index) {
    return p.caption[index].toLower();
}

int FreeCandidates(const Pending& p, const QSet<QChar>& used) {
    QSet<QChar> keys;
    for (int i : p.candidates)
        if (!used.contains(KeyAt(p, i))) keys.insert(KeyAt(p, i));
    return static_cast<int>(keys.size());
}

void Assign(const std::vector<Captioned>& items, QSet<QChar> used) {
    std::vector<Pending> pending;
    for (const auto& item : items) {
        const QString caption = item.get();
        if (const QChar key = MnemonicOf(caption); !key.isNull()) {
            used.insert(key);
        } else if (!caption.isEmpty()) {
            pending.push_back({&item, caption, Candidates(caption)});
        }
    }
    // Captions with the fewest letters to offer choose first, so three
    // "spare" boxes do not find their letters taken by longer captions.
    std::stable_sort(pending.begin(), pending.end(), [&](const Pending& a, const Pending& b) {
        return FreeCandidates(a, used) < FreeCandidates(b, used);
    });
    for (auto& p : pending) {
        for (int i : p.candidates) {
            if (used.contains(KeyAt(p, i))) continue;
            p.chosen = i;
            used.insert(KeyAt(p, i));
            break;
        }
        if (p.chosen >= 0) continue;
        // Every letter taken: one that another caption chose here may move
        // to a letter still free for it.
        for (int i : p.candidates) {
            for (auto& other : pending) {
                if (&other == &p || other.chosen < 0 || KeyAt(other, other.chosen) != KeyAt(p, i))
                    continue;
                for (int j : other.candidates) {
                    if (used.contains(KeyAt(other, j))) continue;
                    other.chosen = j;
                    used.insert(KeyAt(other, j));
                    p.chosen = i;
                    break;
                }
                if (p.chosen >= 0) break;
            }
            if (p.chosen >= 0) break;
        }
    }
    for (const auto& p : pending) {
        if (p.chosen < 0) continue;
        QString marked = p.caption;
        marked.insert(p.chosen, '&');
        p.item->set(marked);
    }
}

Captioned Of(QAction* action) {
    return {[action] { return action->text(); },
            [action](const QString& text) { action->setText(text); }};
}

}  // namespace

QChar MnemonicOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

void SetKeyed(QWidget* button) {
    button->setProperty(KeyedProperty, true);
}

void AddMnemonics(QMenu* menu) {
    std::vector<Captioned> items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        items.push_back(Of(action));
        if (action->menu()) AddMnemonics(action->menu());
    }
    Assign(items, {});
}

void AddMnemonics(QWidget* window) {
    std::vector<Captioned> items;
    QSet<QChar> used;
    // Letters the labels already give their buddies are taken.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() == window && label->buddy())
            if (const QChar key = MnemonicOf(label->text()); !key.isNull()) used.insert(key);
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (box->window() == window)
            if (const QChar key = MnemonicOf(box->title()); !key.isNull()) used.insert(key);
    }
    // The menu bar's titles first: they are the ones a user looks for.
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        if (bar->window() != window) continue;
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) continue;
            items.push_back(Of(action));
            if (action->menu()) AddMnemonics(action->menu());
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // Qt's own helpers (a menu bar's overflow arrow) are not ours to name.
        if (button->window() != window || button->property(KeyedProperty).toBool() ||
            button->objectName().startsWith("qt_"))
            continue;
        items.push_back({[button] { return button->text(); },
                         [button](const QString& text) { button->setText(text); }});
    }
    Assign(items, used);
}

QPushButton* NamedButton(const char* caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

}  // namespace orrimar
