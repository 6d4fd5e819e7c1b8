// Windows opened from the bar must never cover it: Qt centres a dialog on its parent, and the bar
// is a small strip, so every dialog would land on it. One filter over the whole application moves
// a top-level dialog that would cover the bar below it (or beside it), on screen.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "windows/screen_fit.h"

class QWidget;

namespace salvenor {

// The gap left between the bar and a window placed next to it.
inline constexpr int BarClearance = 6;

// Where a window (its outer frame, `frame`) goes so that it does not cover `bar` and stays
// inside `available` (the screen without its panels). A window that does not touch the bar stays
// where it is. Otherwise, in this order: below the bar with its right edge under the bar's right
// edge, left of the bar, right of it, above it; the first that keeps clear of the bar once it is
// pushed inside the screen. If none can, below the bar, pushed inside the screen.
QRect PlaceClearOfBar(const QRect& frame, const QRect& bar, const QRect& available);

class CBarClearance final : public QObject {
    Q_OBJECT

  public:
    // Watches every window of the application (install it on the application object).
    explicit CBarClearance(QObject* parent = nullptr);

    // The bar that dialogs must keep clear of; none while it is not set.
    void setBar(QWidget* bar);

    // A window manager's frame before it has been measured: title bar and borders.
    static constexpr QMargins AssumedFrame{4, 28, 4, 4};

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Place(QWidget* window) const;

    QPointer<QWidget> bar_;
};

}  // namespace salvenor
