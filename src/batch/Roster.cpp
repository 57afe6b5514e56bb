#include "batch/Roster.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "batch/Batch.h"
#include "batch/CountOf.h"
#include "batch/Where.h"
#include "model/Game.h"
#include "output/ResumeText.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// How many skills the roster names, highest first.
constexpr size_t TopSkillCount = 3;

// The page is Latin-1 and its script plain ASCII: sorting compares the
// data-sort value when a cell has one (numbers as numbers), else the text.
// The URL's fragment ("#sort=-rank&filter=pilot") sets the order and the
// filter when the page opens, and follows every change, so a view can be
// bookmarked or shared.
constexpr const char* Script = R"(<script>
(function () {
  var table = document.getElementById('roster');
  if (!table || !table.tHead || !table.tBodies.length) return;
  var body = table.tBodies[0], heads = table.tHead.rows[0].cells;
  var rows = Array.prototype.slice.call(body.rows);
  var state = { sort: '', desc: false, filter: '' };
  function value(cell) {
    var v = cell.getAttribute('data-sort');
    return v === null ? cell.textContent : v;
  }
  function column(key) {
    for (var i = 0; i < heads.length; i++)
      if (heads[i].getAttribute('data-key') === key) return i;
    return -1;
  }
  function compare(a, b) {
    var x = parseFloat(a), y = parseFloat(b);
    if (String(x) === a.trim() && String(y) === b.trim()) return x - y;
    a = a.toLowerCase(); b = b.toLowerCase();
    return a < b ? -1 : a > b ? 1 : 0;
  }
  function number(row) { return parseInt(row.cells[0].textContent, 10); }
  var controls = document.createElement('p');
  controls.className = 'controls';
  var label = document.createElement('label');
  label.textContent = 'Filter: ';
  var box = document.createElement('input');
  box.type = 'search'; box.id = 'filter';
  box.placeholder = 'any text, e.g. pilot navy';
  label.appendChild(box);
  var shown = document.createElement('span');
  shown.id = 'shown';
  controls.appendChild(label);
  controls.appendChild(document.createTextNode(' '));
  controls.appendChild(shown);
  table.parentNode.insertBefore(controls, table);
  function apply() {
    var at = column(state.sort), order = rows.slice();
    order.sort(function (r, s) {
      var d = at < 0 ? 0 : compare(value(r.cells[at]), value(s.cells[at]));
      if (state.desc) d = -d;
      return d || number(r) - number(s);
    });
    var words = state.filter.toLowerCase().split(/\s+/).filter(Boolean), count = 0;
    order.forEach(function (row) {
      body.appendChild(row);
      var text = Array.prototype.map.call(row.cells, function (c) {
        return c.textContent;
      }).join('\t').toLowerCase();
      var hit = words.every(function (w) { return text.indexOf(w) >= 0; });
      row.hidden = !hit;
      if (hit) count++;
    });
    for (var k = 0; k < heads.length; k++)
      heads[k].setAttribute('aria-sort',
        k === at ? (state.desc ? 'descending' : 'ascending') : 'none');
    shown.textContent = count + ' of ' + rows.length + ' shown';
  }
  function remember() {
    var parts = [];
    if (state.sort) parts.push('sort=' + (state.desc ? '-' : '') + state.sort);
    if (state.filter) parts.push('filter=' + encodeURIComponent(state.filter));
    if (history.replaceState)
      history.replaceState(null, '', parts.length ? '#' + parts.join('&') : location.pathname);
  }
  function read() {
    location.hash.replace(/^#/, '').split('&').forEach(function (part) {
      var eq = part.indexOf('='); if (eq < 0) return;
      var key = part.slice(0, eq), text = decodeURIComponent(part.slice(eq + 1));
      if (key === 'sort') {
        state.desc = text.charAt(0) === '-';
        state.sort = text.replace(/^-/, '').toLowerCase();
      } else if (key === 'filter') state.filter = text;
    });
    box.value = state.filter;
  }
  for (var i = 0; i < heads.length; i++) (function (head) {
    var button = document.createElement('button');
    button.type = 'button';
    while (head.firstChild) button.appendChild(head.firstChild);
    head.appendChild(button);
    button.addEventListener('click', function () {
      var key = head.getAttribute('data-key');
      state.desc = state.sort === key ? !state.desc : false;
      state.sort = key;
      apply(); remember();
    });
  })(heads[i]);
  box.addEventListener('input', function () {
    state.filter = box.value; apply(); remember();
  });
  read();
  apply();
})();
</script>)";

