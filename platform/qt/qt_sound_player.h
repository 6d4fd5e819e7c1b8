// The sound seam on Qt Multimedia: WAV files through QSoundEffect, tones through QAudioSink.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <memory>

#include "platform/sound_player.h"

class QAudioSink;
class QSoundEffect;

namespace salvenor {

class QtSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT

  public:
    // The short chime built into the program, played for a file that cannot be played.
    static const QUrl DefaultSound;

    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const std::string& path) override;
    void stop() override;
    void beep(int frequencyHz, int durationMs) override;
    bool hasOutputDevice() const override;

    // What the last play request started (the file, or the default sound standing in for it);
    // empty before the first request and after stop.
    QUrl currentSource() const;

  private:
    void start(const QUrl& source);
    // Stops the current effect and keeps it as the retired one.
    void Retire();
    void onStatusChanged();
    void stopTone();

    // Replaced on every request, so that a new sound never waits for the old one to unload. The
    // one replaced is kept until the next request (it may be the sender of the signal being
    // handled) and freed then, or with the player: nothing waits for an event loop to delete it.
    std::unique_ptr<QSoundEffect> effect_;
    std::unique_ptr<QSoundEffect> retired_;
    std::unique_ptr<QAudioSink> sink_;
    QByteArray tone_;
    QBuffer toneBuffer_;
};

}  // namespace salvenor
