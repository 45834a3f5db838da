// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SysfsSerialDevices.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// How far above a terminal's device sysfs keeps the USB device it belongs to
// (ttyUSB: port, interface, device; ttyACM: interface, device).
constexpr int USB_LEVELS = 4;

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A built-in port whose UART does not answer reads as type 0.
bool hasHardware(const fs::path& tty) {
    return !startsWith(tty.filename().string(), "ttyS") || firstLine(tty / "type") != "0";
}

void readUsb(const fs::path& tty, SerialDevice& device) {
    std::error_code error;
    fs::path up = fs::canonical(tty / "device", error);
    for (int level = 0; !error && level < USB_LEVELS && !up.empty();
         ++level, up = up.parent_path()) {
        if (!fs::exists(up / "idVendor", error)) continue;
        device.description = firstLine(up / "product");
        device.serialNumber = firstLine(up / "serial");
        device.usbId = firstLine(up / "idVendor") + ":" + firstLine(up / "idProduct");
        return;
    }
}

std::map<fs::path, std::string> stableNames(const std::string& byId) {
    std::map<fs::path, std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(byId, error)) {
        const fs::path device = fs::canonical(entry.path(), error);
        if (!error) names.emplace(device, entry.path().string());
    }
    return names;
}

} // namespace

SysfsSerialDevices::SysfsSerialDevices(DevicePlaces places) : places_(std::move(places)) {}

std::vector<SerialDevice> SysfsSerialDevices::present() const {
    const auto names = stableNames(places_.byId);
    std::vector<SerialDevice> devices;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(places_.classTty, error)) {
        const fs::path tty = entry.path();
        if (!fs::exists(tty / "device", error) || !hasHardware(tty)) continue;
        SerialDevice device;
        device.device = (fs::path(places_.dev) / tty.filename()).string();
        if (!fs::is_character_file(device.device, error)) continue;
        const auto stable = names.find(fs::canonical(device.device, error));
        device.name = stable != names.end() ? stable->second : device.device;
        readUsb(tty, device);
        devices.push_back(device);
    }
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return std::pair(a.usbId.empty(), a.name) < std::pair(b.usbId.empty(), b.name);
    });
    return devices;
}

DeviceTarget SysfsSerialDevices::port(int n) const {
    const fs::path link = fs::path(places_.settingsFolder) / ("COM" + std::to_string(n));
    std::error_code error;
    const fs::file_status entry = fs::symlink_status(link, error);
    if (!fs::exists(entry)) {
        DeviceTarget target = inspect(places_.dev + "/ttyS" + std::to_string(n - 1));
        target.link = link.string();
        return target;
    }
    DeviceTarget target = inspect(link.string());
    if (fs::is_symlink(entry)) target.path = fs::read_symlink(link, error).string();
    target.link = link.string();
    target.linked = true;
    return target;
}

DeviceTarget SysfsSerialDevices::inspect(const std::string& path) const {
    return inspectDevicePath(path, places_.devChar);
}

std::string SysfsSerialDevices::link(int n, const std::string& path) {
    const fs::path folder = places_.settingsFolder;
    const std::string name = "COM" + std::to_string(n);
    const fs::path fresh = folder / ("." + name + ".new." + std::to_string(::getpid()));
    std::error_code error;
    fs::create_directories(folder, error);
    fs::remove(fresh, error);
    fs::create_symlink(path, fresh, error);
    if (!error) fs::rename(fresh, folder / name, error);
    if (!error) return {};
    const std::string reason =
        "cannot make the link " + (folder / name).string() + ": " + error.message();
    fs::remove(fresh, error);
    return reason;
}

std::string SysfsSerialDevices::stableName(const std::string& device) const {
    std::error_code error;
    const auto names = stableNames(places_.byId);
    const auto found = names.find(fs::canonical(device, error));
    return !error && found != names.end() ? found->second : std::string();
}
