#include "ui/Program.h"

#include <string>

#include "ask/Questions.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "model/Recording.h"
#include "model/Throws.h"
#include "names/Homeworld.h"
#include "output/BuiltInResume.h"
#include "output/Resume.h"
#include "output/SaveDialog.h"
#include "session/Main.h"
#include "text/Files.h"

namespace orrimar {

namespace {

void TestMessage(Game& g, const std::string& text) {
    if (g.session.TestMode == 1) g.ui.Message(text, g.session.AppTitle, MsgIcon::None);
}

}  // namespace

void Main(Game& g) {
    StartUp(g);
    MainProcess(g);
    throw ProgramExit{0};
}

CareerEnd FinalMenu(Game& g) {
    // One homeworld for the finished character, thrown where the first save
    // threw it, so every page, JSON file and preview of it agree.
    g.career.Character.Homeworld = MakeHomeworld(g, 2);
    while (true) {
        ClearTermWindow(g.windows);
        ShowMoney(g);
        const std::string choice = AskTermButtons(
            g, {"Save as HTML", "Save with HTM template", "Restart with this character",
                "Scrap and restart", "Preview and print", "Save as JSON..."});
        if (choice == "1") SaveHtmlResume(g);
        if (choice == "2") SaveTemplateResume(g);
        if (choice == "3") return CareerEnd::Restart;
        if (choice == "4") return CareerEnd::Scrap;
        if (choice == "6") SaveJsonCharacter(g);
        if (choice == "5") {
            // The built-in page as "Save as HTML" writes it, the character
            // named or not; nothing is asked and nothing written.
            g.ui.PreviewPage(BuiltInResumePage(g), ProposedStem(g.career));
        }
    }
}

void MainProcess(Game& g) {
    TestMessage(g, "Setting default career");
    TestMessage(g, "Setting c1");
    TestMessage(g, "Setting c2");
    bool restart = false;
    while (true) {
        TestMessage(g, "Generate!");
        if (!restart) Generate(g);
        restart = false;
        g.windows.Form1.Accepted = false;
        g.ui.RunMainWindow(g);
        g.career.StartCharacter = g.career.Character;
        BeginRecipe(g);
        // The throws explained are the career's, from its first.
        if (g.career.Explain) g.career.Explain->Clear();
        CareerEnd end = PlayCareer(g);
        if (g.career.Explain) g.career.Explain->EndCareer();
        g.career.Recording = false;
        if (end == CareerEnd::Finished) end = FinalMenu(g);
        if (end == CareerEnd::Restart) {
            restart = true;
            // PSI added during the career (psionic training) goes with it.
            g.career.Character = g.career.StartCharacter;
            g.career.PsiTried = {};
            RefreshStatsPanel(g);
        }
    }
}

}  // namespace orrimar
