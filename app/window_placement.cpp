// Keeping dialogs clear of the bar.
#include "app/window_placement.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace salvenor {

QRect PlaceClearOfBar(const QRect& frame, const QRect& bar, const QRect& available) {
    const QRect zone =
        bar.marginsAdded(QMargins(BarClearance, BarClearance, BarClearance, BarClearance));
    if (!frame.intersects(zone)) {
        return frame;
    }
    const int w = frame.width();
    const int h = frame.height();
    const QRect below(bar.right() + 1 - w, zone.bottom() + 1, w, h);
    const QRect candidates[] = {
        below, QRect(zone.left() - w, bar.top(), w, h),    // left of the bar
        QRect(zone.right() + 1, bar.top(), w, h),          // right of it
        QRect(bar.right() + 1 - w, zone.top() - h, w, h),  // above it
    };
    for (const QRect& candidate : candidates) {
        const QRect placed = KeepInside(candidate, available);
        if (!placed.intersects(bar)) {
            return placed;
        }
    }
    return KeepInside(below, available);
}

CBarClearance::CBarClearance(QObject* parent) : QObject(parent) {}

void CBarClearance::setBar(QWidget* bar) {
    bar_ = bar;
}

bool CBarClearance::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes before the window is mapped: moving it now, it appears in its place.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && qobject_cast<QDialog*>(window) != nullptr) {
            Place(window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void CBarClearance::Place(QWidget* window) const {
    if (bar_.isNull() || window == bar_ || !bar_->isVisible()) {
        return;
    }
    QRect frame = window->frameGeometry();
    if (frame == window->geometry()) {
        frame = frame.marginsAdded(AssumedFrame);
    }
    const QScreen* screen = bar_->screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : bar_->frameGeometry().united(frame);
    const bool centredByQt = !window->testAttribute(Qt::WA_Moved);
    if (centredByQt) {
        // The dialog's own show handler centres it on its parent's window after this event, as
        // long as nothing moved it: do that here, so that the place can be judged now.
        const QWidget* parent = window->parentWidget();
        const QWidget* owner = parent != nullptr ? parent->window() : nullptr;
        frame =
            CentredInside(owner != nullptr && owner->isVisible() ? owner->frameGeometry().center()
                                                                 : available.center(),
                          frame.size(), available);
    }
    const QRect placed = PlaceClearOfBar(frame, bar_->frameGeometry(), available);
    if (centredByQt || placed != frame) {
        // A top-level window's position is that of its frame; once moved, the dialog keeps it.
        window->move(placed.topLeft());
    }
}

}  // namespace salvenor
