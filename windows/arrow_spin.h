// A pair of arrow buttons without an edit of their own: up over down, or left beside right. Each
// press reports a step the way the month calendar counts it: -1 for the up or right arrow (on to
// a later year or month), +1 for the down or left arrow.
#pragma once

#include <QWidget>

class QToolButton;

namespace salvenor {

class ArrowSpin : public QWidget {
    Q_OBJECT

  public:
    // `forwardName` and `backName` are the accessible names of the two arrows.
    ArrowSpin(Qt::Orientation orientation, const QString& forwardName, const QString& backName,
              QWidget* parent = nullptr);

    QToolButton* forwardArrow() const { return forward_; }
    QToolButton* backArrow() const { return back_; }

  signals:
    void stepped(int step);

  private:
    QToolButton* forward_;
    QToolButton* back_;
};

}  // namespace salvenor
