#pragma once

#include "settings/Program.h"
#include "support/Fakes.h"

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

inline constexpr SystemColours TEST_SYSTEM_COLOURS{0xF0F0F0, 0xA0A0A0};

// The whole program on fakes, its settings folder in a temporary folder of
// its own (a "home"), which holds no settings folder until something makes one.
struct ProgramRig {
    TemporaryFolder home;
    std::filesystem::path folder = home.path / "Vectrin";
    std::filesystem::path file = folder / "Vectrin.ini";
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    FakeColourPicker picker;
    Program program{ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                                 folder.string(), TEST_SYSTEM_COLOURS}};
    form_VECTRIN& f = program.main();
    Form_OPTIONS& o = program.options();

    // Another run of the program on the same settings folder.
    struct NextRun {
        explicit NextRun(const std::filesystem::path& settingsFolder)
            : program{ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                                   settingsFolder.string(), TEST_SYSTEM_COLOURS}} {
            program.start();
        }
        FakeSerialPort serial;
        FakeClock clock;
        FakeTimer timer1;
        FakeTimer timerMouseDown;
        RecordingSurface surface;
        FakeColourPicker picker;
        Program program;
        form_VECTRIN& f = program.main();
        Form_OPTIONS& o = program.options();
    };

    void click(const std::string& button) { program.click(button); }
    void optionsClick(const std::string& name) { program.optionsClick(name); }

    int refreshes() const {
        int n = 0;
        for (const DrawOp& op : surface.ops)
            n += op.kind == DrawOp::Refresh;
        return n;
    }
};
