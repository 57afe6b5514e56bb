// A court martial for cowardice: the sentence throw, the sentence and the
// verdict shown in the term window.
#pragma once

namespace orrimar {

struct Game;

// Holds the court martial for the current year; the year's resolution
// ends with it.
void HoldCourtMartial(Game& g);
// The 1D6 sentence throw with its modifiers for rank and the year's events.
int SentenceThrow(Game& g);
// Applies the sentence for a sentence throw (busting, jail, dismissal,
// death sentence), logging each part.
void ApplySentence(Game& g, int sentence);

}  // namespace orrimar
