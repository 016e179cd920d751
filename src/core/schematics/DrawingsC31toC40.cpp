// The drawings of circuits C31 to C40.
#include "schematics/CircuitDrawings.h"

namespace velmorin::drawings {

void registerC31toC40(DrawingTable& table) { (void)table; }

} // namespace velmorin::drawings
