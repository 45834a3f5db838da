// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

// The one settings file, Vectrin.ini in the settings folder. When it is a
// symbolic link, the file it points to is read and written, and the link stays.
class SettingsFile {
public:
    // `messages` is where the operator is told what became of the file
    // (standard error).
    SettingsFile(const std::filesystem::path& folder, std::ostream& messages)
        : folder_(folder), path_(folder / "Vectrin.ini"), messages_(messages) {}

    const std::filesystem::path& path() const { return path_; }
    std::ostream& messages() const { return messages_; }

    // The whole file; throws SettingsFileError when it is missing, is not a
    // plain file or cannot be read.
    std::string read() const;

    // A read-only file is a pinned configuration: it is read, never written.
    // True when its permissions let nobody write it, or this user cannot.
    bool pinned() const;

    // Replaces the file in one step: the text goes to a temporary file beside
    // it (the settings folder is created when missing), which takes the old
    // file's permissions and is then renamed over it. Returns false when any
    // of it fails, and failure() says why; the old file is then left exactly
    // as it was, never cut short. Writes nothing once saving has stopped.
    bool write(const std::string& text) const;

    // Keeps a time-stamped copy of the file before it is replaced by the
    // defaults (see keepCopy). False, with failure() saying why, when there is
    // a file and no copy of it could be made; true when there is nothing to
    // keep. copy() names the copy made.
    bool keepBeforeReplacing();
    const std::filesystem::path& copy() const { return copy_; }

    // From now on nothing is written: the file on disk is the operator's.
    void stopSaving() { saving_ = false; }
    bool saving() const { return saving_; }

    const std::string& failure() const { return failure_; }

private:
    // The file itself, behind any symbolic links.
    std::filesystem::path target() const;

    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::ostream& messages_;
    std::filesystem::path copy_;
    mutable std::string failure_;
    bool saving_ = true;
};
