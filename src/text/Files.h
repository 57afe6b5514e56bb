// Reading and writing the program's text files. Files are read whole into
// lines (CR LF or LF), written with CR LF through a temporary file that is
// renamed into place, and found inside a folder without regard to case.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrimar {

// The native folder separator; DataLoc and other folders always end in it.
inline constexpr char PathSep = '/';

// The path with a separator appended unless it already ends in one.
std::string WithTrailingSlash(const std::string& folder);

// The path of `name` inside `folder` as it exists on disk, matching the
// file name without regard to case; nullopt when there is no such file.
std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name);
bool FileExistsNoCase(const std::string& folder, const std::string& name);
// The path to use for `name` inside `folder`: the existing file whatever
// its case, otherwise the name as given.
std::string ResolveNoCase(const std::string& folder, const std::string& name);
// The same for a folder inside `folder` ("templates" finds "Templates").
std::string ResolveFolderNoCase(const std::string& folder, const std::string& name);

// File names (without folder) in `folder` whose extension equals `ext`
// without regard to case (ext given with its dot, ".ERI"), sorted by name.
std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& ext);

// The most a file of each kind may hold (data/README.md states them), so a
// file that never ends or a mistaken huge one cannot exhaust memory: data
// files, the settings file, option sets, window places and templates; a
// dice list; a resume or JSON file made again.
inline constexpr size_t TextFileLimit = size_t{1} << 20;
inline constexpr size_t DiceListLimit = size_t{16} << 20;
inline constexpr size_t RecordFileLimit = size_t{64} << 20;

// Why ReadFileBytes refused a file that is simply not there.
inline constexpr std::string_view NoSuchFile = "it does not exist";

// The bytes of `path` when it is a regular file (a link to one is
// followed) of at most `limit` bytes. Otherwise nullopt, and `why` says
// what it is instead ("it is a folder, not a file", "it is not a regular
// file (a device, pipe or socket)", "it holds more than 1 MiB", NoSuchFile,
// the system's word): a folder, device or pipe under a file's name is
// never read, never waited on. With `cut`, a longer file gives its first
// `limit` bytes and sets *cut.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit, std::string& why,
                                         bool* cut = nullptr);
// "1 MiB", "64 MiB": a limit as the messages give it.
std::string LimitText(size_t limit);

// A text file's lines in Latin-1; a final line end does not make an extra
// line. A file saved as UTF-8 (with or without a byte-order mark) is
// converted; `BadLine` is the first line (from 1) holding characters
// Latin-1 lacks, which read as "?", and `Outside` lists them in UTF-8.
struct TextFile {
    std::vector<std::string> Lines;
    bool Utf8 = false;
    int BadLine = 0;
    std::string Outside;
};
// Read as ReadFileBytes reads; `why`, when given, says why a file was not.
std::optional<TextFile> ReadTextFile(const std::string& path, std::string* why = nullptr,
                                     size_t limit = TextFileLimit);
// The lines alone.
std::optional<std::vector<std::string>> ReadLines(const std::string& path,
                                                  std::string* why = nullptr,
                                                  size_t limit = TextFileLimit);

// Writes `text` to `path` through a temporary file beside it, so a failed
// write leaves any old file whole. Returns an empty text on success, else
// a message saying what failed.
std::string WriteFileAtomic(const std::string& path, std::string_view text);

// How one file of many goes to disk (a batch writes thousands into one
// folder). A name no file holds yet is created in place, O_CREAT|O_EXCL,
// with half the folder operations of WriteFileAtomic; a name already taken
// (a link included) is replaced by WriteFileAtomic, never written through.
// A failed write removes the file it created. Unlike WriteFileAtomic, a
// reader may see the new file before it is whole, and a crash may leave
// it part-written: fine for pages a batch indexes last, which is why
// saves of settings or of a single character keep WriteFileAtomic.
std::string WriteNewFile(const std::string& path, std::string_view text);

using FileWriter = std::string (*)(const std::string& path, std::string_view text);

// A file still to be written: where, and what.
struct FileText {
    std::string Path;
    std::string Text;
};
// Writes the files in order with `write`, stopping at the first that fails;
// "" or what failed.
std::string WriteFiles(const std::vector<FileText>& files, FileWriter write);

// A file of working text in a folder that no one else sees: created under
// a fresh name and unlinked at once, so it is gone when closed whatever
// happens. Written through the C library's buffer.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& folder);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Write(std::string_view text);

  private:
    friend class AtomicFile;
    std::FILE* file_ = nullptr;
};

// A file written piece by piece that takes `path`'s place only at Commit,
// as WriteFileAtomic's does: until then, and for ever when Commit is never
// called or fails, any old file at `path` stays whole and the temporary
// file is removed.
class AtomicFile {
  public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view text);
    // Everything written to `scratch` so far.
    void Write(ScratchFile& scratch);
    // "" when the file is in place, else a message naming it.
    std::string Commit();

  private:
    std::string path_, temp_;
    int fd_ = -1;
    bool written_ = true;
};
// The lines, each ended by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

bool MakeFolder(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);  // with its trailing separator

}  // namespace orrimar
