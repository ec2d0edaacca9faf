// Arbitrary bytes as a settings file, in both formats the program reads, and
// as a theme file. A file that loads must also save and load again.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "import/SettingsV3Reader.h"
#include "settings/SettingsData.h"
#include "settings/ThemeFile.h"

namespace {

// The two files one run works on, removed when the fuzzer exits.
struct ScratchFiles {
    static std::filesystem::path Named(const char* name) {
        return std::filesystem::temp_directory_path() /
               ("vesk-settings-fuzz-" + std::to_string(::getpid()) + "-" + name);
    }
    ~ScratchFiles() {
        std::error_code ignored;
        std::filesystem::remove(input, ignored);
        std::filesystem::remove(output, ignored);
    }
    std::filesystem::path input = Named("input");
    std::filesystem::path output = Named("output.xml");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFiles files;
    const std::filesystem::path& input = files.input;
    const std::filesystem::path& output = files.output;
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vesk::SettingsData settings;
    if (settings.Load(input)) {
        if (!settings.Save(output)) __builtin_trap();
        vesk::SettingsData again;
        if (!again.Load(output)) __builtin_trap();
    }
    vesk::SettingsData previous;
    vesk::LoadSettingsV3(previous, input);

    vesk::SettingsData themes;
    if (const auto id = vesk::ImportThemeFile(themes, input)) {
        if (!vesk::SaveThemeFile(themes.GetTheme(*id), output)) __builtin_trap();
        if (!vesk::ImportThemeFile(themes, output)) __builtin_trap();
    }
    return 0;
}
