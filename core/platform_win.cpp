// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
// Its macros would rename this layer's functions of the same names.
#undef DeleteFile
#undef SetCurrentDirectory

namespace psn::platform {
namespace stdfs = std::filesystem;
namespace {

HANDLE Native(Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          length, nullptr, nullptr);
    return utf8;
}

// The program's errors are errno values on every system.
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_CANT_RESOLVE_FILENAME:
    case ERROR_CANT_ACCESS_FILE:
        return ELOOP;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return ENOTSUP;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    default:
        return EIO;
    }
}

// Sets errno from the last Windows error; returns `result` for the caller's convenience.
template <typename T> T Failed(T result) {
    errno = ErrnoOf(::GetLastError());
    return result;
}

constexpr std::int64_t kEpochDifference = 116444736000000000; // 1601 to 1970, in 100 ns

std::int64_t UnixNs(const FILETIME& time) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - kEpochDifference) * 100;
}

FILETIME FileTime(std::int64_t unixNs) {
    const auto ticks = static_cast<std::uint64_t>(unixNs / 100 + kEpochDifference);
    return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

Kind KindOfAttributes(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Kind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Kind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return Kind::Device;
    return Kind::Regular;
}

void Fill(HANDLE file, const BY_HANDLE_FILE_INFORMATION& data, Info& info) {
    info.kind = KindOfAttributes(data.dwFileAttributes);
    info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.links = data.nNumberOfLinks;
    info.mode = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    info.volume = data.dwVolumeSerialNumber;
    info.id = (static_cast<std::uint64_t>(data.nFileIndexHigh) << 32) | data.nFileIndexLow;
    info.modifiedNs = UnixNs(data.ftLastWriteTime);
    FILE_BASIC_INFO basic{};
    info.changedNs = info.modifiedNs;
    if (::GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic)) {
        const auto ticks = static_cast<std::uint64_t>(basic.ChangeTime.QuadPart);
        info.changedNs =
            UnixNs({static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)});
    }
}

// Others may read, write, rename and delete what we hold open, as they may on POSIX: a commit
// renames over files it still has open, and two editors share the lock file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A handle on the path itself, never on what a reparse point leads to; for looking only.
HANDLE OpenForLooking(const std::string& path, bool followLinks) {
    return ::CreateFileW(
        Wide(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

// The read-only attribute of an open file, set or cleared.
bool SetReadOnly(HANDLE file, bool readOnly) {
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic))
        return Failed(false);
    DWORD attributes = basic.FileAttributes;
    attributes = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                          : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (attributes == basic.FileAttributes)
        return true;
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    basic.CreationTime.QuadPart = basic.LastAccessTime.QuadPart = basic.LastWriteTime.QuadPart =
        basic.ChangeTime.QuadPart = 0; // unchanged
    return ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) || Failed(false);
}

} // namespace

Handle OpenFile(const std::string& path, unsigned flags, unsigned mode, Kind* found) {
    DWORD access = 0;
    if (flags & kRead)
        access |= GENERIC_READ;
    if (flags & kWrite)
        access |= GENERIC_WRITE;
    // Attributes are read and set through the handle (the read-only one).
    access |= FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES;
    DWORD disposition = OPEN_EXISTING;
    if ((flags & kCreate) && (flags & kExclusive))
        disposition = CREATE_NEW;
    else if ((flags & kCreate) && (flags & kTruncate))
        disposition = CREATE_ALWAYS;
    else if (flags & kCreate)
        disposition = OPEN_ALWAYS;
    else if (flags & kTruncate)
        disposition = TRUNCATE_EXISTING;
    // A reparse point is opened as itself and then refused, never followed: a link or a junction
    // in a game folder may lead anywhere.
    const DWORD attributes =
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
    HANDLE file = ::CreateFileW(Wide(path).c_str(), access, kShareAll, nullptr, disposition,
                                attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED &&
        !(flags & kWrite)) {
        // A file this user may read but not change the attributes of.
        access &= ~static_cast<DWORD>(FILE_WRITE_ATTRIBUTES);
        file = ::CreateFileW(Wide(path).c_str(), access, kShareAll, nullptr, disposition,
                             attributes, nullptr);
    }
    const DWORD opened = ::GetLastError(); // ERROR_ALREADY_EXISTS when it was there before
    if (file == INVALID_HANDLE_VALUE) {
        errno = ErrnoOf(opened);
        if (found)
            *found = errno == ENOENT ? Kind::Missing : Kind::Other;
        return kNoHandle;
    }
    Kind kind = Kind::Other;
    if (::GetFileType(file) == FILE_TYPE_DISK) {
        BY_HANDLE_FILE_INFORMATION data{};
        kind = ::GetFileInformationByHandle(file, &data) ? KindOfAttributes(data.dwFileAttributes)
                                                         : Kind::Other;
    } else {
        kind = ::GetFileType(file) == FILE_TYPE_PIPE ? Kind::Pipe : Kind::Device;
    }
    if (found)
        *found = kind;
    if (kind != Kind::Regular) {
        ::CloseHandle(file);
        errno = EINVAL;
        return kNoHandle;
    }
    if ((flags & kCreate) && !(mode & 0200) && opened != ERROR_ALREADY_EXISTS)
        SetReadOnly(file, true);
    return reinterpret_cast<Handle>(file);
}

