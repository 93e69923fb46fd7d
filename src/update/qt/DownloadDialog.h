#pragma once
// "Programm-Update": downloads one file over HTTP or HTTPS into a local file and shows the
// progress, the time left and the rate. The transfer runs in the event loop
// (QNetworkAccessManager), so the window stays responsive. The dialog ends Accepted only
// when the whole file arrived; on an error it says so, and an aborted or failed transfer
// leaves no partial file behind.

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "update/UpdateServer.h"

class QAuthenticator;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;

namespace krv {

class TransferProgress;

struct Credentials {
  QString user;
  QString password;
};

class DownloadDialog : public QDialog {
  Q_OBJECT
 public:
  explicit DownloadDialog(QWidget* parent = nullptr);
  ~DownloadDialog() override;

  QString m_sURLToDownload;
  QString m_sFileToDownloadInto;
  bool m_bVersionCheck = false;  // shows "Prüfe Version..." instead of the file name
  // The most the file may hold; a larger answer is stopped there and nothing is kept.
  qint64 m_nMaxBytes = static_cast<qint64>(kMaxArchiveBytes);

  // Checks the address and the local file, then runs the transfer in the window.
  int exec() override;
  // "Abbruch", Escape and the close button stop a running transfer first.
  void reject() override;

  // Asks for a user name and password when the server (or proxy) wants them; nothing: do
  // without. Tests put their own answer in; nullptr restores the German dialog.
  using AskCredentialsFunction = std::function<std::optional<Credentials>(QWidget*, const QString& realm)>;
  static void SetAskCredentialsFunction(AskCredentialsFunction function);

  // An http or https address with a host; one without a scheme is taken as http. Empty
  // when the text is no such address.
  static QUrl ParseUrl(const QString& text);

  // Every status text shown, in order (the window shows only the last).
  const QStringList& ShownStatuses() const { return m_statuses; }

 private:
  void Start(const QUrl& url);
  void OnMetaData();
  void OnReadyRead();
  // Appends a piece of a good answer to the file and shows the progress; false when the
  // file could not take it or the limit is passed (m_strWriteFailure says which).
  bool WritePiece(const QByteArray& piece);
  // Ends a running transfer with an error: the reply is dropped, the file removed.
  void Stop(const QString& text);
  void OnFinished();
  void OnAuthentication(QAuthenticator* authenticator);
  void SetStatus(const QString& text);
  void Fail(const QString& text);
  void DiscardFile();

  QLabel* m_pStatus;
  QLabel* m_pFile;
  QProgressBar* m_pProgress;
  QLabel* m_pTimeLeft;
  QLabel* m_pRate;
  QPushButton* m_pAbbruch;

  QNetworkAccessManager* m_pNetwork;
  QPointer<QNetworkReply> m_pReply;
  QFile m_File;
  QUrl m_Url;
  QString m_strFileName;
  QStringList m_statuses;
  QString m_strWriteFailure;
  std::unique_ptr<TransferProgress> m_pProgressMath;
  QElapsedTimer m_Clock;
  qint64 m_nReceived = 0;
  int m_nStatus = 0;  // the HTTP status of the current answer, 0 before it is known
  int m_nRedirects = 0;
  bool m_bAbort = false;
  bool m_bFinished = false;
};

}  // namespace krv
