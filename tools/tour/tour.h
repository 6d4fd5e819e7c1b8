// Walks through the program's windows one after another and saves a picture of each. Windows
// open modally (or as pop-up menus), so the walk is driven from a timer that finds the window
// now on top, lets it draw, and runs the step written for it; a step takes its pictures and then
// closes its window or opens the next one from it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace salvenor::tour {

class Tour;

// What is done with a window once it is up and drawn.
using Action = std::function<void(Tour& tour, QWidget& window)>;

struct Step {
    // The class the window must be, as its meta-object names it ("salvenor::CAbout").
    std::string className;
    Action act;
    // A pop-up menu rather than a modal window.
    bool popup = false;
};

// A window opened from the event loop when nothing else is open, and the windows that then open
// in turn (the first of them that one).
struct Stage {
    std::string label;
    std::function<void(Tour& tour)> open;
    std::vector<Step> steps;
};

class Tour final : public QObject {
    Q_OBJECT

  public:
    // How long a window has to be up before its picture is taken, and how long the tour waits
    // for a window before it gives up.
    static constexpr int SettleMs = 150;
    static constexpr int PatienceMs = 15000;

    Tour(QString outputFolder, std::vector<Stage> stages);

    // Starts the walk; when it ends every event loop is left with the tour's status (0 when
    // every step ran and every picture was saved).
    void Start();

    // Saves a picture of the widget as `<name>.png` in the output folder.
    bool Save(QWidget& widget, const std::string& name);
    // Lets the event loop run for a while (a page being built, a tab coming forward).
    void Settle(int ms = SettleMs);
    // Records a failure; the tour goes on, and its status says it failed.
    void Fail(const std::string& what);
    // Closes a window as Escape would.
    static void Close(QWidget& window);

    const std::vector<std::string>& saved() const { return saved_; }
    const std::vector<std::string>& failures() const { return failures_; }
    int status() const { return failures_.empty() ? 0 : 1; }

  private:
    void Poll();
    void BeginStage();
    void Finish();
    bool Waited();

    QString folder_;
    std::vector<Stage> stages_;
    std::size_t next_ = 0;
    std::deque<Step> pending_;
    std::string stageLabel_;
    QTimer timer_;
    QElapsedTimer sinceProgress_;
    QElapsedTimer sinceSeen_;
    QPointer<QWidget> seen_;
    QPointer<QWidget> handled_;
    bool busy_ = false;
    bool finished_ = false;
    std::vector<std::string> saved_;
    std::vector<std::string> failures_;
};

}  // namespace salvenor::tour
