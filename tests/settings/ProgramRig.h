#pragma once

#include "ProgramOnFakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// A folder of its own under the system's temporary folder, removed afterwards.
struct TemporaryFolder {
    TemporaryFolder() {
        static std::atomic<int> counter{0};
        std::ostringstream name;
        name << "vectrin-settings-test-" << std::hex << reinterpret_cast<std::uintptr_t>(this)
             << '-' << counter++;
        path = std::filesystem::temp_directory_path() / name.str();
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    std::filesystem::path path;
};

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The lines of a settings text, without their CR LF.
inline std::vector<std::string> settingsLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A program on fakes whose settings folder lies in a temporary folder of its
// own (a "home"), which holds no settings folder until something makes one.
struct ProgramRig {
    TemporaryFolder home;
    std::filesystem::path folder = home.path / "Vectrin";
    std::filesystem::path file = folder / "Vectrin.ini";
    ProgramOnFakes run{folder.string()};
    FakeSerialPort& serial = run.serial;
    FakeClock& clock = run.clock;
    RecordingSurface& surface = run.surface;
    FakeColourPicker& picker = run.picker;
    Program& program = run.program;
    form_VECTRIN& f = run.f;
    Form_OPTIONS& o = run.o;

    void click(const std::string& button) { run.click(button); }
    void optionsClick(const std::string& name) { run.optionsClick(name); }
    int refreshes() const { return run.refreshes(); }
};

// A started program with the options dialog open and nothing drawn since.
struct DialogOpen : ::testing::Test {
    ProgramRig rig;
    form_VECTRIN& f = rig.f;
    Form_OPTIONS& o = rig.o;
    void SetUp() override {
        rig.program.start();
        rig.click("CmdButton_OPTIONS");
        rig.surface.ops.clear();
    }
    void press(const std::string& name, int times = 1) {
        for (int i = 0; i < times; ++i)
            rig.optionsClick(name);
    }
};
