#include "create/qt/TeamCreationDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "create/qt/CountSpinBox.h"
#include "create/qt/StarPlayerBuilderDialog.h"
#include "create/qt/StarPlayerChoiceDialog.h"
#include "model/Gold.h"
#include "rules/StaffPrices.h"
#include "ui/MessageBoxes.h"
#include "ui/QuickHelp.h"
#include "ui/ReadOnlyLook.h"
#include "ui/WindowPlacement.h"

namespace krv {

namespace {

constexpr const char* kBuyTooltip = "Starplayer kaufen.\nOder löschen, wenn schon\nein Spieler gewählt wurde.";
constexpr const char* kBuildTooltip =
    "Eigenen Starplayer erstellen.\nOder löschen, wenn schon\nein Spieler gebaut wurde";

// The slot buttons: what they do for an empty slot, and that both remove a filled one.
constexpr const char* kBuyText = "Kaufen...";
constexpr const char* kBuildText = "Bauen...";
constexpr const char* kRemoveText = "Löschen";

constexpr int kSummarySeparatorLength = 74;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Name(const char* base, int number) { return QString::fromLatin1(base) + QString::number(number); }

CountSpinBox* NewCount(QWidget* parent, const QString& objectName) {
  auto* box = new CountSpinBox(parent);
  box->setObjectName(objectName);
  return box;
}

// A check box whose text stands in front of the box, as "Sani: [x]".
QCheckBox* NewLeftTextCheckBox(const QString& text, QWidget* parent, const char* objectName) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setLayoutDirection(Qt::RightToLeft);
  return box;
}

QLineEdit* NewReadOnly(QWidget* parent, const QString& objectName) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  SetReadOnlyLook(edit);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

}  // namespace

