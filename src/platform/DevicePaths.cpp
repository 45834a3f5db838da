// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DevicePaths.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MOST_LINKS = 40;

// The path that a link names, or the path itself when it is no link.
fs::path nextHop(const fs::path& path) {
    std::error_code error;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    return (next.is_absolute() ? next : path.parent_path() / next).lexically_normal();
}

// The last path a chain of links names (the first one that is not a link).
fs::path endOfLinks(fs::path path) {
    std::error_code error;
    for (int i = 0; i < MOST_LINKS && fs::is_symlink(fs::symlink_status(path, error)); ++i)
        path = nextHop(path);
    return path;
}

// Whether the kernel files the character device among its terminals; one it
// does not know at all (a pseudo-terminal) is taken for a terminal.
bool isTerminal(dev_t device, const std::string& devChar) {
    const fs::path entry =
        fs::path(devChar) / (std::to_string(major(device)) + ":" + std::to_string(minor(device)));
    std::error_code error;
    if (!fs::exists(entry, error)) return true;
    return fs::canonical(entry / "subsystem", error).filename() == "tty";
}

} // namespace

DeviceTarget inspectDevicePath(const std::string& path, const std::string& devChar) {
    DeviceTarget target;
    target.path = path;
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0) {
        const int cause = path.empty() ? ENOENT : errno;
        target.missing = cause == ENOENT || cause == ENOTDIR;
        target.problem = std::strerror(cause);
        return target;
    }
    std::error_code error;
    const fs::path device = fs::canonical(path, error);
    if (error) {
        target.missing = error == std::errc::no_such_file_or_directory;
        target.problem = error.message();
        if (const fs::path end = endOfLinks(path); target.missing && end != nextHop(path))
            target.problem = "leads to " + end.string() + ", which is not there";
        return target;
    }
    target.device = device.string();
    if (::stat(target.device.c_str(), &info) != 0)
        target.problem = std::strerror(errno);
    else if (S_ISDIR(info.st_mode))
        target.problem = "a folder, not a serial device";
    else if (S_ISREG(info.st_mode))
        target.problem = "a plain file, not a serial device";
    else if (!S_ISCHR(info.st_mode) || !isTerminal(info.st_rdev, devChar))
        target.problem = "not a serial device";
    return target;
}
