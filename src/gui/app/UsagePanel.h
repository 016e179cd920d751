// The usage-statistics view: one HTTPS GET of the statistics page from the
// server named in the settings, fetched while the window stays responsive,
// with a clear message when no server is set, on failure or after 10 s.
#pragma once

#include <QTextBrowser>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace velmorin::gui {

class UsagePanel : public QTextBrowser {
  Q_OBJECT
public:
  static constexpr const char* kPath = "/log/getDatalog.php";
  static constexpr int kTimeoutMs = 10000;

  explicit UsagePanel(QWidget* parent = nullptr);
  ~UsagePanel() override;

  // Fetches the page from `host` (host name, optionally ":port") and shows
  // it in place of what was there. An empty host says that usage
  // statistics are not configured, naming the settings file to set it in.
  void fill(const QString& host, const QString& settingsFile);

  bool isFetching() const { return reply_ != nullptr; }
  // The address of the last fetch.
  QUrl lastUrl() const { return url_; }

signals:
  // The fetch ended: page shown, failure or time-out reported.
  void finished();

private:
  void done();
  void showMessage(const QString& title, const QString& detail);

  QNetworkAccessManager* network_ = nullptr;
  QNetworkReply* reply_ = nullptr;
  QTimer* timeout_;
  QUrl url_;
  bool timedOut_ = false;
  bool cursorShown_ = false;
};

} // namespace velmorin::gui
