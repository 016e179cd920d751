// Delphi-style Format: the subset of conversions the reports use, with the
// locale's separators. Supported: %s %d %.d %.Nf %0.Nf %.Nn %f %n %%, with an
// optional width ("%5d", "%-6s") and a precision that truncates %s.
#pragma once

#include "text/Locale.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmorin {

using FormatArg = std::variant<std::int64_t, double, std::string>;

// Formats with the arguments in order. A conversion whose argument is missing
// or of a kind it cannot take writes nothing for that conversion. Numbers are
// taken to 15 significant digits, then rounded half away from zero; a result
// of zero has no minus sign; NaN and infinities write "n/a". An integer given
// to %f/%n works as a double, a double given to %d is rounded. A '%' that
// starts no known conversion is kept as written.
std::string sformatv(const Locale& locale, std::string_view fmt, const std::vector<FormatArg>& args);

namespace detail {
template <class T> FormatArg toFormatArg(const T& v) {
  if constexpr (std::is_same_v<T, bool>)
    return std::int64_t(v ? 1 : 0);
  else if constexpr (std::integral<T>)
    return std::int64_t(v);
  else if constexpr (std::floating_point<T>)
    return double(v);
  else
    return std::string(v);
}
} // namespace detail

template <class... Args>
std::string sformat(const Locale& locale, std::string_view fmt, const Args&... args) {
  return sformatv(locale, fmt, std::vector<FormatArg>{detail::toFormatArg(args)...});
}

} // namespace velmorin
