// Reading and writing the program's text files. Files are read whole into
// lines (CR LF or LF), written with CR LF through a temporary file that is
// renamed into place, and found inside a folder without regard to case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrimar {

// The native folder separator; DataLoc and other folders always end in it.
inline constexpr char PathSep = '/';

// The path with a separator appended unless it already ends in one.
std::string AddBackslash(const std::string& folder);

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
std::optional<TextFile> ReadTextFile(const std::string& path);
// The lines alone.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Writes `text` to `path` through a temporary file beside it, so a failed
// write leaves any old file whole. Returns an empty text on success, else
// a message saying what failed.
std::string WriteFileAtomic(const std::string& path, const std::string& text);
// The lines, each ended by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

bool MakeFolder(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);  // with its trailing separator

}  // namespace orrimar
