// Shared by the settings-page tests: a small world city database written with the project's
// writer, a settings folder with a configuration file, and reading a saved file back.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "citydb/city_writer.h"
#include "config/config_file.h"
#include "tests/support/config_records.h"
#include "tests/support/fakes.h"

namespace salvenor::testing {

inline CityRecord City(const std::string& country, const std::string& name, double latitude,
                       double longitude, double altitude) {
    return CityRecord{country, name, latitude, longitude, altitude};
}

// Country list as the page shows it: "Chose Country", Egypt, France, Iceland, then "Not Valid"
// when `withNotValid`. Iceland has no city beginning with A; Egypt's C cities are "Cairo" and
// "Cairo Nord".
inline void WriteSmallWorld(const std::string& directory, bool withNotValid = true) {
    CityDatabaseWriter writer;
    const std::string egypt = "Egypt";
    const std::string france = "France";
    const std::string iceland = "Iceland";
    ASSERT_TRUE(writer.AddCountry(
        {egypt,
         {City(egypt, "Alexandria", 31.2001, 29.9187, 5),
          City(egypt, "Aswan", 24.0889, 32.8998, 194), City(egypt, "Cairo", 30.0444, 31.2357, 23),
          City(egypt, "Cairo Nord", 30.1, 31.3, 30), City(egypt, "Giza", 30.0131, 31.2089, 19),
          City(egypt, "Luxor", 25.6872, 32.6396, 89)}}));
    ASSERT_TRUE(writer.AddCountry(
        {france,
         {City(france, "Avignon", 43.9493, 4.8055, 23), City(france, "Lyon", 45.764, 4.8357, 173),
          City(france, "Paris", 48.8566, 2.3522, 35)}}));
    ASSERT_TRUE(writer.AddCountry({iceland, {City(iceland, "Reykjavik", 64.1466, -21.9426, 14)}}));
    if (withNotValid) {
        ASSERT_TRUE(writer.AddCountryAtEnd("Not Valid"));
    }
    std::string error;
    ASSERT_TRUE(writer.WriteFiles(directory, &error)) << error;
}

// A temporary installation folder: the database (unless a test removes it) and the path of
// the configuration file, which does not exist until something saves.
struct SettingsFolder {
    QTemporaryDir dir;
    RecordingMessageBoxes boxes;
    CConfigFile config{boxes};

    explicit SettingsFolder(bool withDatabase = true, bool withNotValid = true) {
        EXPECT_TRUE(dir.isValid());
        config.configPath = path() + "/zav.cfg";
        if (withDatabase) {
            WriteSmallWorld(path(), withNotValid);
        }
    }
    std::string path() const { return dir.path().toStdString(); }
    bool configSaved() const { return QFileInfo::exists(dir.path() + "/zav.cfg"); }
};

// The record as a fresh start would load it from `path`.
inline ConfigRecord ReadBack(const std::string& path) {
    RecordingMessageBoxes boxes;
    const ConfigRecord record = LoadRecord(path, &boxes);
    EXPECT_TRUE(boxes.entries.empty());
    return record;
}

// The texts of a combo box's entries.
inline std::vector<std::string> Entries(const QComboBox* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) {
        out.push_back(list->itemText(i).toStdString());
    }
    return out;
}

// A choice made in the drop-down list: the list opens, the entry becomes current, the list
// closes, and the close is delivered.
inline void ChooseInDropDown(QComboBox* list, int position) {
    list->showPopup();
    list->setCurrentIndex(position);
    list->hidePopup();
    QApplication::processEvents();
}

// One step down with the keyboard while the list is closed.
inline void KeyDown(QComboBox* list) {
    QTest::keyClick(list, Qt::Key_Down);
}

// Runs `act` on the modal window of type W as soon as it is the active modal window (the
// window's own set-up may run the event loop before its modal loop starts).
template <typename W>
void WhenModalOpens(std::function<void(W&)> act) {
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(*window);
    });
    timer->start();
}

}  // namespace salvenor::testing
