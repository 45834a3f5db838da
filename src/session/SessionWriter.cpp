// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionWriter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr auto WRITE_INTERVAL = std::chrono::milliseconds(200);
constexpr auto EXIT_WAIT = std::chrono::seconds(2);
constexpr std::size_t BACKLOG_LIMIT = 16u << 20;
constexpr const char* EXTENSION = ".vsession";

struct Job {
    enum Kind { Start, Text, Finish, Backlog } kind;
    std::string name;
    std::string text;
};

} // namespace

struct SessionWriter::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> jobs;
    std::size_t backlog = 0;
    bool backlogNoted = false;
    bool urgent = false;
    bool busy = false;
    bool stop = false;
    bool done = false;
};

namespace {

// The thread's side: the open file and the sizes of the folder's other files.
class Worker {
public:
    Worker(fs::path folder, std::uintmax_t limit, std::ostream& notes,
           SessionWriter::FileOpener open)
        : folder_(std::move(folder)), limit_(limit), notes_(notes), open_(std::move(open)) {}
    ~Worker() { closeFile(); }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void run(const Job& job) {
        switch (job.kind) {
        case Job::Start:
            start(job.name, job.text);
            break;
        case Job::Text:
            append(job.text);
            break;
        case Job::Finish:
            append(job.text);
            closeFile();
            break;
        case Job::Backlog:
            if (file_) stopRecording("the disk does not keep up");
            break;
        }
    }

private:
    void start(const std::string& name, const std::string& text) {
        closeFile();
        std::error_code ignored;
        fs::create_directories(folder_, ignored);
        const fs::path wanted = folder_ / name;
        path_ = wanted;
        for (int n = 2; !(file_ = open_(path_)) && errno == EEXIST && n < 100; ++n)
            path_ = folder_ / (wanted.stem().string() + "-" + std::to_string(n) +
                               wanted.extension().string());
        if (!file_) {
            note(std::strerror(errno));
            return;
        }
        size_ = 0;
        listOthers();
        append(text);
    }

    void append(const std::string& text) {
        if (!file_ || text.empty()) return;
        if (size_ + text.size() > limit_) {
            stopRecording("the sessions have reached their size limit");
            return;
        }
        while (othersSize_ + size_ + text.size() > limit_ && !others_.empty()) {
            std::error_code ignored;
            fs::remove(others_.front().first, ignored);
            othersSize_ -= others_.front().second;
            others_.erase(others_.begin());
        }
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() ||
            std::fflush(file_) != 0) {
            stopRecording(std::strerror(errno));
            return;
        }
        size_ += text.size();
    }

    // The other session files, oldest (by name, a date and time) first.
    void listOthers() {
        others_.clear();
        othersSize_ = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder_, error)) {
            std::error_code sizeError;
            const auto size = entry.file_size(sizeError);
            if (entry.path().extension() != EXTENSION || entry.path() == path_ || sizeError)
                continue;
            others_.emplace_back(entry.path(), size);
            othersSize_ += size;
        }
        std::sort(others_.begin(), others_.end());
    }

    void stopRecording(const std::string& why) {
        note(why);
        closeFile();
    }

    void note(const std::string& why) {
        notes_ << "vectrin: session recording stopped: " << path_.string() << ": " << why
               << std::endl;
    }

    void closeFile() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }

    fs::path folder_;
    std::uintmax_t limit_;
    std::ostream& notes_;
    SessionWriter::FileOpener open_;
    std::FILE* file_ = nullptr;
    fs::path path_;
    std::uintmax_t size_ = 0;
    std::vector<std::pair<fs::path, std::uintmax_t>> others_;
    std::uintmax_t othersSize_ = 0;
};

} // namespace

std::FILE* SessionWriter::createNewFile(const fs::path& path) {
    return std::fopen(path.c_str(), "wx");
}

SessionWriter::SessionWriter(fs::path folder, std::uintmax_t sizeLimit, std::ostream& notes,
                             FileOpener open)
    : shared_(std::make_shared<Shared>()) {
    thread_ = std::thread([shared = shared_, folder = std::move(folder), sizeLimit, &notes,
                           open = std::move(open)]() mutable {
        Worker worker(std::move(folder), sizeLimit, notes, std::move(open));
        std::unique_lock lock(shared->mutex);
        while (!(shared->stop && shared->jobs.empty())) {
            shared->wake.wait_for(lock, WRITE_INTERVAL,
                                  [&] { return shared->urgent || shared->stop; });
            std::deque<Job> jobs = std::exchange(shared->jobs, {});
            shared->backlog = 0;
            shared->urgent = false;
            shared->busy = true;
            lock.unlock();
            for (const Job& job : jobs)
                worker.run(job);
            lock.lock();
            shared->busy = false;
            shared->idle.notify_all();
        }
        shared->done = true;
        shared->idle.notify_all();
    });
}

SessionWriter::~SessionWriter() {
    std::unique_lock lock(shared_->mutex);
    shared_->stop = true;
    shared_->wake.notify_one();
    const bool finished = shared_->idle.wait_for(lock, EXIT_WAIT, [&] { return shared_->done; });
    lock.unlock();
    if (finished)
        thread_.join();
    else
        thread_.detach();
}

void SessionWriter::startFile(const std::string& name, std::string text) {
    const std::lock_guard lock(shared_->mutex);
    shared_->jobs.push_back({Job::Start, name, std::move(text)});
    shared_->backlogNoted = false;
    shared_->urgent = true;
    shared_->wake.notify_one();
}

void SessionWriter::write(std::string_view text) {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->backlog + text.size() > BACKLOG_LIMIT) {
        if (!shared_->backlogNoted) shared_->jobs.push_back({Job::Backlog, {}, {}});
        shared_->backlogNoted = true;
        return;
    }
    shared_->backlog += text.size();
    if (shared_->jobs.empty() || shared_->jobs.back().kind != Job::Text)
        shared_->jobs.push_back({Job::Text, {}, {}});
    shared_->jobs.back().text.append(text);
}

void SessionWriter::finishFile(std::string text) {
    const std::lock_guard lock(shared_->mutex);
    shared_->jobs.push_back({Job::Finish, {}, std::move(text)});
    shared_->urgent = true;
    shared_->wake.notify_one();
}

void SessionWriter::flush() {
    std::unique_lock lock(shared_->mutex);
    shared_->urgent = true;
    shared_->wake.notify_one();
    shared_->idle.wait(lock,
                       [&] { return shared_->done || (shared_->jobs.empty() && !shared_->busy); });
}
