// The tone generator and the WAV header check.
#include "platform/qt/wav_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/binary_coding.h"
#include "base/file_reading.h"

namespace salvenor {

namespace {

constexpr double FadeSeconds = 0.005;
constexpr double ToneAmplitude = 0.5;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return DecodeU16(b.data() + at);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return DecodeU32(b.data() + at);
}

bool TagIs(std::span<const std::uint8_t> b, std::size_t at, const char (&tag)[5]) {
    return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

}  // namespace

std::vector<float> ToneSamples(int frequencyHz, int durationMs, int sampleRate) {
    if (frequencyHz < MinToneHz || frequencyHz > MaxToneHz || durationMs <= 0 || sampleRate <= 0) {
        return {};
    }
    const long long ms = std::min(durationMs, MaxToneMs);
    const auto count = static_cast<std::size_t>(ms * sampleRate / 1000);
    std::vector<float> samples(count, 0.0F);
    // A tone at or above half the sample rate would alias into an audible lower one.
    if (2LL * frequencyHz >= sampleRate) {
        return samples;
    }
    const double step = 2 * std::numbers::pi * frequencyHz / sampleRate;
    const auto fade = std::max<std::size_t>(1, static_cast<std::size_t>(FadeSeconds * sampleRate));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t edge = std::min(i, count - 1 - i);
        const double gain = edge < fade ? static_cast<double>(edge) / fade : 1.0;
        samples[i] = static_cast<float>(ToneAmplitude * gain * std::sin(step * i));
    }
    return samples;
}

std::vector<std::uint8_t> MonoWav16(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    AppendBytes(out, "RIFF");
    AppendU32(out, 36 + dataBytes);
    AppendBytes(out, "WAVE");
    AppendBytes(out, "fmt ");
    AppendU32(out, 16);
    AppendU16(out, FormatPcm);
    AppendU16(out, 1);  // mono
    AppendU32(out, static_cast<std::uint32_t>(sampleRate));
    AppendU32(out, static_cast<std::uint32_t>(sampleRate) * 2);  // bytes a second
    AppendU16(out, 2);                                           // bytes a frame
    AppendU16(out, 16);
    AppendBytes(out, "data");
    AppendU32(out, dataBytes);
    for (const float s : samples) {
        const double clipped = std::clamp(static_cast<double>(s), -1.0, 1.0);
        const auto v = static_cast<std::int16_t>(std::lround(clipped * 32767));
        AppendU16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

std::optional<WavInfo> InspectWav(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    const std::uint64_t limit = std::min<std::uint64_t>(head.size(), fileSize);
    if (limit < 12 || !TagIs(head, 0, "RIFF") || !TagIs(head, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<WavInfo> info;
    std::uint64_t at = 12;
    // Each chunk: a four-letter tag, a 32-bit size, the body, a pad byte after an odd size.
    while (at + 8 <= limit) {
        const std::uint32_t size = U32(head, static_cast<std::size_t>(at + 4));
        const std::uint64_t body = at + 8;
        if (TagIs(head, static_cast<std::size_t>(at), "fmt ")) {
            if (size < 16 || body + size > limit) {
                return std::nullopt;
            }
            const auto b = static_cast<std::size_t>(body);
            WavInfo found;
            found.format = U16(head, b);
            found.channels = U16(head, b + 2);
            found.sampleRate = U32(head, b + 4);
            found.bitsPerSample = U16(head, b + 14);
            if (found.format == FormatExtensible) {
                // The sub-format's GUID starts with the plain format code.
                found.format = size >= 40 ? U16(head, b + 24) : 0;
            }
            info = found;
        } else if (TagIs(head, static_cast<std::size_t>(at), "data")) {
            if (!info) {
                return std::nullopt;  // the format must come first
            }
            // A size beyond the end of the file (a cut-off recording) counts what is there.
            info->dataBytes = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(size, fileSize > body ? fileSize - body : 0));
            return info;
        }
        at = body + size + (size & 1U);
    }
    return std::nullopt;
}

bool IsPlayableWav(const WavInfo& info) {
    const bool pcm =
        info.format == FormatPcm && (info.bitsPerSample == 8 || info.bitsPerSample == 16 ||
                                     info.bitsPerSample == 24 || info.bitsPerSample == 32);
    const bool floating = info.format == FormatFloat && info.bitsPerSample == 32;
    const std::uint64_t frameBytes =
        static_cast<std::uint64_t>(info.channels) * (info.bitsPerSample / 8U);
    return (pcm || floating) && info.channels >= 1 && info.channels <= 8 && info.sampleRate >= 1 &&
           info.sampleRate <= 384000 && frameBytes > 0 && info.dataBytes >= frameBytes;
}

bool CanPlayWavFile(const std::string& path) {
    // Only a regular file: a FIFO named in the settings must not hold up the prayer's window.
    const std::optional<FileHead> head = ReadFileHead(path, WavHeadBytes);
    if (!head) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(head->bytes.data());
    const auto info = InspectWav({bytes, head->bytes.size()}, head->size);
    return info && IsPlayableWav(*info);
}

}  // namespace salvenor
