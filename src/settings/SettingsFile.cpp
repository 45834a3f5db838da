// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"

#include "settings/SettingsFormat.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

std::string SettingsFile::read() const {
    std::error_code error;
    if (!fs::is_regular_file(path_, error))
        throw SettingsFileError("no settings file at " + path_.string());
    std::ifstream in(path_, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) throw SettingsFileError("cannot read " + path_.string());
    return text;
}

bool SettingsFile::write(const std::string& text) const {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return false;
    const fs::path temporary = fs::path(path_).concat(".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, path_, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

void SettingsFile::keepBeforeReplacing() const {
    std::error_code error;
    if (!fs::is_regular_file(path_, error)) return;
    fs::copy_file(path_, fs::path(path_).concat(".replaced"), fs::copy_options::overwrite_existing,
                  error);
}
