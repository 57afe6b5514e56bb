// Included from below by model/Upward.h, which the layer check must refuse.
#pragma once
