#pragma once
// One team window inside the main window: it owns the team's document and its view and asks
// about unsaved changes before it closes.

#include <QMdiSubWindow>

namespace krv {

class KrashballDoc;
class CKrashballView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes ownership of `doc`.
  explicit CChildFrame(KrashballDoc* doc, QWidget* parent = nullptr);

  KrashballDoc* Document() const { return m_pDoc; }
  CKrashballView* View() const { return m_pView; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Another program changed the file: offers to load it again.
  void OfferReload();

  KrashballDoc* m_pDoc;
  CKrashballView* m_pView;
  bool m_bAskingReload = false;
};

}  // namespace krv
