// The finished character as an HTML page.
#pragma once

namespace orrimar {

struct Game;

// "Save as HTML": names the character, writes the built-in layout.
void SaveHtmlResume(Game& g);
// "Save with HTM template": names the character, fills a chosen template.
void SaveTemplateResume(Game& g);

}  // namespace orrimar
