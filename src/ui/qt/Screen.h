// Window sizes and places that suit the screen: sizes kept within its free
// area (a 2x display has half the room), titles the title bar can show,
// and the main and term windows' places kept between runs.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace orrimar {

// The free area of the screen `window` stands on (its parent's, or the
// primary screen's, before it is shown).
QRect AvailableArea(const QWidget* window);

// Resizes `window` to `width` x `height`, shrunk to fit the free area.
void ResizeWithin(QWidget* window, int width, int height);

// The width a window needs for its title bar to show `title` whole.
int TitleBarWidth(const QWidget* window, const QString& title);
// The widest a short dialog grows for its title; a title needing more is
// shown inside the window instead.
int WidestForTitle(const QWidget* window);

// Puts `window` where it was when `name` was last saved, if that place is
// on a screen; returns whether it did.
bool RestorePlace(QWidget* window, const QString& name);
// Records where `window` stands under `name` (in the settings folder).
void SavePlace(const QWidget* window, const QString& name);

}  // namespace orrimar
