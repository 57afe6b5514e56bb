#include "session/OptionSets.h"

#include "model/Game.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Reads whole lines and comma- or line-delimited items from one file.
class ItemReader {
  public:
    explicit ItemReader(const std::vector<std::string>& lines) : lines_(lines) {}
    bool AtEnd() const { return pending_.empty() && next_ >= lines_.size(); }
    std::string Line() {
        pending_.clear();
        return next_ < lines_.size() ? lines_[next_++] : "";
    }
    std::string Item() {
        if (pending_.empty()) {
            if (next_ >= lines_.size()) return "";
            auto items = DelimitedItems(lines_[next_++]);
            pending_.assign(items.rbegin(), items.rend());
        }
        std::string item = pending_.back();
        pending_.pop_back();
        return item;
    }

  private:
    const std::vector<std::string>& lines_;
    size_t next_ = 0;
    std::vector<std::string> pending_;
};

int16_t Flag(const std::string& item) {
    return static_cast<int16_t>(ValInt(item));
}

}  // namespace

std::string OptionSetPath(const SessionPart& session, int slot) {
    return ResolveNoCase(session.DataLoc, "osets" + std::to_string(slot) + ".txt");
}

void LoadOptionSetMenu(Game& g) {
    for (int n = 1; n <= 4; ++n) {
        const std::string path = OptionSetPath(g.session, n);
        std::string why;
        auto lines = ReadLines(path, &why);
        g.session.OptionSetMenuAvailable[n] = lines.has_value();
        // A slot never saved is no news; one that cannot be read is.
        if (!lines && why != NoSuchFile)
            g.ui.Message(
                "The option set " + path + " cannot be read: " + why + ". Its slot stays empty.",
                g.session.AppTitle, MsgIcon::Warning);
        if (!lines) continue;
        const std::string name = lines->empty() ? "" : lines->front();
        g.session.OptionSetButton[n] = name;
        g.session.OptionSetMenuName[n] = name;
        if (EqualsNoCase(name, "DEFAULT")) LoadOptionSet(g, n);
    }
}

void LoadOptionSet(Game& g, int slot) {
    auto lines = ReadLines(OptionSetPath(g.session, slot));
    if (lines) ReadOptionSetText(g, *lines);
}

void ReadOptionSetText(Game& g, const std::vector<std::string>& lines) {
    ItemReader in(lines);
    auto& options = g.career.Character.Options;
    in.Line();
    for (int k = 1; k <= 10; ++k) options[k] = Flag(in.Item());
    for (auto& pref : g.session.PrefSkill) pref = {};
    for (int i = 1; i <= 20; ++i) {
        g.session.PrefSkill[i].Name = in.Line();
        g.session.PrefSkill[i].Level = ValInt(in.Item());
    }
    if (in.AtEnd()) return;
    options[RankCap] = Flag(in.Item());
    // Flag 15 is the rank cap itself: its second line must not undo the
    // cap read above (a file from elsewhere may hold 0 there).
    for (int k = 11; k <= 14; ++k) options[k] = Flag(in.Item());
}

std::vector<std::string> OptionSetLines(const Game& g, const std::string& name) {
    const auto& options = g.career.Character.Options;
    std::vector<std::string> lines = {name};
    for (int k = 1; k <= 10; ++k) lines.push_back(std::to_string(options[k]));
    for (int i = 1; i <= 20; ++i) {
        lines.push_back(g.session.PrefSkill[i].Name);
        lines.push_back(std::to_string(g.session.PrefSkill[i].Level));
    }
    lines.push_back(std::to_string(options[RankCap]));
    for (int k = 11; k <= 15; ++k) lines.push_back(std::to_string(options[k]));
    for (int k = 0; k < 4; ++k) lines.push_back("dummy");
    return lines;
}

void SaveOptionSet(Game& g, int slot) {
    std::string& caption = g.session.OptionSetButton[slot];
    if (!caption.empty() && !g.ui.YesNo("Overwrite " + caption + ", are you sure?",
                                        g.session.AppTitle, false, MsgIcon::None))
        return;
    caption = g.ui.InputText("Set name?", g.session.AppTitle, caption);
    // Written whole through a temporary file: a failed save keeps the old slot.
    const std::string failed =
        WriteFileAtomic(OptionSetPath(g.session, slot), JoinLinesCrLf(OptionSetLines(g, caption)));
    if (!failed.empty()) g.ui.Message(failed, g.session.AppTitle, MsgIcon::Warning);
}

}  // namespace orrimar
