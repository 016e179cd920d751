#include "solvers/Entries.h"

#include "text/EngValue.h"

namespace velmorin {

const Entry* Entries::find(const std::string& name) const {
  for (const auto& e : entries_)
    if (e.name == name)
      return &e;
  return nullptr;
}

double Entries::number(const std::string& name) const {
  const Entry* e = find(name);
  if (!e)
    return 0;
  switch (e->kind) {
  case EntryKind::Edit:
    return parseEngValue(e->text, locale_);
  case EntryKind::CheckBox:
    return e->ticked ? 1 : 0;
  default:
    return 0;
  }
}

std::string Entries::text(const std::string& name) const {
  const Entry* e = find(name);
  if (!e || e->kind == EntryKind::CheckBox)
    return {};
  return e->text;
}

bool Entries::ticked(const std::string& name) const {
  const Entry* e = find(name);
  return e && e->kind == EntryKind::CheckBox && e->ticked;
}

} // namespace velmorin
