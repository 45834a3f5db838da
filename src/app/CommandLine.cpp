// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/QtOptions.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

using Error = std::optional<std::string>;

// One option of the program. Adding an option is one more line in OPTIONS
// and, if it carries something, one more field in CommandLine.
struct Option {
    std::string_view name;      // "--settings-folder"
    std::string_view shortName; // "-h", or empty
    std::string_view value;     // what follows it ("DIR"), empty for a switch
    std::string_view help;      // one line per '\n'
    Error (*apply)(CommandLine&, std::string_view value);
};

// The fastest replay: a ten-minute session in under a second.
constexpr double FASTEST_REPLAY = 1000;
// The longest line of bearing: as far as any DF unit hears.
constexpr double LONGEST_LINE_KM = 1000;

// A number above 0 and up to `most`, the whole text of it.
std::optional<double> positiveNumber(std::string_view value, double most) {
    const std::string text(value);
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(number > 0 && number <= most)) return std::nullopt;
    return number;
}

const std::array<Option, 7> OPTIONS = {{
    {"--help", "-h", "", "show this help and exit",
     [](CommandLine& line, std::string_view) -> Error {
         line.help = true;
         return {};
     }},
    {"--version", "", "", "show the version and exit",
     [](CommandLine& line, std::string_view) -> Error {
         line.version = true;
         return {};
     }},
    {"--settings-folder", "", "DIR",
     "keep the settings file and the COMn links in DIR\n"
     "instead of ~/.config/Vectrin (for a second station)",
     [](CommandLine& line, std::string_view dir) -> Error {
         if (dir.empty()) return "--settings-folder needs a folder";
         line.settingsFolder = std::filesystem::absolute(dir).lexically_normal().string();
         return {};
     }},
    {"--replay", "", "FILE",
     "play a recorded session (from ~/.local/share/Vectrin/sessions)\n"
     "in place of the serial port; the settings file is left as it is",
     [](CommandLine& line, std::string_view file) -> Error {
         if (file.empty()) return "--replay needs a file";
         line.replay = file;
         return {};
     }},
    {"--speed", "", "N", "play the session N times faster (up to 1000; with --replay)",
     [](CommandLine& line, std::string_view value) -> Error {
         const std::optional<double> speed = positiveNumber(value, FASTEST_REPLAY);
         if (!speed) return "--speed needs a number above 0 and up to 1000";
         line.speed = *speed;
         return {};
     }},
    {"--export-kml", "", "LOG",
     "write the bearings of a bearing log (~/.local/share/Vectrin/\n"
     "bearings.csv) as lines of bearing (KML) on standard output",
     [](CommandLine& line, std::string_view log) -> Error {
         if (log.empty()) return "--export-kml needs a bearing log";
         line.exportKml = log;
         return {};
     }},
    {"--length", "", "KM", "make each line of bearing KM long (default 10, up to 1000)",
     [](CommandLine& line, std::string_view value) -> Error {
         const std::optional<double> length = positiveNumber(value, LONGEST_LINE_KM);
         if (!length) return "--length needs kilometres above 0 and up to 1000";
         line.lengthKm = *length;
         return {};
     }},
}};

const Option* findOption(std::string_view name) {
    for (const Option& option : OPTIONS)
        if (option.name == name || (!option.shortName.empty() && option.shortName == name))
            return &option;
    return nullptr;
}

// Keeps one of Qt's options (and its value) for Qt; notes what the display
// check needs to know.
Error keepForQt(CommandLine& line, int argc, char** argv, int& i) {
    std::string_view name;
    const QtOptionKind kind = qtOptionKind(argv[i], name);
    if (kind == QtOptionKind::None) return "unknown option " + std::string(argv[i]);
    line.qtArguments.push_back(argv[i]);
    if (kind != QtOptionKind::Separate) return {};
    if (i + 1 >= argc) return std::string(argv[i]) + " needs a value";
    line.qtArguments.push_back(argv[++i]);
    if (name == "platform") line.platformChosen = true;
    if (name == "display") line.display = argv[i];
    return {};
}

Error parseOne(CommandLine& line, int argc, char** argv, int& i) {
    const std::string_view argument = argv[i];
    if (!argument.starts_with('-') || argument == "-" || argument == "--")
        return "unexpected argument " + std::string(argument);
    const auto equals = argument.find('=');
    const bool joined = argument.starts_with("--") && equals != std::string_view::npos;
    const Option* option = findOption(joined ? argument.substr(0, equals) : argument);
    if (option == nullptr) return keepForQt(line, argc, argv, i);
    if (option->value.empty()) {
        if (joined) return std::string(option->name) + " takes no value";
        return option->apply(line, {});
    }
    if (joined) return option->apply(line, argument.substr(equals + 1));
    if (i + 1 >= argc) return std::string(option->name) + " needs " + std::string(option->value);
    return option->apply(line, argv[++i]);
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, char** argv) {
    ParsedCommandLine parsed;
    parsed.line.qtArguments.push_back(argv[0]);
    for (int i = 1; i < argc && !parsed.error; ++i)
        parsed.error = parseOne(parsed.line, argc, argv, i);
    if (!parsed.error && parsed.line.speed != 1 && parsed.line.replay.empty())
        parsed.error = "--speed goes with --replay";
    if (!parsed.error && parsed.line.lengthKm != DEFAULT_LINE_KM && parsed.line.exportKml.empty())
        parsed.error = "--length goes with --export-kml";
    return parsed;
}

std::string usage() {
    std::string text = "Usage: vectrin [OPTION]...\n"
                       "The operator's display for a Doppler radio direction finder.\n\n";
    constexpr std::size_t HELP_COLUMN = 29;
    for (const Option& option : OPTIONS) {
        std::string left(2, ' ');
        left.append(option.shortName.empty() ? "    " : std::string(option.shortName) + ", ");
        left.append(option.name);
        if (!option.value.empty()) left.append(" ").append(option.value);
        left.resize(std::max(HELP_COLUMN, left.size() + 2), ' ');
        std::string_view help = option.help;
        for (auto newline = help.find('\n'); newline != std::string_view::npos;
             newline = help.find('\n')) {
            text += left + std::string(help.substr(0, newline)) + "\n";
            left.assign(HELP_COLUMN, ' ');
            help.remove_prefix(newline + 1);
        }
        text += left + std::string(help) + "\n";
    }
    text += "\nQt's own options (-platform, -display, -style, ...) are passed on to Qt.\n"
            "The keys, files and serial ports are described in vectrin(1).\n";
    return text;
}
