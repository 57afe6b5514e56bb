// The resume filled into a user-editable HTML template.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrimar {

struct Game;
struct SessionPart;

// DataLoc's "templates" folder, ending in the separator.
std::string TemplateFolder(const SessionPart& session);

// Offers the templates in the pick list; the chosen template's path, or
// nullopt when there is none (after saying so) or the list was cancelled.
std::optional<std::string> ChooseTemplate(Game& g);

// One template line with each placeholder's first occurrence replaced by
// its value. Values are escaped and never searched again, so a name that
// looks like a placeholder stays as typed.
std::string FillTemplateLine(Game& g, const std::string& line);

// Every line filled; `extraFooter`, when not empty, goes in as one more
// paragraph before the closing body tag (or at the end without one).
std::vector<std::string> FillTemplate(Game& g, const std::vector<std::string>& lines,
                                      const std::string& extraFooter = "");

}  // namespace orrimar
