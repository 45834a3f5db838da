// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BackgroundFile.h"

#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>
#include <utility>

namespace {

// How often the thread looks for lines: waking it for each would cost the
// one who appends more than the append itself.
constexpr auto WRITE_INTERVAL = std::chrono::milliseconds(200);

std::string reason(int error) {
    return error ? std::generic_category().message(error) : "the write failed";
}

} // namespace

BackgroundFile::BackgroundFile(std::filesystem::path path, std::string header, std::ostream& notes,
                               std::size_t mostWaiting)
    : path_(std::move(path)), header_(std::move(header)), notes_(notes), mostWaiting_(mostWaiting),
      thread_([this] { run(); }) {}

BackgroundFile::~BackgroundFile() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundFile::append(std::string line) {
    if (stopped_) return;
    {
        const std::lock_guard lock(mutex_);
        if (waiting_.size() >= mostWaiting_) {
            ++leftOut_;
            return;
        }
        waiting_.push_back(std::move(line));
    }
}

void BackgroundFile::note(const std::string& what) {
    notes_ << "vectrin: " << path_.string() << ": " << what << '\n' << std::flush;
}

// Opens the file for appending, behind a header when it is new or empty.
bool BackgroundFile::open(std::ofstream& out) {
    std::error_code error;
    std::filesystem::create_directories(path_.parent_path(), error);
    errno = 0;
    out.open(path_, std::ios::app | std::ios::binary);
    if (!out) {
        note(reason(error ? error.value() : errno) + "; nothing is logged");
        return false;
    }
    if (std::filesystem::is_regular_file(path_, error) &&
        std::filesystem::file_size(path_, error) == 0)
        out << header_ << '\n';
    return true;
}

// The file is opened with the first lines, so a run that logs nothing leaves
// no trace.
void BackgroundFile::run() {
    std::ofstream out;
    for (bool closing = false; !closing;) {
        std::vector<std::string> lines;
        std::size_t leftOut = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, WRITE_INTERVAL, [this] { return closing_; });
            lines.swap(waiting_);
            leftOut = std::exchange(leftOut_, 0);
            closing = closing_;
        }
        if (lines.empty()) continue;
        if (!out.is_open() && !open(out)) break;
        errno = 0;
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            note(reason(errno) + "; logging stopped");
            break;
        }
        if (leftOut)
            note(std::to_string(leftOut) + " lines left out while the disk did not keep up");
    }
    stopped_ = true;
}
