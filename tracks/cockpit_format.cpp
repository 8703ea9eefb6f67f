// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/cockpit_format.h"

#include "core/fs.h"
#include "core/int_conv.h"
#include "tracks/cockpit_table.h"

#include <array>
#include <sstream>

namespace psn {
namespace {

constexpr std::uint32_t kYLimit = 0xEA3A2;
constexpr std::uint32_t kSvgaText = 0x139C7C;
constexpr std::uint32_t kVgaText = 0x139778;
constexpr int kTextLines = 28;
constexpr std::uint32_t kTextSlot = 8;
constexpr std::uint32_t kTextHalf = 4;

constexpr std::array<std::size_t, 4> kFieldColumn = {34, 40, 47, 54};
constexpr std::size_t kFieldWidth = 3;

} // namespace

std::string CockpitDataFileName(const std::string& path, int edition) {
    static constexpr std::array<char, kEditionCount> kLetters = {0, 'g', 'i', 's', 'f', 0, 'd'};
    std::string name = path;
    const char letter = kLetters.at(static_cast<std::size_t>(edition));
    if (letter && !name.empty())
        name.back() = letter;
    return name;
}

std::string CockpitField(const std::string& line, int field) {
    const std::size_t start = kFieldColumn.at(static_cast<std::size_t>(field - 1)) - 1;
    if (start >= line.size())
        return {};
    return line.substr(start, kFieldWidth);
}

CockpitDataReader::CockpitDataReader(std::vector<std::string> lines, int edition)
    : lines_(std::move(lines)), edition_(edition) {}

const std::string& CockpitDataReader::NextLine() {
    if (next_ >= lines_.size())
        throw DataFileError(
            Message(MessageKind::CockpitDataEndsEarly,
                    {std::to_string(lines_.size()), std::to_string(kCockpitDataLines)}));
    return lines_[next_++];
}

std::int32_t CockpitDataReader::Field(const std::string& line, int field) const {
    const std::string text = CockpitField(line, field);
    const auto value = StrToInt(text);
    if (!value)
        throw DataFileError(Message(MessageKind::CockpitDataNotInteger, {text}));
    return *value;
}

void CockpitDataReader::Write(std::uint32_t offset, int width, std::int32_t value) {
    writes_.push_back({offset, width, value});
}

std::vector<PatchWrite> CockpitDataReader::Read() {
    writes_.clear();
    next_ = 0;
    ReadYLimit();
    ReadXYData();
    NextLine();
    NextLine();
    ReadScreenData_SVGA();
    target_ = kSvgaText;
    for (int i = 0; i < kTextLines; ++i)
        ReadTXT();
    NextLine();
    NextLine();
    ReadScreenData_VGA();
    target_ = kVgaText;
    for (int i = 0; i < kTextLines; ++i)
        ReadTXT();
    return writes_;
}

void CockpitDataReader::ReadYLimit() {
    Write(kYLimit, 1, Field(NextLine(), 1));
}

void CockpitDataReader::ReadXYData() {
    for (const CockpitRow& row : CockpitTable(edition_))
        GetXYData(row);
}

void CockpitDataReader::GetXYData(const CockpitRow& row) {
    const std::string& line = NextLine();
    for (int k = 0; k < 4; ++k) {
        const std::int32_t value = Field(line, k + 1);
        if (row.primary[static_cast<std::size_t>(k)] > 0)
            Write(row.primary[static_cast<std::size_t>(k)], 1, value);
        if (row.secondary[static_cast<std::size_t>(k)] > 0)
            Write(row.secondary[static_cast<std::size_t>(k)], 1, value);
    }
}

void CockpitDataReader::GetScreenData(const std::string& line, bool twoBytes) {
    Write(target_, twoBytes ? 2 : 1, Field(line, 1));
}

void CockpitDataReader::ReadScreenData_SVGA() {
    // Some values are needed at two places of the mode's set-up code.
    const std::string& line125 = NextLine();
    for (std::uint32_t offset : {0xE92FDu, 0xE9317u}) {
        target_ = offset;
        GetScreenData(line125, true);
    }
    target_ = 0xE9311;
    GetScreenData(NextLine(), true);
    const std::string& line127 = NextLine();
    for (std::uint32_t offset : {0xE92F2u, 0xE930Cu}) {
        target_ = offset;
        GetScreenData(line127, true);
    }
    target_ = 0xE9306;
    GetScreenData(NextLine(), true);
}

void CockpitDataReader::ReadScreenData_VGA() {
    const std::string& line159 = NextLine();
    for (std::uint32_t offset : {0xE92B7u, 0xE92CEu}) {
        target_ = offset;
        GetScreenData(line159, false);
    }
    target_ = 0xE92C8;
    GetScreenData(NextLine(), true);
    const std::string& line161 = NextLine();
    for (std::uint32_t offset : {0xE92ABu, 0xE92C3u}) {
        target_ = offset;
        GetScreenData(line161, true);
    }
    target_ = 0xE92BD;
    GetScreenData(NextLine(), true);
}

void CockpitDataReader::ReadTXT() {
    const std::string& line = NextLine();
    const std::int32_t x = Field(line, 1);
    const std::int32_t y = Field(line, 2);
    Write(target_, 2, x);
    Write(target_ + kTextHalf, 2, y);
    target_ += kTextSlot;
}

std::vector<PatchWrite> ReadCockpitData(const std::string& path, int edition) {
    const std::string name = fs::ResolveCase(fs::Native(CockpitDataFileName(path, edition)));
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(name, bytes, reason))
        throw DataFileError(Message(MessageKind::CockpitDataCannotOpen, {fs::FileNamePart(name)}));
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < kCockpitDataLines && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (in.bad())
        throw DataFileError(Message(MessageKind::CockpitDataCannotRead, {fs::FileNamePart(name)}));
    try {
        return CockpitDataReader(std::move(lines), edition).Read();
    } catch (const DataFileError& error) {
        // The reader knows lines, not files: the user is told which file to put right.
        throw DataFileError(Message(MessageKind::CockpitDataUnusable, {name, error.Said()}));
    }
}

void ApplyCockpitPatch(AppState& state, const std::vector<PatchWrite>& writes) {
    for (const PatchWrite& write : writes) {
        state.exe.Seek(write.offset);
        if (write.width == 2)
            state.exe.WriteWord(static_cast<std::uint16_t>(write.value));
        else
            state.exe.WriteByte(static_cast<std::uint8_t>(write.value));
        state.exe.Check();
    }
}

} // namespace psn
