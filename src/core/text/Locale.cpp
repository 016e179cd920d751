#include "text/Locale.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace velmorin {

namespace {

// The locale name the C library would use for `category`: LC_ALL first,
// then the category's own variable, then LANG.
const char* localeName(const char* categoryVariable) {
  for (const char* var : {"LC_ALL", categoryVariable, "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value)
      return value;
  }
  return "C";
}

} // namespace

Locale Locale::fromEnvironment() {
  Locale result;
  locale_t numeric = newlocale(LC_NUMERIC_MASK, localeName("LC_NUMERIC"), locale_t(0));
  if (numeric != locale_t(0)) {
    const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
    const char* thousands = nl_langinfo_l(THOUSEP, numeric);
    if (radix && *radix)
      result.decimal = radix;
    if (thousands && *thousands)
      result.thousands = thousands;
    freelocale(numeric);
  }
  // A locale with a decimal comma and no thousands separator would otherwise
  // get "," for both, and 1,234 would read as one and a quarter.
  if (result.thousands == result.decimal)
    result.thousands = result.decimal == "." ? "," : ".";
  return result;
}

} // namespace velmorin
