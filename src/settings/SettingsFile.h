// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// The one settings file, Vectrin.ini in the settings folder.
class SettingsFile {
public:
    explicit SettingsFile(const std::filesystem::path& folder)
        : folder_(folder), path_(folder / "Vectrin.ini") {}

    const std::filesystem::path& path() const { return path_; }

    // The whole file; throws SettingsFileError when it is missing, is not a
    // plain file or cannot be read.
    std::string read() const;

    // Replaces the file in one step: the text goes to a temporary file in the
    // same folder (the folder is created when missing), which is then renamed
    // over the old file. Returns false when any of it fails; the old file is
    // then left exactly as it was, never cut short.
    bool write(const std::string& text) const;

    // Keeps a copy of the file as Vectrin.ini.replaced before it is replaced by
    // the defaults, so the operator's colours and presets can still be found.
    void keepBeforeReplacing() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};
