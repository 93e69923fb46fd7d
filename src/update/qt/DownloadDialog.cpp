#include "update/qt/DownloadDialog.h"

#include <QAuthenticator>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>

#include "model/SystemErrors.h"
#include "ui/MessageBoxes.h"
#include "update/TransferTexts.h"
#include "update/UpdateServer.h"
#include "update/qt/LoginDialog.h"

namespace krv {
namespace {

// A server that sends the coach round in circles is given up after this many redirects.
constexpr int kMaxRedirects = 5;
// What the network layer may hold unread: a server sending faster than the disk takes it
// waits, instead of filling the memory.
constexpr qint64 kReadBufferBytes = 64 * 1024;

NetworkProblem ProblemOf(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::HostNotFoundError: return NetworkProblem::HostNotFound;
    case QNetworkReply::ConnectionRefusedError: return NetworkProblem::ConnectionRefused;
    case QNetworkReply::TimeoutError: return NetworkProblem::Timeout;
    case QNetworkReply::RemoteHostClosedError: return NetworkProblem::ConnectionClosed;
    case QNetworkReply::SslHandshakeFailedError: return NetworkProblem::Secure;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError: return NetworkProblem::Proxy;
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError: return NetworkProblem::Unreachable;
    default: return NetworkProblem::Other;
  }
}

DownloadDialog::AskCredentialsFunction& AskCredentials() {
  static DownloadDialog::AskCredentialsFunction function;
  return function;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QUrl DownloadDialog::ParseUrl(const QString& text) {
  auto usable = [](const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() && (url.scheme() == "http" || url.scheme() == "https");
  };
  // Only an address without any scheme gets "http://": "ftp://host" stays refused.
  const QString trimmed = text.trimmed();
  const QUrl url(trimmed.contains(QStringLiteral("://")) ? trimmed : QStringLiteral("http://") + trimmed,
                 QUrl::StrictMode);
  return usable(url) ? url : QUrl();
}

void DownloadDialog::SetAskCredentialsFunction(AskCredentialsFunction function) {
  AskCredentials() = std::move(function);
}

DownloadDialog::DownloadDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DownloadDialog"));
  setWindowTitle(QStringLiteral("Programm-Update"));
  setProperty("helpTopic", QStringLiteral("#UPDATE"));
  m_pStatus = new QLabel(this);
  m_pStatus->setObjectName(QStringLiteral("status"));
  m_pFile = new QLabel(this);
  m_pFile->setObjectName(QStringLiteral("file"));
  m_pProgress = new QProgressBar(this);
  m_pProgress->setObjectName(QStringLiteral("progress"));
  m_pProgress->setTextVisible(false);
  m_pTimeLeft = new QLabel(this);
  m_pTimeLeft->setObjectName(QStringLiteral("timeLeft"));
  m_pRate = new QLabel(this);
  m_pRate->setObjectName(QStringLiteral("rate"));
  m_pAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
  m_pAbbruch->setObjectName(QStringLiteral("abbruch"));
  for (QLabel* label : {m_pStatus, m_pFile, m_pTimeLeft, m_pRate}) label->setTextFormat(Qt::PlainText);

  auto* figures = new QGridLayout;
  figures->addWidget(new QLabel(QStringLiteral("Verbleibende Zeit:"), this), 0, 0);
  figures->addWidget(m_pTimeLeft, 0, 1);
  figures->addWidget(new QLabel(QStringLiteral("Transferrate:"), this), 1, 0);
  figures->addWidget(m_pRate, 1, 1);
  figures->setColumnStretch(1, 1);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(m_pAbbruch);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pStatus);
  layout->addWidget(m_pFile);
  layout->addWidget(m_pProgress);
  layout->addLayout(figures);
  layout->addLayout(buttonRow);
  setMinimumWidth(420);

  m_pNetwork = new QNetworkAccessManager(this);
  connect(m_pAbbruch, &QPushButton::clicked, this, &DownloadDialog::reject);
  connect(m_pNetwork, &QNetworkAccessManager::authenticationRequired, this,
          [this](QNetworkReply*, QAuthenticator* authenticator) { OnAuthentication(authenticator); });
  connect(m_pNetwork, &QNetworkAccessManager::proxyAuthenticationRequired, this,
          [this](const QNetworkProxy&, QAuthenticator* authenticator) { OnAuthentication(authenticator); });
}

