// The program's own version information: what the About box, the title bar
// and the window caption show, and the maker's addresses the menu opens.
#pragma once

#ifndef VELMORIN_VERSION
#define VELMORIN_VERSION "0.0.0"
#endif

namespace velmorin::gui::version {

inline constexpr const char* kCompanyName = "Lurnik";
inline constexpr const char* kFileDescription = "Design aid for vacuum-tube audio circuits";
inline constexpr const char* kLegalCopyright = "Lurnik";
inline constexpr const char* kProductName = "Velmorin";
inline constexpr const char* kFileVersion = VELMORIN_VERSION;
inline constexpr const char* kProductVersion = VELMORIN_VERSION;
inline constexpr const char* kComments =
    "DC operating points, gains and frequency response of 40 tube circuits, from the NK tube equations";

// The maker's web site and e-mail address, as the menu shows and opens them.
inline constexpr const char* kWebSite = "https://www.lurnik.example/velmorin";
inline constexpr const char* kEmail = "velmorin@lurnik.example";

} // namespace velmorin::gui::version
