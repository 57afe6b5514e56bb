#include "output/Resume.h"

#include <algorithm>

#include "model/Display.h"
#include "model/Game.h"
#include "output/BuiltInResume.h"
#include "output/CharacterJson.h"
#include "output/Naming.h"
#include "output/SaveDialog.h"
#include "output/TemplateResume.h"
#include "output/TransferFile.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

std::optional<std::vector<std::string>> ReadTemplate(const std::string& path,
                                                     std::string& problem) {
    std::string why;
    auto lines = ReadLines(path, &why);
    if (!lines) {
        problem = "The template " + path + " cannot be read: " + why + ".";
        return std::nullopt;
    }
    // A program or picture given by mistake would fill pages with its bytes.
    if (std::any_of(lines->begin(), lines->end(),
                    [](const std::string& line) { return line.find('\0') != std::string::npos; })) {
        problem = "The template " + path + " is not text (it holds NUL bytes).";
        return std::nullopt;
    }
    // A page of nothing but the footer is no resume.
    if (std::all_of(lines->begin(), lines->end(),
                    [](const std::string& line) { return IsBlank(line); })) {
        problem = "The template " + path + " is empty.";
        return std::nullopt;
    }
    return lines;
}

namespace {

// A recorded career's page names its seed, version and data, and carries
// what makes the character again.
bool Recorded(const CareerPart& career) {
    return career.Recipe.Made != CareerRecipe::Kind::None;
}

void AppendRecord(const Game& g, std::string& page) {
    if (!Recorded(g.career)) return;
    AppendPageRecordComment(g, page);
    page += CrLf;
}

}  // namespace

std::string BuiltInResumePage(Game& g) {
    std::string page;
    // Room for the page and its record at once.
    page.reserve(16384);
    AppendBuiltInResume(g, TodayLongDate(), Recorded(g.career) ? RegenerationFooter(g.career) : "",
                        page);
    AppendRecord(g, page);
    return page;
}

std::string ResumeFiles(Game& g, const std::string& path, const ResumeLayout& layout,
                        std::vector<FileText>& files) {
    std::string page;
    if (layout.TemplatePath.empty()) {
        page = BuiltInResumePage(g);
    } else {
        std::string problem;
        const auto lines = ReadTemplate(layout.TemplatePath, problem);
        if (!lines) return problem;
        page = JoinLinesCrLf(
            FillTemplate(g, *lines, Recorded(g.career) ? RegenerationFooter(g.career) : ""));
        AppendRecord(g, page);
    }
    files.push_back({path, std::move(page)});
    if (auto trg = TrgFile(g, path)) files.push_back(std::move(*trg));
    return "";
}

std::string WriteResume(Game& g, const std::string& path, const ResumeLayout& layout) {
    std::vector<FileText> files;
    if (std::string problem = ResumeFiles(g, path, layout, files); !problem.empty()) return problem;
    return WriteFiles(files, WriteFileAtomic);
}

namespace {

// Writes the page and opens it; a failure is reported and nothing is opened.
bool WriteAndOpen(Game& g, const std::string& path, const ResumeLayout& layout) {
    if (std::string problem = WriteResume(g, path, layout); !problem.empty()) {
        g.ui.Message(problem, g.session.AppTitle, MsgIcon::Critical);
        return false;
    }
    g.career.Saved = true;
    g.ui.OpenPage(path);
    return true;
}

}  // namespace

void SaveHtmlResume(Game& g) {
    NameCharacter(g);
    const auto path = AskResumePath(g);
    if (!path) return;
    if (WriteAndOpen(g, *path, ResumeLayout::BuiltIn()))
        ShowCharacter(g, "Character saved to HTM file");
}

void SaveJsonCharacter(Game& g) {
    NameCharacter(g);
    const auto path = AskResumePath(g, JsonDocument);
    if (!path) return;
    if (std::string problem = WriteFileAtomic(*path, CharacterJsonText(g)); !problem.empty()) {
        g.ui.Message(problem, g.session.AppTitle, MsgIcon::Critical);
        return;
    }
    g.career.Saved = true;
    ShowCharacter(g, "Character saved to JSON file");
}

void SaveTemplateResume(Game& g) {
    const auto chosen = ChooseTemplate(g);
    if (!chosen) return;
    NameCharacter(g);
    const auto path = AskResumePath(g);
    if (!path) return;
    WriteAndOpen(g, *path, ResumeLayout::Template(*chosen));
}

}  // namespace orrimar
