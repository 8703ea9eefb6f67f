// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_file.h"

#include "core/commit.h"
#include "core/fs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace psn {

GameFile::GameFile() = default;

GameFile::GameFile(std::shared_ptr<TransferFaults> faults, Staging* staging)
    : faults_(std::move(faults)), staging_(staging) {}

GameFile::~GameFile() {
    // Only Close finishes a file: one left open (an error unwinding past it) writes nothing.
    platform::CloseFile(fd_);
}

bool GameFile::Injected() {
    if (!faults_ || !faults_->Tick())
        return false;
    Fail(SystemReason(EIO));
    return true;
}

void GameFile::Fail(std::string reason) {
    if (!failed_)
        reason_ = std::move(reason);
    failed_ = true;
}

bool GameFile::Open(const std::string& path) {
    Close();
    failed_ = false;
    reason_.clear();
    position_ = 0;
    path_ = path;
    if (Injected())
        return false;
    Staging* staging = staging_;
    if (!staging) {
        own_ = std::make_unique<Staging>(faults_);
        staging = own_.get();
    }
    StagedFile* staged = staging->Find(path);
    // Reading needs no write access: a commit writes whole new files and renames them into
    // place. A file that the command replaces by a copy is read from the copy's source.
    std::string reason;
    fd_ = fs::OpenRegular(staged && staged->copied ? staged->base : path, platform::kRead, reason);
    platform::Info info;
    if (fd_ != platform::kNoHandle && !platform::Describe(fd_, info)) {
        reason = SystemReason(errno);
        platform::CloseFile(fd_);
        fd_ = platform::kNoHandle;
    }
    if (fd_ == platform::kNoHandle) {
        own_.reset();
        Fail(reason);
        return false;
    }
    if (!staged)
        staged = &staging->Add(path, info.size);
    file_ = staged;
    size_ = staged->size;
    return true;
}

void GameFile::Close() {
    if (fd_ == platform::kNoHandle)
        return;
    platform::CloseFile(fd_);
    fd_ = platform::kNoHandle;
    file_ = nullptr;
    if (own_) {
        try {
            own_->Commit();
        } catch (const FileAccessError& error) {
            Fail(error.Reason());
        }
        own_.reset();
    }
}

std::vector<std::uint8_t>* GameFile::PageAt(std::uint64_t index) {
    auto found = file_->pages.find(index);
    if (found != file_->pages.end())
        return &found->second.data;
    StagedPage page;
    page.data.assign(StagedFile::kPageSize, 0);
    const std::uint64_t start = index * StagedFile::kPageSize;
    // Bytes beyond the end the file had on disk exist only in pages written by this command.
    const std::uint64_t onDisk = file_->baseSize;
    if (start < onDisk) {
        const std::size_t length = static_cast<std::size_t>(
            std::min<std::uint64_t>(StagedFile::kPageSize, onDisk - start));
        std::size_t done = 0;
        while (done < length) {
            const std::int64_t n =
                platform::ReadAt(fd_, page.data.data() + done, length - done, start + done);
            if (n <= 0) {
                Fail(n < 0 ? SystemReason(errno) : "the file ended early");
                return nullptr;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    return &file_->pages.emplace(index, std::move(page)).first->second.data;
}

void GameFile::Seek(std::uint64_t position) {
    if (failed_)
        return;
    if (fd_ == platform::kNoHandle || Injected())
        return Fail(SystemReason(EBADF));
    if (position > size_)
        return Fail("cannot go to byte " + std::to_string(position) + ": the file has only " +
                    std::to_string(size_) + " bytes");
    position_ = position;
}

void GameFile::Skip(std::int64_t count) {
    if (failed_)
        return;
    const auto target = static_cast<std::int64_t>(position_) + count;
    if (target < 0)
        return Fail("cannot go before the file's start");
    Seek(static_cast<std::uint64_t>(target));
}

std::uint8_t GameFile::ReadByte() {
    if (failed_)
        return 0;
    if (fd_ == platform::kNoHandle || Injected()) {
        Fail(SystemReason(EBADF));
        return 0;
    }
    if (position_ >= size_) {
        Fail("the file ends at byte " + std::to_string(size_));
        return 0;
    }
    std::vector<std::uint8_t>* page = PageAt(position_ / StagedFile::kPageSize);
    if (!page)
        return 0;
    const std::uint8_t value = (*page)[position_ % StagedFile::kPageSize];
    ++position_;
    return value;
}

std::uint16_t GameFile::ReadWord() {
    const std::uint8_t low = ReadByte();
    const std::uint8_t high = ReadByte();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::vector<std::uint8_t> GameFile::ReadBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes;
    if (failed_)
        return bytes;
    if (fd_ == platform::kNoHandle || Injected()) {
        Fail(SystemReason(EBADF));
        return bytes;
    }
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - position_));
    bytes.reserve(count);
    while (bytes.size() < count) {
        const std::vector<std::uint8_t>* page = PageAt(position_ / StagedFile::kPageSize);
        if (!page)
            return {};
        const std::size_t from = position_ % StagedFile::kPageSize;
        const std::size_t take = std::min(count - bytes.size(), StagedFile::kPageSize - from);
        bytes.insert(bytes.end(), page->begin() + static_cast<std::ptrdiff_t>(from),
                     page->begin() + static_cast<std::ptrdiff_t>(from + take));
        position_ += take;
    }
    return bytes;
}

void GameFile::WriteByte(std::uint8_t value) {
    if (failed_)
        return;
    if (fd_ == platform::kNoHandle || Injected())
        return Fail(SystemReason(EBADF));
    if (position_ > size_)
        return Fail("cannot write at byte " + std::to_string(position_) + ": the file has only " +
                    std::to_string(size_) + " bytes");
    const std::uint64_t index = position_ / StagedFile::kPageSize;
    std::vector<std::uint8_t>* page = PageAt(index);
    if (!page)
        return;
    (*page)[position_ % StagedFile::kPageSize] = value;
    file_->pages[index].dirty = true;
    ++position_;
    size_ = std::max(size_, position_);
    file_->size = size_;
}

void GameFile::WriteWord(std::uint16_t value) {
    WriteByte(static_cast<std::uint8_t>(value & 0xFF));
    WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void GameFile::Check(const char* message) const {
    if (failed_)
        throw FileAccessError(message, path_, reason_);
}

} // namespace psn
