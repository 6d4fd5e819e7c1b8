// Plays the user in modal windows that open one after another: each step waits until a new
// modal window is up, records its title, and acts on it (a step must close its window, or open
// the next one from it). Steps left over when the script is destroyed are reported as failures.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace salvenor::testing {

class ModalScript {
  public:
    using Step = std::function<void(QWidget&)>;

    ModalScript() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    }
    ~ModalScript() {
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal window(s) never opened";
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Adds a step for the next window to open.
    ModalScript& then(Step step) {
        steps_.push_back(std::move(step));
        timer_.start();
        return *this;
    }

    // The titles of the windows the steps acted on, in order.
    std::vector<std::string> titles;

    bool done() const { return steps_.empty(); }

  private:
    void Poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || !window->isVisible() || window == last_) {
            return;
        }
        last_ = window;
        titles.push_back(window->windowTitle().toStdString());
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        if (steps_.empty()) {
            timer_.stop();
        }
        step(*window);
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QPointer<QWidget> last_;
};

// Closes every modal window that opens while it lives (as Escape would), recording its title:
// for code that must open none.
class ModalCatcher {
  public:
    ModalCatcher() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                dialog != nullptr && dialog->isVisible()) {
                titles.push_back(dialog->windowTitle().toStdString());
                dialog->reject();
            }
        });
        timer_.start();
    }
    std::vector<std::string> titles;

  private:
    QTimer timer_;
};

// Steps.
inline ModalScript::Step Accept() {
    return [](QWidget& window) { static_cast<QDialog&>(window).accept(); };
}
inline ModalScript::Step Reject() {
    return [](QWidget& window) { static_cast<QDialog&>(window).reject(); };
}
// Clicks the window's button that shows `text`.
inline ModalScript::Step ClickButton(const QString& text) {
    return [text](QWidget& window) {
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->text() == text) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString() << " in "
                      << window.windowTitle().toStdString();
        static_cast<QDialog&>(window).reject();
    };
}
// Runs `check` on the window, then closes it.
inline ModalScript::Step Inspect(std::function<void(QWidget&)> check) {
    return [check = std::move(check)](QWidget& window) {
        check(window);
        if (auto* dialog = qobject_cast<QDialog*>(&window);
            dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    };
}

}  // namespace salvenor::testing
