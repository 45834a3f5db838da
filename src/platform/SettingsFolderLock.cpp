// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFolderLock.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SettingsFolderLock::SettingsFolderLock(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) return;
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0)
        state_ = State::Held;
    else if (errno == EWOULDBLOCK)
        state_ = State::HeldByAnother;
}

SettingsFolderLock::~SettingsFolderLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}
