#include "ui/FileChooser.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "qxtools/CCFileDialog.h"
#include "ui/ProgramServices.h"

namespace krv {

const FileKind& TeamFileKind() {
  static const FileKind kind{QStringLiteral("Krashball-Team (*.krt)|*.krt|Alle Dateien (*.*)|*.*||"),
                             QStringLiteral("Krashball-Team (*.krt);;Alle Dateien (*)"), QStringLiteral(".krt"),
                             QStringLiteral("Speichern unter")};
  return kind;
}

const FileKind& PdfFileKind() {
  static const FileKind kind{QStringLiteral("PDF-Dokument (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*||"),
                             QStringLiteral("PDF-Dokument (*.pdf);;Alle Dateien (*)"), QStringLiteral(".pdf"),
                             QStringLiteral("Als PDF exportieren"), true};
  return kind;
}

QString AskFileToOpen(QWidget* parent, const ProgramServices& services, const FileKind& kind, const QString& folder) {
  if (!services.m_Settings.m_bEigenerDateidialog)
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Öffnen"), folder, kind.systemFilter);
  CCFileDialog requester(nullptr, false);
  requester.SetProperties(true, folder, kind.requesterFilter, QString(), 0);
  return requester.DoModal() == CCFileDialog::IDOK ? requester.GetPath(true) : QString();
}

QString AskFileToSave(QWidget* parent, const ProgramServices& services, const FileKind& kind, const QString& proposed) {
  QString path;
  if (!services.m_Settings.m_bEigenerDateidialog) {
    path = QFileDialog::getSaveFileName(
        parent, kind.saveTitle, proposed, kind.systemFilter, nullptr,
        kind.systemAsksBeforeReplacing ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
  } else {
    CCFileDialog requester(nullptr, false);
    requester.SetProperties(false, proposed, kind.requesterFilter, QString(), 0);
    if (requester.DoModal() == CCFileDialog::IDOK) path = requester.GetPath(true);
  }
  if (!path.isEmpty() && !QFileInfo(path).fileName().contains('.')) path += kind.extension;
  return path;
}

std::string ToFilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace krv
