// Mustering out: benefit rolls on the cash and material tables, pension.
#pragma once

namespace orrimar {

struct Game;

// Runs the mustering-out questions. Returns false when the user chose
// "Whoops! Go back" (the driver returns to the end-of-term choice).
bool MusterOut(Game& g);

}  // namespace orrimar
