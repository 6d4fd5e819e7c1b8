// WAV data in standard C++: the generated tone of the beeps, and the check that decides whether
// a file can be played or the default sound must stand in for it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace salvenor {

// The tone generator's limits: frequencies outside the range sound nothing (as the platform's
// beep refuses them), and a tone lasts at most MaxToneMs.
inline constexpr int MinToneHz = 37;
inline constexpr int MaxToneHz = 32767;
inline constexpr int MaxToneMs = 60000;
inline constexpr int ToneSampleRate = 22050;

// A sine tone of `frequencyHz` lasting `durationMs`, as samples in -1..1 at `sampleRate`, at half
// of full scale with 5 ms fades at both ends so that it starts and stops without a click. Empty
// when the frequency lies outside MinToneHz..MaxToneHz or the duration is not positive; silent
// (all zero) when the frequency cannot be represented at the sample rate.
std::vector<float> ToneSamples(int frequencyHz, int durationMs, int sampleRate = ToneSampleRate);

// A complete WAV file (RIFF, PCM, 16-bit, mono) holding the samples, clipped to -1..1.
std::vector<std::uint8_t> MonoWav16(const std::vector<float>& samples, int sampleRate);

// What the header of a WAV file says.
struct WavInfo {
    std::uint16_t format = 0;  // 1 PCM, 3 IEEE float; the extensible form gives its sub-format
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;  // the data chunk's size, cut to what the file holds
};

// Reads the header of a WAV file from its first bytes `head` (at most the first WavHeadBytes of
// the file) and the file's full size. Walks the chunks up to the data chunk; every offset is
// checked against both, so a damaged or hostile file cannot make it read outside `head`.
// Nothing when it is not a RIFF/WAVE file with a format chunk before a data chunk.
inline constexpr std::size_t WavHeadBytes = 64 * 1024;
std::optional<WavInfo> InspectWav(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Whether the player can decode a file with this header: PCM of 8, 16, 24 or 32 bits or 32-bit
// float, one to eight channels, a sample rate from 1 Hz to
// 384 kHz, and at least one whole frame of data.
bool IsPlayableWav(const WavInfo& info);

// Whether the file at `path` (a native path) exists, can be read and holds a playable WAV; when
// not, the player plays the default sound instead. Reads at most WavHeadBytes of it.
bool CanPlayWavFile(const std::string& path);

}  // namespace salvenor
