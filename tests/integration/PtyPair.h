// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

// A pseudo-terminal pair: the test writes into the master side, the adapter
// opens the slave side (through a COMn link). Closing the master hangs the
// slave up, as an unplugged adapter does.
struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        int slaveFd = -1;
        char name[256] = {};
        if (::openpty(&master, &slaveFd, name, nullptr, nullptr) != 0) return;
        slave = name;
        ::close(slaveFd);
    }
    ~Pty() { ::close(master); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    void write(const std::string& text) const {
        ASSERT_EQ(::write(master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    speed_t speed() const {
        termios line{};
        ::tcgetattr(master, &line);
        return ::cfgetispeed(&line);
    }
};
