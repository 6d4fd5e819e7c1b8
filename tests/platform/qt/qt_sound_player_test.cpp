// The Qt sound player's choice of what to play. Real playback is never asserted: without an
// audio device the player reports nothing either way.
#include "platform/qt/qt_sound_player.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <span>

#include <gtest/gtest.h>

#include "platform/qt/wav_data.h"

namespace salvenor {
namespace {

class QtSoundPlayerTest : public ::testing::Test {
  protected:
    std::string Write(const char* name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    QTemporaryDir dir;
    QtSoundPlayer player;
};

TEST_F(QtSoundPlayerTest, DefaultSoundIsBuiltInAndPlayable) {
    QFile chime(QStringLiteral(":/sounds/default_chime.wav"));
    ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
    const QByteArray bytes = chime.readAll();
    const auto info = InspectWav(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size())),
                                 static_cast<std::uint64_t>(bytes.size()));
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(IsPlayableWav(*info));
    // A short chime: under two seconds.
    EXPECT_LT(info->dataBytes, 2U * info->sampleRate * info->channels * info->bitsPerSample / 8);
}

TEST_F(QtSoundPlayerTest, PlaysTheFileOrTheDefaultSoundInstead) {
    const std::string tone = Write("tone.wav", MonoWav16(ToneSamples(660, 200), 22050));
    const std::string other = Write("other.wav", MonoWav16(ToneSamples(880, 200), 22050));
    const std::string junk = Write("junk.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
    EXPECT_TRUE(player.currentSource().isEmpty());

    player.play(tone);
    EXPECT_EQ(player.currentSource(), QUrl::fromLocalFile(QString::fromStdString(tone)));
    // A new request replaces the sound still playing.
    player.play(other);
    EXPECT_EQ(player.currentSource(), QUrl::fromLocalFile(QString::fromStdString(other)));
    player.play(junk);
    EXPECT_EQ(player.currentSource(), QtSoundPlayer::DefaultSound);
    player.play(dir.filePath(QStringLiteral("missing.wav")).toStdString());
    EXPECT_EQ(player.currentSource(), QtSoundPlayer::DefaultSound);
    player.play("");
    EXPECT_EQ(player.currentSource(), QtSoundPlayer::DefaultSound);
    player.stop();
    EXPECT_TRUE(player.currentSource().isEmpty());
}

TEST_F(QtSoundPlayerTest, RelativePathsAreTakenFromTheWorkingDirectory) {
    Write("call.wav", MonoWav16(ToneSamples(440, 100), 22050));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    player.play("./call.wav");
    QDir::setCurrent(before);
    EXPECT_EQ(player.currentSource(),
              QUrl::fromLocalFile(dir.filePath(QStringLiteral("call.wav"))));
}

}  // namespace
}  // namespace salvenor
