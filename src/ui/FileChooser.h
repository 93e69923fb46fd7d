#pragma once
// Asking the coach for a file to open or to save to: the program's own file requester
// (QXTools), or the system's dialog when the settings say so. Team files and PDF files are
// described once by a FileKind.

#include <QString>
#include <string>

class QWidget;

namespace krv {

class ProgramServices;

struct FileKind {
  QString requesterFilter;  // "Krashball-Team (*.krt)|*.krt|Alle Dateien (*.*)|*.*||"
  QString systemFilter;     // "Krashball-Team (*.krt);;Alle Dateien (*)"
  QString extension;        // ".krt": added to a name typed without one
  QString saveTitle;        // the system dialog's caption when saving
  // Whether the system dialog asks before replacing a file (the own requester always asks);
  // team files ask in the document with their own wording.
  bool systemAsksBeforeReplacing = false;
};

// Team files (".krt").
const FileKind& TeamFileKind();
// The PDF export (".pdf").
const FileKind& PdfFileKind();

// The file to open, starting in `folder`; empty when the coach cancelled.
QString AskFileToOpen(QWidget* parent, const ProgramServices& services, const FileKind& kind, const QString& folder);
// The file to save to, starting at `proposed`; empty when the coach cancelled. A name typed
// without extension gets the kind's extension. Whether to replace an existing file is the
// caller's question (it knows the wording).
QString AskFileToSave(QWidget* parent, const ProgramServices& services, const FileKind& kind, const QString& proposed);

// A chosen path as the core's file functions take it (bytes in the file system's encoding).
std::string ToFilePath(const QString& path);

}  // namespace krv
