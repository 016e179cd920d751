// The entries of a circuit frame as the solver reads them: by component
// name, the first control of a readable kind with that name wins; a missing
// entry reads as 0, "" or false.
#pragma once

#include "text/Locale.h"

#include <string>
#include <vector>

namespace velmorin {

enum class EntryKind { Edit, TubeList, CheckBox, Combo };

struct Entry {
  std::string name;
  EntryKind kind = EntryKind::Edit;
  std::string text; // the typed text (edits) or the selected item (lists); "" = no selection
  bool ticked = false;
};

class Entries {
public:
  Entries(const std::vector<Entry>& entries, const Locale& locale) : entries_(entries), locale_(locale) {}

  // An edit box's text through the engineering-notation parser; 0 when absent.
  double number(const std::string& name) const;
  // A list's selected text; "" when absent.
  std::string text(const std::string& name) const;
  // A check box's state; false when absent.
  bool ticked(const std::string& name) const;

  const Entry* find(const std::string& name) const;

private:
  const std::vector<Entry>& entries_;
  const Locale& locale_;
};

} // namespace velmorin
