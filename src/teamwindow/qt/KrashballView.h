#pragma once
// The content of every team window: the header with the team's name, race, team value,
// treasury, re-rolls and fan factor in force above the properties sheet with its six pages.
// The view checks the team when it is first shown and remembers the window's placement per
// team name.

#include <QPointer>
#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace krv {

class KrashballDoc;
class CMyPropertySheet;
class TeamChange;

class CKrashballView : public QWidget {
  Q_OBJECT
 public:
  // The first display runs here: the sheet, the figures, the missing-opponents question.
  // The window placement is restored when the team window is first shown.
  explicit CKrashballView(KrashballDoc* doc, QWidget* parent = nullptr);
  ~CKrashballView() override;

  // The embedded sheet; null for a team whose creation was cancelled (race -1).
  CMyPropertySheet* PropertySheet() const { return m_pSheet; }

  // Refills the six header fields from the team; reads only.
  void UpdateTeamHeader();

  // Writes the frame's placement under the team's current name (done when the window goes).
  void StoreWindowPlacement();
  // Places the team window before it is first shown: the placement stored under the team's
  // name, else the size its form asks for at the next place of the cascade after `previous`
  // (the normal geometry of the window opened before). A window shown without it is placed
  // at its first show.
  void PlaceFrame(const std::optional<QRect>& previous = std::nullopt);
  // The team window's geometry in the normal state, also while it is minimised or maximised.
  QRect NormalGeometry() const;

 public slots:
  // "&Eigenschaften" (Strg+E): the team statistics.
  void OnTeamEigenschaften();
  // The button beside "Volk:": the race repair dialog.
  void OnVolkAendern();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void NoteNormalGeometry();

 private:
  void OnInitialUpdate();
  void AskForMissingOpponents();
  // The no-fans notice of a team shown for the first time (created, opened, read again).
  void ShowFanCheck();
  bool RestoreWindowPlacement();
  void CascadeFrame(const std::optional<QRect>& previous);
  void OnTeamRecalculated(const TeamChange& change);
  void OnNameEdited(const QString& text);
  void OnRaceEdited(const QString& text);
  void HandOverTypedText();
  void SetRaceEditable(bool editable);
  QWidget* Frame() const;
  QWidget* MessageParent();

  QPointer<KrashballDoc> m_pDoc;  // goes before the view when the window closes
  CMyPropertySheet* m_pSheet = nullptr;
  QLineEdit* m_pName = nullptr;
  QLineEdit* m_pRace = nullptr;
  QToolButton* m_pRaceButton = nullptr;
  QLineEdit* m_pTeamwert = nullptr;
  QLineEdit* m_pGold = nullptr;
  QLineEdit* m_pMarken = nullptr;
  QLineEdit* m_pFanFaktor = nullptr;
  QPointer<QWidget> m_pWatchedFrame;
  QRect m_lastNormalGeometry;  // the team window's placement the last time it was neither minimised nor maximised
  bool m_bBuilt = false;       // the team has a race: header and sheet exist
  bool m_bPlaced = false;
};

}  // namespace krv
