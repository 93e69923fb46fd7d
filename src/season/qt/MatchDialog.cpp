#include "season/qt/MatchDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Windows1252.h"
#include "season/qt/AmountField.h"
#include "ui/MessageBoxes.h"
#include "ui/MultiLineText.h"
#include "ui/NumberEdit.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

MatchDialog::MatchDialog(std::vector<std::string> teamList, QWidget* parent)
    : QDialog(parent), m_TeamList(std::move(teamList)) {
  setObjectName(QStringLiteral("MatchDialog"));
  setWindowTitle(QStringLiteral("Neues Spiel"));
  m_Entry.datum = TodayMatchDate();

  m_pGegner = new QLineEdit(this);
  m_pGegner->setObjectName(QStringLiteral("gegner"));
  m_pPick = new QToolButton(this);
  m_pPick->setObjectName(QStringLiteral("teamWaehlen"));
  m_pPick->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
  m_pPick->setToolTip(QStringLiteral("Gegner aus der System-Teamliste wählen"));
  const int scoreWidth = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16;
  m_pEigene = new QLineEdit(this);
  m_pEigene->setObjectName(QStringLiteral("eigeneTore"));
  m_pEigene->setFixedWidth(scoreWidth);
  m_pEigene->setAlignment(Qt::AlignRight);
  m_pAndere = new QLineEdit(this);
  m_pAndere->setObjectName(QStringLiteral("gegnerTore"));
  m_pAndere->setFixedWidth(scoreWidth);
  m_pAndere->setAlignment(Qt::AlignRight);
  m_pAndere->setAccessibleName(QStringLiteral("Punkte des Gegners"));
  m_pErgebnis = new QLabel(QStringLiteral("Unentschieden"), this);
  m_pErgebnis->setObjectName(QStringLiteral("ergebnisWort"));
  m_pDatum = new QLineEdit(this);
  m_pDatum->setObjectName(QStringLiteral("datum"));
  m_pDatum->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00")) + 20);
  m_pZuschauer = new NumberEdit(this);
  m_pZuschauer->setObjectName(QStringLiteral("zuschauer"));
  m_pEinnahmen = new NumberEdit(this);
  m_pEinnahmen->setObjectName(QStringLiteral("einnahmen"));
  m_pFans = new QComboBox(this);
  m_pFans->setObjectName(QStringLiteral("fanFaktor"));
  m_pFans->addItems(
      {QStringLiteral("Keine Veränderung"), QStringLiteral("Fan-Faktor steigt"), QStringLiteral("Fan-Faktor sinkt")});
  m_pVerletzungen = new QLineEdit(this);
  m_pVerletzungen->setObjectName(QStringLiteral("verletzungen"));
  m_pBesonderheit = NewMultiLineEdit(this, QStringLiteral("besonderheit"));
  m_pBesonderheit->setMinimumHeight(fontMetrics().height() * 4);
  m_pLiga = new QCheckBox(QStringLiteral("&Liga Spiel"), this);
  m_pLiga->setObjectName(QStringLiteral("liga"));
  m_pInEinnahmen = new QCheckBox(QStringLiteral("Spiel in Einnahmenliste übernehmen"), this);
  m_pInEinnahmen->setObjectName(QStringLiteral("inEinnahmen"));

  auto* score = new QHBoxLayout;
  score->addWidget(m_pEigene);
  score->addWidget(new QLabel(QStringLiteral(":"), this));
  score->addWidget(m_pAndere);
  score->addSpacing(12);
  score->addWidget(m_pErgebnis);
  score->addStretch(1);
  auto* opponent = new QHBoxLayout;
  opponent->addWidget(m_pGegner, 1);
  opponent->addWidget(m_pPick);

  auto* grid = new QGridLayout;
  int row = 0;
  grid->addWidget(Label(QStringLiteral("&Gegner:"), m_pGegner, this), row, 0);
  grid->addLayout(opponent, row++, 1, 1, 3);
  grid->addWidget(Label(QStringLiteral("&Ergebnis:"), m_pEigene, this), row, 0);
  grid->addLayout(score, row, 1);
  grid->addWidget(Label(QStringLiteral("Datum:"), m_pDatum, this), row, 2, Qt::AlignRight);
  grid->addWidget(m_pDatum, row++, 3);
  grid->addWidget(Label(QStringLiteral("Z&uschauer:"), m_pZuschauer, this), row, 0);
  grid->addWidget(m_pZuschauer, row, 1);
  grid->addWidget(Label(QStringLiteral("Einna&hmen:"), m_pEinnahmen, this), row, 2, Qt::AlignRight);
  grid->addWidget(m_pEinnahmen, row++, 3);
  grid->addWidget(Label(QStringLiteral("&Fan-Faktor"), m_pFans, this), row, 0);
  grid->addWidget(m_pFans, row++, 1);
  grid->addWidget(Label(QStringLiteral("&Verletzungen:"), m_pVerletzungen, this), row, 0);
  grid->addWidget(m_pVerletzungen, row++, 1, 1, 3);
  grid->addWidget(Label(QStringLiteral("&Besonderheit:"), m_pBesonderheit, this), row, 0, Qt::AlignTop);
  grid->addWidget(m_pBesonderheit, row++, 1, 1, 3);
  grid->setRowStretch(row - 1, 1);
  grid->addWidget(m_pLiga, row++, 1, 1, 3);
  grid->addWidget(m_pInEinnahmen, row++, 1, 1, 3);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QDialogButtonBox(this);
  m_pOk = buttons->addButton(QStringLiteral("&Neues Spiel"), QDialogButtonBox::AcceptRole);
  m_pOk->setObjectName(QStringLiteral("ok"));
  m_pOk->setDefault(true);
  QPushButton* zurueck = buttons->addButton(QStringLiteral("&Zurück"), QDialogButtonBox::RejectRole);
  zurueck->setObjectName(QStringLiteral("zurueck"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &MatchDialog::Accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_pEigene, &QLineEdit::textChanged, this, &MatchDialog::ShowResult);
  connect(m_pAndere, &QLineEdit::textChanged, this, &MatchDialog::ShowResult);
  connect(m_pGegner, &QLineEdit::textEdited, this, &MatchDialog::OpponentEdited);
  connect(m_pDatum, &QLineEdit::textEdited, this, &MatchDialog::DateEdited);
  connect(m_pPick, &QToolButton::clicked, this, [this] {
    if (!m_PickTeam) return;
    if (const auto name = m_PickTeam()) {
      m_pGegner->setText(*name);
      m_OpponentTyping = {name->toStdString().size(), false};
    }
  });
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

int MatchDialog::exec() {
  ShowFields();
  return QDialog::exec();
}

void MatchDialog::ShowFields() {
  m_pGegner->setText(QString::fromStdString(m_Entry.gegner));
  m_OpponentTyping = {m_Entry.gegner.size(), false};
  m_pEigene->setText(QString::number(m_Entry.eigeneTore));
  m_pAndere->setText(QString::number(m_Entry.gegnerTore));
  const QString date = QString::fromStdString(m_Entry.datum);
  // A longer date from an old file is shown whole; the check on OK names the limit.
  m_pDatum->setMaxLength(std::max<int>(static_cast<int>(kMaxMatchDateLength), static_cast<int>(date.size())));
  m_pDatum->setText(date);
  m_pZuschauer->SetValue(m_Entry.zuschauer);
  m_pEinnahmen->SetValue(m_Entry.einnahmen);
  m_pFans->setCurrentIndex(m_Entry.fanFaktor >= 0 && m_Entry.fanFaktor <= 2 ? m_Entry.fanFaktor : 0);
  m_pVerletzungen->setText(QString::fromStdString(m_Entry.verletzungen));
  m_pBesonderheit->setPlainText(ShownLines(m_Entry.besonderheit));
  m_pLiga->setChecked(m_Entry.liga != 0);
  m_pInEinnahmen->setChecked(m_Entry.inEinnahmen);
  m_pInEinnahmen->setEnabled(m_Entry.inEinnahmen);
  m_pOk->setText(m_bEditMode ? QStringLiteral("&Ändern") : QStringLiteral("&Neues Spiel"));
  ShowResult();
  m_pGegner->setFocus();
}

void MatchDialog::ShowResult() {
  const int own = m_pEigene->text().trimmed().toInt();
  const int other = m_pAndere->text().trimmed().toInt();
  m_pErgebnis->setText(QString::fromStdString(ResultWord(own, other)));
}

void MatchDialog::OpponentEdited(const QString& text) {
  const OpponentCompletion completion = CompleteOpponent(m_TeamList, text.toStdString(), m_OpponentTyping);
  m_OpponentTyping = completion.typing;
  if (!completion.completed) return;
  const QString full = QString::fromStdString(completion.text);
  m_pGegner->setText(full);
  // The typed part stays; the rest of the name is selected, so typing on replaces it.
  m_pGegner->setSelection(static_cast<int>(text.size()), static_cast<int>(full.size() - text.size()));
}

void MatchDialog::DateEdited(const QString& text) {
  if (!DateShortcutApplies(text.toStdString())) return;
  const QString unknown = QString::fromLatin1(kUnknownDate);
  m_pDatum->setText(unknown);
  m_pDatum->setSelection(static_cast<int>(text.size()), static_cast<int>(unknown.size() - text.size()));
}

bool MatchDialog::ReadScore(QLineEdit* edit, int32_t& score) {
  bool number = false;
  const int value = edit->text().trimmed().toInt(&number);
  if (number && value >= 0 && value <= kMaxScore) {
    score = value;
    return true;
  }
  WarningBox(this, QString::fromStdString(ScoreRangeMessage()));
  edit->setFocus();
  edit->selectAll();
  return false;
}

void MatchDialog::Accept() {
  MatchEntry entry = m_Entry;
  if (!ReadScore(m_pEigene, entry.eigeneTore) || !ReadScore(m_pAndere, entry.gegnerTore)) return;
  entry.datum = m_pDatum->text().toStdString();
  if (CharacterCount(entry.datum) > kMaxMatchDateLength) {
    WarningBox(this, QString::fromStdString(DateLengthMessage()));
    m_pDatum->setFocus();
    return;
  }
  if (!AmountFits(this, m_pEinnahmen) || !AmountFits(this, m_pZuschauer)) return;
  entry.gegner = m_pGegner->text().toStdString();
  entry.fanFaktor = m_pFans->currentIndex();
  entry.zuschauer = static_cast<int32_t>(m_pZuschauer->Value());
  entry.einnahmen = static_cast<int32_t>(m_pEinnahmen->Value());
  entry.verletzungen = m_pVerletzungen->text().toStdString();
  entry.besonderheit = EditedLines(m_pBesonderheit, m_Entry.besonderheit);
  entry.liga = m_pLiga->isChecked() ? 1 : 0;
  entry.inEinnahmen = m_pInEinnahmen->isEnabled() && m_pInEinnahmen->isChecked();
  m_Entry = entry;
  accept();
}

}  // namespace krv
