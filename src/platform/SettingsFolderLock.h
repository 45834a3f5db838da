// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// One running program a settings folder: the folder itself is locked for the
// whole run (created first when it is missing). The system lets go of the
// lock when the process ends, however it ends, so a killed program never
// keeps the next start out.
class SettingsFolderLock {
public:
    enum class State {
        Held,          // this run has the folder to itself
        HeldByAnother, // another running program has it
        Unavailable,   // the folder cannot be made or locked: nothing to fight over
    };

    explicit SettingsFolderLock(const std::string& folder);
    SettingsFolderLock(const SettingsFolderLock&) = delete;
    SettingsFolderLock& operator=(const SettingsFolderLock&) = delete;
    ~SettingsFolderLock();

    State state() const { return state_; }

private:
    int descriptor_ = -1;
    State state_ = State::Unavailable;
};
