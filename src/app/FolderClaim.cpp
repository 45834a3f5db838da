// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FolderClaim.h"

#include <QWidget>

#include <iostream>

namespace {

// Another program holds the folder and did not answer.
constexpr int ALREADY_RUNNING = 1;

bool heldBy(const std::optional<SettingsFolderLock>& lock, SettingsFolderLock::State state) {
    return lock && lock->state() == state;
}

} // namespace

FolderClaim::FolderClaim(const std::string& folder, bool replay) : folder_(folder) {
    if (!replay) lock_.emplace(folder);
}

std::optional<int> FolderClaim::handOver() const {
    if (!heldBy(lock_, SettingsFolderLock::State::HeldByAnother)) return std::nullopt;
    std::cerr << "vectrin: already running with the settings in " << folder_;
    if (!WindowCall::call(folder_)) {
        std::cerr << "\n";
        return ALREADY_RUNNING;
    }
    std::cerr << "; its window is brought to the front\n";
    return 0;
}

void FolderClaim::answerCalls(QWidget& window) {
    if (!heldBy(lock_, SettingsFolderLock::State::Held)) return;
    calls_.emplace(folder_, [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
}
