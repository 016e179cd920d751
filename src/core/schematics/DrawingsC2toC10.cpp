// The drawings of circuits C2 to C10.
#include "schematics/CircuitDrawings.h"

namespace velmorin::drawings {

void registerC2toC10(DrawingTable& table) { (void)table; }

} // namespace velmorin::drawings
