// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceOwnership.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const USUAL_GROUP = "dialout";

bool alive(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

std::string processName(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return "process " + std::to_string(pid) + (name.empty() ? "" : " (" + name + ")");
}

// The lock file's name for a device: LCK..ttyUSB0, LCK..pts_3.
std::string lockName(const std::string& device) {
    std::string name = device.rfind("/dev/", 0) == 0 ? device.substr(5) : device;
    std::replace(name.begin(), name.end(), '/', '_');
    return "LCK.." + name;
}

long lockingProcess(const std::string& device, const std::vector<std::string>& lockFolders) {
    for (const std::string& folder : lockFolders) {
        std::ifstream in(fs::path(folder) / lockName(device));
        long pid = 0;
        if (in >> pid && alive(pid)) return pid;
    }
    return 0;
}

long openingProcess(const std::string& device) {
    std::error_code error;
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        const std::string pid = process.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code hidden;
        for (const auto& fd : fs::directory_iterator(process.path() / "fd", hidden))
            if (fs::read_symlink(fd.path(), hidden) == device) return std::stol(pid);
    }
    return 0;
}

bool inThisLogin(gid_t group) {
    if (::getegid() == group) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(static_cast<std::size_t>(
        std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

bool listedIn(const group& entry) {
    const passwd* user = ::getpwuid(::geteuid());
    if (!user) return false;
    for (char** member = entry.gr_mem; *member; ++member)
        if (std::string(*member) == user->pw_name) return true;
    return user->pw_gid == entry.gr_gid;
}

} // namespace

std::vector<std::string> serialLockFolders() {
    return {"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
            "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
}

std::string deviceHolder(const std::string& device, const std::vector<std::string>& lockFolders) {
    long pid = lockingProcess(device, lockFolders);
    if (!pid) pid = openingProcess(device);
    return pid ? processName(pid) : std::string();
}

DeviceAccess deviceAccess(const std::string& device) {
    DeviceAccess access{USUAL_GROUP};
    struct stat info {};
    const group* owner = nullptr;
    if (::stat(device.c_str(), &info) == 0 && (info.st_mode & S_IRGRP) && info.st_gid != 0)
        owner = ::getgrgid(info.st_gid);
    if (!owner) owner = ::getgrnam(USUAL_GROUP);
    if (!owner) return access;
    access.group = owner->gr_name;
    access.joinedSinceLogin = listedIn(*owner) && !inThisLogin(owner->gr_gid);
    return access;
}
