// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>

// Writes session files in a folder on a thread of its own: the caller only
// hands text over and never waits for the disk. The thread writes what it was
// given five times a second, and at once when a file starts or finishes.
//
// The files of the folder (*.vsession) stay within a total size: when a file
// grows past it, the oldest other files are removed first; when it alone is
// larger, or the disk is full, or the disk falls so far behind that 16 MB
// wait, recording stops until the next file with one note on `notes`.
class SessionWriter {
public:
    // Creates a new file; null with errno set when it cannot.
    using FileOpener = std::function<std::FILE*(const std::filesystem::path&)>;
    static std::FILE* createNewFile(const std::filesystem::path& path);

    SessionWriter(std::filesystem::path folder, std::uintmax_t sizeLimit, std::ostream& notes,
                  FileOpener open = createNewFile);
    // Writes what was handed over; a disk that does not answer within two
    // seconds is left to finish on its own.
    ~SessionWriter();
    SessionWriter(const SessionWriter&) = delete;
    SessionWriter& operator=(const SessionWriter&) = delete;

    // A new file `name` (with -2, -3, ... before the extension when the name
    // is taken) that begins with `text`; the file before is closed.
    void startFile(const std::string& name, std::string text);
    void write(std::string_view text);
    void finishFile(std::string text);

    // Waits until everything handed over has been written or given up.
    void flush();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
