// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeptCopies.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int MOST_NUMBER = 999;         // copies within one second
constexpr std::size_t STAMP_LENGTH = 15; // YYYYMMDD-HHMMSS

std::string stamp(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::array<char, STAMP_LENGTH + 1> text{};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", std::localtime(&t));
    return text.data();
}

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c); });
}

// Where a kept copy stands among the others: its time stamp, then its number
// within that second (1 for none).
using Order = std::pair<std::string, int>;

// The order of a kept copy's name; nothing for a name that is not a kept copy.
std::optional<Order> copyOrder(const std::string& name, const std::string& prefix) {
    if (name.size() < prefix.size() + STAMP_LENGTH || name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::string when = name.substr(prefix.size(), STAMP_LENGTH);
    const std::string rest = name.substr(prefix.size() + STAMP_LENGTH);
    if (!allDigits(when.substr(0, 8)) || when[8] != '-' || !allDigits(when.substr(9)))
        return std::nullopt;
    if (rest.empty()) return std::pair{when, 1};
    if (rest[0] != '-' || !allDigits(rest.substr(1)) || rest.size() > 4) return std::nullopt;
    return std::pair{when, std::stoi(rest.substr(1))};
}

// The kept copies in a folder, oldest first.
std::vector<std::pair<Order, fs::path>> copiesIn(const fs::path& folder,
                                                 const std::string& prefix) {
    std::vector<std::pair<Order, fs::path>> copies;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (const auto order = copyOrder(entry.path().filename().string(), prefix))
            copies.emplace_back(*order, entry.path());
    std::ranges::sort(copies);
    return copies;
}

// The next number within the second of `when`: above every copy made in it.
int nextNumber(const std::vector<std::pair<Order, fs::path>>& copies, const std::string& when) {
    int last = 0;
    for (const auto& [order, path] : copies)
        if (order.first == when) last = std::max(last, order.second);
    return last + 1;
}

} // namespace

fs::path keepCopy(const fs::path& file, std::chrono::system_clock::time_point when) {
    const fs::path folder = file.parent_path();
    const std::string prefix = file.filename().string() + ".replaced-";
    const std::string second = stamp(when);
    auto copies = copiesIn(folder, prefix);
    const int n = nextNumber(copies, second);
    if (n > MOST_NUMBER)
        throw fs::filesystem_error("cannot keep a copy", file,
                                   std::make_error_code(std::errc::file_exists));
    std::string name = prefix + second;
    if (n > 1) name.append("-").append(std::to_string(n));
    const fs::path copy = folder / name;
    std::error_code error;
    if (fs::exists(fs::symlink_status(copy)))
        error = std::make_error_code(std::errc::file_exists);
    else
        fs::copy_file(file, copy, fs::copy_options::none, error);
    if (error) {
        std::error_code ignored;
        if (error != std::errc::file_exists) fs::remove(copy, ignored); // no half copy
        throw fs::filesystem_error("cannot keep a copy", file, copy, error);
    }
    copies = copiesIn(folder, prefix);
    std::error_code ignored;
    for (std::size_t i = 0; i + KEPT_COPIES < copies.size(); ++i)
        fs::remove(copies[i].second, ignored);
    return copy;
}
