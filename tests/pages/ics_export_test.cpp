// The iCalendar text's own rules: folding at 75 octets and the escapes of TEXT values.
#include "pages/ics_export.h"

#include <gtest/gtest.h>

#include <string>

namespace salvenor {
namespace {

// The folded lines, each without its CRLF, after checking that every line ends in one.
std::vector<std::string> Lines(const std::string& folded) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < folded.size()) {
        const std::size_t end = folded.find("\r\n", at);
        EXPECT_NE(end, std::string::npos);
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(folded.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST(IcsFoldLine, KeepsLinesWithin75OctetsAndUtf8SequencesWhole) {
    const std::string e = "\xc3\xa9";  // two octets
    for (const std::string& line :
         {std::string(75, 'a'), std::string(76, 'a'), std::string(300, 'b'),
          "LOCATION:" + std::string(65, 'x') + e, "LOCATION:" + std::string(66, 'x') + e + e + e,
          std::string(20, 'c') + [&e] {
              std::string many;
              for (int i = 0; i < 60; ++i) {
                  many += e;
              }
              return many;
          }()}) {
        SCOPED_TRACE(line);
        const std::vector<std::string> lines = Lines(IcsFoldLine(line));
        std::string unfolded;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 75U);
            // A continuation starts with one space, and no line starts inside a UTF-8 sequence.
            const std::string body = i == 0 ? lines[i] : lines[i].substr(1);
            if (i > 0) {
                EXPECT_EQ(lines[i][0], ' ');
            }
            ASSERT_FALSE(body.empty());
            EXPECT_NE(static_cast<unsigned char>(body[0]) & 0xC0, 0x80);
            unfolded += body;
        }
        EXPECT_EQ(unfolded, line);
        EXPECT_EQ(lines.size() == 1, line.size() <= 75);
    }
}

TEST(IcsEscapeText, EscapesTheCharactersTextValuesReserve) {
    EXPECT_EQ(IcsEscapeText("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
    EXPECT_EQ(IcsEscapeText("Fajr at 4:31 am"), "Fajr at 4:31 am");
}

TEST(IcsUtcDateTime, WritesTheUtcForm) {
    EXPECT_EQ(IcsUtcDateTime(0), "19700101T000000Z");
    EXPECT_EQ(IcsUtcDateTime(1774755000), "20260329T033000Z");
}

}  // namespace
}  // namespace salvenor
