#include "output/Resume.h"

#include "model/Display.h"
#include "model/Game.h"
#include "output/BuiltInResume.h"
#include "output/Naming.h"
#include "output/SaveDialog.h"
#include "output/TemplateResume.h"
#include "output/TransferFile.h"
#include "startup/Files.h"

namespace orrimar {

std::string WriteResume(Game& g, const std::string& path, const ResumeLayout& layout,
                        const std::string& extraFooter) {
    std::vector<std::string> page;
    if (layout.TemplatePath.empty()) {
        page = BuiltInResumeLines(g, TodayLongDate(), extraFooter);
    } else {
        const auto lines = ReadLines(layout.TemplatePath);
        if (!lines) return "Cannot read the template " + layout.TemplatePath + ".";
        page = FillTemplate(g, *lines, extraFooter);
    }
    if (std::string problem = WriteFileAtomic(path, JoinLinesCrLf(page)); !problem.empty())
        return problem;
    return WriteTrgFile(g, path);
}

namespace {

// Writes the page and opens it; a failure is reported and nothing is opened.
bool WriteAndOpen(Game& g, const std::string& path, const ResumeLayout& layout) {
    if (std::string problem = WriteResume(g, path, layout); !problem.empty()) {
        g.ui.Message(problem, g.AppTitle, MsgIcon::Critical);
        return false;
    }
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

void SaveTemplateResume(Game& g) {
    const auto chosen = ChooseTemplate(g);
    if (!chosen) return;
    NameCharacter(g);
    const auto path = AskResumePath(g);
    if (!path) return;
    WriteAndOpen(g, *path, ResumeLayout::Template(*chosen));
}

}  // namespace orrimar
