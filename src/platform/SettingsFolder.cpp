// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFolder.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>

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
