#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "output/ResumeText.h"
#include "stats/StatsOutput.h"
#include "text/Files.h"

namespace orrimar {

namespace {

using json = nlohmann::ordered_json;

// The charting library is some hundred kilobytes; a file far larger is no
// such library.
constexpr std::uintmax_t MaxChartLibrary = 8u << 20;

// Draws every canvas from the document the page carries, and marks on each
// how many of its pixels were painted, and on the page any script error,
// so a page checker can see that the charts were drawn.
constexpr const char* DrawScript = R"JS(
(function () {
  'use strict';
  var root = document.documentElement;
  window.addEventListener('error', function (e) {
    root.setAttribute('data-script-error', String(e.message));
  });
  if (typeof Chart === 'undefined') { root.setAttribute('data-charts', 'no library'); return; }
  var doc = JSON.parse(document.getElementById('stats').textContent);
  var sides = [doc.stats].concat(doc.compared ? [doc.compared] : []);
  var colours = ['rgba(40,100,170,0.75)', 'rgba(220,110,30,0.75)'];
  var outcomeColours = ['#3c8c3c', '#a0c040', '#e0a020', '#c04040', '#555555'];
  function group(run, race, service) {
    for (var i = 0; i < run.groups.length; ++i)
      if (run.groups[i].race === race && run.groups[i].service === service) return run.groups[i];
    return null;
  }
  function sideName(k) { return sides.length > 1 ? (k ? 'B: ' : 'A: ') + sides[k].data : sides[k].data; }
  function barsConfig(canvas) {
    var kind = canvas.dataset.chart, labels = [], datasets = [];
    sides.forEach(function (run) {
      var g = group(run, canvas.dataset.race, canvas.dataset.service);
      if (g) g.charts[kind].labels.forEach(function (l) { if (labels.indexOf(l) < 0) labels.push(l); });
    });
    if (kind === 'terms' || kind === 'age')
      labels.sort(function (a, b) { return Number(a) - Number(b); });
    sides.forEach(function (run, k) {
      var g = group(run, canvas.dataset.race, canvas.dataset.service);
      if (!g) return;
      var bars = g.charts[kind];
      datasets.push({
        label: sideName(k), backgroundColor: colours[k],
        data: labels.map(function (l) {
          var at = bars.labels.indexOf(l);
          return at < 0 || !g.finished ? 0 : 100 * bars.counts[at] / g.finished;
        })
      });
    });
    return { type: 'bar', data: { labels: labels, datasets: datasets },
             options: { indexAxis: kind === 'skills' || kind === 'rank' ? 'y' : 'x',
                        scales: { [kind === 'skills' || kind === 'rank' ? 'x' : 'y']:
                                  { title: { display: true, text: '% of careers' } } } } };
  }
  function outcomeConfig() {
    var labels = [], shares = [];
    sides.forEach(function (run, k) {
      run.groups.forEach(function (g) {
        labels.push((sides.length > 1 ? (k ? 'B ' : 'A ') : '') + g.race + ', ' + g.service);
        shares.push(g.charts.outcome.counts.map(function (n) { return g.finished ? 100 * n / g.finished : 0; }));
      });
    });
    var names = doc.stats.groups.length ? doc.stats.groups[0].charts.outcome.labels : [];
    return { type: 'bar', data: { labels: labels, datasets: names.map(function (name, i) {
               return { label: name, backgroundColor: outcomeColours[i % outcomeColours.length],
                        data: shares.map(function (s) { return s[i]; }) };
             }) },
             options: { indexAxis: 'y', scales: { x: { stacked: true, max: 100,
                          title: { display: true, text: '% of careers' } },
                          y: { stacked: true, ticks: { autoSkip: false } } } } };
  }
  var canvases = document.querySelectorAll('canvas[data-chart]');
  for (var i = 0; i < canvases.length; ++i) {
    var canvas = canvases[i];
    var config = canvas.dataset.chart === 'outcome' ? outcomeConfig() : barsConfig(canvas);
    config.options.animation = false;
    config.options.responsive = false;
    new Chart(canvas, config);
    var pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    var inked = 0;
    for (var p = 3; p < pixels.length; p += 4) if (pixels[p]) ++inked;
    canvas.setAttribute('data-inked', String(inked));
  }
  root.setAttribute('data-charts', 'drawn');
})();
)JS";

constexpr const char* Style = R"CSS(
body { font-family: sans-serif; margin: 1em 2em; color: #111; background: #fff; }
table { border-collapse: collapse; margin: 0.5em 0 1em; font-size: 0.9em; }
th, td { border: 1px solid #999; padding: 0.15em 0.5em; text-align: right; }
th:first-child, td:first-child { text-align: left; }
.chart { display: flex; flex-wrap: wrap; gap: 1.5em; align-items: flex-start; }
.significant { font-weight: bold; background: #fde8c8; }
section { page-break-inside: avoid; }
@media print {
  body { margin: 0; }
  canvas { max-width: 100%; height: auto; }
  section.group { page-break-before: always; }
}
)CSS";

// A difference with its sign; one that rounds to nothing reads "+0.0".
std::string Signed(double value, int places) {
    std::string text = Decimal(value, places);
    if (text.find_first_not_of("-0.") == std::string::npos) text = Decimal(0, places);
    return text[0] == '-' ? text : "+" + text;
}

std::string Esc(const json& text) {
    return HtmlEscape(text.get<std::string>());
}

std::string FigureCell(const json& f) {
    if (f.is_null()) return "-";
    return f["kind"] == "share" ? Decimal(100 * f["value"].get<double>(), 1) + "%"
                                : Decimal(f["value"].get<double>(), 2);
}

const json* FindGroup(const json& run, const json& race, const json& service) {
    for (const auto& g : run["groups"])
        if (g["race"] == race && g["service"] == service) return &g;
    return nullptr;
}

// A chart's canvas and the numbers it draws, one column a side.
void Chart(std::ostringstream& out, const char* kind, const char* title, const json& race,
           const json& service, const std::vector<const json*>& groups) {
    out << "<div><h3>" << title << "</h3><canvas width=\"480\" height=\"260\" data-chart=\"" << kind
        << "\" data-race=\"" << Esc(race) << "\" data-service=\"" << Esc(service)
        << "\"></canvas></div>\n<table><tr><th>" << title << "</th>";
    std::vector<std::string> labels;
    for (size_t k = 0; k < groups.size(); ++k) {
        out << "<th>" << (groups.size() > 1 ? (k ? "B " : "A ") : "") << "careers</th>";
        if (!groups[k]) continue;
        for (const auto& l : (*groups[k])["charts"][kind]["labels"])
            if (std::find(labels.begin(), labels.end(), l.get<std::string>()) == labels.end())
                labels.push_back(l.get<std::string>());
    }
    out << "</tr>\n";
    for (const auto& label : labels) {
        out << "<tr><td>" << HtmlEscape(label) << "</td>";
        for (const json* g : groups) {
            int64_t count = 0;
            if (g) {
                const auto& bars = (*g)["charts"][kind];
                for (size_t i = 0; i < bars["labels"].size(); ++i)
                    if (bars["labels"][i] == label) count = bars["counts"][i].get<int64_t>();
            }
            out << "<td>" << count << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

// The figures of a group, with the comparison's columns when there is one.
void FigureTable(std::ostringstream& out, const json& doc, const json& race, const json& service,
                 const std::vector<const json*>& groups) {
    const bool compared = groups.size() > 1;
    out << "<table><tr><th>Figure</th>"
        << (compared ? "<th>A</th><th>B</th><th>Difference</th><th>Significant</th>"
                     : "<th>Value</th>")
        << "</tr>\n";
    // Every figure of either side, in the first side's order.
    std::vector<std::pair<std::string, std::string>> keys;
    for (const json* g : groups) {
        if (!g) continue;
        for (const auto& [section, figures] : (*g)["figures"].items())
            for (const auto& [name, f] : figures.items())
                if (std::find(keys.begin(), keys.end(), std::pair{section, name}) == keys.end())
                    keys.emplace_back(section, name);
    }
    std::string section;
    for (const auto& [s, name] : keys) {
        if (s != section)
            out << "<tr><th colspan=\"" << (compared ? 5 : 2) << "\">" << HtmlEscape(section = s)
                << "</th></tr>\n";
        std::string cells;
        for (const json* g : groups) {
            const json* f = g && (*g)["figures"].contains(s) && (*g)["figures"][s].contains(name)
                                ? &(*g)["figures"][s][name]
                                : nullptr;
            cells += "<td>" + FigureCell(f ? *f : json()) + "</td>";
        }
        const json* d = nullptr;
        if (compared)
            for (const auto& diff : doc["differences"])
                if (diff["race"] == race && diff["service"] == service && diff["section"] == s &&
                    diff["name"] == name)
                    d = &diff;
        const bool flagged = d && (*d)["significant"].get<bool>();
        out << "<tr" << (flagged ? " class=\"significant\"" : "") << "><td>" << HtmlEscape(name)
            << "</td>" << cells;
        if (compared) {
            if (d) {
                const double diff = (*d)["difference"].get<double>();
                const bool share =
                    (*groups[0])["figures"].contains(s) && (*groups[0])["figures"][s].contains(name)
                        ? (*groups[0])["figures"][s][name]["kind"] == "share"
                        : true;
                out << "<td>" << Signed(share ? 100 * diff : diff, share ? 1 : 2)
                    << (share ? "%" : "") << "</td><td>" << (flagged ? "significant" : "")
                    << "</td>";
            } else {
                out << "<td>-</td><td></td>";
            }
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

}  // namespace

std::string ReadChartLibrary(const std::string& path, std::string& problem) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > MaxChartLibrary || ec) {
        problem = path + " is not the charting library (install libjs-chart.js)";
        return "";
    }
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        problem = "cannot read " + path;
        return "";
    }
    // Inlined in a script element, the text must not close it early.
    if (text.find("</script") != std::string::npos || text.find("</SCRIPT") != std::string::npos) {
        problem = path + " cannot be inlined in a page";
        return "";
    }
    return text;
}

std::string StatsReportHtml(const json& doc, const std::string& chartLibrary) {
    std::ostringstream out;
    const bool compared = doc.contains("compared");
    std::vector<const json*> runs{&doc["stats"]};
    if (compared) runs.push_back(&doc["compared"]);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Career statistics</title>\n<style>"
        << Style << "</style>\n</head>\n<body>\n<h1>Career statistics</h1>\n";
    for (size_t k = 0; k < runs.size(); ++k)
        out << "<p>" << (compared ? (k ? "B: " : "A: ") : "") << "data folder "
            << Esc((*runs[k])["data"]) << ", " << (*runs[k])["careersEach"].get<int64_t>()
            << " careers of each race and service, seed " << (*runs[k])["seed"].get<uint64_t>()
            << ((*runs[k]).contains("where")
                    ? ", counting those meeting " + Esc((*runs[k])["where"])
                    : std::string())
            << ".</p>\n";
    if (compared)
        out << "<p>Significant: unlikely to be chance at 99% (two-proportion z-test for shares, "
               "Welch's t-test for means, Bonferroni over every figure compared).</p>\n";
    if (chartLibrary.empty())
        out << "<p>(The charting library was not found: the figures are in the tables.)</p>\n";
    out << "<noscript><p>(Charts need scripts: the figures are in the tables.)</p></noscript>\n";

    // Survival of every service in one stacked bar each.
    out << "<section><h2>How careers ended</h2>\n<div class=\"chart\"><div><canvas width=\"640\" "
           "height=\""
        << 100 + 36 * (doc["stats"]["groups"].size() * runs.size())
        << "\" data-chart=\"outcome\"></canvas></div>\n<table><tr><th>Race, service</th>";
    if (!doc["stats"]["groups"].empty())
        for (const auto& name : doc["stats"]["groups"][0]["charts"]["outcome"]["labels"])
            out << "<th>" << Esc(name) << "</th>";
    out << "</tr>\n";
    for (size_t k = 0; k < runs.size(); ++k)
        for (const auto& g : (*runs[k])["groups"]) {
            out << "<tr><td>" << (compared ? (k ? "B " : "A ") : "") << Esc(g["race"]) << ", "
                << Esc(g["service"]) << "</td>";
            const double n = g["finished"].get<double>();
            for (const auto& count : g["charts"]["outcome"]["counts"])
                out << "<td>" << (n > 0 ? Decimal(100 * count.get<double>() / n, 1) : "0.0")
                    << "%</td>";
            out << "</tr>\n";
        }
    out << "</table></div></section>\n";

    // Each group once, from whichever side has it.
    std::vector<std::pair<json, json>> keys;
    for (const json* run : runs)
        for (const auto& g : (*run)["groups"])
            if (std::find(keys.begin(), keys.end(), std::pair{g["race"], g["service"]}) ==
                keys.end())
                keys.emplace_back(g["race"], g["service"]);
    for (const auto& [race, service] : keys) {
        std::vector<const json*> groups;
        for (const json* run : runs) groups.push_back(FindGroup(*run, race, service));
        out << "<section class=\"group\"><h2>" << Esc(race) << ", " << Esc(service) << "</h2>\n";
        out << "<div class=\"chart\">\n";
        Chart(out, "terms", "Terms served", race, service, groups);
        Chart(out, "age", "Age at muster-out", race, service, groups);
        Chart(out, "rank", "Final rank", race, service, groups);
        Chart(out, "skills", "Most common skills", race, service, groups);
        out << "</div>\n";
        FigureTable(out, doc, race, service, groups);
        out << "</section>\n";
    }
    std::string data = doc.dump();
    // Inside a script element "</" would end it.
    for (size_t at = data.find("</"); at != std::string::npos; at = data.find("</", at + 3))
        data.replace(at, 2, "<\\/");
    out << "<script type=\"application/json\" id=\"stats\">" << data << "</script>\n";
    if (!chartLibrary.empty())
        out << "<script>\n"
            << chartLibrary << "\n</script>\n<script>" << DrawScript << "</script>\n";
    out << "</body>\n</html>\n";
    return out.str();
}

std::string WriteStatsReport(const std::string& path, const json& stats, std::string& note) {
    note.clear();
    std::string problem;
    const std::string library = ReadChartLibrary(ChartLibraryPath, problem);
    if (!problem.empty()) note = problem + "; the report has no charts";
    return WriteFileAtomic(path, StatsReportHtml(stats, library));
}

}  // namespace orrimar
