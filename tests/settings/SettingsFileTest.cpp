#include "settings/SettingsFile.h"
#include "settings/SettingsFormat.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct SettingsFileOnDisk : ::testing::Test {
    TemporaryFolder home;
    fs::path folder = home.path / "config" / "Vectrin";
    SettingsFile file{folder};
};

TEST_F(SettingsFileOnDisk, LivesAsVectrinIniInTheSettingsFolder) {
    EXPECT_EQ(file.path(), folder / "Vectrin.ini");
}

TEST_F(SettingsFileOnDisk, AMissingFolderIsCreatedAndTheTextWrittenExactly) {
    ASSERT_TRUE(file.write("1\r\n\"two\"\r\n"));
    EXPECT_EQ(fileText(file.path()), "1\r\n\"two\"\r\n");
    EXPECT_EQ(file.read(), "1\r\n\"two\"\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(SettingsFileOnDisk, WritingReplacesAnOlderLongerFileWhole) {
    writeText(file.path(), std::string(5000, 'x'));
    ASSERT_TRUE(file.write("short\r\n"));
    EXPECT_EQ(fileText(file.path()), "short\r\n");
}

TEST_F(SettingsFileOnDisk, AMissingFileCannotBeRead) {
    EXPECT_THROW(file.read(), SettingsFileError);
}

TEST_F(SettingsFileOnDisk, ASettingsPathThatIsAFolderIsNeitherReadNorReplaced) {
    fs::create_directories(file.path() / "inside");
    EXPECT_THROW(file.read(), SettingsFileError);
    EXPECT_FALSE(file.write("1\r\n"));
    EXPECT_TRUE(fs::is_directory(file.path() / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "the temporary file is removed again";
}

TEST_F(SettingsFileOnDisk, ASettingsFolderThatIsAFileCannotBeWritten) {
    writeText(folder, "not a folder");
    EXPECT_FALSE(file.write("1\r\n"));
    EXPECT_EQ(fileText(folder), "not a folder");
}

} // namespace
