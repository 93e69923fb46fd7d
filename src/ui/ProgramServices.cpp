#include "ui/ProgramServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QUrl>

#include "model/ChangeOutcome.h"
#include "roster/TeamHeader.h"
#include "sound/SoundModule.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBoxes.h"

namespace krv {

ProgramServices::ProgramServices(const QString& programFolder, QObject* parent)
    : QObject(parent), m_strProgrammOrdner(programFolder) {}

ProgramServices::~ProgramServices() = default;

void ProgramServices::SetSettingsChanged() {
  m_bDatGeaendert = true;
  emit settingsChanged();
}

QString ProgramServices::DataFolder() const {
  return QString::fromStdString(krv::DataFolder(m_strProgrammOrdner.toStdString()));
}

QString ProgramServices::KrvDatFile() const { return DataFolder() + QStringLiteral("/KRV.DAT"); }

QString ProgramServices::ResourceFolder(const QString& name) const {
  // Beside the program (portable use, the build tree) or where the package installs it.
  for (const QString& base : {m_strProgrammOrdner, m_strProgrammOrdner + "/../share/krashball",
                              m_strProgrammOrdner + "/share", m_strProgrammOrdner + "/../share"}) {
    const QString folder = QDir::cleanPath(base + "/" + name);
    if (QFileInfo(folder).isDir()) return folder;
  }
  return QDir::cleanPath(m_strProgrammOrdner + "/" + name);
}

void ProgramServices::PlaySoundFile(const QString& relativePath) {
  if (!m_Settings.m_bSound || relativePath.isEmpty()) return;
  const QString path = ResourceFolder("Sounds") + "/" + QFileInfo(relativePath).fileName();
  if (!QFileInfo::exists(path)) return;
  if (const PlaySoundFunction play = SoundPlayer()) play(QFile::encodeName(path).constData());
}

PlaySoundFunction ProgramServices::SoundPlayer() {
  // The module is looked for once; without it the program stays silent.
  if (m_bSoundModuleSought) return m_playSound;
  m_bSoundModuleSought = true;
  for (const QString& folder :
       {m_strProgrammOrdner, m_strProgrammOrdner + QStringLiteral("/" KRV_PRIVATE_LIBDIR_FROM_BINDIR)}) {
    QLibrary module(folder + "/" + QString::fromLatin1(kSoundModuleFile));
    m_playSound = reinterpret_cast<PlaySoundFunction>(module.resolve(kPlaySoundSymbol));
    if (m_playSound) break;  // stays loaded for the run
  }
  return m_playSound;
}

bool ProgramServices::Frage(QWidget* parent, const QString& text) {
  if (!m_Settings.m_bFragen) return true;
  return QuestionBox(parent, text);
}

void ProgramServices::ShowHelp(const QString& topic) {
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

void ShowNotice(QWidget* parent, const Notice& notice) {
  const QString text = QString::fromStdString(notice.text);
  switch (notice.kind) {
    case NoticeKind::Rules: RulesMessageBox(parent, text); break;
    case NoticeKind::Bank: BankMessageBox(parent, text); break;
    case NoticeKind::Error: ErrorBox(parent, text); break;
    case NoticeKind::Information: InformationBox(parent, text); break;
    case NoticeKind::Plain: PlainBox(parent, text); break;
    case NoticeKind::Warning: WarningBox(parent, text); break;
  }
}

bool ProgramServices::ShowOutcome(QWidget* parent, const ChangeOutcome& outcome) {
  if (outcome.Refused()) {
    ShowNotice(parent, outcome.refusal);
    return false;
  }
  if (outcome.fansGone) {
    PlaySoundFile(QString::fromUtf8(kKeineFansSound));
    ShowNotice(parent, {NoticeKind::Plain, kKeineFansText});
  }
  PlaySoundFile(QString::fromStdString(outcome.sound));
  for (const Notice& notice : outcome.notices) ShowNotice(parent, notice);
  return outcome.applied;
}

}  // namespace krv
