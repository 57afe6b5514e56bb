// A batch takes its output folder for itself while it writes: a lock file
// created exclusively in the folder, naming the process, removed when the
// batch ends or stops. A lock whose process is gone (killed outright) is
// taken over.
#pragma once

#include <string>

namespace orrimar {

inline constexpr const char* BatchLockName = ".orrimar-batch.lock";

class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return problem_.empty(); }
    // Why the folder could not be taken: another batch's, or unwritable.
    const std::string& Problem() const { return problem_; }

  private:
    std::string path_, problem_;
};

}  // namespace orrimar
