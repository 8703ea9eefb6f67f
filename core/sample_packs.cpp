// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sample_packs.h"

#include "core/fs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>

namespace psn {
namespace {

constexpr const char* kInstallationKey = "installation: ";
constexpr const char* kFileKey = "file: ";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(path, bytes, reason))
        return std::nullopt;
    return bytes;
}

// The value of the first "installation: " line of a manifest or marker file.
std::string InstallationOf(const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(kInstallationKey, 0) == 0)
            return line.substr(std::char_traits<char>::length(kInstallationKey));
    return {};
}

struct FileId {
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
};

std::map<std::string, FileId> FilesOf(const std::string& text) {
    std::map<std::string, FileId> files;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kFileKey, 0) != 0)
            continue;
        std::istringstream fields(line.substr(std::char_traits<char>::length(kFileKey)));
        std::string name;
        FileId id;
        if (fields >> name >> id.size >> std::hex >> id.hash)
            files[Upper(name)] = id;
    }
    return files;
}

std::string TextOf(const std::string& path) {
    const auto bytes = ReadBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

} // namespace

std::uint64_t PackFileHash(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

std::string
SamplePackManifest(const std::string& installation,
                   const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& files) {
    std::string text = "# Data packs made for the editor's sample game, not for the game itself.\n"
                       "# The installers write them only into the sample installation named "
                       "here;\n# a file replaced by the real pack's file is no sample any more.\n";
    text += kInstallationKey + installation + "\n";
    for (const auto& [name, bytes] : files) {
        char line[64];
        std::snprintf(line, sizeof line, " %zu %016llx\n", bytes.size(),
                      static_cast<unsigned long long>(PackFileHash(bytes)));
        text += kFileKey + name + line;
    }
    return text;
}

SamplePackCheck CheckSamplePack(const std::string& dataDir, const std::string& gameDir,
                                const std::vector<std::string>& packFiles) {
    SamplePackCheck check;
    const std::string manifest = TextOf(fs::ResolveCase(fs::Join(dataDir, kSamplePackManifest)));
    if (manifest.empty())
        return check;
    check.installation = InstallationOf(manifest);
    const std::map<std::string, FileId> samples = FilesOf(manifest);
    for (const std::string& name : packFiles) {
        const auto listed = samples.find(Upper(fs::FileNamePart(name)));
        if (listed == samples.end())
            continue;
        const auto bytes = ReadBytes(fs::ResolveCase(fs::Join(dataDir, name)));
        if (bytes && bytes->size() == listed->second.size &&
            PackFileHash(*bytes) == listed->second.hash)
            check.sampleFiles.push_back(name);
    }
    if (check.sampleFiles.empty())
        return check;
    const std::string game =
        InstallationOf(TextOf(fs::ResolveCase(fs::Join(gameDir, kSampleGameMarker))));
    check.refused = check.installation.empty() || game != check.installation;
    return check;
}

} // namespace psn
