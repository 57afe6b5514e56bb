// What a batch is asked on the command line (--where, --crew) as the
// input's first and second line: refused with a position inside the text,
// or read into conditions and a crew that keep their bounds; and the CSV
// field of the text quotes it so a reader gets it back.
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "batch/Crew.h"
#include "batch/CsvTable.h"
#include "batch/Where.h"

namespace orrimar::fuzz {

namespace {

[[noreturn]] void FailBatchAsks(const char* what) {
    fuzz::Fail(std::string("batch asks: ") + what);
}

// A refusal says "at character N: " with N from 1 to one past the end.
void CheckPosition(const std::string& problem, size_t size) {
    static const std::string At = "at character ";
    if (problem.rfind(At, 0) != 0) FailBatchAsks("a refusal without its position");
    const size_t end = problem.find(':');
    const std::string digits = problem.substr(At.size(), end - At.size());
    if (end == std::string::npos || digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        FailBatchAsks("a refusal whose position is no number");
    const size_t at = std::stoul(digits);
    if (at < 1 || at > size + 1) FailBatchAsks("a position outside the text");
}

// The text back from one CSV field, or nothing when it is not one.
bool Unquote(const std::string& field, std::string& text) {
    if (field.empty() || field[0] != '"') {
        text = field;
        return field.find_first_of(",\"\r\n") == std::string::npos;
    }
    text.clear();
    for (size_t i = 1; i < field.size(); ++i) {
        if (field[i] != '"') {
            text += field[i];
            continue;
        }
        if (i + 1 == field.size()) return true;
        if (field[i + 1] != '"') return false;
        text += '"';
        ++i;
    }
    return false;
}

}  // namespace

void BatchAsks(std::string_view data) {
    const std::string input(data);
    const size_t newline = std::min(input.find('\n'), input.size());
    const std::string where = input.substr(0, newline);
    const std::string crew = newline < input.size() ? input.substr(newline + 1) : "";
    std::string problem;
    if (const auto expr = ParseWhere(where, problem)) {
        if (expr->All.empty()) FailBatchAsks("an expression of no condition");
        for (const auto& c : expr->All)
            if (c.Key.empty()) FailBatchAsks("a condition without a name");
    } else {
        CheckPosition(problem, where.size());
    }
    constexpr int Most = 1000;
    if (const auto parts = ParseCrew(crew, Most, problem)) {
        long total = 0;
        for (const auto& part : *parts) {
            if (part.Count < 1 || part.Service.empty())
                FailBatchAsks("a crew part without a service or count");
            total += part.Count;
        }
        if (total > Most) FailBatchAsks("a crew over its bound");
    } else {
        CheckPosition(problem, crew.size());
    }
    std::string back;
    if (!Unquote(CsvField(input), back) || back != input)
        FailBatchAsks("a CSV field that reads back otherwise");
}

}  // namespace orrimar::fuzz
