#include "app/qt/KrashballApp.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include "ProgramVersion.h"
#include "app/qt/ProgramIcon.h"
#include "model/FileIO.h"
#include "ui/FileNames.h"

namespace krv {

KrashballApp::KrashballApp(const QString& programFolder, QObject* parent) : ProgramServices(programFolder, parent) {}

QString KrashballApp::Title() {
  return QStringLiteral("Krashball-Verwaltung V%1").arg(QString::fromLatin1(kProgramVersion));
}

void KrashballApp::LoadSettings() {
  std::string problem;
  m_Settings = LoadProgramSettings(FileNameBytes(KrvDatFile()), &problem, &m_bKeepCopyOfKrvDat);
  m_strSettingsProblem = QString::fromStdString(problem);
}

QString KrashballApp::SaveSettingsIfChanged() {
  if (!m_bDatGeaendert) return {};
  try {
    QDir().mkpath(DataFolder());
    SaveProgramSettings(m_Settings, FileNameBytes(KrvDatFile()), m_bKeepCopyOfKrvDat);
    m_bKeepCopyOfKrvDat = false;
    return {};
  } catch (const std::exception& e) {
    const auto* fileError = dynamic_cast<const FileError*>(&e);
    const std::string path = FileNameBytes(KrvDatFile());
    return QString::fromStdString(fileError ? e.what() : UnexpectedFileErrorText(path, e)) +
           QStringLiteral(
               "\n\nDie Einstellungen und die System-Teamliste dieser Sitzung konnten nicht gespeichert "
               "werden; beim nächsten Start gelten die bisherigen.");
  }
}

void KrashballApp::ShowAbout(QWidget* parent) {
  QDialog box(parent);
  box.setWindowTitle(QStringLiteral("Die Krashball-Teamverwaltung"));
  auto* layout = new QVBoxLayout(&box);
  auto* icon = new QLabel(&box);
  icon->setObjectName(QStringLiteral("programIcon"));
  icon->setPixmap(ProgramIcon().pixmap(48, 48));
  layout->addWidget(icon, 0, Qt::AlignHCenter);
  auto* title = new QLabel(
      QStringLiteral("<b>Krashball Teamverwaltung</b><br>Version %1").arg(QString::fromLatin1(kProgramVersion)), &box);
  title->setObjectName(QStringLiteral("version"));
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  auto* note = new QLabel(QStringLiteral("Für Linux neu gebaut mit Qt %1.").arg(QString::fromLatin1(qVersion())), &box);
  note->setAlignment(Qt::AlignCenter);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  box.exec();
}

}  // namespace krv
