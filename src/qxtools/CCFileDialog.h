#pragma once
// The file requester of QXTools: a small handle that owns one requester dialog and forwards
// every call to it, so the dialog class itself never leaves the library.
//
//   CCFileDialog dlg(nullptr, false);
//   dlg.SetProperties(true, folder, "Krashball-Team (*.krt)|*.krt|Alle Dateien (*.*)|*.*||", "", 0);
//   if (dlg.DoModal() == CCFileDialog::IDOK) open(dlg.GetPath(true));

#include <QString>

#include "qxtools/QXToolsExport.h"

class QWidget;
class CFileRequesterQX;

class QXTOOLS_EXPORT CCFileDialog {
 public:
  // Results of DoModal.
  static constexpr int IDOK = 1;
  static constexpr int IDCANCEL = 2;

  // Flags of SetProperties.
  static constexpr long kFlagPreview = 1;      // picture preview of the selected file
  static constexpr long kFlagMultiSelect = 2;  // several files may be chosen
  static constexpr long kFlagLastFolder = 4;   // an empty path starts in the last folder used

  // A null parent means the application's main window; bSave starts in save mode.
  explicit CCFileDialog(QWidget* pParent = nullptr, bool bSave = false);
  ~CCFileDialog();

  // A handle owns its requester alone: it can be handed on, never shared. The handle it was
  // taken from keeps no requester and answers every call harmlessly.
  CCFileDialog(CCFileDialog&& other) noexcept;
  CCFileDialog& operator=(CCFileDialog&& other) noexcept;
  CCFileDialog(const CCFileDialog&) = delete;
  CCFileDialog& operator=(const CCFileDialog&) = delete;

  // Prepares the next DoModal: open or save mode, the starting file or folder, the file types
  // ("text|pattern|text|pattern||"), a key word naming the purpose ("IMPORT") and the flags.
  void SetProperties(bool bOpen, const QString& strPath, const QString& strFilter, const QString& strKey, long lFlags);
  // The caption; empty gives "Öffnen" or "Speichern unter".
  void SetDlgTitle(const QString& strTitle);
  // IDOK when the user chose, IDCANCEL otherwise (and always without a requester).
  int DoModal();
  // The chosen paths one by one: bFirst restarts at the first. Empty after the last one,
  // when nothing was chosen and without a requester.
  QString GetPath(bool bFirst);
  // How many paths were chosen.
  long CountFiles() const;

 private:
  CFileRequesterQX* m_pDlg = nullptr;
};
