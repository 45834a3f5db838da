// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The far end of a serial line on a pseudo-terminal, as a USB serial adapter
// hands the text over: cut at random points (seeded, so a failure comes back
// with its seed) and each piece written when a line at the baud rate would
// have carried its last byte (ten bits a character), from a thread of its own
// while the test runs the event loop. Each piece also waits until the reader
// has taken all before it, so every piece is a notification of its own however
// busy the machine is. Baud rate 0: as fast as the reader takes the pieces.

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

class PacedLine {
public:
    static constexpr std::size_t LONGEST_PIECE = 16;

    PacedLine(int fd, int baud, std::uint32_t seed) : fd_(fd), baud_(baud), random_(seed) {}
    ~PacedLine() { stop(); }
    PacedLine(const PacedLine&) = delete;
    PacedLine& operator=(const PacedLine&) = delete;

    // Puts the text on the line after what was sent before; returns at once.
    void send(const std::string& text) {
        std::vector<std::string> pieces;
        std::uniform_int_distribution<std::size_t> length(1, LONGEST_PIECE);
        for (std::size_t at = 0; at < text.size(); at += pieces.back().size())
            pieces.push_back(text.substr(at, length(random_)));
        if (writer_.joinable()) writer_.join();
        writer_ = std::thread([this, pieces = std::move(pieces)] { write(pieces); });
    }
    // The reader took n characters off the line.
    void taken(std::size_t n) {
        const std::lock_guard lock(mutex_);
        taken_ += n;
        changed_.notify_all();
    }
    std::size_t pieces() const {
        const std::lock_guard lock(mutex_);
        return pieces_;
    }
    // Ends the writing, also while it waits for a reader that stopped reading.
    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            changed_.notify_all();
        }
        if (writer_.joinable()) writer_.join();
    }

private:
    void write(const std::vector<std::string>& pieces) {
        const auto start = std::chrono::steady_clock::now();
        std::size_t onLine = 0;
        for (const std::string& piece : pieces) {
            onLine += piece.size();
            if (baud_ > 0)
                std::this_thread::sleep_until(
                    start + std::chrono::microseconds(onLine * 10'000'000 / baud_));
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || taken_ == written_; });
            if (stopping_) return;
            if (::write(fd_, piece.data(), piece.size()) != static_cast<ssize_t>(piece.size()))
                return;
            written_ += piece.size();
            ++pieces_;
        }
    }

    const int fd_;
    const std::size_t baud_;
    std::mt19937 random_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t taken_ = 0;
    std::size_t written_ = 0;
    std::size_t pieces_ = 0;
    bool stopping_ = false;
    std::thread writer_;
};
