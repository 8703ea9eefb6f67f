#include "fuzz/harnesses.h"

#include "core/app_state.h"
#include "core/palette.h"
#include "core/record.h"
#include "core/settings_files.h"

#include <fstream>
#include <unistd.h>

namespace psn::fuzz {
namespace {

// Reading every output byte makes a sanitizer see any byte that decoding left uninitialised.
volatile std::uint32_t g_sink;

template <typename Bytes> void Touch(const Bytes& bytes) {
    std::uint32_t sum = 0;
    for (const auto b : bytes)
        sum += static_cast<std::uint32_t>(b);
    g_sink = sum;
}

// One scratch folder per process, standing in for the editor's start directory.
const std::string& ScratchDir() {
    static const std::string dir = [] {
        // Memory-backed when the system has it: the settings harness writes two files per input.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        auto path = base / ("psn-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return dir;
}

void WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(ScratchDir() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void SettingsFiles(const std::uint8_t* data, std::size_t size) {
    AppState state;
    state.startDir = ScratchDir();
    WriteScratch("fuzz.GIA", data, size);
    WriteScratch("psniaed.set", data, size);
    SetCurrentSettingsFile(state, "fuzz.GIA");
    const auto before = state.record;
    const FileResult result = ReadSettingsFile(state);
    if (!result.Ok() && !(state.record == before))
        __builtin_trap(); // a failed read must leave the record as it was
    Touch(state.record.bytes());
    Touch(SettingsDescription(state.record));
    if (ReadConfig(state)) {
        Touch(state.config.Bytes());
        Touch(state.config.GameDir());
        Touch(state.config.ExePath());
    }
}

std::vector<std::vector<std::uint8_t>> SettingsSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    std::vector<std::uint8_t> record(rec::kSize, 0);
    seeds.push_back(record);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(i * 13);
    seeds.push_back(record);
    record[rec::kDescription] = 255;
    seeds.push_back(record);
    std::vector<std::uint8_t> config(515, 0);
    const std::string dir = "/games/psn/";
    config[0] = static_cast<std::uint8_t>(dir.size());
    std::copy(dir.begin(), dir.end(), config.begin() + 1);
    config[256] = 255;
    config[513] = 1;
    seeds.push_back(config);
    seeds.push_back({});
    return seeds;
}

void Palette(const std::uint8_t* data, std::size_t size) {
    const GamePalette palette = ParsePalette(std::span(data, size));
    for (const auto& entry : palette)
        g_sink = entry.red + entry.green + entry.blue + entry.reserved;
}

std::vector<std::vector<std::uint8_t>> PaletteSeeds() {
    std::vector<std::uint8_t> full(kPaletteHeaderSize, 0);
    for (int i = 0; i < 256; ++i)
        full.insert(full.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                 static_cast<std::uint8_t>(i / 2), 0});
    std::vector<std::uint8_t> part(full.begin(), full.begin() + kPaletteHeaderSize + 40);
    return {full, part, std::vector<std::uint8_t>(kPaletteHeaderSize, 0)};
}

} // namespace

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets = {
        {"settings", SettingsFiles, SettingsSeeds},
        {"palette", Palette, PaletteSeeds},
    };
    return targets;
}

const Target* FindTarget(const std::string& name) {
    for (const auto& target : Targets())
        if (name == target.name)
            return &target;
    return nullptr;
}

} // namespace psn::fuzz
