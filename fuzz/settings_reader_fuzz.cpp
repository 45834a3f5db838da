// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: reading and applying them never crashes,
// and whatever was applied is written back so that it reads back the same.
#include "settings/ProgramOnFakes.h"
#include "settings/SettingsFormat.h"
#include "settings/StartUp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>

namespace {

// Applies a settings text to a fresh program; the record it leaves, or none
// when the text was refused part way.
std::unique_ptr<SettingsRecord> applied(std::string_view text) {
    ProgramOnFakes run("/nonexistent/vectrin-fuzz");
    SettingsReader items(text);
    try {
        applySettings(run.program.options(), items);
    } catch (const std::exception&) {
        return nullptr;
    }
    return std::make_unique<SettingsRecord>(settingsOf(run.program.options()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto first = applied(text);
    if (!first) return 0;
    const std::string written = settingsText(*first);
    const auto second = applied(written);
    if (!second || !(*second == *first)) std::abort();
    return 0;
}
