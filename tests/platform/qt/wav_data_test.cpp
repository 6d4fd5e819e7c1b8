// The tone generator and the WAV header check behind the sound player's fall-back.
#include "platform/qt/wav_data.h"

#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/binary_coding.h"

namespace salvenor {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return DecodeU32(b.data() + at);
}

std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return DecodeU16(b.data() + at);
}

std::string TagAt(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

TEST(ToneSamples, LastsTheDurationAtTheFrequency) {
    struct Case {
        int hz;
        int ms;
        int rate;
    };
    for (const Case c : {Case{440, 1000, 22050}, Case{1000, 250, 22050}, Case{37, 2000, 8000},
                         Case{3000, 100, 44100}}) {
        const std::vector<float> s = ToneSamples(c.hz, c.ms, c.rate);
        ASSERT_EQ(s.size(), static_cast<std::size_t>(c.ms) * c.rate / 1000);
        // Two sign changes a period.
        int crossings = 0;
        for (std::size_t i = 1; i < s.size(); ++i) {
            crossings += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
        }
        const double expected = 2.0 * c.hz * c.ms / 1000.0;
        EXPECT_NEAR(crossings, expected, 2 + expected * 0.01) << c.hz;
        float peak = 0;
        for (const float v : s) {
            peak = std::max(peak, std::fabs(v));
        }
        EXPECT_LE(peak, 0.5F);
        EXPECT_GE(peak, 0.45F);
        // Faded in and out: no click at either end.
        EXPECT_LT(std::fabs(s.front()), 0.01F);
        EXPECT_LT(std::fabs(s.back()), 0.01F);
    }
}

TEST(ToneSamples, RefusesOrSilencesWhatCannotSound) {
    EXPECT_TRUE(ToneSamples(36, 500).empty());
    EXPECT_TRUE(ToneSamples(32768, 500).empty());
    EXPECT_TRUE(ToneSamples(440, 0).empty());
    EXPECT_TRUE(ToneSamples(440, -20).empty());
    // Above half the sample rate it would alias: the tone lasts but stays silent.
    const std::vector<float> high = ToneSamples(15000, 100, 22050);
    ASSERT_EQ(high.size(), 2205U);
    EXPECT_THAT(high, ::testing::Each(0.0F));
    // A very long request is cut to a minute.
    EXPECT_EQ(ToneSamples(440, 3'600'000, 8000).size(), 60U * 8000);
}

TEST(MonoWav16, WritesAPlainPcmFile) {
    const std::vector<float> samples = {0.0F, 0.5F, -0.5F, 1.0F, -1.0F, 2.0F, -3.0F};
    const std::vector<std::uint8_t> wav = MonoWav16(samples, 22050);
    ASSERT_EQ(wav.size(), 44U + 2 * samples.size());
    EXPECT_EQ(TagAt(wav, 0), "RIFF");
    EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(TagAt(wav, 8), "WAVE");
    EXPECT_EQ(TagAt(wav, 12), "fmt ");
    EXPECT_EQ(U32At(wav, 16), 16U);
    EXPECT_EQ(U16At(wav, 20), 1);  // PCM
    EXPECT_EQ(U16At(wav, 22), 1);  // mono
    EXPECT_EQ(U32At(wav, 24), 22050U);
    EXPECT_EQ(U32At(wav, 28), 44100U);
    EXPECT_EQ(U16At(wav, 32), 2);
    EXPECT_EQ(U16At(wav, 34), 16);
    EXPECT_EQ(TagAt(wav, 36), "data");
    EXPECT_EQ(U32At(wav, 40), 2 * samples.size());
    const std::int16_t expected[] = {0, 16384, -16384, 32767, -32767, 32767, -32767};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(U16At(wav, 44 + 2 * i)), expected[i]) << i;
    }
}

// A WAV file put together chunk by chunk.
class WavBuilder {
  public:
    WavBuilder& Chunk(const std::string& tag, const std::vector<std::uint8_t>& body,
                      std::optional<std::uint32_t> statedSize = std::nullopt) {
        body_.insert(body_.end(), tag.begin(), tag.end());
        Put32(statedSize.value_or(static_cast<std::uint32_t>(body.size())));
        body_.insert(body_.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) {
            body_.push_back(0);
        }
        return *this;
    }
    WavBuilder& Format(std::uint16_t format, std::uint16_t channels, std::uint32_t rate,
                       std::uint16_t bits, std::optional<std::uint16_t> subFormat = std::nullopt) {
        std::vector<std::uint8_t> f;
        auto p16 = [&f](std::uint16_t v) { AppendU16(f, v); };
        auto p32 = [&f](std::uint32_t v) { AppendU32(f, v); };
        p16(format);
        p16(channels);
        p32(rate);
        p32(rate * channels * (bits / 8));
        p16(static_cast<std::uint16_t>(channels * (bits / 8)));
        p16(bits);
        if (subFormat) {
            p16(22);
            p16(bits);
            p32(0);
            p16(*subFormat);
            f.resize(40, 0x11);
        }
        return Chunk("fmt ", f);
    }
    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
        AppendU32(out, static_cast<std::uint32_t>(body_.size() + 4));
        out.insert(out.end(), {'W', 'A', 'V', 'E'});
        out.insert(out.end(), body_.begin(), body_.end());
        return out;
    }

  private:
    void Put32(std::uint32_t v) { AppendU32(body_, v); }
    std::vector<std::uint8_t> body_;
};

