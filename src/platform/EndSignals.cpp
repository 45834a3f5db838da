// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> END_SIGNALS{SIGTERM, SIGHUP, SIGINT};

// The pipe from the signal handler to the event loop: read end, write end.
std::array<int, 2> endPipe{-1, -1};

extern "C" void signalled(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(endPipe[1], &byte, 1);
    errno = saved;
}

void handleWith(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : END_SIGNALS)
        sigaction(signal, &action, nullptr);
}

} // namespace

EndSignals::EndSignals(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
    if (::pipe2(endPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(endPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        std::array<char, 16> bytes{};
        while (::read(endPipe[0], bytes.data(), bytes.size()) > 0) {
        }
        if (onEnd_) onEnd_();
    });
    handleWith(signalled);
}

EndSignals::~EndSignals() {
    if (!notifier_) return;
    handleWith(SIG_DFL);
    notifier_.reset();
    ::close(endPipe[0]);
    ::close(endPipe[1]);
    endPipe = {-1, -1};
}
