#include "update/qt/UpdateCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"
#include "update/UpdateServer.h"
#include "update/VersionCheck.h"
#include "update/qt/DownloadDialog.h"
#include "update/qt/UpdateServerSetting.h"

namespace krv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

QString TargetFolder(const ProgramServices& services) {
  const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  const QString folder = Q(UpdateDownloadFolder(services.ProgramFolder().toStdString(),
                                                IsWritableFolder(services.ProgramFolder()), downloads.toStdString()));
  QDir().mkpath(folder);
  return folder;
}

// One transfer in its window; true when the file arrived completely.
bool Download(QWidget* parent, const QString& url, const QString& localPath, bool versionCheck) {
  QFile::remove(localPath);  // an old file would only bring up the replace question
  DownloadDialog dialog(parent);
  dialog.m_sURLToDownload = url;
  dialog.m_sFileToDownloadInto = localPath;
  dialog.m_bVersionCheck = versionCheck;
  dialog.m_nMaxBytes = static_cast<qint64>(MaxDownloadBytes(QFileInfo(localPath).fileName().toStdString()));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void OnCheckForUpdate(QWidget* parent, ProgramServices& services) {
  const std::string server = UpdateServer().toStdString();
  if (server.empty()) {
    InformationBox(parent, QString::fromUtf8(kNoUpdateServerText));
    return;
  }
  if (DownloadDialog::ParseUrl(Q(UpdateFileUrl(server, kVersionFileName))).isEmpty()) {
    ErrorBox(parent, Q(InvalidUpdateServerText(server)));
    return;
  }
  const QString folder = TargetFolder(services);
  const QString versionPath = folder + "/" + kVersionFileName;
  if (!Download(parent, Q(UpdateFileUrl(server, kVersionFileName)), versionPath, true)) return;

  QFile versionFile(versionPath);
  if (!versionFile.open(QIODevice::ReadOnly)) {
    ErrorBox(parent, QString::fromUtf8(kVersionFileMissingText));
    return;
  }
  const QByteArray content = versionFile.read(qint64(kVersionFileBytes));
  versionFile.close();
  const VersionOffer offer = CompareVersions(content.toStdString(), OwnVersionText());
  if (!offer.readable) {
    ErrorBox(parent, QString::fromUtf8(kVersionFileUnreadableText));
    return;
  }
  if (!offer.newer) {
    InformationBox(parent, QString::fromUtf8(kNoNewerVersionText));
    return;
  }
  if (!QuestionBox(parent, Q(DownloadQuestion(offer.version)))) return;

  const QString archivePath = folder + "/" + kFullSetupFileName;
  if (Download(parent, Q(UpdateFileUrl(server, offer.fileName)), archivePath, false))
    InformationBox(parent, Q(DownloadedMessage(QDir::toNativeSeparators(archivePath).toStdString())));
}

}  // namespace krv
