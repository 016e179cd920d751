// The number conventions of the user's locale as the reports use them:
// decimal and thousands separators.
#pragma once

#include <string>

namespace velmorin {

struct Locale {
  std::string decimal = ".";
  std::string thousands = ",";

  // The conventions of the locale named by the environment (LC_ALL,
  // LC_NUMERIC, LANG); "." and "," where that locale defines none. The
  // thousands separator never equals the decimal one.
  static Locale fromEnvironment();
};

} // namespace velmorin
