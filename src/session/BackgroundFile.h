// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/LineSink.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

// A file that lines are appended to on a thread of its own, so that whoever
// appends never waits for the disk; the thread writes them five times a
// second. With the first lines, the thread creates
// the folder, opens the file for appending and writes `header` first when the
// file is new or empty.
// When the file cannot be opened or a write fails (a full disk), the file is
// given up with a note in `notes`, and further lines are dropped. While the
// disk does not keep up, at most `mostWaiting` lines wait; further ones are
// left out and counted in a note.
class BackgroundFile : public LineSink {
public:
    BackgroundFile(std::filesystem::path path, std::string header, std::ostream& notes,
                   std::size_t mostWaiting = 10000);
    // Writes what still waits, then ends the thread.
    ~BackgroundFile() override;
    BackgroundFile(const BackgroundFile&) = delete;
    BackgroundFile& operator=(const BackgroundFile&) = delete;

    void append(std::string line) override;

private:
    bool open(std::ofstream& out);
    void run();
    void note(const std::string& what);

    const std::filesystem::path path_;
    const std::string header_;
    std::ostream& notes_;
    const std::size_t mostWaiting_;
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<std::string> waiting_;
    std::size_t leftOut_ = 0;
    bool closing_ = false;
    std::thread thread_; // started last, once everything it uses is there
};
