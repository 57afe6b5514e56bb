// The character record and a career's recipe as JSON, field by field, so
// a recorded character can be started again exactly as it was accepted.
// Texts are Latin-1 inside the program and UTF-8 in JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "data/Character.h"
#include "data/Recipe.h"

namespace orrimar {

nlohmann::ordered_json RecordToJson(const CharacterRecord& c);
// Throws nlohmann::ordered_json::exception when a field is missing or of the wrong
// type; values outside the record's tables are refused the same way.
CharacterRecord RecordFromJson(const nlohmann::ordered_json& j);

nlohmann::ordered_json RecipeToJson(const CareerRecipe& r);
CareerRecipe RecipeFromJson(const nlohmann::ordered_json& j);

nlohmann::ordered_json FingerprintToJson(const DataFingerprint& print);
// Without "files" (the later lines of JSON Lines), the files are not listed.
DataFingerprint FingerprintFromJson(const nlohmann::ordered_json& j);

// A Latin-1 text as a JSON string, and a JSON string back to Latin-1.
nlohmann::ordered_json Text(std::string latin1);
std::string TextOf(const nlohmann::ordered_json& j);

}  // namespace orrimar
