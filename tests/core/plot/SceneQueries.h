// Helpers for tests that look into Scenes: items of one kind, texts by
// content, and a check that no coordinate is NaN or infinite.
#pragma once

#include "plot/Scene.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace velmorin::plot::testing {

template <class T> std::vector<T> itemsOf(const Scene& s) {
  std::vector<T> out;
  for (const Item& i : s.items)
    if (const T* t = std::get_if<T>(&i))
      out.push_back(*t);
  return out;
}

// Index in the scene of the first item of kind T satisfying `pred`, or -1.
template <class T, class Pred> int indexOf(const Scene& s, Pred pred) {
  for (std::size_t k = 0; k < s.items.size(); ++k)
    if (const T* t = std::get_if<T>(&s.items[k]); t && pred(*t))
      return int(k);
  return -1;
}

inline std::optional<Text> findText(const Scene& s, const std::string& text) {
  for (const Text& t : itemsOf<Text>(s))
    if (t.text == text)
      return t;
  return std::nullopt;
}

inline bool finite(PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Every coordinate finite, and no text shows a number that could not exist.
inline bool allFinite(const Scene& s) {
  if (!std::isfinite(s.width) || !std::isfinite(s.height))
    return false;
  for (const Item& i : s.items) {
    if (const auto* l = std::get_if<Line>(&i); l && (!finite(l->a) || !finite(l->b)))
      return false;
    if (const auto* p = std::get_if<Polyline>(&i))
      for (PointF pt : p->points)
        if (!finite(pt))
          return false;
    if (const auto* r = std::get_if<Rect>(&i);
        r && !(std::isfinite(r->x) && std::isfinite(r->y) && std::isfinite(r->w) && std::isfinite(r->h)))
      return false;
    if (const auto* t = std::get_if<Text>(&i);
        t && (!finite(t->pos) || t->text.find("nan") != std::string::npos ||
              t->text.find("inf") != std::string::npos))
      return false;
  }
  return true;
}

} // namespace velmorin::plot::testing
