#include "files/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vostrel::files {
namespace {

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A program folder named in a script Windows-1252 lacks ends up in the folder line. The file
// cannot hold it; the language and the options must still be kept, so only that line falls
// back to its standard text, and a read gives the other lines back as they were.
TEST(SettingsFile, LineTheFileCannotHoldFallsBackToItsStandardText) {
    const auto folder = std::filesystem::temp_directory_path() / "vostrel-settings-test";
    std::filesystem::create_directories(folder);
    const auto file = folder / kSettingsFileName;
    std::vector<std::string> lines = standardSettings();
    lines[1] = "SpracheDEF=Français";
    lines[3] = "T.mnu-path=/home/Ωmega";
    lines[4] = "Hochformat=0";

    std::string error;
    ASSERT_TRUE(writeSettingsLines(file, lines, error)) << error;

    const std::string bytes = bytesOf(file);
    EXPECT_NE(bytes.find("SpracheDEF=Fran\xE7"
                         "ais\r\n"),
              std::string::npos);
    const auto read = readSettingsLines(file);
    ASSERT_EQ(read.size(), lines.size());
    EXPECT_EQ(read[1], "SpracheDEF=Français");
    EXPECT_EQ(read[3], standardSettings()[3]);
    EXPECT_EQ(read[4], "Hochformat=0");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vostrel::files
