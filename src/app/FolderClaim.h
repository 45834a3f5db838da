// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsFolderLock.h"
#include "platform/WindowCall.h"

#include <optional>
#include <string>

class QWidget;

// One running program a settings folder, so that two never fight over the
// settings file and the port. A replay writes no settings and opens no port:
// it claims nothing and may run beside a live program.
class FolderClaim {
public:
    FolderClaim(const std::string& folder, bool replay);

    // When another program runs on the folder: asks it to bring its window to
    // the front, says so on standard error and gives this start's exit status.
    std::optional<int> handOver() const;

    // From now on a second start brings `window` to the front.
    void answerCalls(QWidget& window);

private:
    std::string folder_;
    std::optional<SettingsFolderLock> lock_;
    std::optional<WindowCall> calls_;
};