DownloadDialog::~DownloadDialog() {
  if (m_pReply) {
    m_pReply->disconnect(this);
    m_pReply->abort();
  }
  if (m_File.isOpen() && !m_bFinished) DiscardFile();
}

int DownloadDialog::exec() {
  m_Url = ParseUrl(m_sURLToDownload);
  if (m_Url.isEmpty()) return Rejected;
  if (QFileInfo::exists(m_sFileToDownloadInto) &&
      !QuestionBox(this, Q(FileExistsQuestion(m_sFileToDownloadInto.toStdString()))))
    return Rejected;
  m_File.setFileName(m_sFileToDownloadInto);
  if (!m_File.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ErrorBox(this, Q(WithReason(FileCreateErrorText(errno), SystemErrorText(errno))));
    return Rejected;
  }
  m_strFileName = Q(ShownFileName(m_Url.path().toStdString()));
  m_pFile->setText(m_bVersionCheck ? QString::fromUtf8(transfer_text::kVersionCheckLine)
                                   : Q(FileLineText(m_strFileName.toStdString(), m_Url.host().toStdString())));
  QTimer::singleShot(0, this, [this] {
    if (!m_bAbort && !m_bFinished) Start(m_Url);
  });
  return QDialog::exec();
}

void DownloadDialog::Start(const QUrl& url) {
  m_nStatus = 0;
  SetStatus(Q(StatusText(transfer_text::kConnecting, url.host().toStdString())));
  QNetworkRequest request(url);
  request.setRawHeader("Accept", "*/*");
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  // Redirects are followed here, to show them and to count them.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Krashball-Verwaltung"));
  m_pReply = m_pNetwork->get(request);
  m_pReply->setReadBufferSize(kReadBufferBytes);
  connect(m_pReply, &QNetworkReply::metaDataChanged, this, &DownloadDialog::OnMetaData);
  connect(m_pReply, &QNetworkReply::readyRead, this, &DownloadDialog::OnReadyRead);
  connect(m_pReply, &QNetworkReply::finished, this, &DownloadDialog::OnFinished);
}

void DownloadDialog::OnMetaData() {
  const QVariant status = m_pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  m_nStatus = status.isValid() ? status.toInt() : 0;
  if (m_nStatus != 200) return;
  SetStatus(Q(StatusText(transfer_text::kConnected, m_pReply->url().host().toStdString())));
  SetStatus(QString::fromUtf8(transfer_text::kAnswered));
  const QVariant length = m_pReply->header(QNetworkRequest::ContentLengthHeader);
  std::optional<uint64_t> total;
  if (length.isValid() && length.toLongLong() >= 0) total = static_cast<uint64_t>(length.toLongLong());
  if (total && *total > static_cast<uint64_t>(m_nMaxBytes))
    return Stop(Q(DownloadTooLargeText(m_strFileName.toStdString(), m_nMaxBytes)));
  m_Clock.start();
  m_pProgressMath = std::make_unique<TransferProgress>(m_strFileName.toStdString(), total, 0);
  m_pProgress->setRange(0, total ? m_pProgressMath->BarMaximum() : 0);
  m_pProgress->setValue(0);
  SetStatus(QString::fromUtf8(transfer_text::kReceiving));
}

void DownloadDialog::OnReadyRead() {
  if (!m_pReply) return;
  if (WritePiece(m_pReply->readAll())) return;
  Stop(m_strWriteFailure);
}

void DownloadDialog::Stop(const QString& text) {
  if (QNetworkReply* reply = m_pReply) {
    m_pReply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
  }
  Fail(text);
}

bool DownloadDialog::WritePiece(const QByteArray& piece) {
  // Only a good answer reaches the file: an error page, a redirect's or a refused
  // login's body is read and dropped.
  if (m_nStatus != 200 || m_bAbort || !m_pProgressMath || piece.isEmpty()) return true;
  if (m_nReceived + piece.size() > m_nMaxBytes) {
    m_strWriteFailure = Q(DownloadTooLargeText(m_strFileName.toStdString(), m_nMaxBytes));
    return false;
  }
  if (m_File.write(piece) != piece.size()) {
    m_strWriteFailure = Q(WithReason(ReadErrorText(errno), SystemErrorText(errno)));
    return false;
  }
  m_nReceived += piece.size();
  const ProgressView view =
      m_pProgressMath->Update(static_cast<uint64_t>(m_nReceived), static_cast<uint64_t>(m_Clock.elapsed()));
  if (view.caption) setWindowTitle(Q(*view.caption));
  if (view.barValue) m_pProgress->setValue(*view.barValue);
  if (view.rate) m_pRate->setText(Q(*view.rate));
  if (view.timeLeft) m_pTimeLeft->setText(Q(*view.timeLeft));
  return true;
}

