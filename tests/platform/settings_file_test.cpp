// salvenor.ini: what is read from the text Qt and people write, what is written back, and that
// the file's own damage never stops the program.
#include <sys/stat.h>

#include <limits>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/settings_file.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

using Values = std::map<std::string, std::string>;

TEST(SettingsFileFormat, ReadsGroupsKeysAndQuotedValues) {
    struct Case {
        const char* name;
        std::string text;
        Values values;
    };
    const Case cases[] = {
        {"Qt's general group", "[General]\nnoTrayExplained=true\n", {{"noTrayExplained", "true"}}},
        {"a group", "[notices]\nnoTrayExplained=true", {{"notices/noTrayExplained", "true"}}},
        {"comments, blanks, CRLF and lines without a value",
         "; note\r\n# note\r\n\r\n[calc]\r\n asr = 2 \r\nnonsense\r\n=7\r\n",
         {{"calc/asr", "2"}}},
        {"quotes and escapes",
         "[a]\nname=\"x, \\\"y\\\"\\\\z\\n\"\nempty=\n",
         {{"a/name", "x, \"y\"\\z\n"}, {"a/empty", ""}}},
        {"the last of a repeated key", "k=1\n[General]\nk=2\n", {{"k", "2"}}},
        {"a header with '=' is a key", "[x]=y]\n", {{"[x]", "y]"}}},
        {"a group path", "[a/b]\nc=1\n[/]\nd=2\n", {{"a/b/c", "1"}, {"d", "2"}}},
        {"bytes that are no INI at all", std::string("\0\xff[\n]]\n", 7), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SettingsFile::Parse(c.text), c.values);
    }
}

TEST(SettingsFileFormat, WritesWhatItReadsBack) {
    const Values values = {
        {"plain", "true"},
        {"spaces", "  both ends  "},
        {"calc/name", "Umm al-Qura, \"Makkah\""},
        {"calc/path", "C:\\sounds\\athan.wav"},
        {"calc/at", "@Variant"},
        {"x/y/z", "2.5"},
    };
    const std::string text = SettingsFile::Format(values);
    EXPECT_EQ(text.substr(0, 21), "[General]\nplain=true\n");
    EXPECT_EQ(SettingsFile::Parse(text), values);
}

TEST(SettingsFileValues, TypedReadingsFallBackOnAnythingUnusable) {
    const testing::TempDir dir;
    testing::WriteText(dir.file("salvenor.ini"),
                       "[t]\nyes=true\none=1\nno=false\nword=maybe\nint=-7\nbig=99\nfrac=2.5\n"
                       "nan=nan\ntail=3x\n");
    const SettingsFile s(dir.file("salvenor.ini"));
    EXPECT_TRUE(s.boolValue("t/yes", false));
    EXPECT_TRUE(s.boolValue("t/one", false));
    EXPECT_FALSE(s.boolValue("t/no", true));
    EXPECT_TRUE(s.boolValue("t/word", true));
    EXPECT_FALSE(s.boolValue("t/missing", false));
    EXPECT_EQ(s.intValue("t/int", 0, -30, 30), -7);
    EXPECT_EQ(s.intValue("t/big", 5, -30, 30), 5);
    EXPECT_EQ(s.intValue("t/frac", 5, -30, 30), 5);
    EXPECT_EQ(s.intValue("t/tail", 5, -30, 30), 5);
    EXPECT_EQ(s.doubleValue("t/frac", 0, 0, 10), 2.5);
    EXPECT_EQ(s.doubleValue("t/nan", 1, -1e9, 1e9), 1);
    EXPECT_EQ(s.doubleValue("t/big", 1, 0, 10), 1);
}

TEST(SettingsFileValues, SavingKeepsWhatItDidNotSetAndReadsBack) {
    const testing::TempDir dir;
    const std::string path = dir.file("salvenor.ini");
    testing::WriteText(path, "[notices]\nnoTrayExplained=true\n[future]\nkey=kept\n");
    SettingsFile s(path);
    s.setInt("calc/asr", 2);
    s.setDouble("calc/fajrAngle", 18.5);
    s.setBool("notices/noTrayExplained", false);
    s.remove("future/absent");
    ASSERT_TRUE(s.Save());

    const SettingsFile again(path);
    EXPECT_EQ(again.value("future/key"), "kept");
    EXPECT_EQ(again.intValue("calc/asr", 1, 1, 2), 2);
    EXPECT_EQ(again.doubleValue("calc/fajrAngle", 0, 0, 30), 18.5);
    EXPECT_FALSE(again.boolValue("notices/noTrayExplained", true));
}

TEST(SettingsFileValues, WhatIsNotASettingsFileReadsAsNoSettings) {
    const testing::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("missing"), dir.path().string(), dir.file("fifo")}) {
        SCOPED_TRACE(path);
        const SettingsFile s(path);
        EXPECT_FALSE(s.value("notices/noTrayExplained").has_value());
    }
    SettingsFile unwritable(dir.file("no/such/folder/salvenor.ini"));
    unwritable.setBool("k", true);
    std::string error;
    EXPECT_FALSE(unwritable.Save(&error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace salvenor
