// The comment view of the library: a circuit's comment with its first
// sentence as a bold, larger headline, and the circuit's diagram below.
#pragma once

#include <QImage>
#include <QTextBrowser>

namespace velmorin::gui {

class CommentView : public QTextBrowser {
  Q_OBJECT
public:
  explicit CommentView(QWidget* parent = nullptr);

  // Replaces the content by `comment` (its headline bold and 4 points
  // larger than the view's font), a line break and `diagram` (nothing for a
  // null picture), and takes the focus.
  void showComment(const QString& comment, const QImage& diagram);

  // A problem reading the comment, in place of one.
  void showProblem(const QString& text);

  // The headline as shown: bold and larger. Empty without one.
  QString headline() const;
  bool hasDiagram() const { return hasDiagram_; }

private:
  bool hasDiagram_ = false;
};

} // namespace velmorin::gui
