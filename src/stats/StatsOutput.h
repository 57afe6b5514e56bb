// What statistics show: a table for the terminal, JSON for tools, and an
// HTML report with charts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "stats/Significance.h"
#include "stats/StatsRun.h"

namespace orrimar {

// `value` with `places` decimals, as every table of figures prints it.
std::string Decimal(double value, int places);

// A figure as the table and the report print it: "81.2%", "3.41".
std::string FigureText(const Figure& f);

void PrintStats(std::ostream& out, const StatsRun& run);
void PrintComparison(std::ostream& out, const StatsRun& a, const StatsRun& b,
                     const std::vector<GroupComparison>& groups);

// The figures as JSON (UTF-8); `b` and `groups` for a comparison.
nlohmann::ordered_json StatsJson(const StatsRun& a, const StatsRun* b = nullptr,
                                 const std::vector<GroupComparison>* groups = nullptr);

// The report's page: every chart drawn by `chartLibrary` (the charting
// script, inlined; empty leaves the tables alone), its numbers in a table
// beside it, so the page reads without its script and when printed.
std::string StatsReportHtml(const nlohmann::ordered_json& stats, const std::string& chartLibrary);

// Where the charting library is installed, and its text; "" and `problem`
// set when it cannot be read.
inline constexpr const char* ChartLibraryPath = "/usr/share/javascript/chart.js/chart.min.js";
std::string ReadChartLibrary(const std::string& path, std::string& problem);

// Writes the report of `stats` to `path` whole or not at all; "" or what
// kept it from being written. `note` says why the report has no charts
// (it still holds every number), else stays empty.
std::string WriteStatsReport(const std::string& path, const nlohmann::ordered_json& stats,
                             std::string& note);

}  // namespace orrimar
