// The standard cascades and the coin table, read once at start-up, and the
// cascade lookup through the service, race and standard lists.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrimar {

struct Game;
struct RulesPart;

// Each returns an empty text, or a message naming the file when it is
// missing or breaks the format; start-up stops on a message.
std::string LoadCascades(Game& g);
std::string LoadCoyns(Game& g);
// The same for the files' lines.
std::string ReadCascadeText(RulesPart& rules, const std::vector<std::string>& lines);
std::string ReadCoynsText(RulesPart& rules, const std::vector<std::string>& lines);

// Whether the cascade line `line` is the one `name` finds (its start, and
// "SPACE" passes over "SPACE C...").
bool CascadeLineNames(std::string_view line, std::string_view name);

// The choices text of cascade `name` (the text after the name and its
// separator), searched in the service's, the race's and then the standard
// lines; nullopt when no line names it.
std::optional<std::string> FindCascade(const RulesPart& rules, std::string_view name);

// Draws one coin and writes it into the current year's history.
void ShowCoyns(Game& g);

}  // namespace orrimar
