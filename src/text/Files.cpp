#include "text/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "text/Encoding.h"
#include "text/Text.h"

namespace fs = std::filesystem;

namespace orrimar {

std::string WithTrailingSlash(const std::string& folder) {
    if (!folder.empty() && folder.back() == PathSep) return folder;
    return folder + PathSep;
}

std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name) {
    // The system would look in the folder named up to the NUL: another one.
    if (folder.find('\0') != std::string::npos) return std::nullopt;
    std::error_code ec;
    fs::path exact = fs::path(WithTrailingSlash(folder)) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    std::string want = UCase(name);
    for (fs::directory_iterator it(WithTrailingSlash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (UCase(it->path().filename().string()) == want && it->is_regular_file(ec))
            return it->path().string();
    }
    return std::nullopt;
}

std::string ResolveFolderNoCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    const fs::path exact = fs::path(WithTrailingSlash(folder)) / name;
    if (fs::is_directory(exact, ec)) return exact.string();
    const std::string want = UCase(name);
    for (fs::directory_iterator it(WithTrailingSlash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (UCase(it->path().filename().string()) == want && it->is_directory(ec))
            return it->path().string();
    }
    return exact.string();
}

bool FileExistsNoCase(const std::string& folder, const std::string& name) {
    return FindFileNoCase(folder, name).has_value();
}

std::string ResolveNoCase(const std::string& folder, const std::string& name) {
    if (auto found = FindFileNoCase(folder, name)) return *found;
    return WithTrailingSlash(folder) + name;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& ext) {
    std::vector<std::string> names;
    std::error_code ec;
    std::string want = UCase(ext);
    for (fs::directory_iterator it(WithTrailingSlash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && name.size() > want.size() &&
            UCase(name.substr(name.size() - want.size())) == want)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

// What a file is when it is not a regular one, or "".
std::string NotAFile(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    return "it is not a regular file (a device, pipe or socket)";
}

std::string SystemWord(int error) {
    if (error == ENOENT) return std::string(NoSuchFile);
    std::string word = std::strerror(error);
    if (!word.empty())
        word[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
    return word;
}

}  // namespace

std::string LimitText(size_t limit) {
    return std::to_string(limit >> 20) + " MiB";
}

std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit, std::string& why,
                                         bool* cut) {
    if (cut) *cut = false;
    // The system would read a name cut at its first NUL: another file.
    if (path.find('\0') != std::string::npos) {
        why = "its name holds a NUL character";
        return std::nullopt;
    }
    // Looked at before it is opened, so no device is ever opened; and again
    // once open, in case the name was changed meanwhile. O_NONBLOCK: a pipe
    // put there since is refused below, not waited on.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        why = SystemWord(errno);
        return std::nullopt;
    }
    if (why = NotAFile(info.st_mode); !why.empty()) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = SystemWord(errno);
        return std::nullopt;
    }
    std::string bytes;
    if (::fstat(fd, &info) != 0) {
        why = SystemWord(errno);
    } else if (why = NotAFile(info.st_mode); why.empty()) {
        // The size is only a first guess: the file may grow while it is read.
        bytes.reserve(std::min(static_cast<size_t>(std::max<off_t>(info.st_size, 0)), limit) + 1);
        char buffer[65536];
        while (why.empty()) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) why = SystemWord(errno);
            if (n <= 0) break;
            const size_t room = limit - bytes.size();
            if (static_cast<size_t>(n) <= room) {
                bytes.append(buffer, static_cast<size_t>(n));
            } else if (cut) {
                bytes.append(buffer, room);
                *cut = true;
                break;
            } else {
                why = "it holds more than " + LimitText(limit);
            }
        }
    }
    ::close(fd);
    if (!why.empty()) return std::nullopt;
    return bytes;
}

