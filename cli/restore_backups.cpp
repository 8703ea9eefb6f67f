#include "cli/restore_backups.h"

#include "core/fs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace psn {
namespace {

namespace sfs = std::filesystem;

constexpr const char* kBackupSuffix = ".bak";
constexpr const char* kStagedSuffix = ".psn-restore";
constexpr const char* kAsideSuffix = ".psn-replaced";

std::string Reason() {
    return std::strerror(errno);
}

// Copies the backup to `to` completely and durably, with the original's permissions.
bool Stage(const std::string& backup, const std::string& to, mode_t mode, std::string& error) {
    const int in = ::open(backup.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error = backup + ": " + Reason();
        return false;
    }
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode & 07777);
    bool ok = out >= 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            error = backup + ": " + Reason();
            ok = false;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                error = to + ": " + Reason();
                ok = false;
            } else {
                done += put;
            }
        }
    }
    if (out < 0)
        error = to + ": " + Reason();
    if (ok && (::fchmod(out, mode & 07777) != 0 || ::fsync(out) != 0)) {
        error = to + ": " + Reason();
        ok = false;
    }
    if (out >= 0 && ::close(out) != 0 && ok) {
        error = to + ": " + Reason();
        ok = false;
    }
    ::close(in);
    return ok;
}

} // namespace

std::vector<std::string> FindBackups(const std::string& gameDir) {
    std::vector<std::string> files;
    std::error_code ec;
    for (sfs::recursive_directory_iterator it(gameDir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const sfs::path& path = it->path();
        const std::string name = path.string();
        if (!it->is_regular_file(ec) || name.size() <= 4 ||
            name.compare(name.size() - 4, 4, kBackupSuffix) != 0)
            continue;
        const std::string original = name.substr(0, name.size() - 4);
        if (fs::Exists(original))
            files.push_back(sfs::path(original).lexically_relative(gameDir).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

RestoreOutcome RestoreBackups(const std::string& gameDir, const std::vector<std::string>& files) {
    RestoreOutcome outcome;
    const std::vector<std::string> names = files.empty() ? FindBackups(gameDir) : files;
    struct Item {
        std::string target, staged, aside;
        bool moved = false;
        bool hadOriginal = false;
    };
    std::vector<Item> items;
    const auto fail = [&](const std::string& error) {
        for (const Item& item : items) {
            if (item.moved && item.hadOriginal) {
                ::rename(item.aside.c_str(), item.target.c_str());
            } else if (item.moved) {
                ::unlink(item.target.c_str());
            } else {
                ::unlink(item.aside.c_str());
            }
            ::unlink(item.staged.c_str());
        }
        outcome.ok = false;
        outcome.error = error;
        outcome.restored.clear();
        return outcome;
    };
    for (const std::string& name : names) {
        const std::string target = fs::ResolveCase(fs::Join(gameDir, name));
        const std::string backup = fs::ResolveCase(target + kBackupSuffix);
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0 && errno != ENOENT)
            return fail(target + ": " + Reason());
        if (!fs::Exists(backup))
            return fail(target + ": there is no backup " + fs::FileNamePart(backup) + " beside it");
        Item item{target, target + kStagedSuffix, target + kAsideSuffix};
        items.push_back(item);
        std::string error;
        if (!Stage(backup, item.staged, info.st_mode ? info.st_mode : 0644, error))
            return fail(error);
    }
    // Each replaced file is kept aside under a second name until every rename has succeeded.
    for (Item& item : items) {
        item.hadOriginal = fs::Exists(item.target);
        if (item.hadOriginal && ::link(item.target.c_str(), item.aside.c_str()) != 0)
            return fail(item.target + ": " + Reason());
        if (::rename(item.staged.c_str(), item.target.c_str()) != 0)
            return fail(item.target + ": " + Reason());
        item.moved = true;
    }
    for (const Item& item : items) {
        ::unlink(item.aside.c_str());
        outcome.restored.push_back(item.target);
    }
    return outcome;
}

} // namespace psn
