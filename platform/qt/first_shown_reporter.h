// For the start-up figures: with SALVENOR_REPORT_FIRST_SHOWN set in the environment, prints on
// stderr the wall-clock time (nanoseconds since 1970) at which a widget is first painted.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace salvenor {

class FirstShownReporter final : public QObject {
  public:
    // Watches `widget` when the environment asks for the report; does nothing otherwise.
    explicit FirstShownReporter(QWidget& widget) {
        if (std::getenv("SALVENOR_REPORT_FIRST_SHOWN") != nullptr) {
            widget.installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            std::fprintf(stderr, "first-shown %lld\n", static_cast<long long>(ns));
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace salvenor