std::optional<TextFile> ReadTextFile(const std::string& path, std::string* why, size_t limit) {
    std::string problem;
    auto bytes = ReadFileBytes(path, limit, problem);
    if (why) *why = problem;
    if (!bytes) return std::nullopt;
    std::string text = std::move(*bytes);
    TextFile file;
    // Editors today save UTF-8, some with a byte-order mark: such a file is
    // read as the Latin-1 the program keeps its texts in.
    static constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (text.compare(0, Bom.size(), Bom) == 0) {
        text.erase(0, Bom.size());
        file.Utf8 = true;
    } else {
        file.Utf8 = HasNonAscii(text) && IsUtf8(text);
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        std::string line = text.substr(start, stop - start);
        if (file.Utf8) {
            std::string outside;
            line = Utf8ToLatin1(line, &outside);
            if (!outside.empty() && file.BadLine == 0) {
                file.BadLine = static_cast<int>(file.Lines.size()) + 1;
                file.Outside = outside;
            }
        }
        file.Lines.push_back(std::move(line));
        start = end + 1;
    }
    return file;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::string* why,
                                                  size_t limit) {
    auto file = ReadTextFile(path, why, limit);
    if (!file) return std::nullopt;
    return std::move(file->Lines);
}

namespace {

// The mask new files are made under, read once: umask has no read-only call.
mode_t FileMask() {
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

// Writes all of `text` to `fd`; false when the disk refuses some of it.
bool WriteAll(int fd, std::string_view text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string WritingFailed(const std::string& path) {
    return "Cannot write " + path + ": writing failed (disk full?).";
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
    // The temporary file is created new under an unpredictable name beside
    // the target (O_CREAT|O_EXCL): never an existing file, never through a
    // link planted in the folder. The rename then replaces the target
    // itself, a link included, without writing through it.
    std::string name = path_ + ".XXXXXX";
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) return;
    temp_ = std::move(name);
    // mkstemp makes a private file; the page is as readable as any other the
    // user writes.
    written_ = ::fchmod(fd_, 0644 & ~FileMask()) == 0;
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::Write(std::string_view text) {
    written_ = written_ && fd_ >= 0 && WriteAll(fd_, text);
}

void AtomicFile::Write(ScratchFile& scratch) {
    if (!scratch.file_ || std::fflush(scratch.file_) != 0 || std::ferror(scratch.file_)) {
        written_ = false;
        return;
    }
    std::rewind(scratch.file_);
    char buffer[65536];
    for (size_t n; written_ && (n = std::fread(buffer, 1, sizeof buffer, scratch.file_)) > 0;)
        Write(std::string_view(buffer, n));
    written_ = written_ && !std::ferror(scratch.file_);
    std::fseek(scratch.file_, 0, SEEK_END);
}

std::string AtomicFile::Commit() {
    if (fd_ < 0) return "Cannot write " + path_ + ": the folder is missing or not writable.";
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!written_ || !closed) return WritingFailed(path_);
    if (::rename(temp_.c_str(), path_.c_str()) != 0)
        return "Cannot write " + path_ + ": " + std::strerror(errno) + ".";
    temp_.clear();
    return "";
}

std::string WriteFileAtomic(const std::string& path, std::string_view text) {
    AtomicFile file(path);
    file.Write(text);
    return file.Commit();
}

std::string WriteNewFile(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    // Taken already, or not to be made here: the atomic way replaces what
    // is there, or says why it cannot.
    if (fd < 0) return WriteFileAtomic(path, text);
    const bool written = WriteAll(fd, text);
    if (::close(fd) != 0 || !written) {
        ::unlink(path.c_str());
        return WritingFailed(path);
    }
    return "";
}

std::string WriteFiles(const std::vector<FileText>& files, FileWriter write) {
    for (const FileText& file : files)
        if (std::string failed = write(file.Path, file.Text); !failed.empty()) return failed;
    return "";
}

ScratchFile::ScratchFile(const std::string& folder) {
    std::string name = WithTrailingSlash(folder) + ".scratch.XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return;
    ::unlink(name.c_str());
    file_ = ::fdopen(fd, "w+b");
    if (!file_) ::close(fd);
}

ScratchFile::~ScratchFile() {
    if (file_) std::fclose(file_);
}

void ScratchFile::Write(std::string_view text) {
    if (file_) std::fwrite(text.data(), 1, text.size(), file_);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + CrLf.size();
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) text.append(line).append(CrLf);
    return text;
}

bool MakeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return !ec;
}

std::string FileNameOf(const std::string& path) {
    size_t pos = path.find_last_of(PathSep);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string FolderOf(const std::string& path) {
    size_t pos = path.find_last_of(PathSep);
    return pos == std::string::npos ? "" : path.substr(0, pos + 1);
}

}  // namespace orrimar