TeamCreationDialog::TeamCreationDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(CreationCaption(m_Rasse)));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setSizeGripEnabled(true);

  // Name and remaining gold.
  auto* nameLabel = new QLabel(QStringLiteral("&Name des Teams: "), this);
  m_pName = new QLineEdit(this);
  m_pName->setObjectName(QStringLiteral("teamName"));
  m_pName->setMaxLength(static_cast<int>(kMaxTeamNameLength));
  nameLabel->setBuddy(m_pName);
  auto* goldLabel = new QLabel(QStringLiteral("Restliches Gold:"), this);
  m_pRestgold = NewReadOnly(this, QStringLiteral("restgold"));
  m_pRestgold->setAlignment(Qt::AlignRight);
  m_pRestgold->setMinimumWidth(m_pRestgold->fontMetrics().horizontalAdvance(QStringLiteral("-9.999.999.999")) + 12);
  m_pRestgold->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  goldLabel->setBuddy(m_pRestgold);

  auto* top = new QHBoxLayout;
  top->addWidget(nameLabel);
  top->addWidget(m_pName, 1);
  top->addSpacing(16);
  top->addWidget(goldLabel);
  top->addWidget(m_pRestgold);

  // Players: one row per position with its maximum and the number bought.
  auto* players = new QGroupBox(QStringLiteral("Spieler"), this);
  players->setObjectName(QStringLiteral("players"));
  auto* playerGrid = new QGridLayout(players);
  auto* maxHeading = new QLabel(QStringLiteral("Max."), players);
  auto* countHeading = new QLabel(QStringLiteral("Anzahl"), players);
  maxHeading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  countHeading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  playerGrid->addWidget(maxHeading, 0, 1);
  playerGrid->addWidget(countHeading, 0, 2);
  for (int k = 0; k < kCreationRows; ++k) {
    m_pRowLabel[k] = new QLabel(players);
    m_pRowLabel[k]->setObjectName(Name("rowLabel", k + 1));
    m_pRowLabel[k]->setMinimumWidth(m_pRowLabel[k]->fontMetrics().horizontalAdvance(QStringLiteral("Zwerg-Langbart ")));
    m_pRowMax[k] = NewReadOnly(players, Name("rowMax", k + 1));
    m_pRowMax[k]->setAlignment(Qt::AlignRight);
    m_pRowMax[k]->setFixedWidth(m_pRowMax[k]->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14);
    m_pRowCount[k] = NewCount(players, Name("rowCount", k + 1));
    m_pRowLabel[k]->setBuddy(m_pRowCount[k]);
    playerGrid->addWidget(m_pRowLabel[k], k + 1, 0);
    playerGrid->addWidget(m_pRowMax[k], k + 1, 1);
    playerGrid->addWidget(m_pRowCount[k], k + 1, 2);
  }
  playerGrid->setColumnStretch(0, 1);

  // Re-rolls and fan factor.
  auto* teamValues = new QGroupBox(QStringLiteral("Teamwerte"), this);
  auto* teamForm = new QFormLayout(teamValues);
  m_pTrainingsmarken = NewCount(teamValues, QStringLiteral("rerolls"));
  m_pFanFaktor = NewCount(teamValues, QStringLiteral("fanFactor"));
  teamForm->addRow(QStringLiteral("Trainings&marken: "), m_pTrainingsmarken);
  teamForm->addRow(QStringLiteral("&Fan-Faktor: "), m_pFanFaktor);

  // Staff.
  auto* staff = new QGroupBox(QStringLiteral("Personal"), this);
  auto* staffForm = new QFormLayout(staff);
  m_pCheerleader = NewCount(staff, QStringLiteral("cheerleaders"));
  m_pCoTrainer = NewCount(staff, QStringLiteral("coTrainers"));
  staffForm->addRow(QStringLiteral("&CheerleaderInnen: "), m_pCheerleader);
  staffForm->addRow(QStringLiteral("Co&TrainerInnen: "), m_pCoTrainer);
  m_pSani = NewLeftTextCheckBox(QStringLiteral("&Sani: "), staff, "apothecary");
  m_pZauberer = NewLeftTextCheckBox(QString::fromUtf8(WizardCheckBoxLabel(m_Rasse)), staff, "wizard");
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(m_pSani);
  boxes->addSpacing(12);
  boxes->addWidget(m_pZauberer);
  boxes->addStretch(1);
  staffForm->addRow(boxes);

  // Star players: four slots, each bought from the catalogue or built.
  auto* stars = new QGroupBox(QStringLiteral("Starspieler"), this);
  stars->setObjectName(QStringLiteral("stars"));
  auto* starGrid = new QGridLayout(stars);
  for (int slot = 0; slot < kStarSlots; ++slot) {
    auto* label = new QLabel(QStringLiteral("%1:").arg(slot + 1), stars);
    m_pStarName[slot] = NewReadOnly(stars, Name("starName", slot + 1));
    m_pStarBuy[slot] = new QPushButton(stars);
    m_pStarBuy[slot]->setObjectName(Name("starBuy", slot + 1));
    m_pStarBuy[slot]->setToolTip(QuickHelpText(kBuyTooltip));
    m_pStarBuy[slot]->setAutoDefault(false);
    m_pStarBuild[slot] = new QPushButton(stars);
    m_pStarBuild[slot]->setObjectName(Name("starBuild", slot + 1));
    m_pStarBuild[slot]->setToolTip(QuickHelpText(kBuildTooltip));
    m_pStarBuild[slot]->setAutoDefault(false);
    starGrid->addWidget(label, slot, 0);
    starGrid->addWidget(m_pStarName[slot], slot, 1);
    starGrid->addWidget(m_pStarBuy[slot], slot, 2);
    starGrid->addWidget(m_pStarBuild[slot], slot, 3);
    connect(m_pStarBuy[slot], &QPushButton::clicked, this, [this, slot] { BuyButton(slot); });
    connect(m_pStarBuild[slot], &QPushButton::clicked, this, [this, slot] { BuildButton(slot); });
    ShowStarSlot(slot);
  }
  starGrid->setColumnStretch(1, 1);

  // The cost summary.
  auto* expenses = new QGroupBox(QStringLiteral("Ausgaben"), this);
  expenses->setObjectName(QStringLiteral("expenses"));
  auto* expensesLayout = new QVBoxLayout(expenses);
  m_pSummary = new QListWidget(expenses);
  m_pSummary->setObjectName(QStringLiteral("summary"));
  m_pSummary->setSelectionMode(QAbstractItemView::NoSelection);
  m_pSummary->setFocusPolicy(Qt::NoFocus);
  m_pSummary->setMinimumWidth(
      m_pSummary->fontMetrics().horizontalAdvance(QString(kSummarySeparatorLength, QLatin1Char('-'))) + 24);
  expensesLayout->addWidget(m_pSummary);

  auto* erstellen = new QPushButton(QStringLiteral("&Erstellen"), this);
  erstellen->setObjectName(QStringLiteral("erstellen"));
  erstellen->setDefault(true);
  auto* abbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
  abbruch->setObjectName(QStringLiteral("abbruch"));
  abbruch->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(erstellen);
  buttons->addWidget(abbruch);

  auto* staffRow = new QHBoxLayout;
  staffRow->addWidget(teamValues);
  staffRow->addWidget(staff);
  // Everything to choose on the left, the cost summary beside it over the whole height, so
  // that no corner stays empty.
  auto* left = new QVBoxLayout;
  left->addWidget(players, 1);
  left->addLayout(staffRow);
  left->addWidget(stars);
  auto* middle = new QHBoxLayout;
  middle->addLayout(left);
  middle->addWidget(expenses, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);

  setTabOrder(m_pName, m_pRowCount[0]);
  for (int k = 1; k < kCreationRows; ++k) setTabOrder(m_pRowCount[k - 1], m_pRowCount[k]);
  setTabOrder(m_pRowCount[kCreationRows - 1], m_pTrainingsmarken);
  setTabOrder(m_pTrainingsmarken, m_pFanFaktor);
  setTabOrder(m_pFanFaktor, m_pCheerleader);
  setTabOrder(m_pCheerleader, m_pCoTrainer);
  setTabOrder(m_pCoTrainer, m_pSani);
  setTabOrder(m_pSani, m_pZauberer);

  connect(m_pName, &QLineEdit::textChanged, this, [this](const QString& text) { m_TeamName = text.toStdString(); });
  for (CountSpinBox* box : m_pRowCount) connect(box, &QSpinBox::valueChanged, this, &TeamCreationDialog::FieldChanged);
  for (CountSpinBox* box : {m_pTrainingsmarken, m_pFanFaktor, m_pCheerleader, m_pCoTrainer})
    connect(box, &QSpinBox::valueChanged, this, &TeamCreationDialog::FieldChanged);
  connect(m_pSani, &QCheckBox::toggled, this, &TeamCreationDialog::FieldChanged);
  connect(m_pZauberer, &QCheckBox::toggled, this, &TeamCreationDialog::FieldChanged);
  connect(erstellen, &QPushButton::clicked, this, &TeamCreationDialog::accept);
  connect(abbruch, &QPushButton::clicked, this, &TeamCreationDialog::reject);

  resize(880, 540);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

