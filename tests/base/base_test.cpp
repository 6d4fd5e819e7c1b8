// The base library: the bytes of the little-endian coding, and which paths the file readers take.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/binary_coding.h"
#include "base/file_reading.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

TEST(BinaryCoding, WritesLittleEndianBytesIntoAnyByteBuffer) {
    std::string text;
    AppendU8(text, 0xAB);
    AppendU16(text, 0x1234);
    AppendU32(text, 11414);
    AppendI32(text, -2);
    AppendF64(text, 1.5);
    AppendCountedString(text, "Cairo");
    const std::string expected(
        "\xAB"
        "\x34\x12"
        "\x96\x2C\x00\x00"
        "\xFE\xFF\xFF\xFF"
        "\x00\x00\x00\x00\x00\x00\xF8\x3F"
        "\x05\x00\x00\x00"
        "Cairo",
        28);
    EXPECT_EQ(text, expected);

    std::vector<std::uint8_t> bytes;
    AppendU32(bytes, 0x01020304);
    AppendBytes(bytes, "RIFF");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{4, 3, 2, 1, 'R', 'I', 'F', 'F'}));

    const auto* raw = reinterpret_cast<const unsigned char*>(expected.data());
    EXPECT_EQ(DecodeU16(raw + 1), 0x1234);
    EXPECT_EQ(DecodeU32(raw + 3), 11414u);
    EXPECT_EQ(static_cast<std::int32_t>(DecodeU32(raw + 7)), -2);
    EXPECT_EQ(DecodeF64(raw + 11), 1.5);
}

// Each kind of path that can stand where a data file should: only a readable regular file is
// opened, and none of them makes the reader wait.
TEST(FileReading, OnlyRegularFilesAreReadAndNothingBlocks) {
    const testing::TempDir dir;
    const std::string regular = dir.file("regular.bin");
    testing::WriteText(regular, "0123456789");
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string unreadable = dir.file("unreadable");
    testing::WriteText(unreadable, "x");
    ::chmod(unreadable.c_str(), 0);
    const bool root = ::geteuid() == 0;

    struct Case {
        std::string path;
        PathKind kind;
        bool opens;
    };
    const Case cases[] = {
        {regular, PathKind::RegularFile, true},
        {dir.file("missing"), PathKind::Missing, false},
        {dir.path().string(), PathKind::Other, false},
        {fifo, PathKind::Other, false},
        {"/dev/null", PathKind::Other, false},
        {unreadable, PathKind::RegularFile, root},
    };
    // A reader that blocked on the FIFO would end the test here instead of hanging the suite.
    ::alarm(20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        PathKind kind = PathKind::Missing;
        EXPECT_EQ(static_cast<bool>(OpenRegularFile(c.path, &kind)), c.opens);
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(ReadSmallFile(c.path, 100).has_value(), c.opens);
    }
    ::alarm(0);
}

TEST(FileReading, ReadsNoMoreThanAskedAndRefusesLargerFiles) {
    const testing::TempDir dir;
    const std::string path = dir.file("ten.bin");
    testing::WriteText(path, "0123456789");

    const auto head = ReadFileHead(path, 4);
    ASSERT_TRUE(head.has_value());
    EXPECT_EQ(head->bytes, "0123");
    EXPECT_EQ(head->size, 10u);
    EXPECT_EQ(ReadFileHead(path, 64)->bytes, "0123456789");

    EXPECT_EQ(ReadSmallFile(path, 10), "0123456789");
    EXPECT_FALSE(ReadSmallFile(path, 9).has_value());
}

}  // namespace
}  // namespace salvenor
