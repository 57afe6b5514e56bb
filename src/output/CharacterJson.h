// A finished character as a JSON document for other tools: what the resume
// and the transfer file carry, the program version, the data fingerprint,
// and the recipe that makes the character again. docs/character.schema.json
// describes it; "format" names its version.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "data/Recipe.h"

namespace orrimar {

struct Game;
struct CareerPart;

inline constexpr const char* CharacterFormat = "orrimar-character/1";

// "0.2.0".
std::string ProgramVersionText();

// The character section as a value, for comparing one character with another.
nlohmann::ordered_json CharacterSection(const Game& g);
// The document indented for reading, or on one line (for JSON Lines). A
// line leaves out the data section's table of rule files, half of it: a
// JSON Lines file carries that table once, on its first line.
std::string CharacterJsonText(const Game& g);
std::string CharacterJsonLine(const Game& g);
// `line`, made by CharacterJsonLine, with the table of `data`'s rule files.
std::string WithFileTable(std::string line, const DataFingerprint& data);

// The document as a comment added to the end of `page`, so the page alone
// can make its character again; and the document found in a page's text.
void AppendPageRecordComment(const Game& g, std::string& page);
std::optional<std::string> DocumentInPage(const std::string& page);

// The throws of each year explained (--explain): one entry a year, in
// the order thrown; a batch character's from its first throw, an
// interactive one's from "Accept" to the end of the career. A value, for
// comparing; documents write the same array as they go.
nlohmann::ordered_json ExplainedThrowsJson(const CareerPart& career);

// The footer line naming the seed, version and data fingerprint.
std::string RegenerationFooter(const CareerPart& career);

}  // namespace orrimar
