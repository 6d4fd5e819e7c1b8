// The yardstick of the bar's start-up and memory figures: a bare Qt window with one label.
#include <QApplication>
#include <QLabel>

#include "platform/qt/first_shown_reporter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Next: Maghrib at: 6:07 PM");
    const salvenor::FirstShownReporter reporter(label);
    label.show();
    return QApplication::exec();
}
