// Numbers typed into a circuit diagram: engineering suffixes p n µ m k M
// stand both for the power of ten and for the decimal point (4k7 = 4700).
#pragma once

#include "text/Locale.h"

#include <string_view>

namespace velmorin {

// An unreadable text gives exactly 1.
double parseEngValue(std::string_view text, const Locale& locale);

} // namespace velmorin
