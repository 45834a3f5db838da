// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"

#include "session/BearingLogging.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>

std::string dataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::filesystem::path base =
        data && *data ? std::filesystem::path(data)
                      : std::filesystem::path(QDir::homePath().toStdString()) / ".local" / "share";
    return (base / "Vectrin").string();
}

std::string sessionsFolder() {
    return (std::filesystem::path(dataFolder()) / "sessions").string();
}

std::string bearingLogFile() {
    return (std::filesystem::path(dataFolder()) / BEARING_LOG_NAME).string();
}
