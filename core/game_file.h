// Byte-wise access to the game's files, with the runtime's sticky error semantics: after a failed
// open, seek, read or write, every further transfer is without effect until the block operation
// checks, and the check raises the fatal file access error.
//
// Transfers go through a page cache, so moving a block byte by byte costs one system call per
// touched page rather than one per byte. Dirty pages reach the file on Close (also after a failure,
// so that what was written before it stays written, as with unbuffered writes).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace psn {

inline constexpr const char* kFileAccessError = " File access error! ";

// The one error type of the game-file layer; its text is what the user is shown.
class FileAccessError : public std::runtime_error {
public:
    explicit FileAccessError(const std::string& message) : std::runtime_error(message) {}
};

// Counts every open, seek, read, write and skip, and can make the n-th one fail (1-based), so tests
// can sweep a failure over every transfer of a load, import or export.
struct TransferFaults {
    long count = 0;
    long failAt = 0; // 0: never
    bool Tick() { return ++count == failAt; }
};

class GameFile {
public:
    GameFile() = default;
    explicit GameFile(std::shared_ptr<TransferFaults> faults) : faults_(std::move(faults)) {}
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    // Makes the file writable, then opens it for reading and writing at position 0. On failure
    // the file is not open and the sticky error is set.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

    void Seek(std::uint64_t position);
    void Skip(std::int64_t count);
    std::uint8_t ReadByte();
    std::uint16_t ReadWord(); // low byte first
    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value); // low byte first

    std::uint64_t Position() const { return position_; }
    std::uint64_t Size() const { return size_; }
    bool Failed() const { return failed_; }
    // Raises FileAccessError with the message when any transfer since opening failed.
    void Check(const char* message = kFileAccessError) const;

    void SetFaults(std::shared_ptr<TransferFaults> faults) { faults_ = std::move(faults); }

private:
    static constexpr std::size_t kPageSize = 4096;
    struct Page {
        std::vector<std::uint8_t> data;
        bool dirty = false;
    };

    bool Injected() { return faults_ && faults_->Tick(); }
    Page* PageAt(std::uint64_t index);
    void Flush();

    int fd_ = -1;
    std::string path_;
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    bool failed_ = false;
    bool backedUp_ = false;
    std::map<std::uint64_t, Page> pages_;
    std::shared_ptr<TransferFaults> faults_;
};

} // namespace psn

namespace psn {

// A data file shipped with the editor (a patch list, a cockpit data file) that is missing or
// damaged. Unlike FileAccessError it is not fatal: it is reported and nothing is written.
class DataFileError : public std::runtime_error {
public:
    explicit DataFileError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace psn
