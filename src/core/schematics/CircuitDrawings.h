// One function per circuit drawing. The drawings are gathered by ranges of
// circuits, each range registering its own functions in the table.
#pragma once

#include "schematics/Schematic.h"

#include <array>

namespace velmorin::drawings {

using DrawFunction = Schematic (*)();
using DrawingTable = std::array<DrawFunction, 41>; // index = circuit number

Schematic drawC1();

void registerC2toC10(DrawingTable& table);
void registerC11toC20(DrawingTable& table);
void registerC21toC30(DrawingTable& table);
void registerC31toC40(DrawingTable& table);

} // namespace velmorin::drawings
