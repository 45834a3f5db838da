// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary serial text through the receive handler, its DF framing across
// notifications and DF_IN, and the cycles that follow, with the heading from
// GPS or set by hand.
//
// Input: three set-up bytes (heading, sector width, switches), then up to 64
// chunks, each a control byte followed by its text. The control byte's low six bits
// are the text's length; bit 6 lets the 50 ms tick run after the chunk, bit 7
// lets a command run a cycle directly (before the tick ends the lock-out).

#include "core/Captions.h"
#include "core/Executive.h"
#include "core/Simulate.h"
#include "core/form_VECTRIN.h"
#include "support/Fakes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// A surface that draws nothing: the cycle's drawing is not under test here,
// and recording it would cost most of each run.
class NullSurface : public DrawingSurface {
public:
    void clear() override {}
    void line(Single, Single, Single, Single) override {}
    void circle(Single, Single, Single) override {}
    void print(const std::string&) override {}
    void setBackColour(Colour) override {}
    Colour backColour() const override { return 0; }
    void refresh() override {}
    TwipsSize clientSize() const override { return {9780, 6795}; }
    TwipsSize windowSize() const override { return {9900, 7200}; }
    void setWindowState(WindowState) override {}
};

// The main window on fakes, not initialised: each run sets what it needs.
struct Window {
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    NullSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};
};

// The test-mode table as start-up builds it, built once for all runs.
const std::array<Integer, 5001>& simulatedTable() {
    static const std::array<Integer, 5001> table = [] {
        Window window;
        window.f.FOCUS = 2.5f;
        SIMULATE(window.f);
        return window.f.SIMULATE_BRG;
    }();
    return table;
}

constexpr Integer SECTOR_WIDTHS[] = {4, 6, 8, 12, 18, 24, 36, 48, 72, 108};

void require(bool condition) {
    if (!condition) std::abort();
}

// A message taken in is three characters that followed a "%" on the line,
// whichever notifications carried them, and at least one is a digit.
void checkMessage(const std::string& message, const std::string& line) {
    if (message.empty()) return;
    require(message.size() == 3);
    require(message.find('%') == std::string::npos);
    require(
        std::any_of(message.begin(), message.end(), [](char c) { return c >= '0' && c <= '9'; }));
    require(line.find('%' + message) != std::string::npos);
}

// What must hold after every handler, whatever came off the line.
void checkState(const form_VECTRIN& f, bool gpsHeading, const std::string& line) {
    require(f.GPS_BUFFER.size() <= 1000);
    checkMessage(f.DF_MESSAGE, line);
    require(f.TRUE_DF_BEARING == 0 || (f.TRUE_DF_BEARING >= 1 && f.TRUE_DF_BEARING <= 360));
    require(f.BRG_HIST[0] == 0 && f.BRG_SUM[0] == 0);
    Single weight = 0;
    Single peak = 0;
    for (int d = 1; d <= 360; ++d) {
        require(std::isfinite(f.BRG_HIST[d]) && f.BRG_HIST[d] >= 0);
        require(std::isfinite(f.BRG_SUM[d]) && f.BRG_SUM[d] >= 0);
        weight += f.BRG_HIST[d];
        peak = std::max(peak, f.BRG_SUM[d]);
    }
    // Every bearing taken in adds weight 1 at one degree and counts once.
    require(weight == static_cast<Single>(f.INCOUNT));
    require(f.MAXVECTOR == peak);
    if (gpsHeading) require(f.HEADING >= 0 && f.HEADING <= 359);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    Window rig;
    form_VECTRIN& f = rig.f;
    f.HEADING = static_cast<Integer>(data[0] % 361);
    f.SECTOR_WIDTH = SECTOR_WIDTHS[data[1] % std::size(SECTOR_WIDTHS)];
    const std::uint8_t switches = data[2];
    const bool gpsHeading = switches & 1;
    if (gpsHeading) rig.settings.headingSource = "GPS";
    if (switches & 2) f.CmdButton_VAR.caption = VAR_ON;
    f.SIMULATE_TIMER = switches & 4;
    if (f.SIMULATE_TIMER) f.SIMULATE_BRG = simulatedTable();
    f.COM_TIMEOUT_TIMER = switches & 8;
    f.Label_COM_TIMEOUT.visible = switches & 16;
    f.HEADING_CORRECTION = static_cast<Integer>(static_cast<std::int8_t>(switches) % 180);
    f.CENTERX = 5000;
    f.CENTERY = 3000;
    f.AZRADIUS = 2000;

    // At most 64 chunks: a run stays short however many empty chunks the input holds.
    std::string line;
    std::size_t at = 3;
    for (int n = 0; n < 64 && at < size; ++n) {
        const std::uint8_t control = data[at++];
        const std::size_t length = std::min<std::size_t>(control & 0x3F, size - at);
        const std::string chunk(reinterpret_cast<const char*>(data + at), length);
        line += chunk;
        rig.serial.deliver(chunk);
        at += length;
        if (control & 0x80) EXECUTIVE(f);
        if (control & 0x40) {
            rig.clock.seconds += 0.05;
            rig.timer1.fire();
        }
        checkState(f, gpsHeading, line);
    }
    return 0;
}