bool CloseFile(Handle file) {
    return file == kNoHandle || ::CloseHandle(Native(file)) || Failed(false);
}

std::int64_t ReadAt(Handle file, void* data, std::size_t length, std::uint64_t at) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD done = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 30));
    if (!::ReadFile(Native(file), data, asked, &done, &where))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : Failed(std::int64_t{-1});
    return done;
}

std::int64_t WriteAt(Handle file, const void* data, std::size_t length, std::uint64_t at) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD done = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 30));
    if (!::WriteFile(Native(file), data, asked, &done, &where))
        return Failed(std::int64_t{-1});
    return done;
}

std::int64_t Read(Handle file, void* data, std::size_t length) {
    DWORD done = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 30));
    if (!::ReadFile(Native(file), data, asked, &done, nullptr))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : Failed(std::int64_t{-1});
    return done;
}

std::int64_t Write(Handle file, const void* data, std::size_t length) {
    DWORD done = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 30));
    if (!::WriteFile(Native(file), data, asked, &done, nullptr))
        return Failed(std::int64_t{-1});
    return done;
}

bool Flush(Handle file) {
    return ::FlushFileBuffers(Native(file)) || Failed(false);
}

bool Describe(Handle file, Info& info) {
    BY_HANDLE_FILE_INFORMATION data{};
    if (!::GetFileInformationByHandle(Native(file), &data))
        return Failed(false);
    Fill(Native(file), data, info);
    return true;
}

bool DescribePath(const std::string& path, Info& info, bool followLinks) {
    info = Info{};
    HANDLE file = OpenForLooking(path, followLinks);
    if (file == INVALID_HANDLE_VALUE)
        return Failed(false);
    BY_HANDLE_FILE_INFORMATION data{};
    const bool described = ::GetFileInformationByHandle(file, &data);
    if (described)
        Fill(file, data, info);
    else
        errno = ErrnoOf(::GetLastError());
    if (described && info.kind == Kind::Regular && ::GetFileType(file) != FILE_TYPE_DISK)
        info.kind = Kind::Device;
    ::CloseHandle(file);
    return described;
}

bool SetMode(Handle file, unsigned mode) {
    return SetReadOnly(Native(file), !(mode & 0200));
}

bool SetModified(Handle file, std::int64_t modifiedNs) {
    const FILETIME time = FileTime(modifiedNs);
    return ::SetFileTime(Native(file), nullptr, nullptr, &time) || Failed(false);
}

bool MakeWritable(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Failed(false);
    if (KindOfAttributes(attributes) != Kind::Regular) {
        errno = EINVAL;
        return false;
    }
    // The normal attributes of a file copied from a CD: only the read-only one goes.
    return ::SetFileAttributesW(wide.c_str(),
                                (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) == 0
                                    ? FILE_ATTRIBUTE_NORMAL
                                    : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) ||
           Failed(false);
}

bool CanWrite(const std::string& path) {
    HANDLE file =
        ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Failed(false);
    ::CloseHandle(file);
    return true;
}

bool Replace(const std::string& from, const std::string& to) {
    const std::wstring source = Wide(from), target = Wide(to);
    constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (::MoveFileExW(source.c_str(), target.c_str(), kFlags))
        return true;
    // Windows will not rename over a read-only file, where POSIX asks only the folder: the new
    // content carries its own attributes, so the old one's read-only mark may go.
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) && KindOfAttributes(attributes) == Kind::Regular &&
        ::SetFileAttributesW(target.c_str(),
                             attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))) {
        if (::MoveFileExW(source.c_str(), target.c_str(), kFlags))
            return true;
        const DWORD again = ::GetLastError();
        ::SetFileAttributesW(target.c_str(), attributes);
        errno = ErrnoOf(again);
        return false;
    }
    errno = ErrnoOf(error);
    // Replacing a file that another program holds open without sharing it is denied as if the
    // folder were protected; asked to give up the file, the system tells the two apart, and the
    // user then hears to close the game rather than about administrator rights.
    if (error == ERROR_ACCESS_DENIED) {
        HANDLE held =
            ::CreateFileW(target.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (held == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION)
            errno = EBUSY;
        if (held != INVALID_HANDLE_VALUE)
            ::CloseHandle(held);
    }
    return false;
}

bool Link(const std::string& from, const std::string& to) {
    return ::CreateHardLinkW(Wide(to).c_str(), Wide(from).c_str(), nullptr) || Failed(false);
}

bool Remove(const std::string& path) {
    const std::wstring wide = Wide(path);
    if (::DeleteFileW(wide.c_str()))
        return true;
    // A read-only scratch file still goes, as unlink removes one on POSIX.
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) && KindOfAttributes(attributes) == Kind::Regular &&
        ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL) && ::DeleteFileW(wide.c_str()))
        return true;
    errno = ErrnoOf(error);
    return false;
}

