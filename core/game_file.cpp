#include "core/game_file.h"

#include "core/fs.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace psn {

GameFile::~GameFile() {
    Close();
}

bool GameFile::Open(const std::string& path) {
    Close();
    failed_ = false;
    backedUp_ = false;
    position_ = 0;
    path_ = path;
    if (Injected()) {
        failed_ = true;
        return false;
    }
    fs::SetNormalAttributes(path);
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        failed_ = true;
        return false;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void GameFile::Close() {
    if (fd_ < 0)
        return;
    Flush();
    ::close(fd_);
    fd_ = -1;
    pages_.clear();
}

void GameFile::Flush() {
    for (auto& [index, page] : pages_) {
        if (!page.dirty)
            continue;
        const std::uint64_t start = index * kPageSize;
        const std::size_t length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kPageSize, size_ - start));
        std::size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pwrite(fd_, page.data.data() + done, length - done,
                                       static_cast<off_t>(start + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                failed_ = true;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        page.dirty = false;
    }
}

GameFile::Page* GameFile::PageAt(std::uint64_t index) {
    auto found = pages_.find(index);
    if (found != pages_.end())
        return &found->second;
    Page page;
    page.data.assign(kPageSize, 0);
    const std::uint64_t start = index * kPageSize;
    if (start < size_) {
        const std::size_t length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kPageSize, size_ - start));
        std::size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(fd_, page.data.data() + done, length - done,
                                      static_cast<off_t>(start + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return nullptr;
            done += static_cast<std::size_t>(n);
        }
    }
    return &pages_.emplace(index, std::move(page)).first->second;
}

void GameFile::Seek(std::uint64_t position) {
    if (failed_)
        return;
    if (fd_ < 0 || Injected() || position > size_) {
        failed_ = true;
        return;
    }
    position_ = position;
}

void GameFile::Skip(std::int64_t count) {
    if (failed_)
        return;
    const auto target = static_cast<std::int64_t>(position_) + count;
    if (target < 0) {
        failed_ = true;
        return;
    }
    Seek(static_cast<std::uint64_t>(target));
}

std::uint8_t GameFile::ReadByte() {
    if (failed_)
        return 0;
    if (fd_ < 0 || Injected() || position_ >= size_) {
        failed_ = true;
        return 0;
    }
    Page* page = PageAt(position_ / kPageSize);
    if (!page) {
        failed_ = true;
        return 0;
    }
    const std::uint8_t value = page->data[position_ % kPageSize];
    ++position_;
    return value;
}

std::uint16_t GameFile::ReadWord() {
    const std::uint8_t low = ReadByte();
    const std::uint8_t high = ReadByte();
    return static_cast<std::uint16_t>(low | (high << 8));
}

void GameFile::WriteByte(std::uint8_t value) {
    if (failed_)
        return;
    if (fd_ < 0 || Injected() || position_ > size_) {
        failed_ = true;
        return;
    }
    if (!backedUp_) {
        if (!fs::EnsureBackup(path_)) {
            failed_ = true;
            return;
        }
        backedUp_ = true;
    }
    Page* page = PageAt(position_ / kPageSize);
    if (!page) {
        failed_ = true;
        return;
    }
    page->data[position_ % kPageSize] = value;
    page->dirty = true;
    ++position_;
    size_ = std::max(size_, position_);
}

void GameFile::WriteWord(std::uint16_t value) {
    WriteByte(static_cast<std::uint8_t>(value & 0xFF));
    WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void GameFile::Check(const char* message) const {
    if (failed_)
        throw FileAccessError(message);
}

} // namespace psn
