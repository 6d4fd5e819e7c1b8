// The tour's driver.
#include "tools/tour/tour.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <utility>

namespace salvenor::tour {

Tour::Tour(QString outputFolder, std::vector<Stage> stages)
    : folder_(std::move(outputFolder)), stages_(std::move(stages)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &Tour::Poll);
}

void Tour::Start() {
    // Each window closes before the next opens: the program must not end at the first.
    QApplication::setQuitOnLastWindowClosed(false);
    sinceProgress_.start();
    timer_.start();
}

bool Tour::Save(QWidget& widget, const std::string& name) {
    const QImage image = widget.grab().toImage();
    const QString path = folder_ + "/" + QString::fromStdString(name) + ".png";
    if (image.isNull() || !image.save(path, "PNG")) {
        Fail("cannot save " + path.toStdString());
        return false;
    }
    saved_.push_back(name);
    std::printf("%s.png %dx%d\n", name.c_str(), image.width(), image.height());
    std::fflush(stdout);
    return true;
}

void Tour::Settle(int ms) {
    // The timer's own polls wait meanwhile: a step is still working on its window.
    const bool wasBusy = std::exchange(busy_, true);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    busy_ = wasBusy;
}

void Tour::Fail(const std::string& what) {
    const std::string line = stageLabel_ + ": " + what;
    std::fprintf(stderr, "tour: %s\n", line.c_str());
    failures_.push_back(line);
}

void Tour::Close(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
}

void Tour::Poll() {
    if (busy_ || finished_) {
        return;
    }
    QWidget* const modal = QApplication::activeModalWidget();
    QWidget* const popup = QApplication::activePopupWidget();
    if (pending_.empty()) {
        // The stage is over once its windows have closed.
        if ((modal != nullptr && modal->isVisible()) || (popup != nullptr && popup->isVisible())) {
            if (Waited()) {
                Fail("a window stayed open: " +
                     (modal != nullptr ? modal : popup)->windowTitle().toStdString());
                Finish();
            }
            return;
        }
        if (next_ == stages_.size()) {
            Finish();
            return;
        }
        BeginStage();
        return;
    }
    QWidget* const window = pending_.front().popup ? popup : modal;
    if (window == nullptr || !window->isVisible() || window == handled_) {
        if (Waited()) {
            Fail("no " + pending_.front().className + " opened");
            Finish();
        }
        return;
    }
    // Taken once it has been up for a while: pages are built and laid out after showing.
    if (window != seen_) {
        seen_ = window;
        sinceSeen_.start();
        return;
    }
    if (sinceSeen_.elapsed() < SettleMs) {
        return;
    }
    handled_ = window;
    const Step step = std::move(pending_.front());
    pending_.pop_front();
    sinceProgress_.start();
    if (!window->inherits(step.className.c_str())) {
        Fail("expected " + step.className + ", found " + window->metaObject()->className() + " \"" +
             window->windowTitle().toStdString() + "\"");
        Close(*window);
        return;
    }
    busy_ = true;
    step.act(*this, *window);
    busy_ = false;
}

void Tour::BeginStage() {
    Stage& stage = stages_[next_++];
    stageLabel_ = stage.label;
    pending_.assign(stage.steps.begin(), stage.steps.end());
    sinceProgress_.start();
    // From the event loop: the stage's window may run a loop of its own.
    QTimer::singleShot(0, this, [this, open = stage.open] { open(*this); });
}

bool Tour::Waited() {
    return sinceProgress_.elapsed() > PatienceMs;
}

void Tour::Finish() {
    finished_ = true;
    timer_.stop();
    // Leaves every loop, the windows' own included.
    QCoreApplication::exit(status());
}

}  // namespace salvenor::tour
