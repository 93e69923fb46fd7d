#include "teamwindow/qt/TeamView.h"

#include <QApplication>
#include <algorithm>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "teamwindow/qt/TeamDocument.h"
#include "create/TeamBudget.h"
#include "model/Team.h"
#include "teamwindow/qt/TeamPages.h"
#include "teamwindow/MissingOpponents.h"
#include "roster/RaceRepair.h"
#include "roster/TeamHeader.h"
#include "teamwindow/StepNames.h"
#include "roster/qt/RaceChangeDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"
#include "ui/ReadOnlyLook.h"
#include "ui/DeferredStandardIcon.h"

namespace krv {
namespace {

// The race field is an upper-case field: whatever is typed into it comes out in capitals.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    const QString upper = input.toUpper();
    if (upper != input) {
      pos += static_cast<int>(upper.size() - input.size());  // "ß" becomes "SS"
      input = upper;
    }
    return Acceptable;
  }
};

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* HeaderField(QWidget* parent, const char* objectName, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setAlignment(alignment | Qt::AlignVCenter);
  return field;
}

// Writes the text only when it differs, so the cursor of a field being typed in stays put.
// A field not being typed in shows the start of a long text.
void SetFieldText(QLineEdit* field, const QString& text) {
  if (field->text() == text) return;
  field->setText(text);
  if (!field->hasFocus()) field->setCursorPosition(0);
}

}  // namespace

TeamView::TeamView(TeamDocument* doc, QWidget* parent) : QWidget(parent), m_pDoc(doc) {
  setObjectName(QStringLiteral("KrashballView"));
  CKRTeam& team = doc->Team();

  // The header: name and race stretch to the left, the figures keep their width on the right.
  m_pName = HeaderField(this, "teamName");
  m_pName->setMaxLength(static_cast<int>(kMaxTeamNameLength));
  m_pRace = HeaderField(this, "race");
  m_pRace->setValidator(new UpperCaseValidator(m_pRace));
  m_pRaceButton = new QToolButton(this);
  m_pRaceButton->setObjectName(QStringLiteral("raceButton"));
  m_pRaceButton->setIcon(DeferredStandardIcon(QStyle::SP_FileDialogDetailedView));
  m_pRaceButton->setToolTip(QStringLiteral("Volk ändern"));
  m_pRaceButton->setAccessibleName(QStringLiteral("Volk ändern"));
  m_pTeamwert = HeaderField(this, "teamValue", Qt::AlignRight);
  m_pTeamwert->setToolTip(QStringLiteral("Aktueller Teamwert."));
  m_pGold = HeaderField(this, "gold", Qt::AlignRight);
  m_pGold->setToolTip(QStringLiteral("Aktuelles Vermögen des Teams."));
  m_pMarken = HeaderField(this, "rerolls");
  m_pMarken->setToolTip(
      QStringLiteral("Gibt die Anzahl der Trainingsmarken an.\nDer erste Wert steht für den einfachen Preis.\n"
                     "Der zweite Wert für den doppelten Preis.\nDer dritte gibt an, wie viele Marken Sie z.B.\n"
                     "durch fiese Tricks verloren haben."));
  m_pFanFaktor = HeaderField(this, "fanFactor");
  m_pFanFaktor->setToolTip(QStringLiteral("Ihr momentaner Fan-Faktor."));
  for (QLineEdit* field : {m_pTeamwert, m_pGold, m_pMarken, m_pFanFaktor}) SetReadOnlyLook(field);

  const QFontMetrics metrics(font());
  const int margin = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
  // Fields one above the other are equally wide: gold up to billions, re-rolls "nn/nn/nn".
  const int goldWidth = metrics.horizontalAdvance(QStringLiteral("-0.000.000.000")) + margin;
  const int rerollWidth = metrics.horizontalAdvance(QStringLiteral("00/00/00")) + margin;
  m_pTeamwert->setFixedWidth(goldWidth);
  m_pGold->setFixedWidth(goldWidth);
  m_pMarken->setFixedWidth(rerollWidth);
  m_pFanFaktor->setFixedWidth(rerollWidth);
  m_pName->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('x')) * 20);
  m_pRace->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('X')) * 12);

  auto* header = new QGridLayout;
  header->setHorizontalSpacing(6);
  header->setVerticalSpacing(4);
  auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setBuddy(buddy);
    return l;
  };
  auto* raceRow = new QHBoxLayout;
  raceRow->setSpacing(2);
  raceRow->addWidget(m_pRace, 1);
  raceRow->addWidget(m_pRaceButton);
  header->addWidget(label("Team:", m_pName), 0, 0);
  header->addWidget(m_pName, 0, 1);
  header->addWidget(label("Volk:", m_pRace), 1, 0);
  header->addLayout(raceRow, 1, 1);
  header->setColumnMinimumWidth(2, 8);
  header->addWidget(label("Teamwert:", m_pTeamwert), 0, 3);
  header->addWidget(m_pTeamwert, 0, 4);
  header->addWidget(label("Gold:", m_pGold), 1, 3);
  header->addWidget(m_pGold, 1, 4);
  header->setColumnMinimumWidth(5, 8);
  header->addWidget(label("Trainingsmarken:", m_pMarken), 0, 6);
  header->addWidget(m_pMarken, 0, 7);
  header->addWidget(label("Fan-Faktor:", m_pFanFaktor), 1, 6);
  header->addWidget(m_pFanFaktor, 1, 7);
  header->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  layout->addLayout(header);

  // A team whose creation was cancelled has no race: the window stays empty.
  m_bBuilt = team.m_nRasse != -1;
  if (!m_bBuilt) {
    for (QLineEdit* field : {m_pName, m_pRace}) SetReadOnlyLook(field);
    m_pRaceButton->setEnabled(false);
    layout->addStretch(1);
    return;
  }
  OnInitialUpdate();
  layout->addWidget(m_pSheet, 1);
}

