#include "ui/qt/Screen.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "session/WindowPlaces.h"
#include "text/Settings.h"
#include "ui/qt/QtUi.h"

namespace orrimar {

namespace {
// Title bars set their text in a bold face and keep room for an icon and
// three buttons, about eight lines' height in all.
QFontMetrics TitleMetrics(const QWidget* window) {
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font);
}
}  // namespace

QRect AvailableArea(const QWidget* window) {
    QScreen* screen = nullptr;
    if (window)
        screen = window->isVisible() || !window->parentWidget() ? window->screen()
                                                                : window->parentWidget()->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void ResizeWithin(QWidget* window, int width, int height) {
    const QRect area = AvailableArea(window);
    window->resize(std::min(width, area.width()), std::min(height, area.height()));
}

int TitleBarWidth(const QWidget* window, const QString& title) {
    const QFontMetrics metrics = TitleMetrics(window);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

int WidestForTitle(const QWidget* window) {
    const QFontMetrics metrics = TitleMetrics(window);
    return std::min(AvailableArea(window).width() * 3 / 5,
                    70 * metrics.averageCharWidth() + 8 * metrics.height());
}

bool RestorePlace(QWidget* window, const QString& name) {
    const auto place = ReadWindowPlace(SettingsFolder(), S(name));
    if (!place) return false;
    const QRect saved(place->X, place->Y, place->Width, place->Height);
    // A place on a screen since unplugged is no place to open on.
    QScreen* screen = QGuiApplication::screenAt(saved.center());
    if (!screen) return false;
    const QRect area = screen->availableGeometry();
    const QSize size = saved.size().boundedTo(area.size());
    window->resize(size);
    window->move(std::clamp(saved.x(), area.left(), area.right() + 1 - size.width()),
                 std::clamp(saved.y(), area.top(), area.bottom() + 1 - size.height()));
    if (place->Maximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return true;
}

void SavePlace(const QWidget* window, const QString& name) {
    const bool maximized = window->isMaximized();
    const QRect r = maximized ? window->normalGeometry() : QRect(window->pos(), window->size());
    if (r.width() <= 0 || r.height() <= 0) return;
    // A place that cannot be kept only costs the default place next time.
    WriteWindowPlace(SettingsFolder(), S(name), {r.x(), r.y(), r.width(), r.height(), maximized});
}

}  // namespace orrimar