const std::vector<std::uint8_t> FourBytes(4, 0);

TEST(InspectWav, ReadsTheHeaderOrRefusesTheFile) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        bool found;
        std::uint16_t format;
        std::uint32_t dataBytes;
    };
    const std::vector<std::uint8_t> odd(3, 1);
    const Case cases[] = {
        {"plain", WavBuilder().Format(1, 2, 44100, 16).Chunk("data", FourBytes).Bytes(), true, 1,
         4},
        {"list first, odd size padded",
         WavBuilder().Chunk("LIST", odd).Format(1, 1, 8000, 8).Chunk("data", FourBytes).Bytes(),
         true, 1, 4},
        {"extensible float",
         WavBuilder().Format(0xFFFE, 2, 48000, 32, 3).Chunk("data", FourBytes).Bytes(), true, 3, 4},
        {"data cut short",
         WavBuilder().Format(1, 1, 8000, 16).Chunk("data", FourBytes, 1000).Bytes(), true, 1, 4},
        {"data before format", WavBuilder().Chunk("data", FourBytes).Format(1, 1, 8000, 16).Bytes(),
         false, 0, 0},
        {"no data", WavBuilder().Format(1, 1, 8000, 16).Bytes(), false, 0, 0},
        {"format too short",
         WavBuilder()
             .Chunk("fmt ", std::vector<std::uint8_t>(14, 1))
             .Chunk("data", FourBytes)
             .Bytes(),
         false, 0, 0},
        {"format beyond the end",
         WavBuilder().Chunk("fmt ", std::vector<std::uint8_t>(16, 1), 0xFFFFFFF0U).Bytes(), false,
         0, 0},
        {"chunk size wraps",
         WavBuilder()
             .Chunk("junk", FourBytes, 0xFFFFFFFFU)
             .Format(1, 1, 8000, 16)
             .Chunk("data", FourBytes)
             .Bytes(),
         false, 0, 0},
        {"not RIFF", std::vector<std::uint8_t>{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'},
         false, 0, 0},
        {"not WAVE", std::vector<std::uint8_t>{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '},
         false, 0, 0},
        {"empty", {}, false, 0, 0},
    };
    for (const auto& c : cases) {
        const auto info = InspectWav(c.file, c.file.size());
        ASSERT_EQ(info.has_value(), c.found) << c.name;
        if (info) {
            EXPECT_EQ(info->format, c.format) << c.name;
            EXPECT_EQ(info->dataBytes, c.dataBytes) << c.name;
        }
    }
}

TEST(InspectWav, EveryCutOfAFileIsReadWithinItsBounds) {
    const std::vector<std::uint8_t> whole = MonoWav16(ToneSamples(440, 20), 22050);
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        // The copy is exactly as long as the cut, so a read past it would leave the buffer.
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<std::ptrdiff_t>(n));
        const auto info = InspectWav(cut, cut.size());
        if (n < 44) {
            EXPECT_FALSE(info.has_value()) << n;
        } else {
            ASSERT_TRUE(info.has_value()) << n;
            EXPECT_EQ(info->dataBytes, n - 44) << n;
            EXPECT_EQ(IsPlayableWav(*info), n >= 46) << n;
        }
    }
    // Only the head of a long file is looked at; its full size still counts for the data.
    const auto info = InspectWav(std::span(whole).first(60), 100000);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->dataBytes, whole.size() - 44);
}

TEST(IsPlayableWav, AcceptsWhatThePlayerDecodes) {
    struct Case {
        WavInfo info;
        bool playable;
    };
    const Case cases[] = {
        {{1, 1, 22050, 16, 2}, true},    {{1, 2, 44100, 8, 2}, true},
        {{1, 2, 48000, 24, 6}, true},    {{1, 8, 96000, 32, 32}, true},
        {{3, 2, 48000, 32, 8}, true},    {{3, 1, 48000, 64, 8}, false},
        {{1, 1, 22050, 12, 100}, false}, {{2, 1, 22050, 4, 100}, false},  // ADPCM
        {{1, 0, 22050, 16, 100}, false}, {{1, 9, 22050, 16, 100}, false},
        {{1, 1, 0, 16, 100}, false},     {{1, 1, 500000, 16, 100}, false},
        {{1, 2, 22050, 16, 3}, false},  // less than one frame
        {{0, 1, 22050, 16, 100}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlayableWav(c.info), c.playable)
            << c.info.format << " " << c.info.channels << " " << c.info.bitsPerSample << " "
            << c.info.sampleRate << " " << c.info.dataBytes;
    }
}

TEST(CanPlayWavFile, NeedsAReadablePlayableFile) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("salvenor-wav-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto write = [&dir](const char* name, const std::vector<std::uint8_t>& bytes) {
        const auto path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    };
    const std::vector<std::uint8_t> tone = MonoWav16(ToneSamples(440, 50), 22050);
    const std::vector<std::uint8_t> header(tone.begin(), tone.begin() + 30);
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_TRUE(CanPlayWavFile(write("tone.wav", tone)));
    EXPECT_FALSE(CanPlayWavFile(write("cut.wav", header)));
    EXPECT_FALSE(CanPlayWavFile(write("text.wav", text)));
    EXPECT_FALSE(CanPlayWavFile(write("empty.wav", {})));
    EXPECT_FALSE(CanPlayWavFile((dir / "missing.wav").string()));
    EXPECT_FALSE(CanPlayWavFile(dir.string()));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace salvenor
