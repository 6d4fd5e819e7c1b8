// The writer of the database files: the exact bytes of the layout, and whole-file replacement.
#include "citydb/city_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "citydb_test_support.h"

namespace salvenor {
namespace {

using testing::TempFolder;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(CityDatabaseWriter, WritesTheDocumentedLayout) {
    CityDatabaseWriter writer;
    ASSERT_TRUE(writer.AddCountry({"Ab", {{"Ab", "X", 1.0, 2.0, -0.5}}}));
    ASSERT_TRUE(writer.AddCountryAtEnd("Not Valid"));

    // Country "Ab" at offset 0; "Not Valid" at the end of the 4+2 + 4+1 + 24 = 35-byte record.
    const std::string summary = Bytes({2, 0, 0, 0}) + "Ab" + Bytes({0, 0, 0, 0}) +
                                Bytes({9, 0, 0, 0}) + "Not Valid" + Bytes({35, 0, 0, 0});
    // IEEE 754 little-endian: 1.0 = 3FF0..., 2.0 = 4000..., -0.5 = BFE0...
    const std::string cities = Bytes({2, 0, 0, 0}) + "Ab" + Bytes({1, 0, 0, 0}) + "X" +
                               Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}) +
                               Bytes({0, 0, 0, 0, 0, 0, 0, 0x40}) +
                               Bytes({0, 0, 0, 0, 0, 0, 0xE0, 0xBF});
    EXPECT_EQ(writer.summaryBytes(), summary);
    EXPECT_EQ(writer.cityBytes(), cities);

    TempFolder folder;
    ASSERT_TRUE(writer.WriteFiles(folder.path()));
    EXPECT_EQ(testing::ReadText(folder.file("world.sum")), summary);
    EXPECT_EQ(testing::ReadText(folder.file("IndexWorld.zav")), cities);
}

TEST(CityDatabaseWriter, ReplacesOlderFilesWhole) {
    TempFolder folder;
    CityDatabaseWriter big;
    ASSERT_TRUE(big.AddCountry({"Long country name", {{"Long country name", "City", 1, 2, 3}}}));
    ASSERT_TRUE(big.WriteFiles(folder.path()));
    CityDatabaseWriter small;
    ASSERT_TRUE(small.AddCountryAtEnd("X"));
    ASSERT_TRUE(small.WriteFiles(folder.path()));
    EXPECT_EQ(testing::ReadText(folder.file("world.sum")), small.summaryBytes());
    EXPECT_EQ(testing::ReadText(folder.file("IndexWorld.zav")), "");
    // Nothing but the two files is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(CityDatabaseWriter, ReportsAFolderItCannotWriteTo) {
    TempFolder folder;
    CityDatabaseWriter writer;
    ASSERT_TRUE(writer.AddCountryAtEnd("X"));
    std::string error;
    EXPECT_FALSE(writer.WriteFiles(folder.file("missing"), &error));
    EXPECT_NE(error.find("missing/./IndexWorld.zav"), std::string::npos) << error;
}

}  // namespace
}  // namespace salvenor
