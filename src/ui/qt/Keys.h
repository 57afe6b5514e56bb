// Keyboard access shared by the desktop windows: every button, check box
// and menu entry gets a mnemonic (Alt and a letter), those whose captions
// come from data files included.
#pragma once

#include <QChar>
#include <QString>

class QMenu;
class QPushButton;
class QWidget;

namespace orrimar {

// Gives every button, check box and menu-bar title of `window` that has no
// mnemonic a letter still free among them (the first letters of words
// first), and the entries of each of its menus one free within that menu.
// Captions that already carry one keep it.
void AddMnemonics(QWidget* window);
// A push button named `name`, by which the keyboard and tests find it.
QPushButton* NamedButton(const char* caption, const char* name);
void AddMnemonics(QMenu* menu);

// A button answered by a key of its own (the term window's digits): it
// gets no letter.
void SetKeyed(QWidget* button);

// The character a caption's "&" marks, in lower case; a null QChar when
// there is none ("&&" is a plain ampersand).
QChar MnemonicOf(const QString& caption);

}  // namespace orrimar
