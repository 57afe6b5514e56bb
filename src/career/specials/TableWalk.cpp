#include "career/specials/TableWalk.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace orrimar::specials {

namespace {

// Results further than this above a throw's least are a fault of the
// tables, not schools to list.
constexpr int64_t SchoolResults = 100;

enum class Truth { Fails, Holds, Maybe };

// Whether a row's conditions hold, when only the race type can be known.
Truth Judge(const std::vector<Cond>& when, std::optional<int> race) {
    Truth all = Truth::Holds;
    for (const Cond& c : when) {
        if (c.What != Cond::Kind::RaceIs || !race)
            all = Truth::Maybe;
        else if ((c.A == *race) == c.Negate)
            return Truth::Fails;
    }
    return all;
}

// One holds whenever the other fails ("Enlisted" and "Officer").
bool Opposite(const Cond& a, const Cond& b) {
    return a.What == b.What && a.A == b.A && a.B == b.B && a.Text == b.Text && a.Negate != b.Negate;
}

struct Results {
    int64_t From = 0;
    int64_t To = 0;
};

void Add(std::vector<Results>& list, Results r) {
    if (!list.empty() && list.back().To + 1 == r.From)
        list.back().To = r.To;
    else
        list.push_back(r);
}

// One table as chains reach it, with the throw it is applied with.
struct Node {
    const SpecialTable* Table = nullptr;
    const SpecialThrow* Throw = nullptr;
    std::vector<size_t> Next;     // the tables its rows may lead to
    bool Ends = false;            // some result may lead to no further table
    std::vector<Results> NoRow;   // results no row takes
    std::vector<Results> Unsure;  // results only rows that may fail take
};

struct SchoolAt {
    int Result = 0;
    const SchoolFile* School = nullptr;
};

// Every table `root` leads to, root first; a table met again with the
// same throw is the same node, so a cycle is walked once.
class Walk {
  public:
    Walk(const SpecialTable& root, std::optional<int> race) : race_(race) {
        Reach(root, root.Throw);
        for (size_t k = 0; k < Nodes.size(); ++k) Expand(k);
    }

    std::vector<Node> Nodes;
    std::vector<SchoolAt> Schools;

  private:
    size_t Reach(const SpecialTable& table, const SpecialThrow& how) {
        const auto [at, fresh] = index_.try_emplace({&table, &how}, Nodes.size());
        if (fresh) Nodes.push_back({&table, &how, {}, false, {}, {}});
        return at->second;
    }

    void Expand(size_t k) {
        const SpecialTable& table = *Nodes[k].Table;
        const auto [lo, hi] = ThrowRange(*Nodes[k].Throw);
        if (lo > hi) {
            Nodes[k].Ends = true;
            return;
        }
        // Between two cuts every row takes all results or none.
        std::vector<int64_t> cuts{lo, int64_t{hi} + 1};
        for (const auto& row : table.Rows)
            for (const int64_t cut : {int64_t{row.From}, int64_t{row.To} + 1})
                if (cut > lo && cut <= hi) cuts.push_back(cut);
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

        std::set<size_t> next;
        bool ends = false;
        std::vector<Results> noRow, unsure;
        for (size_t s = 0; s + 1 < cuts.size(); ++s) {
            const Results results{cuts[s], cuts[s + 1] - 1};
            bool surely = false, some = false;
            std::vector<const Cond*> tests;  // the single tests of rows passed by
            for (const auto& row : table.Rows) {
                if (results.From < row.From || results.From > row.To) continue;
                const Truth truth = Judge(row.When, race_);
                if (truth == Truth::Fails) continue;
                some = true;
                if (!row.School.Prefix.empty() || !row.School.File.empty())
                    for (int64_t r = results.From; r <= std::min(results.To, lo + SchoolResults);
                         ++r)
                        Schools.push_back({static_cast<int>(r), &row.School});
                if (const SpecialTable* target = row.Next.Target())
                    next.insert(Reach(*target, row.Next.ThrowOf(*target)));
                else
                    ends = true;
                // A row ends the search when it surely applies, as it ends
                // the throw in play.
                surely = truth == Truth::Holds ||
                         (row.When.size() == 1 &&
                          std::any_of(tests.begin(), tests.end(),
                                      [&](const Cond* c) { return Opposite(*c, row.When[0]); }));
                if (surely) break;
                if (row.When.size() == 1) tests.push_back(&row.When[0]);
            }
            if (surely) continue;
            ends = true;
            Add(some ? unsure : noRow, results);
        }
        Node& node = Nodes[k];
        node.Next.assign(next.begin(), next.end());
        node.Ends = ends;
        node.NoRow = std::move(noRow);
        node.Unsure = std::move(unsure);
    }

