// The resume in the program's own fixed layout.
#pragma once

#include <ctime>
#include <string>

namespace orrimar {

struct Game;

// The page added to `text`, each line ended by CR LF. `date` is the
// footer's date; `extraFooter`, when not empty, is one more footer
// paragraph (the batch run's seed, for one).
void AppendBuiltInResume(Game& g, const std::string& date, const std::string& extraFooter,
                         std::string& text);

// The long date of the footer: "Monday, May 5, 2025".
std::string LongDate(const std::tm& tm);
std::string TodayLongDate();

}  // namespace orrimar
