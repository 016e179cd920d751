// One function per circuit drawing, gathered by Drawings.cpp.
#pragma once

#include "schematics/Schematic.h"

namespace velmorin::drawings {

Schematic drawC1();

} // namespace velmorin::drawings
