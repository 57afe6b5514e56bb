#include "ui/console/CommandLine.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>

#include "batch/Crew.h"
#include "batch/Where.h"

namespace orrimar {

namespace {

// A whole number in lo..hi, all of the text; nothing otherwise.
std::optional<uint64_t> WholeNumber(const std::string& text, uint64_t lo, uint64_t hi) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < lo || value > hi) return std::nullopt;
    return value;
}

// What an option that takes a value needs, named in the message when it is
// last on the line; nullptr for an option that takes none.
const char* ValueNeeded(const std::string& a) {
    return a == "--data" || a == "--check-data" || a == "--out" ? "a folder"
           : a == "--template" || a == "--regenerate" || a == "--dice" || a == "--report" ? "a file"
           : a == "--compare"                                                   ? "a folder"
           : a == "--format"                                                    ? "a format"
           : a == "--count" || a == "--terms" || a == "--seed" || a == "--jobs" ? "a number"
           : a == "--race" || a == "--service" || a == "--branch"               ? "a name"
           : a == "--where" || a == "--crew"                                    ? "a list"
           : a == "--max-tries"                                                 ? "a number"
                                                                                : nullptr;
}

// --format's value.
std::string ReadFormat(const std::string& f, CliOptions& o) {
    if (f != "html" && f != "json" && f != "jsonl" && f != "both" && f != "text" && f != "csv")
        return "--format needs html, json, jsonl, both, text or csv, not \"" + f + "\"";
    o.Batch.Format = f == "html"   ? BatchFormat::Html
                     : f == "json" ? BatchFormat::Json
                     : f == "both" ? BatchFormat::Both
                     : f == "text" ? BatchFormat::Text
                     : f == "csv"  ? BatchFormat::Csv
                                   : BatchFormat::Jsonl;
    o.FormatGiven = true;
    return "";
}

// --where's conditions or --crew's list, refused unless they read.
std::string ReadFilter(const std::string& a, const std::string& text, BatchOptions& batch) {
    std::string problem;
    const bool good = a == "--where" ? ParseWhere(text, problem).has_value() : [&] {
        auto crew = ParseCrew(text, MaxBatchCount, problem);
        if (crew) batch.Crew = std::move(*crew);
        return crew.has_value();
    }();
    if (!good) return a + " \"" + text + "\": " + problem;
    if (a == "--where") batch.Where = text;
    return "";
}

// The value of an option taking a number, in the range it allows.
std::string ReadNumber(const std::string& a, const std::string& text, CliOptions& o) {
    BatchOptions& batch = o.Batch;
    if (a == "--max-tries") {
        const auto value = WholeNumber(text, 1, 1000000000);
        if (!value)
            return "--max-tries needs a whole number from 1 to 1000000000, not \"" + text + "\"";
        batch.MaxTries = static_cast<int>(*value);
        return "";
    }
    if (a == "--jobs") {
        const auto value = WholeNumber(text, 1, MaxBatchJobs);
        if (!value)
            return "--jobs needs a whole number from 1 to " + std::to_string(MaxBatchJobs) +
                   ", not \"" + text + "\"";
        batch.Jobs = static_cast<int>(*value);
        return "";
    }
    // The seed takes the whole range of its type; counts and terms
    // have the range the batch can use.
    const uint64_t hi = a == "--seed"    ? std::numeric_limits<uint64_t>::max()
                        : a == "--count" ? MaxBatchCount
                                         : MaxBatchTerms;
    const uint64_t lo = a == "--seed" ? 0 : 1;
    const auto value = WholeNumber(text, lo, hi);
    if (!value)
        return a + " needs a whole number from " + std::to_string(lo) + " to " +
               std::to_string(hi) + ", not \"" + text + "\"";
    if (a == "--count") {
        batch.Count = static_cast<int>(*value);
        o.Counted = true;
    }
    if (a == "--terms") batch.Terms = static_cast<int>(*value);
    if (a == "--seed") {
        batch.Seed = *value;
        o.Seeded = true;
    }
    return "";
}

// The value given to option `a` (one that takes a value); "" or what is wrong.
std::string ReadValue(const std::string& a, const std::string& value, CliOptions& o) {
    BatchOptions& batch = o.Batch;
    if (a == "--data" || a == "--check-data") {
        if (value.empty()) return a + " needs a folder";
        (a == "--check-data" ? o.CheckDir : o.DataDir) = value;
    } else if (a == "--format") {
        return ReadFormat(value, o);
    } else if (a == "--dice" || a == "--regenerate") {
        (a == "--dice" ? batch.DiceList : o.Regenerate) = value;
    } else if (a == "--compare" || a == "--report") {
        if (value.empty()) return a + " needs a " + (a == "--compare" ? "folder" : "file");
        (a == "--compare" ? o.Compare : o.Report) = value;
    } else if (a == "--where" || a == "--crew") {
        return ReadFilter(a, value, batch);
    } else if (a == "--max-tries" || a == "--jobs" || a == "--count" || a == "--terms" ||
               a == "--seed") {
        return ReadNumber(a, value, o);
    } else {
        std::string& field = a == "--out"       ? batch.OutDir
                             : a == "--race"    ? batch.Race
                             : a == "--service" ? batch.Service
                             : a == "--branch"  ? batch.Branch
                                                : batch.TemplatePath;
        field = value;
    }
    return "";
}

