// Two starts of the real program in one installation folder, on the offscreen platform: the
// second ends with 0 within two seconds and the first comes forward; a first copy killed with
// SIGKILL does not keep the next start out.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/app/app_test_support.h"

namespace salvenor {
namespace {

class TwoCopiesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = QStringLiteral(SALVENOR_STAGE_DIR "/salvenor-app");
        if (!QFile::exists(program)) {
            GTEST_SKIP() << "build the salvenor-app target first";
        }
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(runtime.isValid());
        testing::RecordingMessageBoxes quiet;
        CConfigFile config(quiet);
        testing::SetCairo(config);
        config.configPath = (folder.path() + "/zav.cfg").toStdString();
        config.SaveSettings();
        ASSERT_TRUE(quiet.entries.empty());
        // No tray here: the notice about it was given already.
        QFile ini(folder.path() + "/salvenor.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[notices]\nnoTrayExplained=true\n");
    }

    void TearDown() override {
        for (QProcess* p : {&first, &second, &third}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    void Launch(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("SALVENOR_REPORT_FIRST_SHOWN", "1");
        env.insert("SALVENOR_REPORT_ACTIVATION", "1");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder.path());
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    // Waits until the process has written `line` on stderr; false when it ends or 10 s pass.
    static bool WaitFor(QProcess& process, const QByteArray& line, QByteArray& seen) {
        for (int i = 0; i < 200 && !seen.contains(line); ++i) {
            if (!process.waitForReadyRead(50) && process.state() == QProcess::NotRunning) {
                break;
            }
            seen += process.readAllStandardError();
        }
        return seen.contains(line);
    }

    QString program;
    QTemporaryDir folder;
    QTemporaryDir runtime;
    QProcess first;
    QProcess second;
    QProcess third;
};

TEST_F(TwoCopiesTest, SecondStartRaisesTheFirstAndEnds) {
    QByteArray firstErr;
    Launch(first);
    ASSERT_TRUE(WaitFor(first, "first-shown", firstErr)) << firstErr.toStdString();

    Launch(second);
    ASSERT_TRUE(second.waitForFinished(2000)) << "the second copy is still running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().contains("first-shown"));  // it showed no bar
    EXPECT_TRUE(WaitFor(first, "activated", firstErr)) << firstErr.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(TwoCopiesTest, KilledFirstCopyDoesNotBlockTheNext) {
    QByteArray firstErr;
    Launch(first);
    ASSERT_TRUE(WaitFor(first, "first-shown", firstErr)) << firstErr.toStdString();
    first.kill();  // SIGKILL: nothing of it is cleaned up
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_FALSE(QDir(runtime.path()).isEmpty());  // its lock and socket files are left

    QByteArray thirdErr;
    Launch(third);
    EXPECT_TRUE(WaitFor(third, "first-shown", thirdErr)) << thirdErr.toStdString();
    EXPECT_EQ(third.state(), QProcess::Running);
}

}  // namespace
}  // namespace salvenor
