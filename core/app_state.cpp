#include "core/app_state.h"

#include "core/checksum.h"
#include "core/fs.h"

namespace psn {

AppState::AppState() : startDir(fs::CurrentDirectory()) {}

std::string AppState::StartPath(std::string_view relative) const {
    std::string rel = fs::Native(relative);
    if (rel.rfind("./", 0) == 0)
        rel.erase(0, 2);
    return fs::Join(startDir, rel);
}

std::string AppState::GamePath(std::string_view relative) const {
    return fs::ResolveCase(fs::Join(config.GameDir(), relative));
}

std::string AppState::ExePath() const {
    return fs::ResolveCase(config.ExePath());
}

bool AppState::StateFileExists() const {
    return fs::Exists(StatePath());
}

void AppState::OpenGameExe() {
    if (!exe.Open(ExePath()))
        throw FileAccessError(kFileAccessError);
}

void AppState::OpenStateFile() {
    if (!stateFile.Open(StatePath()))
        throw FileAccessError(kFileAccessError);
}

void AppState::RenewStateChecksum() {
    if (!UpdateFileChecksum(StatePath(), faults))
        throw FileAccessError(kFileAccessError);
}

void AppState::CloseGameFiles() {
    exe.Close();
    stateFile.Close();
}

void AppState::SeekExe(ExeRow row) {
    exe.Seek(ExeOffset(row, edition));
    exe.Check();
}

void AppState::SeekState(std::uint16_t offset) {
    stateFile.Seek(offset);
    stateFile.Check();
}

bool AppState::DetectEdition() {
    if (!exe.IsOpen() || exe.Size() <= kEditionByteOffset)
        return false;
    exe.Seek(kEditionByteOffset);
    const std::uint8_t byte = exe.ReadByte();
    exe.Check();
    edition = EditionFromByte(byte, edition);
    return true;
}

void AppState::RestoreStartDir() const {
    fs::SetCurrentDirectory(startDir);
}

} // namespace psn
