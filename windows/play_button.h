// A picture button that plays a sound: a raised face with a play triangle, sunken while pressed.
// It takes the keyboard focus like any button and shows it with a dotted frame.
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace salvenor {

class CPlayButton final : public QAbstractButton {
    Q_OBJECT

  public:
    explicit CPlayButton(QWidget* parent = nullptr);

    // The face while up (raised) or pressed (sunken, the triangle one pixel down and right).
    static QImage Face(bool pressed);
    static constexpr int FaceWidth = 23;
    static constexpr int FaceHeight = 21;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage up_;
    const QImage down_;
};

}  // namespace salvenor
