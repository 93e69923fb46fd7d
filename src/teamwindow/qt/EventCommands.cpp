#include "teamwindow/qt/EventCommands.h"

#include <QFileDialog>

#include "teamwindow/qt/TeamDocument.h"
#include "settings/qt/TeamChoiceDialog.h"
#include "season/EventEntry.h"
#include "printout/LogoFile.h"
#include "season/qt/EventDialog.h"
#include "teamwindow/qt/RecordListPage.h"
#include "teamwindow/qt/SeasonServices.h"
#include "qxtools/CCFileDialog.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {

ChooseLogoFunction& LogoFunction() {
  static ChooseLogoFunction function;
  return function;
}

std::optional<QString> AskLogoFile(RecordListPage* parent, const QString& start) {
  if (LogoFunction()) return LogoFunction()(parent, start);
  QString path;
  if (UseOwnFileRequester(parent->Document())) {
    CCFileDialog requester(parent, false);
    requester.SetProperties(true, start, QStringLiteral("Bitmap-Dateien (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*||"),
                            QStringLiteral("IMPORT"), CCFileDialog::kFlagPreview);
    requester.SetDlgTitle(QStringLiteral("Grafik importieren"));
    if (requester.DoModal() == CCFileDialog::IDOK) path = requester.GetPath(true);
  } else {
    path = QFileDialog::getOpenFileName(parent, QStringLiteral("Öffnen"), start, QStringLiteral("Bitmap (*.bmp)"));
  }
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace

void SetChooseLogoFunction(ChooseLogoFunction function) { LogoFunction() = std::move(function); }

void NewEvent(RecordListPage* page) {
  EventDialog dlg(page);
  dlg.m_PickTeam = [page] { return PickTeam(page, SystemTeamList(page->Document())); };
  if (dlg.exec() != QDialog::Accepted) return;
  ShowOutcome(page, page->Document(), AddEvent(page->Document()->Team(), dlg.m_strText.toStdString(), dlg.m_nArt));
}

void ChangeSelectedEvent(RecordListPage* page) {
  CKRTeam& team = page->Document()->Team();
  const int row = page->SelectedRow();
  const CKREreignisse* event = row < 0 ? nullptr : team.GetEreignis(static_cast<size_t>(row));
  if (!event) return;
  EventDialog dlg(page);
  dlg.m_bAendern = true;
  dlg.m_nArt = event->m_nArt;
  dlg.m_strText = QString::fromStdString(event->m_strText);
  if (dlg.exec() != QDialog::Accepted) return;
  ShowOutcome(page, page->Document(), ChangeEvent(team, static_cast<size_t>(row), dlg.m_strText.toStdString()));
}

void DeleteSelectedEvent(RecordListPage* page) {
  CKRTeam& team = page->Document()->Team();
  const int row = page->SelectedRow();
  if (row < 0 || !team.GetEreignis(static_cast<size_t>(row))) return;
  const auto index = static_cast<size_t>(row);
  if (DeleteConfirmBox(page, QString::fromStdString(DeleteEventQuestion(team, index))) != kIdYes) return;
  ShowOutcome(page, page->Document(), DeleteEvent(team, index));
}

void ChooseLogo(RecordListPage* page) {
  CKRTeam& team = page->Document()->Team();
  const QString current = QString::fromStdString(team.m_strLogo);
  const QString dataFolder = DataFolderPath(page->Document());
  QString start = current.isEmpty() ? dataFolder + QStringLiteral("/") : current;
  // A file that cannot be the logo is named in a message, and the choice starts again there.
  while (const auto path = AskLogoFile(page, start)) {
    const ChangeOutcome outcome =
        ChooseLogoFile(team, path->toStdString(),
                       (dataFolder + QLatin1Char('/') + QString::fromLatin1(kLogoCopyFolder)).toStdString());
    ShowOutcome(page, page->Document(), outcome);
    if (!outcome.Refused()) {
      page->RefreshPage();
      return;
    }
    start = *path;
  }
  if (!team.m_strLogo.empty() && QuestionBox(page, QString::fromUtf8(kRemoveLogoQuestion)))
    ShowOutcome(page, page->Document(), RemoveLogo(team));
  page->RefreshPage();
}

}  // namespace krv
