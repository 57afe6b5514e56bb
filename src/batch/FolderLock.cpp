#include "batch/FolderLock.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/Files.h"

namespace orrimar {

namespace {

// The process a lock file names, or 0 when it names none (being written,
// or not ours).
long LockOwner(const std::string& path) {
    // Anything but a plain file (a FIFO would block the read) names no one.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec))) return 0;
    std::ifstream in(path);
    long pid = 0;
    if (!(in >> pid) || pid <= 0) return 0;
    return pid;
}

}  // namespace

FolderLock::FolderLock(const std::string& folder)
    : path_(WithTrailingSlash(folder) + BatchLockName) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const std::string pid = std::to_string(::getpid()) + "\n";
            const bool written = ::write(fd, pid.data(), pid.size()) == ssize_t(pid.size());
            if (::close(fd) == 0 && written) return;
            ::unlink(path_.c_str());
            problem_ = "cannot write " + path_;
            break;
        }
        if (errno != EEXIST) {
            problem_ = "cannot write in the folder " + folder + " (" + std::strerror(errno) + ")";
            break;
        }
        const long owner = LockOwner(path_);
        // Only a lock whose process is certainly gone is taken over.
        if (attempt == 0 && owner > 0 && ::kill(static_cast<pid_t>(owner), 0) != 0 &&
            errno == ESRCH) {
            ::unlink(path_.c_str());
            continue;
        }
        problem_ = "the folder " + folder + " is being written by another batch" +
                   (owner > 0 ? " (process " + std::to_string(owner) + ")" : "") + "; " + path_ +
                   " holds it until that batch ends";
        break;
    }
    path_.clear();
}

FolderLock::~FolderLock() {
    if (!path_.empty()) ::unlink(path_.c_str());
}

}  // namespace orrimar
