// Plays the program's sounds in the background on Qt Multimedia.
#include "platform/qt/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <algorithm>

#include "platform/qt/wav_data.h"

namespace salvenor {

namespace {

// One sample in the output's own format, appended to `out`.
void AppendSample(QByteArray& out, float value, QAudioFormat::SampleFormat format) {
    const float v = std::clamp(value, -1.0F, 1.0F);
    switch (format) {
        case QAudioFormat::UInt8: {
            out.append(static_cast<char>(static_cast<std::uint8_t>(128 + v * 127)));
            break;
        }
        case QAudioFormat::Int16: {
            const auto s = static_cast<std::int16_t>(v * 32767);
            out.append(reinterpret_cast<const char*>(&s), sizeof s);
            break;
        }
        case QAudioFormat::Int32: {
            const auto s = static_cast<std::int32_t>(static_cast<double>(v) * 2147483647.0);
            out.append(reinterpret_cast<const char*>(&s), sizeof s);
            break;
        }
        case QAudioFormat::Float: {
            out.append(reinterpret_cast<const char*>(&v), sizeof v);
            break;
        }
        default:
            break;
    }
}

}  // namespace

const QUrl QtSoundPlayer::DefaultSound(QStringLiteral("qrc:/sounds/default_chime.wav"));

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() {
    stopTone();  // the sink reads from a member buffer
    if (effect_) {
        effect_->stop();
    }
}

void QtSoundPlayer::play(const std::string& path) {
    // The check stands in for the platform's fall-back to its default sound: a file that is
    // missing or holds nothing playable sounds the built-in chime rather than nothing.
    if (CanPlayWavFile(path)) {
        start(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
    } else {
        start(DefaultSound);
    }
}

void QtSoundPlayer::start(const QUrl& source) {
    Retire();
    effect_ = std::make_unique<QSoundEffect>();
    connect(effect_.get(), &QSoundEffect::statusChanged, this, &QtSoundPlayer::onStatusChanged);
    effect_->setSource(source);
    effect_->setLoopCount(1);
    // Queued until the file is loaded; loading happens off the user-interface thread.
    effect_->play();
}

void QtSoundPlayer::onStatusChanged() {
    // A file that passed the header check but still cannot be decoded: the default sound.
    if (effect_ && effect_->status() == QSoundEffect::Error && effect_->source() != DefaultSound) {
        start(DefaultSound);
    }
}

void QtSoundPlayer::Retire() {
    if (effect_) {
        effect_->stop();
        effect_->disconnect(this);
    }
    retired_ = std::move(effect_);  // frees the one retired before, whose signals are over
}

void QtSoundPlayer::stop() {
    Retire();
    stopTone();
}

QUrl QtSoundPlayer::currentSource() const {
    return effect_ ? effect_->source() : QUrl();
}

void QtSoundPlayer::stopTone() {
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    toneBuffer_.close();
}

bool QtSoundPlayer::hasOutputDevice() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundPlayer::beep(int frequencyHz, int durationMs) {
    stopTone();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(ToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isNull() && !device.isFormatSupported(format)) {
        format = device.preferredFormat();
    }
    const int channels = std::max(1, format.channelCount());
    const std::vector<float> samples =
        ToneSamples(frequencyHz, durationMs, std::max(1, format.sampleRate()));
    tone_.clear();
    tone_.reserve(static_cast<qsizetype>(samples.size()) * format.bytesPerFrame());
    for (const float s : samples) {
        for (int c = 0; c < channels; ++c) {
            AppendSample(tone_, s, format.sampleFormat());
        }
    }
    if (device.isNull() || tone_.isEmpty()) {
        return;  // nothing to sound, or nowhere to sound it
    }
    toneBuffer_.setData(tone_);
    toneBuffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // The sink pulls from the buffer on its own; the device is let go once the tone has run out.
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState && sink_) {
            sink_->stop();
        }
    });
    sink_->start(&toneBuffer_);
}

}  // namespace salvenor
