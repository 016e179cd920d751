#include "app/EntryKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace velmorin::gui {

bool acceptsTypedCharacter(QChar c, const QString& decimalSeparator, bool minusAllowed) {
  if (c.unicode() > 255)
    return false;
  if (c.isDigit())
    return true;
  if (decimalSeparator.size() == 1 && c == decimalSeparator.front())
    return true;
  static const QString kSuffixes = QStringLiteral("pn\u00B5mkM");
  if (kSuffixes.contains(c))
    return true;
  return c == QLatin1Char('-') && minusAllowed;
}

EntryKeyFilter::EntryKeyFilter(QString decimalSeparator, QObject* parent)
    : QObject(parent), decimal_(std::move(decimalSeparator)) {}

void EntryKeyFilter::attach(QLineEdit* edit) {
  edit->installEventFilter(this);
}

bool EntryKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // Shortcuts (copy, paste, select all ...), editing and navigation keys and
  // control characters (Enter solves, Tab moves on) are not typed characters.
  if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
    return false;
  const QString text = key->text();
  if (text.isEmpty() || key->key() == Qt::Key_Backspace)
    return false;
  const bool minusAllowed = watched->property(kTagProperty).toInt() < 0;
  for (QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
      continue;
    if (!acceptsTypedCharacter(c, decimal_, minusAllowed))
      return true; // discarded
  }
  return false;
}

} // namespace velmorin::gui
