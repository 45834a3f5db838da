// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"

#include "settings/KeptCopies.h"
#include "settings/SettingsFormat.h"

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// More links than this in a row is a loop.
constexpr int MOST_LINKS = 40;

} // namespace

std::string SettingsFile::read() const {
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (!fs::exists(status)) throw SettingsFileError("no settings file at " + path_.string());
    if (!fs::is_regular_file(status)) throw SettingsFileError("it is not a plain file");
    std::ifstream in(path_, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || (!in && !in.eof()))
        throw SettingsFileError("cannot read " + path_.string());
    return text;
}

bool SettingsFile::pinned() const {
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (error || !fs::is_regular_file(status)) return false;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none) return true;
    return !std::ofstream(path_, std::ios::binary | std::ios::app).is_open();
}

fs::path SettingsFile::target() const {
    fs::path file = path_;
    std::error_code error;
    for (int links = 0; links < MOST_LINKS && fs::is_symlink(fs::symlink_status(file, error));
         ++links) {
        const fs::path to = fs::read_symlink(file, error);
        if (error) break;
        file = to.is_absolute() ? to : file.parent_path() / to;
    }
    return file;
}

bool SettingsFile::write(const std::string& text) const {
    if (!saving_) return false;
    std::error_code error;
    fs::create_directories(folder_, error);
    const fs::path file = target();
    const fs::path temporary = fs::path(file).concat(".new");
    if (!error) {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) error = std::error_code(errno ? errno : EIO, std::generic_category());
    }
    if (!error) {
        const fs::file_status old = fs::status(file, error);
        error.clear();
        if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), error);
    }
    if (!error) fs::rename(temporary, file, error);
    if (!error) return true;
    failure_ = error.message();
    fs::remove(temporary, error);
    return false;
}

bool SettingsFile::keepBeforeReplacing() {
    std::error_code error;
    if (!fs::exists(fs::status(path_, error))) return true; // nothing to lose
    try {
        copy_ = keepCopy(path_, std::chrono::system_clock::now());
        return true;
    } catch (const fs::filesystem_error& e) {
        failure_ = e.code().message();
        return false;
    }
}
