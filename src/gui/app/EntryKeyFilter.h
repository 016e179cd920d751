// The key filter of the frames' entry fields: only what can be part of a
// number in engineering notation may be typed, and a minus sign only where
// the field allows negative values (a negative "Tag").
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace velmorin::gui {

// Whether a typed character may go into an entry field: a digit, the
// decimal separator, one of p n µ m k M, or "-" where allowed. Anything
// above code 255 is refused.
bool acceptsTypedCharacter(QChar c, const QString& decimalSeparator, bool minusAllowed);

// The property of an entry field that carries its Tag; negative allows "-".
inline constexpr const char* kTagProperty = "Tag";

class EntryKeyFilter : public QObject {
  Q_OBJECT
public:
  EntryKeyFilter(QString decimalSeparator, QObject* parent = nullptr);

  // Filters the keys typed into `edit` from now on.
  void attach(QLineEdit* edit);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QString decimal_;
};

} // namespace velmorin::gui
