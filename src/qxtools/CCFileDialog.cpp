#include "qxtools/CCFileDialog.h"

#include <utility>

#include "qxtools/FileRequesterQX.h"

// The requester belongs to the handle alone; the parent only places it while it runs.
CCFileDialog::CCFileDialog(QWidget* pParent, bool bSave) : m_pDlg(new CFileRequesterQX(pParent, bSave)) {}

CCFileDialog::~CCFileDialog() {
  delete m_pDlg;
  m_pDlg = nullptr;
}

CCFileDialog::CCFileDialog(CCFileDialog&& other) noexcept : m_pDlg(std::exchange(other.m_pDlg, nullptr)) {}

CCFileDialog& CCFileDialog::operator=(CCFileDialog&& other) noexcept {
  if (this != &other) {
    delete m_pDlg;
    m_pDlg = std::exchange(other.m_pDlg, nullptr);
  }
  return *this;
}

void CCFileDialog::SetProperties(bool bOpen, const QString& strPath, const QString& strFilter, const QString& strKey,
                                 long lFlags) {
  if (m_pDlg) m_pDlg->SetProperties(bOpen, strPath, strFilter, strKey, lFlags);
}

void CCFileDialog::SetDlgTitle(const QString& strTitle) {
  if (m_pDlg) m_pDlg->SetTitle(strTitle);
}

int CCFileDialog::DoModal() {
  if (!m_pDlg) return IDCANCEL;
  return m_pDlg->Run() ? IDOK : IDCANCEL;
}

QString CCFileDialog::GetPath(bool bFirst) { return m_pDlg ? m_pDlg->NextPath(bFirst) : QString(); }

long CCFileDialog::CountFiles() const { return m_pDlg ? m_pDlg->CountFiles() : 0; }