constexpr const char* Style = R"(<style>
body { font-family: sans-serif; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 2px 6px; vertical-align: top; }
th { background: #eee; text-align: left; }
th button { font: inherit; font-weight: bold; border: 0; background: none; padding: 0;
            cursor: pointer; }
th[aria-sort=ascending] button::after { content: " \25B2"; }
th[aria-sort=descending] button::after { content: " \25BC"; }
td.n { text-align: right; }
.nw { white-space: nowrap; }
@media print {
  @page { size: landscape; margin: 1cm; }
  body { font-size: 8pt; }
  .controls { display: none; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  a { color: inherit; text-decoration: none; }
  th[aria-sort] button::after { content: none; }
}
</style>)";

// The headings: data-key (what a fragment sorts by), text, and whether the
// column holds numbers.
struct Heading {
    const char* Key;
    const char* Text;
};
constexpr Heading Headings[] = {{"number", "#"},
                                {"name", "Name"},
                                {"race", "Race"},
                                {"service", "Service"},
                                {"branch", "Branch"},
                                {"rank", "Rank"},
                                {"upp", "UPP"},
                                {"age", "Age"},
                                {"terms", "Terms"},
                                {"skills", "Top skills"},
                                {"cash", "Cash"},
                                {"benefits", "Benefits"},
                                {"decorations", "Decorations"},
                                {"seed", "Seed"},
                                {"version", "Version"},
                                {"data", "Data"}};

void Cell(std::string& row, std::string_view text) {
    row += "</td><td>";
    AppendHtmlEscaped(row, text);
}

// A cell sorted by `sort` rather than its text; numbers are set right.
void SortedCell(std::string& row, std::string_view sort, std::string_view text,
                bool number = true) {
    row.append(number ? "</td><td class=\"n\" data-sort=\"" : "</td><td data-sort=\"")
        .append(sort)
        .append("\">");
    AppendHtmlEscaped(row, text);
}

void NumberCell(std::string& row, std::string_view sort, std::string_view text) {
    SortedCell(row, sort, text);
}

// The page's line ends are CR LF throughout.
std::string WithCrLf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

std::string CashText(int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return (value < 0 ? "-" : "") + digits;
}

void DescribeForRoster(const Game& g, BatchCharacter& c) {
    const CharacterRecord& record = g.career.Character;
    c.RankCode = Trim(RankCodeText(g));
    c.RankName = Trim(RankNameText(g));
    c.RankSort = RankOrder(c.RankCode).value_or(-1);
    c.Upp.clear();
    c.Stats.clear();
    for (int i = 1; i <= std::clamp(StatCount(g), 0, CharacterRecord::MaxStats); ++i) {
        c.Upp += HexDigit(record.Stats[static_cast<size_t>(i)]);
        c.Stats.emplace_back(Trim(StatName(g, i)), record.Stats[static_cast<size_t>(i)]);
    }
    c.Age = record.Age;
    c.Money = record.Money;
    // Highest level first, names in order within a level (each name put in
    // capitals once, not at every comparison).
    std::vector<std::pair<std::string, const SkillEntry*>> keyed;
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i)
        if (!IsBlank(record.Skills[static_cast<size_t>(i)].Name))
            keyed.emplace_back(UCase(record.Skills[static_cast<size_t>(i)].Name),
                               &record.Skills[static_cast<size_t>(i)]);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.second->Level != b.second->Level ? a.second->Level > b.second->Level
                                                  : a.first < b.first;
    });
    std::vector<const SkillEntry*> skills;
    skills.reserve(keyed.size());
    for (const auto& [key, skill] : keyed) skills.push_back(skill);
    c.Skills.clear();
    for (const SkillEntry* skill : skills) c.Skills.emplace_back(Trim(skill->Name), skill->Level);
    c.TopSkills.clear();
    for (size_t i = 0; i < std::min(skills.size(), TopSkillCount); ++i)
        c.TopSkills +=
            (i ? ", " : "") + Trim(skills[i]->Name) + "-" + std::to_string(skills[i]->Level);
    c.Benefits.clear();
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) {
        const int count = record.BenefitCount[static_cast<size_t>(i)];
        if (count <= 0) continue;
        c.Benefits +=
            (c.Benefits.empty() ? "" : ", ") + Trim(record.Benefits[static_cast<size_t>(i)]);
        if (count > 1) c.Benefits += " x" + std::to_string(count);
    }
    c.Decorations.clear();
    for (const auto& [medal, count] : MedalEntries(g))
        c.Decorations +=
            (c.Decorations.empty() ? "" : ", ") + Trim(medal) + " x" + std::to_string(count);
}

