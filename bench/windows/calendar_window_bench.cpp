// How long the month calendar window takes to open on a month and to move to the next month:
// the page build (three passes, four files) plus the view's load and layout of the new page,
// with the shipped templates in a scratch installation folder, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBrowser>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "tests/support/installation_folder.h"
#include "windows/arrow_spin.h"
#include "windows/month_calendar_dlg.h"
#include "windows/page_dialogs.h"

namespace salvenor {
namespace {

// The shipped page templates in a scratch installation folder.
class ScratchInstallation : public testing::InstallationFolder {
  public:
    ScratchInstallation() { copyCalendarFrom(SALVENOR_SOURCE_DATA_DIR); }
};

// The dialogs are never opened here.
class NoDialogs final : public PageDialogs {
  public:
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    bool setUpPrinter(QWidget*, QPrinter&) override { return false; }
    void preview(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) override {}
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
};

// The layout of the whole page, as the view does before it paints.
double LayOut(const CMonthCalendarDlg& window) {
    return window.browser()->document()->documentLayout()->documentSize().height();
}

const FakeClock clock{1174474800};  // 21 March 2007
const ShownMonth ramadan{CalendarKind::Hijri, 1427, 9};

void BM_OpenWindow(benchmark::State& state) {
    const ScratchInstallation folder;
    SilentMessageBoxes boxes;
    NoDialogs dialogs;
    for (auto _ : state) {
        CMonthCalendarDlg window(nullptr, boxes, clock, dialogs, folder.path(), ramadan);
        benchmark::DoNotOptimize(LayOut(window));
    }
    if (boxes.count() > 0) {
        state.SkipWithError("a page build reported a failure");
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// As above, and the window shown and painted once (offscreen).
void BM_OpenAndPaintWindow(benchmark::State& state) {
    const ScratchInstallation folder;
    SilentMessageBoxes boxes;
    NoDialogs dialogs;
    for (auto _ : state) {
        CMonthCalendarDlg window(nullptr, boxes, clock, dialogs, folder.path(), ramadan);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
    if (boxes.count() > 0) {
        state.SkipWithError("a page build reported a failure");
    }
}
BENCHMARK(BM_OpenAndPaintWindow)->Unit(benchmark::kMillisecond);

void BM_NextMonth(benchmark::State& state) {
    const ScratchInstallation folder;
    SilentMessageBoxes boxes;
    NoDialogs dialogs;
    CMonthCalendarDlg window(nullptr, boxes, clock, dialogs, folder.path(), ramadan);
    for (auto _ : state) {
        window.monthSpin()->forwardArrow()->click();
        benchmark::DoNotOptimize(LayOut(window));
    }
    if (boxes.count() > 0) {
        state.SkipWithError("a page build reported a failure");
    }
}
BENCHMARK(BM_NextMonth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace salvenor

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
