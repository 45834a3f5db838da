// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "integration/SerialRig.h"
#include "support/TestRig.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The main window on the real serial adapter, its COM1 a pseudo-terminal
// whose far end is a line as a USB serial adapter hands text over: cut at
// seeded random points, each piece written when a line at the baud rate would
// have carried its last byte (ten bits a character; baud 0: at once) and once
// the window has taken in all before it, so that each piece is a read of its
// own. Clock, timers and surface are fakes: the test runs the cycle.
struct PacedPty {
    SerialRig rig;
    Pty pty;
    TestRig window{true, &rig.port};
    form_VECTRIN& f = window.f;
    std::mt19937 random;
    int baud;
    std::string sent, taken;           // what went on the line, what the window took in
    std::vector<std::size_t> reads;    // where each read ended on the line
    std::vector<std::string> bearings; // the DF message of each bearing taken in
    QTimer wake; // wakes the event loop now and then, so that a deadline is noticed

    PacedPty(int baudRate, std::uint32_t seed) : random(seed), baud(baudRate) {
        rig.com(1, pty.slave);
        rig.port.setAfterNotification([this] {
            reads.push_back((taken += f.INBUFF).size());
            if (f.INCOUNT > static_cast<int>(bearings.size())) bearings.push_back(f.DF_MESSAGE);
        });
        rig.port.setPortNumber(1);
        rig.port.setSettings("9600,n,8,1");
        rig.port.open();
        EXPECT_TRUE(rig.port.isOpen());
        wake.start(100);
    }

    // Puts the text on the line; whether the window took it all in. However
    // busy the machine, a piece not taken in within 30 s never will be.
    bool send(const std::string& text) {
        std::uniform_int_distribution<std::size_t> length(1, 16);
        QElapsedTimer line;
        line.start();
        for (std::size_t at = 0; at < text.size();) {
            const std::string piece = text.substr(at, length(random));
            at += piece.size();
            if (baud > 0)
                runEventsFor(
                    static_cast<int>(std::max<qint64>(0, at * 10'000 / baud - line.elapsed())));
            pty.write(piece);
            sent += piece;
            const QDeadlineTimer deadline(30000);
            while (taken.size() < sent.size()) {
                if (deadline.hasExpired()) return false;
                QCoreApplication::eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
            }
        }
        return true;
    }
};