TeamView::~TeamView() = default;

void TeamView::OnInitialUpdate() {
  TeamDocument* doc = m_pDoc.data();
  CKRTeam& team = doc->Team();

  m_pSheet = new TeamPages(doc, this);

  KeepFieldSteps(doc->Steps(), m_pName, [] { return std::string("Teamname"); });
  KeepFieldSteps(doc->Steps(), m_pRace, [] { return std::string("Volksname"); });
  connect(m_pName, &QLineEdit::textEdited, this, &TeamView::OnNameEdited);
  connect(m_pRace, &QLineEdit::textEdited, this, &TeamView::OnRaceEdited);
  connect(m_pRaceButton, &QToolButton::clicked, this, &TeamView::OnVolkAendern);
  connect(doc, &TeamDocument::TeamRecalculatedSignal, this, &TeamView::OnTeamRecalculated);
  connect(doc, &TeamDocument::AboutToSave, this, &TeamView::HandOverTypedText);
  connect(doc, &TeamDocument::TeamReadAgain, this, &TeamView::ShowFanCheck);

  // Pages and header first, then the fan check of a team shown for the first time.
  team.Recalculate();
  ShowFanCheck();
  AskForMissingOpponents();
}

void TeamView::ShowFanCheck() { m_pDoc->Services().ShowOutcome(MessageParent(), RunFanCheck(m_pDoc->Team())); }

void TeamView::OnTeamRecalculated(const TeamChange& change) {
  if (m_pSheet) m_pSheet->ShowChange(change);
  UpdateTeamHeader();
}

void TeamView::UpdateTeamHeader() {
  if (!m_pDoc || !m_bBuilt) return;
  const TeamHeaderTexts texts = MakeTeamHeader(m_pDoc->Team());
  SetFieldText(m_pName, FromStd(texts.name));
  SetRaceEditable(texts.raceEditable);
  SetFieldText(m_pRace, FromStd(texts.race).toUpper());
  SetFieldText(m_pGold, FromStd(texts.gold));
  SetFieldText(m_pTeamwert, FromStd(texts.teamValue));
  SetFieldText(m_pFanFaktor, FromStd(texts.fanFactor));
  SetFieldText(m_pMarken, FromStd(texts.rerolls));
}

void TeamView::SetRaceEditable(bool editable) { SetReadOnlyLook(m_pRace, !editable); }

void TeamView::OnNameEdited(const QString& text) { RenameTeam(m_pDoc->Team(), text.toStdString()); }

void TeamView::OnRaceEdited(const QString& text) { RenameOwnRace(m_pDoc->Team(), text.toStdString()); }

void TeamView::HandOverTypedText() {
  if (!m_pDoc || !m_bBuilt) return;
  // Only what the coach typed: a stored name longer than the field takes is not cut.
  if (m_pName->isModified()) RenameTeam(m_pDoc->Team(), m_pName->text().toStdString());
  if (m_pRace->isModified()) RenameOwnRace(m_pDoc->Team(), m_pRace->text().toStdString());
}

QWidget* TeamView::MessageParent() { return isVisible() ? window() : nullptr; }

void TeamView::AskForMissingOpponents() {
  ProgramServices& services = m_pDoc->Services();
  const std::vector<std::string> missing = MissingOpponents(m_pDoc->Team(), services.m_Settings.m_Teamliste);
  if (missing.empty()) return;
  if (!QuestionBox(MessageParent(), FromStd(MissingOpponentsQuestion(missing)))) return;
  AppendTeams(services.m_Settings.m_Teamliste, missing);
  services.SetSettingsChanged();
}

QSize TeamView::sizeHint() const {
  QSize wanted = QWidget::sizeHint();
  if (!m_pSheet) return wanted;
  // A tab widget asks for little width when its tabs can scroll; the form shows all six.
  const QMargins margins = layout()->contentsMargins();
  const int tabs = m_pSheet->tabBar()->sizeHint().width() + margins.left() + margins.right() +
                   2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
  const int form = fontMetrics().horizontalAdvance(QLatin1Char('x')) * 100;
  wanted.setWidth(std::max({wanted.width(), tabs, form}));
  return wanted;
}

void TeamView::OnVolkAendern() {
  if (!m_pDoc || !m_bBuilt) return;
  CKRTeam& team = m_pDoc->Team();
  RaceChangeDialog dialog(team, this);
  dialog.exec();
  const StepCommand step(m_pDoc->Steps(), std::string(kRaceStep));
  m_pDoc->Services().ShowOutcome(this, ApplyRaceRepair(team, dialog.Repair()));
}

}  // namespace krv
