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

QRect KeepOnScreens(const QRect& frame, const std::vector<QRect>& areas) {
    if (areas.empty()) {
        return frame;
    }
    const QRect* best = &areas.front();
    long long bestOverlap = 0;
    for (const QRect& area : areas) {
        const QRect common = area.intersected(frame);
        const long long overlap = common.isEmpty() ? 0 : 1LL * common.width() * common.height();
        if (overlap > bestOverlap) {
            best = &area;
            bestOverlap = overlap;
        }
    }
    return KeepInside(frame, *best);
}

std::vector<QRect> AvailableScreenAreas() {
    std::vector<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        areas.push_back(primary->availableGeometry());
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            areas.push_back(screen->availableGeometry());
        }
    }
    return areas;
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
