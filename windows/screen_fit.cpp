// Keeping a window on screen.
#include "windows/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace salvenor {

QRect KeepInside(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    const int x =
        std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y =
        std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    placed.moveTopLeft(QPoint(x, y));
    return placed;
}

QRect CentredInside(const QPoint& centre, const QSize& size, const QRect& available) {
    const QPoint topLeft = centre - QPoint(size.width() / 2, size.height() / 2);
    return KeepInside(QRect(topLeft, size), available);
}

void MoveCentredOnScreen(QWidget& window, const QScreen* screen, std::optional<QPoint> centre) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    window.move(CentredInside(centre.value_or(area.center()), window.frameGeometry().size(), area)
                    .topLeft());
}

}  // namespace salvenor
