// salvenor-tour: opens every window of the program in turn, at a fixed moment in a fixed place,
// and saves a PNG picture of each.
//
//   salvenor-tour [--out FOLDER] [--stage FOLDER] [--language CODE]
//
// FOLDER for the pictures defaults to the build folder's tour/, the staged installation folder
// to the build's stage/; CODE is a shipped translation ("ar") the windows are shown in. Run it on a
// display (Xvfb will do); the exit status is 0 when every window opened and every picture was
// saved.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>

#include "app/prayer_app.h"
#include "core/local_time.h"
#include "core/texts.h"
#include "platform/clock.h"
#include "platform/qt/language.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/sound_player.h"
#include "tests/support/time_zone.h"
#include "tools/tour/alert_windows.h"
#include "tools/tour/installation.h"
#include "tools/tour/stages.h"
#include "tools/tour/tour.h"

namespace {

// The tour makes no sound: the windows that play one are only being photographed.
class SilentSoundPlayer final : public salvenor::SoundPlayer {
  public:
    void play(const std::string&) override {}
    void stop() override {}
    void beep(int, int) override {}
    bool hasOutputDevice() const override { return true; }
};

int Usage() {
    std::fprintf(stderr,
                 "usage: salvenor-tour [--out FOLDER] [--stage FOLDER] [--language CODE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out = SALVENOR_TOUR_OUT_DIR;
    std::string stage = SALVENOR_STAGE_DIR;
    std::string language;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--out" || arg == "--stage") && i + 1 < argc) {
            (arg == "--out" ? out : stage) = argv[++i];
        } else if (arg == "--language" && i + 1 < argc) {
            language = argv[++i];
        } else {
            return Usage();
        }
    }
    // Cairo's zone, whatever the machine's: the clock below is a Cairo afternoon.
    const salvenor::testing::ScopedTimeZone zone("Africa/Cairo");

    QApplication application(argc, argv);
    QApplication::setApplicationName(salvenor::texts::AppTitle);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!language.empty() && salvenor::InstallLanguage(stage, language) != language) {
        std::fprintf(stderr, "salvenor-tour: no translation %s in %s\n", language.c_str(),
                     stage.c_str());
        return 1;
    }

    const QTemporaryDir installation;
    if (!installation.isValid() || !QDir().mkpath(QString::fromStdString(out))) {
        std::fprintf(stderr, "salvenor-tour: cannot make the folders\n");
        return 1;
    }
    const std::string folder = installation.path().toStdString();
    for (const std::string& problem : {salvenor::tour::PrepareInstallation(stage, folder),
                                       salvenor::tour::WriteTourConfig(folder)}) {
        if (!problem.empty()) {
            std::fprintf(stderr, "salvenor-tour: %s\n", problem.c_str());
            return 1;
        }
    }

    // 15 Ramadan 1446, mid-afternoon: the month pages show the fast, the bar counts to Maghrib.
    salvenor::FakeClock clock(salvenor::MakeLocal(2025, 3, 15, 15, 40, 0));
    salvenor::QtMessageBoxes boxes;
    SilentSoundPlayer sound;
    salvenor::CPrayerApp app({clock, boxes, sound, false, [](int status) {
                                  std::fprintf(stderr, "salvenor-tour: the program ended (%d)\n",
                                               status);
                                  QCoreApplication::exit(1);
                              }});
    salvenor::tour::AlertParts alerts(app.config(), sound, boxes, clock);
    salvenor::tour::Tour tour(QString::fromStdString(out),
                              salvenor::tour::ProgramStages(app, alerts, folder, clock));
    tour.Start();
    const int status = QApplication::exec();

    const std::set<std::string> saved(tour.saved().begin(), tour.saved().end());
    int missing = 0;
    for (const std::string& name : salvenor::tour::ShotNames()) {
        if (saved.count(name) == 0) {
            std::fprintf(stderr, "salvenor-tour: no picture %s.png\n", name.c_str());
            ++missing;
        }
    }
    return status != 0 || missing != 0 || tour.status() != 0 ? 1 : 0;
}