void DownloadDialog::OnFinished() {
  QNetworkReply* reply = m_pReply;
  reply->deleteLater();
  m_pReply = nullptr;
  if (m_bAbort) {
    DiscardFile();
    m_bFinished = true;
    QDialog::reject();
    return;
  }
  const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  const int status = statusAttribute.isValid() ? statusAttribute.toInt() : 0;
  const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
  if (status >= 300 && status < 400 && target.isValid() && m_nRedirects < kMaxRedirects) {
    const QUrl next = reply->url().resolved(target);
    // Never to another server, never from https down to http: the file must come from the
    // server the coach entered, as safely as he entered it.
    if (auto refusal =
            RedirectRefusal(reply->url().scheme().toStdString(), m_Url.host().toStdString(),
                            next.scheme().toStdString(), next.host().toStdString(), next.toString().toStdString())) {
      Fail(Q(*refusal));
      return;
    }
    if (next.scheme() == "http" || next.scheme() == "https") {
      ++m_nRedirects;
      SetStatus(Q(StatusText(transfer_text::kRedirecting, next.toString().toStdString())));
      Start(next);
      return;
    }
  }
  const QNetworkReply::NetworkError error = reply->error();
  if (status == 0) {
    // No status: the server was reached but sent no HTTP answer (2112), or it was not reached.
    const bool garbled = error == QNetworkReply::RemoteHostClosedError || error == QNetworkReply::ProtocolFailure ||
                         error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::NoError;
    Fail(garbled ? Q(WithReason(NoResponseText(), NetworkProblemReason(NetworkProblem::ConnectionClosed)))
                 : Q(WithReason(ConnectionErrorText(int(error)), NetworkProblemReason(ProblemOf(error)))));
    return;
  }
  if (status != 200) {
    Fail(Q(WithReason(HttpStatusErrorText(status), HttpStatusReason(status))));
    return;
  }
  if (!WritePiece(reply->readAll())) {  // whatever is still buffered
    Fail(m_strWriteFailure);
    return;
  }
  if (error != QNetworkReply::NoError) {
    Fail(Q(WithReason(ReadErrorText(int(error)), NetworkProblemReason(ProblemOf(error)))));
    return;
  }
  m_bFinished = true;
  if (!m_File.flush()) {
    const int writeError = errno;
    m_bFinished = false;
    Fail(Q(WithReason(ReadErrorText(writeError), SystemErrorText(writeError))));
    return;
  }
  m_File.close();
  accept();
}

void DownloadDialog::OnAuthentication(QAuthenticator* authenticator) {
  const AskCredentialsFunction& ask = AskCredentials();
  const std::optional<Credentials> credentials =
      ask ? ask(this, authenticator->realm()) : AskLogin(this, authenticator->realm());
  // Without credentials Qt ends the request with its status (401 or 407), reported below.
  if (!credentials) return;
  authenticator->setUser(credentials->user);
  authenticator->setPassword(credentials->password);
}

void DownloadDialog::reject() {
  if (m_bFinished || !m_pReply) {
    if (!m_bFinished && m_File.isOpen()) DiscardFile();
    m_bAbort = true;  // a transfer not yet started never starts
    QDialog::reject();
    return;
  }
  m_bAbort = true;
  m_pAbbruch->setEnabled(false);
  SetStatus(QString::fromUtf8(transfer_text::kAborted));
  m_pReply->abort();  // finishes the reply, which closes the window
}

void DownloadDialog::SetStatus(const QString& text) {
  m_statuses << text;
  m_pStatus->setText(text);
}

void DownloadDialog::Fail(const QString& text) {
  DiscardFile();
  m_bFinished = true;
  ErrorBox(this, text);
  QDialog::reject();
}

void DownloadDialog::DiscardFile() {
  m_File.close();
  m_File.remove();
}

}  // namespace krv
