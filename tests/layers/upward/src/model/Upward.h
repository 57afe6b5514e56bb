// The layer check's own test: a rules header that includes the application.
#pragma once

#include "ui/Window.h"
