// The arrow pair of the month calendar's spins.
#include "windows/arrow_spin.h"

#include <QBoxLayout>
#include <QToolButton>

namespace salvenor {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);  // held down, it keeps stepping as a spin does
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

}  // namespace

ArrowSpin::ArrowSpin(Qt::Orientation orientation, const QString& forwardName,
                     const QString& backName, QWidget* parent)
    : QWidget(parent),
      forward_(
          MakeArrow(orientation == Qt::Vertical ? Qt::UpArrow : Qt::RightArrow, forwardName, this)),
      back_(
          MakeArrow(orientation == Qt::Vertical ? Qt::DownArrow : Qt::LeftArrow, backName, this)) {
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (orientation == Qt::Vertical) {
        forward_->setFixedHeight(forward_->sizeHint().height() / 2 + 2);
        back_->setFixedHeight(back_->sizeHint().height() / 2 + 2);
        layout->addWidget(forward_);
        layout->addWidget(back_);
    } else {
        layout->addWidget(back_);
        layout->addWidget(forward_);
    }
    setTabOrder(orientation == Qt::Vertical ? forward_ : back_,
                orientation == Qt::Vertical ? back_ : forward_);
    connect(forward_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
    connect(back_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
}

}  // namespace salvenor
