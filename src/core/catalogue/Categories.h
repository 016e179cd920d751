// The thirteen groups under which the library lists circuits: the gallery
// filter items and the top-level nodes of the tree, in the order both show them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace velmorin {

enum class Category {
  All,
  OneTube,
  TwoTube,
  ThreeTube,
  FourTube,
  GainStage,
  Buffer,
  CascodeLike,
  PhaseInverter,
  Differential,
  Mixer,
  VoltageRegulator,
  PowerStage,
};

inline constexpr std::size_t kCategoryCount = 13;

struct CategoryInfo {
  Category category;
  std::string_view filterCaption; // item of the gallery filter
  std::string_view treeCaption;   // level-0 node of the library tree
};

// All thirteen groups, in display order ("All" first).
const std::array<CategoryInfo, kCategoryCount>& categories();

// Whether circuit n (1 to 40) is listed under the group; every circuit is in
// Category::All. An out-of-range n belongs to nothing.
bool belongsTo(int n, Category category);

// The circuit numbers of a group, ascending.
std::vector<int> circuitsIn(Category category);

} // namespace velmorin
