#include "app/UsagePanel.h"

#include <QApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace velmorin::gui {

UsagePanel::UsagePanel(QWidget* parent) : QTextBrowser(parent), timeout_(new QTimer(this)) {
  setOpenExternalLinks(true);
  setFrameShape(QFrame::NoFrame);
  timeout_->setSingleShot(true);
  timeout_->setInterval(kTimeoutMs);
  connect(timeout_, &QTimer::timeout, this, [this] {
    timedOut_ = true;
    if (reply_)
      reply_->abort();
  });
}

UsagePanel::~UsagePanel() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
  }
  if (cursorShown_)
    QApplication::restoreOverrideCursor();
}

void UsagePanel::showMessage(const QString& title, const QString& detail) {
  setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>").arg(title.toHtmlEscaped(), detail.toHtmlEscaped()));
}

void UsagePanel::fill(const QString& host, const QString& settingsFile) {
  if (reply_) {
    // A new request replaces the one under way.
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
  }
  timeout_->stop();
  const QString name = host.trimmed();
  if (name.isEmpty()) {
    url_ = QUrl();
    showMessage(QStringLiteral("Usage statistics are not configured."),
                QStringLiteral("To see them, name the statistics server with the key usagehost in the "
                               "[Tessivar] section of the settings file %1.")
                    .arg(settingsFile));
    emit finished();
    return;
  }
  url_ = QUrl(QStringLiteral("https://") + name + QLatin1String(kPath));
  if (!url_.isValid() || url_.host().isEmpty()) {
    showMessage(QStringLiteral("Usage statistics cannot be fetched."),
                QStringLiteral("\"%1\" is not a server name: correct the key usagehost of %2.")
                    .arg(name, settingsFile));
    emit finished();
    return;
  }
  if (!network_)
    network_ = new QNetworkAccessManager(this);
  showMessage(QStringLiteral("Fetching the usage statistics..."), url_.toString());
  timedOut_ = false;
  if (!cursorShown_) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    cursorShown_ = true;
  }
  QNetworkRequest request(url_);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  reply_ = network_->get(request);
  connect(reply_, &QNetworkReply::finished, this, &UsagePanel::done);
  timeout_->start();
}

void UsagePanel::done() {
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  timeout_->stop();
  if (cursorShown_) {
    QApplication::restoreOverrideCursor();
    cursorShown_ = false;
  }
  if (!reply)
    return;
  reply->deleteLater();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (timedOut_) {
    showMessage(
        QStringLiteral("Usage statistics are not available."),
        QStringLiteral("%1 did not answer within %2 seconds.").arg(url_.host()).arg(kTimeoutMs / 1000));
  } else if (reply->error() != QNetworkReply::NoError) {
    showMessage(QStringLiteral("Usage statistics are not available."),
                QStringLiteral("%1 could not be fetched: %2").arg(url_.toString(), reply->errorString()));
  } else if (status != 0 && status != 200) {
    showMessage(QStringLiteral("Usage statistics are not available."),
                QStringLiteral("%1 answered with HTTP status %2.").arg(url_.toString()).arg(status));
  } else {
    setHtml(QString::fromUtf8(reply->readAll()));
  }
  emit finished();
}

} // namespace velmorin::gui
