#include "create/qt/RaceChoiceDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

#include "create/RaceInformation.h"
#include "create/qt/OwnRaceDialog.h"
#include "model/Team.h"
#include "rules/Races.h"
#include "ui/MessageBoxes.h"
#include "ui/QuickHelp.h"
#include "ui/WindowPlacement.h"

namespace krv {

namespace {

constexpr const char* kNoRaceMessage = "Sie müssen erste eine der Rasse ausgewählt,\nbevor Sie Übernehmen anklicken!";

struct InformationColumn {
  const char* title;
  int width;
  bool rightAligned;
};

constexpr InformationColumn kColumns[] = {
    {"Bezeichnung", 110, false}, {"Anz.", 50, true}, {"Kosten", 80, true},
    {"Position", 120, false},    {"BW", 40, false},  {"ST", 40, false},
    {"GE", 40, false},           {"RW", 40, false},  {"Fertigkeiten", 300, false},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RaceChoiceDialog::RaceChoiceDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Auswahl der Teamrasse"));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setSizeGripEnabled(true);

  auto* raceLabel = new QLabel(QStringLiteral("&Rasse: "), this);
  m_pRace = new QComboBox(this);
  m_pRace->setObjectName(QStringLiteral("race"));
  for (int32_t race = 0; race < kEigeneRasse; ++race) m_pRace->addItem(QString::fromUtf8(g_RassenAnzeige[race]));
  m_pRace->setCurrentIndex(-1);
  m_pRace->setMaxVisibleItems(kEigeneRasse);
  m_pRace->setMinimumContentsLength(16);
  m_pRace->setToolTip(QuickHelpText("Wählen Sie hier bitte eine Rasse aus."));
  raceLabel->setBuddy(m_pRace);

  m_pEigenes = new QCheckBox(QStringLiteral("Eigenes Team generieren"), this);
  m_pEigenes->setObjectName(QStringLiteral("ownRace"));

  m_pInformation = new QTreeWidget(this);
  m_pInformation->setObjectName(QStringLiteral("information"));
  m_pInformation->setRootIsDecorated(false);
  m_pInformation->setUniformRowHeights(true);
  m_pInformation->setAllColumnsShowFocus(true);
  m_pInformation->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pInformation->setColumnCount(kColumnCount);
  m_pInformation->setToolTip(QuickHelpText("Hier sehen Sie die jeweiligen\nWerte und Kosten des Teams."));
  auto* headerItem = new QTreeWidgetItem;
  for (int c = 0; c < kColumnCount; ++c) {
    headerItem->setText(c, QString::fromUtf8(kColumns[c].title));
    if (kColumns[c].rightAligned) headerItem->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  }
  m_pInformation->setHeaderItem(headerItem);
  m_pInformation->header()->setStretchLastSection(true);
  for (int c = 0; c < kColumnCount; ++c) m_pInformation->setColumnWidth(c, kColumns[c].width);

  m_pUebernehmen = new QPushButton(QStringLiteral("&Übernehmen"), this);
  m_pUebernehmen->setObjectName(QStringLiteral("uebernehmen"));
  m_pUebernehmen->setDefault(true);
  m_pUebernehmen->setEnabled(false);
  auto* abbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
  abbruch->setObjectName(QStringLiteral("abbruch"));

  auto* top = new QHBoxLayout;
  top->addWidget(raceLabel);
  top->addWidget(m_pRace);
  top->addSpacing(24);
  top->addWidget(m_pEigenes);
  top->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_pUebernehmen);
  buttons->addWidget(abbruch);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_pInformation, 1);
  layout->addLayout(buttons);

  connect(m_pRace, &QComboBox::currentIndexChanged, this, &RaceChoiceDialog::RaceChosen);
  connect(m_pEigenes, &QCheckBox::toggled, this, &RaceChoiceDialog::OwnRaceToggled);
  connect(m_pUebernehmen, &QPushButton::clicked, this, &RaceChoiceDialog::accept);
  connect(abbruch, &QPushButton::clicked, this, &RaceChoiceDialog::reject);

  resize(900, 400);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

void RaceChoiceDialog::RaceChosen(int index) {
  if (index < 0 || m_Eigenes) return;
  ShowRace(index);
}

void RaceChoiceDialog::OwnRaceToggled(bool checked) {
  m_Eigenes = checked;
  if (checked) {
    {
      const QSignalBlocker blocker(m_pRace);
      m_pRace->setCurrentIndex(-1);
    }
    m_pRace->setEnabled(false);
    ShowRace(kEigeneRasse);
    return;
  }
  // Back to the fifteen races: nothing is chosen until the coach picks one again.
  m_pInformation->clear();
  m_pRace->setEnabled(true);
  m_pUebernehmen->setEnabled(false);
  m_Rasse = -1;
}

void RaceChoiceDialog::ShowRace(int32_t race) {
  if (race == m_Rasse) return;
  m_pUebernehmen->setEnabled(true);
  FillInformation(race);
  m_Rasse = race;
}

void RaceChoiceDialog::FillInformation(int32_t race) {
  m_pInformation->clear();
  for (const RaceInformationRow& row : RaceInformationRows(race)) {
    auto* item = new QTreeWidgetItem(m_pInformation);
    const std::string* texts[kColumnCount] = {&row.m_strBezeichnung, &row.m_strAnzahl, &row.m_strKosten,
                                              &row.m_strPosition,    &row.m_strBW,     &row.m_strST,
                                              &row.m_strGE,          &row.m_strRW,     &row.m_strFertigkeiten};
    for (int c = 0; c < kColumnCount; ++c) {
      item->setText(c, Q(*texts[c]));
      if (kColumns[c].rightAligned) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  // A column too narrow for its texts in the desktop's font grows; none ever shrinks.
  const QAbstractItemView* view = m_pInformation;
  for (int c = 0; c + 1 < kColumnCount; ++c)
    if (view->sizeHintForColumn(c) > m_pInformation->columnWidth(c))
      m_pInformation->setColumnWidth(c, view->sizeHintForColumn(c));
}

void RaceChoiceDialog::accept() {
  if (m_Eigenes) {
    OwnRaceDialog ownRace(m_TheTeam, m_Startkapital, this);
    if (ownRace.exec() == QDialog::Accepted) QDialog::accept();
    return;
  }
  if (m_Rasse == -1) {
    WarningBox(this, QString::fromUtf8(kNoRaceMessage));
    return;
  }
  QDialog::accept();
}

}  // namespace krv
