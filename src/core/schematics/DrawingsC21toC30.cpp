// The drawings of circuits C21 to C30.
#include "schematics/CircuitDrawings.h"

namespace velmorin::drawings {

void registerC21toC30(DrawingTable& table) { (void)table; }

} // namespace velmorin::drawings