// Reads the option at args[i] and the value it takes, moving i past it;
// "" or what is wrong. Sets `automatic` and `stats` for the modes they ask.
std::string ReadOption(const std::vector<std::string>& args, size_t& i, CliOptions& o,
                       bool& automatic, bool& stats, bool& usage) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    const char* needed = ValueNeeded(a);
    // An option that takes a value, last on the line, says what it misses
    // rather than pass for an unknown one.
    if (!hasValue && needed) return a + " needs " + needed;
    if ((a == "--race" || a == "--service" || a == "--branch" || a == "--out" ||
         a == "--template") &&
        hasValue && args[i + 1].empty()) {
        // An empty name would quietly mean "any": it is refused.
        return a + " needs a " + (a == "--out" ? "folder" : a == "--template" ? "file" : "name");
    }
    if (needed) return ReadValue(a, args[++i], o);
    if (a == "--strict") {
        o.Strict = true;
    } else if (a == "--auto") {
        automatic = true;
    } else if (a == "--stats") {
        stats = true;
    } else if (a == "--yes") {
        o.AssumeYes = true;
    } else if (a == "--no-pages") {
        o.Batch.WritePages = false;
    } else if (a == "--explain") {
        o.Batch.Explain = true;
    } else if (a == "--help" || a == "-h") {
        o.Mode = CliMode::Help;
    } else if (a == "--version" || a == "-V") {
        o.Mode = CliMode::Version;
    } else if (a.rfind("-", 0) == 0) {
        usage = true;
        return "unknown option " + a;
    } else {
        o.TestWords.push_back(a);
    }
    return "";
}

// Which mode the options read ask for; "" or why they go together in none.
std::string ChooseMode(CliOptions& o, bool automatic, bool stats, bool& usage) {
    if (o.Strict && o.CheckDir.empty()) return "--strict goes with --check-data DIR";
    // The test words mean something only to the interactive program.
    if ((!o.CheckDir.empty() || automatic || !o.Regenerate.empty()) && !o.TestWords.empty()) {
        usage = true;
        return "unknown argument " + o.TestWords.front();
    }
    if (!o.CheckDir.empty()) {
        o.Mode = CliMode::Check;
        return "";
    }
    if ((!o.Compare.empty() || !o.Report.empty()) && !stats)
        return "--compare and --report go with --stats";
    if (stats) {
        const BatchFormat format = o.Batch.Format;
        if (automatic || !o.Regenerate.empty() || !o.TestWords.empty() ||
            !o.Batch.DiceList.empty() ||
            (format != BatchFormat::Html && format != BatchFormat::Json))
            return "--stats takes --format json only, and no --auto, --regenerate, --dice or "
                   "test words";
        o.Mode = CliMode::Stats;
        return "";
    }
    o.Mode = !o.Regenerate.empty() ? CliMode::Regenerate
             : automatic           ? CliMode::Batch
                                   : CliMode::Play;
    return "";
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    CliOptions& o = parsed.Options;
    bool automatic = false, stats = false;
    for (size_t i = 0; i < args.size(); ++i) {
        parsed.Error = ReadOption(args, i, o, automatic, stats, parsed.ErrorWithUsage);
        if (!parsed.Error.empty() || o.Mode == CliMode::Help || o.Mode == CliMode::Version)
            return parsed;
    }
    parsed.Error = ChooseMode(o, automatic, stats, parsed.ErrorWithUsage);
    return parsed;
}

