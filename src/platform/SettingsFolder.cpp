// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFolder.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>

std::string settingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base =
        config && *config ? std::filesystem::path(config)
                          : std::filesystem::path(QDir::homePath().toStdString()) / ".config";
    return (base / "Vectrin").string();
}
