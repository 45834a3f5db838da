// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFolder.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string& chosenFolder() {
    static std::string folder;
    return folder;
}

} // namespace

void chooseSettingsFolder(const std::string& folder) {
    chosenFolder() = folder;
}

std::string settingsFolder() {
    if (!chosenFolder().empty()) return chosenFolder();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base =
        config && *config ? std::filesystem::path(config)
                          : std::filesystem::path(QDir::homePath().toStdString()) / ".config";
    return (base / "Vectrin").string();
}

std::string serialDevicePath(int portNumber) {
    const std::filesystem::path link =
        std::filesystem::path(settingsFolder()) / ("COM" + std::to_string(portNumber));
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(link, error)) ||
        std::filesystem::exists(link, error))
        return link.string();
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}
