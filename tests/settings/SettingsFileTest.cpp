// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"
#include "settings/SettingsFormat.h"

#include "ProgramRig.h"

#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace {

TEST(SettingsReader, SplitsAtCommasAndLineEndsAndRoundsHalfToEven) {
    SettingsReader in("2.5,\"six, seven\"\n3.5\r-2.5\r\n32768");
    EXPECT_EQ(in.integer(), 2);
    EXPECT_EQ(in.item(), "six, seven");
    EXPECT_EQ(in.integer(), 4);
    EXPECT_EQ(in.integer(), -2);
    EXPECT_THROW(in.integer(), SettingsFileError) << "beyond 16 bits";
    EXPECT_THROW(in.item(), SettingsFileError) << "no item left";
}

// The file system stops the file growing past 100 bytes part way through the write.
TEST(SettingsFile, AWriteThatFailsPartWayLeavesTheOldFileWholeAndNoTemporaryBehind) {
    SettingsHome home;
    std::ostringstream messages;
    const SettingsFile file(home.folder, messages);
    ASSERT_TRUE(file.write("old\r\n"));
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = file.write(std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(fileText(home.file), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.folder), {}), 1);
}

} // namespace
