// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>

// How many copies of replaced settings files are kept; older ones are removed.
inline constexpr std::size_t KEPT_COPIES = 5;

// Keeps a copy of a settings file that is about to be replaced, beside it as
// "<name>.replaced-YYYYMMDD-HHMMSS" (local time `when`; "-2", "-3", ... is
// added when that name is taken), never over an earlier copy. A linked file's
// content is copied. Then removes all but the newest KEPT_COPIES copies of
// that name; other files are left alone. Returns the copy's path; throws
// std::filesystem::filesystem_error when no complete copy could be made.
std::filesystem::path keepCopy(const std::filesystem::path& file,
                               std::chrono::system_clock::time_point when);
