#include "model/ServiceChoice.h"

#include "data/TableStats.h"
#include "model/Game.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {
std::string ServicePath(Game& g) {
    const ListEntry* entry = g.windows.ServiceList.Current();
    if (!entry) return "";
    if (!g.rules.Cache.Settled) return ResolveNoCase(g.session.DataLoc, entry->Key);
    auto [at, added] = LoadedRules(g).Cache.Resolved.try_emplace(entry->Key);
    if (added) at->second = ResolveNoCase(g.session.DataLoc, entry->Key);
    return at->second;
}
}  // namespace

namespace {

// What the career made of the service it played (courses taken, the
// merchant's rank 0, ranks written), forgotten when another is chosen.
void ForgetServicePlayed(CareerPart& career) {
    career.CourseMark = {};
    career.MerchantRankZero = MerchantRankZeroCode;
    career.TermRanks = {};
}

bool LoadServiceRecord(Game& g, bool copied) {
    RulesPart& rules = LoadedRules(g);
    const std::string path = ServicePath(g);
    if (path.empty()) return false;
    std::shared_ptr<const ServiceRecord> loaded;
    if (const auto* kept = rules.Cache.Services.Find(path, "", rules.Cache.Settled)) {
        loaded = *kept;
    } else {
        ServiceRecord service;
        DataProblem problem;
        if (!ReadServiceFile(path, service, problem)) {
            // The loaded service stays as it was; its branches cannot be chosen.
            g.ui.Message("This service file cannot be used.\n" + problem.Text(), g.session.AppTitle,
                         MsgIcon::Warning);
            g.windows.BranchList.Clear();
            g.windows.BranchList.Enabled = false;
            return false;
        }
        NameRankZero(service);
        loaded = std::make_shared<const ServiceRecord>(std::move(service));
        rules.Cache.Services.Put(path, "", loaded);
    }
    if (copied) {
        rules.Service = *loaded;
        ForgetServicePlayed(g.career);
        rules.NameStatsInTables();
    }
    rules.ServiceAsLoaded = std::move(loaded);
    ListBranches(g);
    return true;
}

}  // namespace

void ListBranches(Game& g) {
    g.windows.BranchList.Ready = false;
    g.windows.BranchList.Selected = -1;
    const std::string path = ServicePath(g);
    const std::vector<BranchEntry>* entries =
        g.rules.Cache.BranchLists.Find(path, "", g.rules.Cache.Settled);
    if (!entries) {
        auto lines = ReadLines(path);
        entries = &LoadedRules(g).Cache.BranchLists.Put(
            path, "", ReadBranchEntries(lines ? *lines : std::vector<std::string>{}));
    }
    // Written over the last service's entries, whose texts keep their room.
    auto& list = g.windows.BranchList.Entries;
    size_t n = 0;
    for (const auto& e : *entries) {
        if (e.TransferTag >= 0) {
            const bool open = e.TransferTag <= CharacterRecord::MaxBranchTags &&
                              g.career.Character.BranchOpen[e.TransferTag] == 1;
            if (!g.career.Character.Opt(OptAnyTransfer) && !open) continue;
        }
        if (n == list.size()) list.emplace_back();
        list[n].Display.assign(std::string_view(e.Display).substr(0, 399));
        list[n].Key.assign(e.Key);
        ++n;
    }
    list.resize(n);
    g.windows.BranchList.Enabled = true;
    g.windows.BranchList.Ready = true;
}

namespace {

// `newService`: the service was loaded for this branch and never copied
// (SelectServiceForBranch), so what the career would keep of it is the
// service's as loaded.
bool LoadBranch(Game& g, bool newService) {
    RulesPart& rules = LoadedRules(g);
    const ListEntry* branch = g.windows.BranchList.Current();
    const std::string path = ServicePath(g);
    if (!branch || path.empty()) return false;
    // The branch reads over the service as loaded, not over the branch
    // chosen before it. What the career wrote into the service stays: the
    // courses already taken in place of a special, the name of rank 0.
    const ServiceRecord* read = rules.Cache.Branches.Find(path, branch->Key, rules.Cache.Settled);
    if (!read) {
        ServiceRecord service = *rules.ServiceAsLoaded;
        DataProblem problem;
        if (!ReadBranch(path, branch->Key, service, problem)) {
            g.ui.Message("This branch cannot be used.\n" + problem.Text(), g.session.AppTitle,
                         MsgIcon::Warning);
            g.windows.BranchList.Selected = -1;
            return false;
        }
        read = &rules.Cache.Branches.Put(path, branch->Key, std::move(service));
    }
    const ServiceRecord& before = newService ? *rules.ServiceAsLoaded : rules.Service;
    std::string rankCode0 = before.RankCode[0];
    std::string rankName0 = before.RankName[0];
    if (newService) ForgetServicePlayed(g.career);
    rules.Service = *read;
    g.career.TermRanks = {};  // the branch's table as read
    rules.Service.RankCode[0] = std::move(rankCode0);
    rules.Service.RankName[0] = std::move(rankName0);
    rules.NameStatsInTables();
    return true;
}

}  // namespace

ServiceInPlay KeepServiceInPlay(const GameState& g) {
    return {g.rules.Service,           g.rules.ServiceAsLoaded, g.career.CourseMark,
            g.career.MerchantRankZero, g.career.TermRanks,      g.windows.ServiceList.Selected,
            g.windows.BranchList};
}

void PutServiceBack(GameState& g, const ServiceInPlay& kept) {
    RulesPart& rules = LoadedRules(g);
    rules.Service = kept.Service;
    rules.ServiceAsLoaded = kept.AsLoaded;
    rules.NameStatsInTables();
    g.career.CourseMark = kept.CourseMark;
    g.career.MerchantRankZero = kept.MerchantRankZero;
    g.career.TermRanks = kept.TermRanks;
    g.windows.ServiceList.Selected = kept.ServiceIndex;
    g.windows.BranchList = kept.Branches;
}

namespace {

bool SelectServiceRecord(Game& g, int index, bool copied) {
    g.windows.ServiceList.Selected = index;
    if (!g.windows.ServiceList.Ready || !g.windows.ServiceList.Current()) return false;
    const bool loaded = LoadServiceRecord(g, copied);
    g.windows.Form1.AcceptEnabled = false;
    return loaded;
}

}  // namespace

bool SelectService(Game& g, int index) {
    const bool loaded = SelectServiceRecord(g, index, true);
    if (loaded && g.windows.BranchList.Entries.size() == 1) SelectBranch(g, 0);
    return loaded;
}

bool SelectServiceForBranch(Game& g, int index) {
    return SelectServiceRecord(g, index, false);
}

namespace {

bool SelectBranchRecord(Game& g, int index, bool newService) {
    g.windows.BranchList.Selected = index;
    if (!g.windows.BranchList.Ready || !g.windows.BranchList.Current()) return false;
    const bool loaded = LoadBranch(g, newService);
    g.windows.Form1.AcceptEnabled = loaded;
    return loaded;
}

}  // namespace

bool SelectBranch(Game& g, int index) {
    return SelectBranchRecord(g, index, false);
}

bool SelectBranchOfNewService(Game& g, int index) {
    return SelectBranchRecord(g, index, true);
}

}  // namespace orrimar