bool CreateFolder(const std::string& path) {
    return ::CreateDirectoryW(Wide(path).c_str(), nullptr) || Failed(false);
}

bool FlushFolder(const std::string&) {
    // Renames are written through (MOVEFILE_WRITE_THROUGH); Windows has no flush of a folder.
    return true;
}

bool ListFolder(const std::string& path, std::vector<Entry>& entries) {
    entries.clear();
    WIN32_FIND_DATAW data{};
    HANDLE find = ::FindFirstFileExW(Wide(path + "/*").c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_FILE_NOT_FOUND)
            return true; // an empty root
        return Failed(false);
    }
    do {
        const std::string name = Narrow(data.cFileName);
        if (name != "." && name != "..")
            entries.push_back({name, KindOfAttributes(data.dwFileAttributes)});
    } while (::FindNextFileW(find, &data));
    const DWORD error = ::GetLastError();
    ::FindClose(find);
    if (error != ERROR_NO_MORE_FILES) {
        errno = ErrnoOf(error);
        return false;
    }
    return true;
}

LockResult TryLock(Handle file) {
    // A byte far beyond any content: a locked range keeps other handles from reading it, and the
    // file locked may be one that is read and written (the editor's crash file).
    OVERLAPPED where{};
    where.Offset = 0;
    where.OffsetHigh = 0x7FFFFFFF;
    if (::LockFileEx(Native(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                     &where))
        return LockResult::Locked;
    const DWORD error = ::GetLastError();
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? LockResult::Busy
                                                                      : LockResult::Unsupported;
}

std::optional<std::uintmax_t> FreeSpace(const std::string& path) {
    // Windows asks a folder, where POSIX takes any path on the disk: a file is asked by its folder.
    stdfs::path folder = ToPath(path);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        folder = folder.parent_path();
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr))
        return std::nullopt;
    return available.QuadPart;
}

std::string CurrentDirectory() {
    std::error_code ec;
    return FromPath(stdfs::current_path(ec));
}

bool SetCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryW(Wide(path).c_str()) || Failed(false);
}

std::string ProgramDirectory(const char*) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return CurrentDirectory();
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return FromPath(stdfs::path(name).parent_path());
}

long ProcessId() {
    return static_cast<long>(::GetCurrentProcessId());
}

std::optional<std::string> Environment(const char* name) {
    const std::wstring wide = Wide(name);
    const DWORD length = ::GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
    if (length == 0)
        return std::nullopt;
    std::wstring value(length, L'\0');
    const DWORD written = ::GetEnvironmentVariableW(wide.c_str(), value.data(), length);
    value.resize(written);
    return Narrow(value);
}

bool SetEnvironment(const char* name, const std::optional<std::string>& value) {
    // The C library's copy and the process's own both change (an empty value removes it).
    return _wputenv_s(Wide(name).c_str(), value ? Wide(*value).c_str() : L"") == 0;
}

std::vector<std::string> Arguments(int, char**) {
    // The ANSI arguments lose every character outside the code page; the wide ones do not.
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Narrow(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

stdfs::path ToPath(const std::string& utf8) {
    return stdfs::path(Wide(utf8));
}

std::string FromPath(const stdfs::path& path) {
    // Forward slashes, as the program joins its paths; Windows takes either.
    return Narrow(path.generic_wstring());
}

std::string ErrorText(int error) {
    switch (error) {
    case EBUSY:
        return "the file is open in another program, the game perhaps; close the game and try "
               "again";
    case EACCES:
        return "access is denied: the file is read-only, or its folder can be changed only with "
               "administrator rights (a game installed under \"Program Files\"); install the game "
               "in a folder of your own, or start the editor as administrator";
    default:
        return std::strerror(error);
    }
}

ProcessTree::~ProcessTree() {
    if (job_ != kNoHandle)
        ::CloseHandle(Native(job_));
}

void ProcessTree::Adopt(std::int64_t processId) {
    process_ = processId;
    HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return;
    HANDLE process =
        ::OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processId));
    if (process && ::AssignProcessToJobObject(job, process))
        job_ = reinterpret_cast<Handle>(job);
    else
        ::CloseHandle(job);
    if (process)
        ::CloseHandle(process);
    // Started suspended, it runs only now that it is in the job: whatever it starts joins too.
    HANDLE threads = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (threads == INVALID_HANDLE_VALUE)
        return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (bool more = ::Thread32First(threads, &entry); more;
         more = ::Thread32Next(threads, &entry)) {
        if (entry.th32OwnerProcessID != static_cast<DWORD>(processId))
            continue;
        if (HANDLE thread = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            ::ResumeThread(thread);
            ::CloseHandle(thread);
        }
    }
    ::CloseHandle(threads);
}

void ProcessTree::Kill() {
    if (job_ != kNoHandle)
        ::TerminateJobObject(Native(job_), 1);
}

const unsigned long kStartSuspended = CREATE_SUSPENDED;

void StartOwnGroup() {}

} // namespace psn::platform
