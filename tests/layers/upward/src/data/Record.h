// The folder check's own test: a data record that includes the game state.
#pragma once

#include "model/Upward.h"
