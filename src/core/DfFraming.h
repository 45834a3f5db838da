// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Frames DF messages, "%" and the three characters behind it, out of the text
// of the serial line. A serial adapter hands over what has arrived every few
// milliseconds, so a message may come in pieces over several notifications:
// the part that has arrived waits for the rest.
class DfFraming {
public:
    // Reads the text of one notification, received at `clock` (seconds since
    // midnight). A "%" starts a message only while `accepting` (outside the
    // lock-out). Returns the first message completed in this text that is to
    // be taken in; the rest of the text is then left unread, since the
    // lock-out that follows would drop any message in it.
    std::optional<std::string> read(std::string_view text, double clock, bool accepting);

private:
    std::optional<std::string> partial_;
    double startedAt_ = 0;
};
