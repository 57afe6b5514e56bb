#include "data/TableLines.h"

#include <utility>

#include "text/Text.h"

namespace orrimar {

char CharAt(const std::string& line, size_t position) {
    return position >= 1 && position <= line.size() ? line[position - 1] : '\0';
}

EliLine::EliLine(std::string text) : Text(std::move(text)) {
    const std::string& line = Text;
    All = Contains(line, "All");
    Warrant = Contains(line, "Warrant");
    NoPosition = Contains(line, "No Position");
    Position = Contains(line, "Position");
    Rank = Contains(line, "Rank");
    Assignment = Contains(line, "Assignment=");
    Command = Contains(line, "Command");
    Staff = Contains(line, "Staff");
    Nco = Contains(line, "NCO");
    RankOp = CharAt(line, 14);
    RankNumber = ValInt(Mid(line, 15));
    StatOp = CharAt(line, 13);
    StatNumber = ValInt(Mid(line, 14));
    Upper = UCase(line);
    const auto test = [&](bool made, Test bit) {
        if (made) Tests |= bit;
    };
    test(All, TestsAll);
    test(Warrant, TestsWarrant);
    test(NoPosition, TestsNoPosition);
    test(Position && !NoPosition, TestsPositionLacking);
    test(Rank, TestsRank);
    test(IsOperator(StatOp), TestsStat);
    test(Assignment, TestsAssignment);
    test(Command, TestsCommand);
    test(Staff, TestsStaff);
    test(Nco, TestsNco);
    test(Position, TestsPosition);
}

DmLine::DmLine(std::string text) : Text(std::move(text)) {
    const std::string& line = Text;
    if (line.empty()) return;
    Modifier = ValInt(Mid(line, 4));
    if (Mid(line, 6, 2) == "TL") {
        On = Test::TechLevel;
        Op = CharAt(line, 8);
        Number = ValInt(Mid(line, 10));
    } else if (Mid(line, 7, 3) == "Rnk") {
        On = Test::Rank;
        Op = CharAt(line, 10);
        Number = ValInt(Mid(line, 11));
    }
}

}  // namespace orrimar
