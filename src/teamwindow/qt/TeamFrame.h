#pragma once
// One team window inside the main window: it owns the team's document and its view, asks
// about unsaved changes before it closes, and keeps its own placement per team name.

#include <QMdiSubWindow>
#include <optional>

#include "teamwindow/TeamWindowPlacement.h"

namespace krv {

class TeamDocument;
class TeamView;

class TeamFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes ownership of `doc`.
  explicit TeamFrame(TeamDocument* doc, QWidget* parent = nullptr);

  TeamDocument* Document() const { return m_pDoc; }
  TeamView* View() const { return m_pView; }

  // "&Eigenschaften" (Strg+E): the team statistics; none for a team without race.
  void ShowStatistics();

  // Places the window before it is first shown: the placement stored under the team's name,
  // kept inside the main window's area, else the size its view asks for at the next place of
  // the cascade after `previous` (the normal geometry of the window opened before). A window
  // shown without it is placed at its first show. A team without race is not placed.
  void PlaceWindow(const std::optional<QRect>& previous = std::nullopt);
  // The window's geometry in the normal state, also while it is minimised or maximised.
  QRect NormalGeometry() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Another program changed the file: offers to load it again.
  void OfferReload();
  bool RestorePlacement();
  void Cascade(const std::optional<QRect>& previous);
  void FitRestoredPlacement();
  // Writes the normal geometry under the team's current name (done when the window goes).
  void StorePlacement();
  void NoteNormalGeometry();
  PlacementArea Area() const;

  TeamDocument* m_pDoc;
  TeamView* m_pView;
  bool m_bAskingReload = false;
  bool m_bPlaced = false;
  QRect m_normalGeometry;  // the last geometry while neither minimised nor maximised
  // The stored placement, while the window shows it as fitted into the area and the coach
  // has not moved it: a main window still growing to its full size gives it back its room.
  std::optional<FramePlacement> m_restored;
  QRect m_fitted;
};

}  // namespace krv