std::string RosterHead(int made, uint64_t seed) {
    std::string head = JoinLinesCrLf(
        {"<!DOCTYPE html>", "<html>", "<head>", "<meta charset=\"ISO-8859-1\">",
         "<title>Astrovane characters</title>", WithCrLf(Style), "</head>", "<body>",
         "<h1>Astrovane characters</h1>",
         "<p>" + CountOf(made, "character") + ", batch seed " + std::to_string(seed) + ".</p>",
         "<table id=\"roster\">", "<thead>"});
    head += "<tr>";
    for (const Heading& h : Headings)
        head.append("<th data-key=\"").append(h.Key).append("\">").append(h.Text).append("</th>");
    head += "</tr>" + CrLf + "</thead>" + CrLf + "<tbody>" + CrLf;
    return head;
}

std::string RosterRowAfterNumber(const BatchCharacter& c, std::string_view version,
                                 std::string_view data) {
    std::string row = "</td><td><a href=\"";
    AppendHtmlEscaped(row, c.File);
    row += "\">";
    AppendHtmlEscaped(row, c.Name.empty() ? "(unnamed)" : c.Name);
    row += "</a>";
    for (const std::string* text : {&c.Race, &c.Service, &c.Branch}) Cell(row, *text);
    SortedCell(row, std::to_string(c.RankSort),
               c.RankCode.empty() ? c.RankName : c.RankCode + " " + c.RankName, false);
    Cell(row, c.Upp);
    NumberCell(row, std::to_string(c.Age), std::to_string(c.Age));
    NumberCell(row, std::to_string(c.Terms), std::to_string(c.Terms));
    // A skill and its level stay on one line.
    row += "</td><td>";
    bool first = true;
    for (const std::string& skill :
         c.TopSkills.empty() ? std::vector<std::string>{} : Split(c.TopSkills, ',')) {
        if (!first) row += ", ";
        first = false;
        row += "<span class=\"nw\">";
        AppendHtmlEscaped(row, Trim(skill));
        row += "</span>";
    }
    NumberCell(row, std::to_string(c.Money), "Cr" + CashText(c.Money));
    Cell(row, c.Benefits);
    Cell(row, c.Decorations);
    NumberCell(row, std::to_string(c.Seed), std::to_string(c.Seed));
    row.append("</td><td>").append(version).append("</td><td>").append(data);
    row.append("</td></tr>").append(CrLf);
    return row;
}

std::string RosterTail() {
    return "</tbody>" + CrLf + "</table>" + CrLf + WithCrLf(Script) + CrLf + "</body>" + CrLf +
           "</html>" + CrLf;
}

}  // namespace orrimar
