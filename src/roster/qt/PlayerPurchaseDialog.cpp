#include "roster/qt/PlayerPurchaseDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Gold.h"
#include "ui/ListColumns.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

constexpr int kColumns = 8;
constexpr int kPositionColumn = 2;
constexpr int kSkillsColumn = 7;

constexpr const char* kListTip =
    "Liste der zu kaufenden Spieler!\nIst die Liste leer, haben Sie schon 16 Spieler\n(und mehr ist auch nicht "
    "erlaubt!)\noder gar kein Geld um einen neuen Spieler zu kaufen.";

}  // namespace

PlayerPurchaseDialog::PlayerPurchaseDialog(const CKRTeam& team, int32_t maxSpieler, QWidget* parent)
    : QDialog(parent), m_Team(team), m_nTreasury(PurchaseTreasury(team)) {
  setObjectName(QStringLiteral("PlayerPurchaseDialog"));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setWindowTitle(QStringLiteral("Spielerkaufen"));

  m_pList = new QTreeWidget(this);
  m_pList->setObjectName(QStringLiteral("list"));
  m_pList->setHeaderLabels({QStringLiteral("Anz."), QStringLiteral("Kosten"), QStringLiteral("Position"),
                            QStringLiteral("BW"), QStringLiteral("ST"), QStringLiteral("GE"), QStringLiteral("RW"),
                            QStringLiteral("Fertigkeiten")});
  m_pList->setRootIsDecorated(false);
  m_pList->setUniformRowHeights(true);
  m_pList->setAllColumnsShowFocus(true);
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->setToolTip(QString::fromUtf8(kListTip));
  const int widths[kColumns] = {50, 60, 120, 40, 40, 40, 40, 300};
  for (int c = 0; c < kColumns; ++c) m_pList->header()->resizeSection(c, widths[c]);
  m_pList->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
  m_pList->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  RememberColumns(m_pList->header(), QString::fromLatin1(kListName));
  // A click on a row remembers it for "&Kaufen".
  connect(m_pList, &QTreeWidget::itemSelectionChanged, this, [this] {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty()) return;
    m_strChosenPosition = selected.first()->text(kPositionColumn).toStdString();
    m_pKaufen->setEnabled(true);
  });
  connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { Close(Choice::kKaufen); });

  m_pCard = new QCheckBox(QStringLiteral("Mit Karte: 'Spieler zum halben Preis'"), this);
  m_pCard->setObjectName(QStringLiteral("card"));
  connect(m_pCard, &QCheckBox::toggled, this, &PlayerPurchaseDialog::Fill);

  m_pBauen = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("&Bauen"), this);
  m_pBauen->setObjectName(QStringLiteral("bauen"));
  m_pBauen->setToolTip(QStringLiteral("Hier können Sie einen\nStarplayer generieren."));
  m_pStarplayer =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), QStringLiteral("&Starplayer"), this);
  m_pStarplayer->setObjectName(QStringLiteral("starplayer"));
  m_pStarplayer->setToolTip(QStringLiteral("Hier können Sie einen Starplayer aus\nder Liste auswählen."));
  m_pStarplayer->setEnabled(StarButtonEnabled(team, m_nTreasury, maxSpieler));
  m_pKaufen = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Kaufen"), this);
  m_pKaufen->setObjectName(QStringLiteral("kaufen"));
  m_pKaufen->setToolTip(QStringLiteral("Hiermit kaufen Sie den gewählten Spieler."));
  m_pKaufen->setDefault(true);
  auto* abbruch =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Abbruch"), this);
  abbruch->setObjectName(QStringLiteral("abbruch"));
  connect(m_pBauen, &QPushButton::clicked, this, [this] { Close(Choice::kBauen); });
  connect(m_pStarplayer, &QPushButton::clicked, this, [this] { Close(Choice::kStarplayer); });
  connect(m_pKaufen, &QPushButton::clicked, this, [this] { Close(Choice::kKaufen); });
  connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_pCard);
  buttons->addStretch(1);
  buttons->addWidget(m_pBauen);
  buttons->addWidget(m_pStarplayer);
  buttons->addWidget(m_pKaufen);
  buttons->addWidget(abbruch);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pList, 1);
  layout->addLayout(buttons);
  resize(780, 320);

  Fill();
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

PlayerPurchase PlayerPurchaseDialog::Purchase() const {
  return {m_strChosenPosition, std::nullopt, m_pCard->isChecked()};
}

void PlayerPurchaseDialog::Fill() {
  m_pList->clear();
  m_strChosenPosition.clear();
  m_pKaufen->setEnabled(false);
  m_Offers = PurchaseOffers(m_Team, m_nTreasury, m_pCard->isChecked());
  for (const PurchaseOffer& offer : m_Offers) {
    auto* item = new QTreeWidgetItem(m_pList);
    item->setText(0, QString::number(offer.m_nRemaining));
    item->setText(1, QString::fromStdString(FormatGoldNumber(offer.m_nCost)));
    item->setText(kPositionColumn, QString::fromStdString(offer.m_strPosition));
    item->setText(3, QString::number(offer.m_nBW));
    item->setText(4, QString::number(offer.m_nST));
    item->setText(5, QString::number(offer.m_nGE));
    item->setText(6, QString::number(offer.m_nRW));
    item->setText(kSkillsColumn, QString::fromStdString(offer.m_strSkills));
    item->setToolTip(kSkillsColumn, item->text(kSkillsColumn));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
}

void PlayerPurchaseDialog::Close(Choice choice) {
  if (choice == Choice::kKaufen && m_strChosenPosition.empty()) return;
  m_Choice = choice;
  accept();
}

}  // namespace krv