void TeamCreationDialog::setVisible(bool visible) {
  if (visible && !m_bOpened) Open();
  QDialog::setVisible(visible);
}

void TeamCreationDialog::Open() {
  m_bOpened = true;
  if (!OpenTeamBudget(*this)) WarningBox(this, QString::fromUtf8(kInvalidRaceMessage));
  setWindowTitle(Q(CreationCaption(m_Rasse)));

  const bool staffAllowed = ApothecaryAndWizardEnabled(m_Rasse);
  m_pSani->setEnabled(staffAllowed);
  m_pZauberer->setEnabled(staffAllowed);
  m_pZauberer->setText(QString::fromUtf8(WizardCheckBoxLabel(m_Rasse)));

  for (int k = 0; k < kCreationRows; ++k) {
    const bool enabled = PositionRowEnabled(*this, k + 1);
    m_pRowLabel[k]->setText(Q(PositionRowLabel(*this, k + 1)));
    m_pRowMax[k]->setText(m_Max[k] > 0 ? QString::number(m_Max[k]) : QString());
    m_pRowCount[k]->SetSpinRange(0, enabled ? m_Max[k] : 0);
    for (QWidget* w : {static_cast<QWidget*>(m_pRowLabel[k]), static_cast<QWidget*>(m_pRowMax[k]),
                       static_cast<QWidget*>(m_pRowCount[k])})
      w->setEnabled(enabled);
  }
  m_pTrainingsmarken->SetSpinRange(0, kMaxRerollsAtCreation);
  m_pFanFaktor->SetSpinRange(kMinFanFactorAtCreation, kMaxFanFactorAtCreation);
  m_pCoTrainer->SetSpinRange(0, kMaxCoTrainersAtCreation);
  m_pCheerleader->SetSpinRange(0, kMaxCheerleadersAtCreation);

  m_bShowing = true;
  m_pName->setText(Q(m_TeamName));
  m_bShowing = false;
  ShowFields();
}

void TeamCreationDialog::ReadControls() {
  m_TeamName = m_pName->text().toStdString();
  for (int k = 0; k < kCreationRows; ++k) m_Anzahl[k] = m_pRowCount[k]->value();
  m_Trainingsmarken = m_pTrainingsmarken->value();
  m_FanFaktor = m_pFanFaktor->value();
  m_Cheerleader = m_pCheerleader->value();
  m_CoTrainer = m_pCoTrainer->value();
  m_Sani = m_pSani->isChecked();
  m_Zauberer = m_pZauberer->isChecked();
}

