// The real program in a copy of the staged installation folder, on a virtual X display: its bar
// must appear at the top right, 176 x 42, above other windows, titled with the next prayer.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "bar/schedule.h"
#include "tests/support/config_records.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

constexpr int ScreenWidth = 1280;

// Starts the launcher, waits for the bar's window, prints what xwininfo and xprop say of it and
// ends the program.
constexpr const char* ProbeScript = R"(
cd "$1" || exit 2
./salvenor 2>app.err &
pid=$!
line=""
for i in $(seq 1 100); do
    line=$(xwininfo -root -tree | grep '"Next: ')
    [ -n "$line" ] && break
    sleep 0.1
done
echo "WINDOW $line"
id=$(echo "$line" | awk '{print $1}')
[ -n "$id" ] && xprop -id "$id" _NET_WM_STATE WM_HINTS | sed 's/^/PROP /'
kill $pid
wait $pid 2>/dev/null
exit 0
)";

bool CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target)) {
                return false;
            }
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string TitleNow() {
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    testing::SetCairo(config);
    const SystemClock clock;
    PrayerSchedule schedule(config, clock);
    return schedule.RestartSchedule().title;
}

TEST(XvfbBarWindow, AppearsTopRightWithItsSizeAndTitle) {
    for (const char* tool : {"xvfb-run", "xwininfo", "xprop", "xauth"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            GTEST_SKIP() << tool << " is missing: install xvfb, xauth and x11-utils to run the "
                         << "program on a virtual display";
        }
    }
    const QString stage = QStringLiteral(SALVENOR_STAGE_DIR);
    if (!QFile::exists(stage + "/salvenor-app") || !QFile::exists(stage + "/salvenor")) {
        GTEST_SKIP() << "the staged installation folder " << SALVENOR_STAGE_DIR
                     << " has no program yet: build the salvenor-app and stage_data targets";
    }

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(CopyTree(stage, folder.path()));
    QFile::remove(folder.path() + "/zav.cfg");
    {
        testing::RecordingMessageBoxes boxes;
        CConfigFile config(boxes);
        testing::SetCairo(config);
        config.configPath = (folder.path() + "/zav.cfg").toStdString();
        config.SaveSettings();
        ASSERT_TRUE(boxes.entries.empty());
    }
    const QByteArray savedConfig = ReadAll(folder.path() + "/zav.cfg");
    ASSERT_FALSE(savedConfig.isEmpty());
    const QString script = folder.path() + "/probe.sh";
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ProbeScript);
    }

    std::optional<testing::ScopedTimeZone> zone;
    zone.emplace("Africa/Cairo");
    std::set<std::string> titles{TitleNow()};

    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "Africa/Cairo");
    env.insert("QT_QPA_PLATFORM", "xcb");
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start("xvfb-run", {"-a", "-s", QString("-screen 0 %1x800x24").arg(ScreenWidth), "bash",
                             script, folder.path()});
    const bool finished = probe.waitForFinished(60000);
    titles.insert(TitleNow());  // the minute may have turned meanwhile
    zone.reset();
    if (!finished) {
        probe.kill();
        probe.waitForFinished();
    }
    ASSERT_TRUE(finished) << "the program did not show its window within a minute";
    const QString output = QString::fromLocal8Bit(probe.readAll());
    SCOPED_TRACE(output.toStdString());

    // 0x200006 "Next: Thuhr at: 12:04 PM": ("salvenor-app" "Salvenor")  176x42+1044+0  +1044+0
    const QRegularExpression window(
        R"re(WINDOW\s+0x[0-9a-f]+ "([^"]*)":.*\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))re");
    const QRegularExpressionMatch m = window.match(output);
    ASSERT_TRUE(m.hasMatch()) << "no bar window found";
    EXPECT_EQ(titles.count(m.captured(1).toStdString()), 1u) << m.captured(1).toStdString();
    EXPECT_EQ(m.captured(2).toInt(), 176);
    EXPECT_EQ(m.captured(3).toInt(), 42);
    EXPECT_EQ(m.captured(4).toInt(), ScreenWidth - 236);
    EXPECT_EQ(m.captured(5).toInt(), 0);
    // Above other windows; it can take the input focus when clicked, so that Escape reaches it.
    EXPECT_TRUE(output.contains("_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(output.contains(QRegularExpression("accepts input or input focus: True")));
    // The program read the configuration it was given and wrote nothing back.
    EXPECT_EQ(ReadAll(folder.path() + "/zav.cfg"), savedConfig);
}

}  // namespace
}  // namespace salvenor
