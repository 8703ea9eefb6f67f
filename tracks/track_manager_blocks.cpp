// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_manager_blocks.h"

#include "core/fs.h"

#include <iterator>

namespace psn {

const std::array<StretchFile, 3>& Stretches() {
    static const std::array<StretchFile, 3> files = {{
        {".\\DATA\\ENGTN.DAT", ".\\DATA\\ENGTN_O.DAT", ExeRow::TrackManager32},
        {".\\DATA\\TRK_N.DAT", ".\\DATA\\TRK_O.DAT", ExeRow::TrackManager33},
        {".\\DATA\\TRKL.DAT", ".\\DATA\\TRKLO.DAT", ExeRow::TrackManager34},
    }};
    return files;
}

std::vector<LoadedStretch> LoadStretches(const AppState& state, bool bonus) {
    const auto exeSize = fs::FileSize(state.ExePath());
    std::vector<LoadedStretch> loaded;
    for (const StretchFile& file : Stretches()) {
        const std::string path =
            fs::ResolveCase(state.StartPath(bonus ? file.bonus : file.original));
        const std::string name = fs::FileNamePart(path);
        LoadedStretch stretch;
        stretch.offset = ExeOffset(file.row, state.edition);
        Message reason;
        if (!fs::ReadWholeFile(path, stretch.bytes, reason))
            throw DataFileError(Message(MessageKind::DataFileUnreadable, {name}));
        if (stretch.bytes.empty())
            throw DataFileError(Message(MessageKind::DataFileEmpty, {name}));
        if (exeSize && stretch.offset + stretch.bytes.size() > *exeSize)
            throw DataFileError(Message(MessageKind::DataFileBeyondExe, {name}));
        loaded.push_back(std::move(stretch));
    }
    return loaded;
}

void WriteStretches(AppState& state, const std::vector<LoadedStretch>& stretches) {
    for (const LoadedStretch& stretch : stretches) {
        state.exe.Seek(stretch.offset);
        state.exe.Check();
        for (std::uint8_t byte : stretch.bytes)
            state.exe.WriteByte(byte);
        state.exe.Check();
    }
}

} // namespace psn
