#include "create/qt/StarPlayerChoiceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "create/PlayerBuilder.h"
#include "ui/ListColumns.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

constexpr int kColumnCount = 7;
constexpr int kNameColumn = 0;
constexpr int kSkillsColumn = 6;

// The list marks no row before the coach chooses one: getting the focus does not make the
// first row current (which looks chosen while "&Übernehmen" is still disabled); the arrow
// keys and a click choose a row.
class OfferList : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const bool hadCurrent = currentIndex().isValid();
    QTreeWidget::focusInEvent(event);
    if (!hadCurrent && selectedItems().isEmpty()) selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
  }
};

}  // namespace

StarPlayerChoiceDialog::StarPlayerChoiceDialog(int32_t race, const CKRTeam* team, int32_t startingCapital,
                                               bool useTeamGold, QWidget* parent)
    : QDialog(parent) {
  m_Request.m_nRace = race;
  m_Request.m_pTeam = team;
  m_Request.m_bUseTeamGold = useTeamGold;
  m_Request.m_nStartingCapital = startingCapital;
  setWindowTitle(QStringLiteral("Starspieler kaufen"));
  setObjectName(QStringLiteral("StarPlayerChoiceDialog"));

  m_pList = new OfferList(this);
  m_pList->setObjectName(QStringLiteral("list"));
  m_pList->setColumnCount(kColumnCount);
  m_pList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Wert"), QStringLiteral("BW"), QStringLiteral("ST"),
                            QStringLiteral("GE"), QStringLiteral("RW"), QStringLiteral("Fertigkeiten")});
  m_pList->setRootIsDecorated(false);
  m_pList->setUniformRowHeights(true);
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->setAllColumnsShowFocus(true);
  m_pList->setMinimumHeight(m_pList->fontMetrics().height() * 8);
  const int widths[kColumnCount] = {190, 60, 35, 35, 35, 35, 400};
  for (int column = 0; column < kColumnCount; ++column) {
    m_pList->header()->resizeSection(column, widths[column]);
    if (column != kNameColumn && column != kSkillsColumn)
      m_pList->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  RememberColumns(m_pList->header(), QString::fromLatin1(kListName));
  connect(m_pList, &QTreeWidget::itemSelectionChanged, this, [this] {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    Take(selected.isEmpty() ? nullptr : selected.first());
  });

  // A double click takes the player at once.
  connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    Take(item);
    Uebernehmen();
  });

  m_pCard = new QCheckBox(QString::fromUtf8(kBuilderCardLabel), this);
  m_pCard->setObjectName(QStringLiteral("card"));
  connect(m_pCard, &QCheckBox::toggled, this, [this] { CardToggled(); });

  auto* buttons = new QDialogButtonBox(this);
  m_pUebernehmen = buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
  m_pUebernehmen->setObjectName(QStringLiteral("uebernehmen"));
  m_pUebernehmen->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("abbruch"));
  connect(m_pUebernehmen, &QPushButton::clicked, this, [this] { Uebernehmen(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_pCard);
  bottom->addStretch(1);
  bottom->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pList, 1);
  layout->addLayout(bottom);
  resize(960, 420);

  Fill();
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

int StarPlayerChoiceDialog::exec() {
  if (m_Offers.empty()) {
    BankMessageBox(parentWidget(), QString::fromUtf8(kNoStarOfferMessage));
    setResult(QDialog::Rejected);
    return QDialog::Rejected;
  }
  return QDialog::exec();
}

std::optional<CKRSpieler> StarPlayerChoiceDialog::Result() const {
  if (!m_bAccepted) return std::nullopt;
  return m_Result;
}

void StarPlayerChoiceDialog::Fill() {
  m_pList->clear();
  m_Result.reset();
  m_pUebernehmen->setEnabled(false);
  m_Offers = StarOffers(m_Request);
  for (const StarOfferRow& offer : m_Offers) {
    const std::array<std::string, 7> columns = offer.Columns();
    auto* item = new QTreeWidgetItem(m_pList);
    for (int column = 0; column < kColumnCount; ++column) {
      item->setText(column, QString::fromStdString(columns[static_cast<size_t>(column)]));
      if (column != kNameColumn && column != kSkillsColumn)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    item->setToolTip(kSkillsColumn, item->text(kSkillsColumn));
  }
}

void StarPlayerChoiceDialog::CardToggled() {
  m_Request.m_bCard = m_pCard->isChecked();
  Fill();
  if (m_Offers.empty()) {
    BankMessageBox(this, QString::fromUtf8(kNoStarOfferMessage));
    reject();
  }
}

void StarPlayerChoiceDialog::Take(QTreeWidgetItem* item) {
  if (!item) return;
  m_Result = TakeStarOffer(item->text(kNameColumn).toStdString());
  if (m_Result) m_pUebernehmen->setEnabled(true);
}

void StarPlayerChoiceDialog::Uebernehmen() {
  const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
  if (!selected.isEmpty()) Take(selected.first());
  if (!m_Result) return;
  m_bAccepted = true;
  accept();
}

}  // namespace krv
