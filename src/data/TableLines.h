// The eligibility ("Eli") and modifier ("DM") lines of a skill table, read
// into what they test when the service file is loaded: a skill roll asks
// every table whether it is open, and the lines never change in play. The
// text is kept for the listings, the hover text and the data checker.
#pragma once

#include <cstdint>
#include <string>

namespace orrimar {

// "Eli      All", "Eli      Rank>9", "Eli      Edu>8", "Eli      Command",
// ... Words are found anywhere in the line, as they always were; the
// operators and numbers stand in fixed columns (a rank's operator in 14
// and its number from 15, a characteristic's in 13 and from 14).
struct EliLine {
    EliLine() = default;
    EliLine(std::string text);  // NOLINT: a line is written as its text
    EliLine(const char* text) : EliLine(std::string(text)) {}

    std::string Text;
    bool All = false, Warrant = false, NoPosition = false, Position = false, Rank = false,
         Assignment = false, Command = false, Staff = false, Nco = false;
    char RankOp = '\0', StatOp = '\0';
    int RankNumber = 0, StatNumber = 0;
    std::string Upper;  // searched for the race's characteristic names

    // The tests the line makes, one bit each, in the order they are made
    // (a "Command" or "Staff" test decides alone, so the order matters).
    enum Test : uint16_t {
        TestsAll = 1 << 0,
        TestsWarrant = 1 << 1,
        TestsNoPosition = 1 << 2,
        TestsPositionLacking = 1 << 3,
        TestsRank = 1 << 4,
        TestsStat = 1 << 5,
        TestsAssignment = 1 << 6,
        TestsCommand = 1 << 7,
        TestsStaff = 1 << 8,
        TestsNco = 1 << 9,
        TestsPosition = 1 << 10,
    };
    uint16_t Tests = 0;
    int Line = 0;  // in its file, 1-based; 0 when not read from one

    bool empty() const { return Text.empty(); }
    bool operator==(const EliLine& other) const { return Text == other.Text; }
};

// "DM +1TL> 11": the modifier in columns 4-5, "TL" in 6-7, the operator in
// 8 and the tech level from 10. "DM +1 Rnk>9": the modifier in 4-5, "Rnk"
// in 7-9, the operator in 10 and the rank from 11. Any other line has no
// effect.
struct DmLine {
    DmLine() = default;
    DmLine(std::string text);  // NOLINT: a line is written as its text
    DmLine(const char* text) : DmLine(std::string(text)) {}

    enum class Test { None, TechLevel, Rank };
    std::string Text;
    int Modifier = 0;
    Test On = Test::None;
    char Op = '\0';
    int Number = 0;
    int Line = 0;  // in its file, 1-based; 0 when not read from one

    bool empty() const { return Text.empty(); }
    bool operator==(const DmLine& other) const { return Text == other.Text; }
};

// The character in 1-based column `position`, or '\0' past the line.
char CharAt(const std::string& line, size_t position);

inline bool IsOperator(char op) {
    return op == '>' || op == '=' || op == '<';
}
// The comparison a line's operator asks for: ">", "=" or "<"; any other
// character never holds.
inline bool CompareBy(int value, char op, int number) {
    switch (op) {
        case '>':
            return value > number;
        case '=':
            return value == number;
        case '<':
            return value < number;
        default:
            return false;
    }
}

}  // namespace orrimar