    std::optional<int> race_;
    std::map<std::pair<const SpecialTable*, const SpecialThrow*>, size_t> index_;
};

// "result 9", "results 0 and 7 to 30".
std::string Said(const std::vector<Results>& list) {
    std::string text = list.size() == 1 && list[0].From == list[0].To ? "result " : "results ";
    for (size_t k = 0; k < list.size(); ++k) {
        if (k > 0) text += k + 1 == list.size() ? " and " : ", ";
        text += std::to_string(list[k].From);
        if (list[k].To != list[k].From) text += " to " + std::to_string(list[k].To);
    }
    return text;
}

// Tables that lead into each other: each component after those it leads
// to, its nodes in the order the walk found them.
struct Components {
    std::vector<size_t> Of;
    std::vector<std::vector<size_t>> Members;
};

Components Strong(const std::vector<Node>& nodes) {
    constexpr size_t None = SIZE_MAX;
    Components c;
    c.Of.assign(nodes.size(), None);
    std::vector<size_t> order(nodes.size(), None), low(nodes.size()), stack;
    std::vector<bool> stacked(nodes.size());
    size_t count = 0;
    const std::function<void(size_t)> visit = [&](size_t v) {
        order[v] = low[v] = count++;
        stack.push_back(v);
        stacked[v] = true;
        for (const size_t w : nodes[v].Next) {
            if (order[w] == None) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (stacked[w]) {
                low[v] = std::min(low[v], order[w]);
            }
        }
        if (low[v] != order[v]) return;
        std::vector<size_t> members;
        size_t w = None;
        do {
            w = stack.back();
            stack.pop_back();
            stacked[w] = false;
            c.Of[w] = c.Members.size();
            members.push_back(w);
        } while (w != v);
        std::sort(members.begin(), members.end());
        c.Members.push_back(std::move(members));
    };
    visit(0);
    return c;
}

void Traps(const std::vector<Node>& nodes, const Components& c, std::vector<TableFault>& out) {
    for (size_t i = 0; i < c.Members.size(); ++i) {
        const auto& members = c.Members[i];
        bool cycle = members.size() > 1, leaves = false;
        for (const size_t m : members) {
            leaves = leaves || nodes[m].Ends;
            for (const size_t w : nodes[m].Next) {
                cycle = cycle || w == m;
                leaves = leaves || c.Of[w] != i;
            }
        }
        if (!cycle || leaves) continue;
        std::string others;
        for (size_t k = 1; k < members.size(); ++k)
            others += (k > 1 ? ", \"" : "\"") + nodes[members[k]].Table->Name + "\"";
        out.push_back(
            {TableFault::Kind::Trap, nodes[members[0]].Table->Name,
             (others.empty() ? "it leads to itself" : "it and " + others + " lead to each other") +
                 " whatever is thrown, with no way out"});
    }
}

// The longest chain, each component's tables counted once.
void Depth(const std::vector<Node>& nodes, const Components& c, std::vector<TableFault>& out) {
    const size_t size = c.Members.size();
    std::vector<int64_t> entry(size, -1);
    entry[size - 1] = 0;  // the root's, found last
    int64_t deepest = -1;
    size_t at = size - 1;
    for (size_t i = size; i-- > 0;) {
        if (entry[i] < 0) continue;
        const int64_t exit = entry[i] + static_cast<int64_t>(c.Members[i].size()) - 1;
        if (exit > deepest) {
            deepest = exit;
            at = i;
        }
        for (const size_t m : c.Members[i])
            for (const size_t w : nodes[m].Next)
                if (c.Of[w] != i) entry[c.Of[w]] = std::max(entry[c.Of[w]], exit + 1);
    }
    if (deepest <= MaxDepth) return;
    out.push_back({TableFault::Kind::TooDeep, nodes[c.Members[at].back()].Table->Name,
                   "a chain of " + std::to_string(deepest + 1) + " tables leads to it from \"" +
                       nodes[0].Table->Name + "\", but play follows no more than " +
                       std::to_string(MaxDepth + 1) + " in a row"});
}

}  // namespace

std::vector<TableFault> CheckTables(const SpecialTable& root) {
    const Walk walk(root, std::nullopt);
    std::vector<TableFault> faults;
    for (const Node& n : walk.Nodes) {
        if (!n.NoRow.empty())
            faults.push_back({TableFault::Kind::Gap, n.Table->Name,
                              "no row takes " + Said(n.NoRow) + ": such a throw does nothing"});
        if (!n.Unsure.empty())
            faults.push_back({TableFault::Kind::Gap, n.Table->Name,
                              "only rows with conditions take " + Said(n.Unsure) +
                                  ": when none holds, such a throw does nothing"});
    }
    const Components c = Strong(walk.Nodes);
    Traps(walk.Nodes, c, faults);
    Depth(walk.Nodes, c, faults);
    // A table applied with two throws of the same range shows one gap twice.
    std::vector<TableFault> once;
    for (auto& f : faults)
        if (std::none_of(once.begin(), once.end(), [&](const TableFault& o) {
                return o.Table == f.Table && o.Text == f.Text;
            }))
            once.push_back(std::move(f));
    return once;
}

std::vector<SchoolVisit> SchoolsOf(const SpecialTable& table, int race,
                                   const SchoolDigits& school) {
    const Walk walk(table, race);
    std::vector<SchoolVisit> out;
    for (const auto& at : walk.Schools)
        out.push_back({at.Result, SchoolFileName(*at.School, school.At(at.Result))});
    return out;
}

}  // namespace orrimar::specials
