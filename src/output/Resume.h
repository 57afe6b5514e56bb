// The finished character as an HTML page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/Files.h"

namespace orrimar {

struct Game;

// "Save as HTML": names the character, writes the built-in layout.
void SaveHtmlResume(Game& g);
// "Save with HTM template": names the character, fills a chosen template.
void SaveTemplateResume(Game& g);
// "Save as JSON...": names the character, writes its JSON document.
void SaveJsonCharacter(Game& g);

// Which layout a page takes: the built-in one, or a template file.
struct ResumeLayout {
    std::string TemplatePath;  // empty: the built-in layout

    static ResumeLayout BuiltIn() { return {}; }
    static ResumeLayout Template(const std::string& path) { return {path}; }
};

// A template's lines; nothing, with `problem` saying why, when the path is
// not a file, cannot be read or holds nothing but blank lines.
std::optional<std::vector<std::string>> ReadTemplate(const std::string& path, std::string& problem);

// Writes the character (named as it is) to `path` in `layout`, and the
// transfer file beside it when _ZIP is set. A recorded career's page gains
// a footer naming its seed, version and data fingerprint, and ends with
// the character's JSON document in a comment. Asks nothing and opens
// nothing. Returns an empty text on success, else a message naming the
// file that failed; a failed write leaves any earlier file at `path` whole.
std::string WriteResume(Game& g, const std::string& path, const ResumeLayout& layout);

// The built-in page exactly as "Save as HTML" writes it, footer and record
// included: what the preview shows, prints and saves as PDF.
std::string BuiltInResumePage(Game& g);

// The same files made but not written, added to `files` (a batch writes
// them on a thread of its own); "" or what went wrong.
std::string ResumeFiles(Game& g, const std::string& path, const ResumeLayout& layout,
                        std::vector<FileText>& files);

}  // namespace orrimar