void Usage(std::ostream& out) {
    out << "Usage: orrimar-cli [--data DIR] [--seed S] [--dice -|FILE] [--yes] [--explain]\n"
           "                   [TESTMODE | TEST | COURTMARTIAL]\n"
           "       orrimar-cli --check-data DIR [--strict]\n"
           "       orrimar-cli --auto --count N --out DIR [--seed S] [--race R] [--service S]\n"
           "                   [--branch B] [--terms T] [--template FILE] [--data DIR]\n"
           "                   [--format html|json|jsonl|both|text|csv] [--dice FILE]\n"
           "                   [--where EXPR [--max-tries N]] [--crew SERVICE:N,...]\n"
           "                   [--jobs N] [--no-pages] [--explain]\n"
           "       orrimar-cli --regenerate FILE [--data DIR] [--out FILE]\n"
           "       orrimar-cli --stats [--data DIR] [--count N] [--race R] [--service S]\n"
           "                   [--branch B] [--terms T] [--jobs J] [--format json]\n"
           "                   [--seed S] [--where EXPR] [--compare DIR]\n"
           "                   [--report FILE.htm]\n"
           "       orrimar-cli --version | --help\n"
           "\n"
           "  --data DIR        use DIR as the data folder for this run (the settings file\n"
           "                    is neither read nor written); without it a batch or\n"
           "                    --regenerate reads the folder recorded at first run, else\n"
           "                    your copy of the sample data, else the installed one\n"
           "  --yes             replace existing files without asking (for answer scripts);\n"
           "                    with --auto, replace the batch the --out folder holds\n"
           "  --check-data DIR  load every race, service and branch of DIR and list every\n"
           "                    error as file:line: message, and what loads but plays\n"
           "                    otherwise than meant as file:line: warning: message\n"
           "  --strict          with --check-data: warnings fail too (exit status 1)\n"
           "  --auto            generate characters without a question (see README for the\n"
           "                    answers it gives) and write one resume each plus index.htm\n"
           "  --count N         how many characters, 1 to 1000000 (default 1)\n"
           "  --out DIR         where the pages go (created when missing); a folder that\n"
           "                    holds a batch already is refused unless --yes is given,\n"
           "                    which removes that batch's pages, index and log first\n"
           "  --seed S          0 to 18446744073709551615: the same seed, data and version\n"
           "                    give the same characters\n"
           "  --race R, --service S, --branch B\n"
           "                    part of a name in the lists (any case): a whole name or key\n"
           "                    picks that entry, else every entry holding the text is a\n"
           "                    candidate and one is drawn for each character; random when\n"
           "                    not given. Only races and services offering what was asked\n"
           "                    are drawn\n"
           "  --terms T         re-enlist until T terms are served, 1 to 99 (default 7)\n"
           "  --template FILE   fill this HTML template instead of the built-in layout\n"
           "  --no-pages        make the characters and write nothing, whatever --format:\n"
           "                    no pages, JSON or lines are built (for timing)\n"
           "  --format F        html (default: resumes), json (one JSON file each), both,\n"
           "                    jsonl (one line each, into the file --out names, or to\n"
           "                    standard output with --out -; pages never go there),\n"
           "                    text (a stat block each, the same way; the default\n"
           "                    to standard output) or csv (the roster's columns and every\n"
           "                    characteristic and skill, into the file --out names).\n"
           "                    Pages come with index.htm (the roster), index.csv and\n"
           "                    cards.htm (the stat blocks, to print)\n"
           "  --dice -|FILE     roll your own dice: - asks for every throw, FILE lists the\n"
           "                    totals in turn (a batch stops when the list runs out)\n"
           "  --explain         explain every throw: a batch prints each character's to\n"
           "                    standard error (\"character 1: T1 Y2 Survival: 2D = 7\n"
           "                    against 6+: survived\"), and the JSON written (by a batch\n"
           "                    or \"Save as JSON...\") carries the throws of each year, so\n"
           "                    --regenerate can say at which throw two careers part\n"
           "  --regenerate FILE make the character of a resume or JSON file again from its\n"
           "                    seed and answers, and say what differs; --out FILE saves\n"
           "                    it (a .json name gives JSON, any other a resume)\n"
           "  --where EXPR      keep making characters until --count of them meet every\n"
           "                    condition of EXPR, such as \"Pilot>=2,rank>=O3,age<=30\"\n"
           "                    (skills, characteristics, rank, age, terms, cash; service,\n"
           "                    race, branch with = or !=; skill:NAME for any level)\n"
           "  --max-tries N     give a --where search up at N characters made, 1 to\n"
           "                    1000000000 (default 1000000); exit status 1\n"
           "  --crew LIST       a mixed crew, such as \"Navy:2,Scout:1\": so many characters\n"
           "                    of each service, in place of --count and --service\n"
           "  --jobs N          make the characters on N threads, 1 to 64 (the same\n"
           "                    characters and pages as on one)\n"
           "  --stats           play --count careers (default 10000) of each race and\n"
           "                    service asked for (every service of the race when none\n"
           "                    is) and print what they came to; the seed is 1 unless\n"
           "                    given; --format json prints JSON; with --where only\n"
           "                    the careers meeting it are counted\n"
           "  --compare DIR     with --stats: play as many on DIR too, with seeds of its\n"
           "                    own, and mark the differences unlikely to be chance\n"
           "  --report FILE     with --stats: write an HTML report with charts\n"
           "  -V, --version     print the program's version and its data format's\n"
           "  -h, --help        print this text\n"
           "\n"
           "Long lists are set in columns to the terminal's width (COLUMNS, else the\n"
           "terminal's own, else 80) and, when a person types the answers, shown a\n"
           "screenful at a time.\n"
           "\n"
           "Exit status: 0 when the program ended by your choice (Exit, q), 1 when the\n"
           "data, a check or a batch had problems (a check's warnings only with --strict),\n"
           "2 for a wrong command line, 3 when the input ended while a question waited\n"
           "for its answer, 130 (143) when SIGINT (SIGTERM) stopped a batch: the\n"
           "characters finished are indexed, no file is left half-written.\n";
}

}  // namespace orrimar
