// The yardstick of the bar's start-up and memory figures: a bare Qt window with one label.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// With SALVENOR_REPORT_FIRST_SHOWN set, prints the wall-clock time (nanoseconds since 1970) at
// which the label is first painted, as the bar does.
class FirstShownReporter final : public QObject {
  public:
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Next: Maghrib at: 6:07 PM");
    FirstShownReporter reporter;
    if (std::getenv("SALVENOR_REPORT_FIRST_SHOWN") != nullptr) {
        label.installEventFilter(&reporter);
    }
    label.show();
    return QApplication::exec();
}
