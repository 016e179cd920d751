// The solver window's load button counts its circuit's stored configurations
// with the core's configuration database (configurations/CircuitConfigs.h).
#pragma once

#include "configurations/CircuitConfigs.h"
