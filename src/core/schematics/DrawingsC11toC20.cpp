// The drawings of circuits C11 to C20.
#include "schematics/CircuitDrawings.h"

namespace velmorin::drawings {

void registerC11toC20(DrawingTable& table) { (void)table; }

} // namespace velmorin::drawings