void TeamCreationDialog::FieldChanged() {
  if (m_bShowing || !m_bOpened) return;
  ReadControls();
  // A value outside a field's range is named once; the recomputation then clamps what
  // lies above the range, and a fan factor of 0 waits for the coach to correct it.
  const auto problem = BudgetRangeProblem(*this);
  const QString text = problem ? Q(*problem) : QString();
  if (!text.isEmpty() && text != m_strRangeProblemShown) {
    m_strRangeProblemShown = text;
    WarningBox(this, text);
  } else if (text.isEmpty()) {
    m_strRangeProblemShown.clear();
  }
  RecomputeTeamBudget(*this);
  ShowFields();
}

void TeamCreationDialog::ShowFields() {
  m_bShowing = true;
  for (int k = 0; k < kCreationRows; ++k) m_pRowCount[k]->setValue(m_Anzahl[k]);
  m_pTrainingsmarken->setValue(m_Trainingsmarken);
  m_pFanFaktor->setValue(m_FanFaktor);
  m_pCheerleader->setValue(m_Cheerleader);
  m_pCoTrainer->setValue(m_CoTrainer);
  m_pSani->setChecked(m_Sani);
  m_pZauberer->setChecked(m_Zauberer);
  m_pRestgold->setText(Q(FormatGoldNumber(m_Restgold)));
  for (int slot = 0; slot < kStarSlots; ++slot) ShowStarSlot(slot);
  ShowSummary();
  m_bShowing = false;
}

void TeamCreationDialog::ShowSummary() {
  // The lines are replaced in place, so the list stays where the coach scrolled it.
  const int scrolledTo = m_pSummary->verticalScrollBar()->value();
  const std::vector<std::string> lines = BudgetSummaryLines(*this);
  const int count = static_cast<int>(lines.size());
  while (m_pSummary->count() > count) delete m_pSummary->takeItem(m_pSummary->count() - 1);
  for (int i = 0; i < count; ++i) {
    if (i < m_pSummary->count()) m_pSummary->item(i)->setText(Q(lines[i]));
    else m_pSummary->addItem(Q(lines[i]));
  }
  m_pSummary->verticalScrollBar()->setValue(scrolledTo);
}

void TeamCreationDialog::ShowStarSlot(int slot) {
  const bool filled = m_Starplayer[slot].has_value();
  m_pStarName[slot]->setText(Q(m_Starname[slot]));
  m_pStarName[slot]->setCursorPosition(0);
  m_pStarBuy[slot]->setText(QString::fromUtf8(filled ? kRemoveText : kBuyText));
  m_pStarBuild[slot]->setText(QString::fromUtf8(filled ? kRemoveText : kBuildText));
}

void TeamCreationDialog::BuyButton(int slot) {
  if (m_Starplayer[slot]) {
    SetStarSlot(*this, slot, std::nullopt);
  } else {
    // At creation the offer is measured against the starting capital, not the gold left.
    StarPlayerChoiceDialog selection(m_Rasse, nullptr, m_Startkapital, false, this);
    if (selection.exec() != QDialog::Accepted) return;
    std::optional<CKRSpieler> star = selection.Result();
    if (!star) return;
    star->m_strPosition = "Starplayer";
    SetStarSlot(*this, slot, std::move(star));
  }
  ShowStarSlot(slot);
  FieldChanged();
}

void TeamCreationDialog::BuildButton(int slot) {
  if (m_Starplayer[slot]) {
    SetStarSlot(*this, slot, std::nullopt);
  } else {
    StarPlayerBuilderDialog builder(m_Startkapital, false, this);
    if (builder.exec() != QDialog::Accepted) return;
    std::optional<CKRSpieler> star = builder.Result();
    if (!star) return;
    SetStarSlot(*this, slot, std::move(star));
  }
  ShowStarSlot(slot);
  FieldChanged();
}

void TeamCreationDialog::accept() {
  if (!m_bOpened) return;
  ReadControls();
  RecomputeTeamBudget(*this);
  ShowFields();
  if (const auto refusal = CheckTeamCreation(*this)) {
    WarningBox(this, Q(*refusal));
    return;
  }
  QDialog::accept();
}

}  // namespace krv
