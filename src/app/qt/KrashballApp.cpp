#include "app/qt/KrashballApp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt/HelpWindow.h"
#include "model/FileIO.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {
CKrashballApp* g_app = nullptr;
}

CKrashballApp::CKrashballApp(const QString& programFolder, QObject* parent)
    : QObject(parent), m_strProgrammOrdner(programFolder) {
  g_app = this;
}

CKrashballApp::~CKrashballApp() {
  if (g_app == this) g_app = nullptr;
}

CKrashballApp* CKrashballApp::Instance() { return g_app; }

QString CKrashballApp::DataFolder() const {
  return QString::fromStdString(krv::DataFolder(m_strProgrammOrdner.toStdString()));
}

QString CKrashballApp::KrvDatFile() const { return DataFolder() + QStringLiteral("/KRV.DAT"); }

QString CKrashballApp::ResourceFolder(const QString& name) const {
  // Beside the program (portable use, the build tree) or where the package installs it.
  for (const QString& base : {m_strProgrammOrdner, m_strProgrammOrdner + "/../share/krashball",
                              m_strProgrammOrdner + "/share", m_strProgrammOrdner + "/../share"}) {
    const QString folder = QDir::cleanPath(base + "/" + name);
    if (QFileInfo(folder).isDir()) return folder;
  }
  return QDir::cleanPath(m_strProgrammOrdner + "/" + name);
}

void CKrashballApp::LoadSettings() {
  std::string problem;
  m_Settings = LoadProgramSettings(KrvDatFile().toStdString(), &problem);
  m_strSettingsProblem = QString::fromStdString(problem);
}

void CKrashballApp::SaveSettingsIfChanged() {
  if (!m_bDatGeaendert) return;
  try {
    QDir().mkpath(DataFolder());
    SaveProgramSettings(m_Settings, KrvDatFile().toStdString());
  } catch (const FileError&) {
    // Settings that cannot be written are skipped without a message.
  }
}

void CKrashballApp::PlaySoundFile(const QString& relativePath) {
  if (!m_Settings.m_bSound) return;
  if (QMediaDevices::audioOutputs().isEmpty()) return;  // no audio device: silent
  const QString path = ResourceFolder("Sounds") + "/" + QFileInfo(relativePath).fileName();
  if (!QFileInfo::exists(path)) return;
  if (!m_sound) m_sound = new QSoundEffect(this);
  m_sound->setSource(QUrl::fromLocalFile(path));
  m_sound->play();
}

bool CKrashballApp::Frage(QWidget* parent, const QString& text) {
  if (!m_Settings.m_bFragen) return true;
  return QuestionBox(parent, text);
}

void CKrashballApp::ShowHelp(const QString& topic) {
  const QString helpFile = ResourceFolder("Dok") + "/Hilfe.html";
  if (!QFileInfo::exists(helpFile)) {
    ErrorBox(nullptr, QStringLiteral("Kann die Datei:\n%1\nnicht öffnen!!!!").arg(helpFile));
    return;
  }
  // The built-in help window, or the system's browser when the coach prefers it.
  if (m_Settings.m_bHilfeBrowser && !m_Settings.m_bCHM) {
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (topic.startsWith('#')) url.setFragment(topic.mid(1));
    QDesktopServices::openUrl(url);
    return;
  }
  HelpWindow::Show(helpFile, topic);
}

void CKrashballApp::ShowAbout(QWidget* parent) {
  QDialog box(parent);
  box.setWindowTitle(QStringLiteral("Die Krashball-Teamverwaltung"));
  auto* layout = new QVBoxLayout(&box);
  auto* icon = new QLabel(&box);
  icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
  layout->addWidget(icon, 0, Qt::AlignHCenter);
  auto* title = new QLabel(QStringLiteral("<b>Krashball Teamverwaltung</b><br>Version %1").arg(m_strVersion), &box);
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
