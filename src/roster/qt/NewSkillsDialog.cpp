#include "roster/qt/NewSkillsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "roster/NewSkills.h"
#include "ui/AppSettings.h"
#include "ui/ListColumns.h"
#include "ui/MultiLineText.h"
#include "ui/QuickHelp.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

constexpr int kAbbreviationColumn = 2;

constexpr const char* kListTip =
    "Auswahl der zur Verfügung stehenden Fertigkeiten.\nMit einem einfachen Klick bekommen Sie eine Beschreibung\n"
    "der Fertigkeit. Mit einem Doppelklick wählen Sie diese\nFertigkeit aus. Sie wird dann in die rechten Liste "
    "aufgenommen.";

}  // namespace

NewSkillsDialog::NewSkillsDialog(const std::string& currentSkills, QWidget* parent)
    : QDialog(parent), m_strCurrentSkills(currentSkills) {
  setObjectName(QStringLiteral("NewSkillsDialog"));
  setProperty("helpTopic", QStringLiteral("#PLAYER_FERTIGKEITEN"));
  setWindowTitle(QStringLiteral("Neue Fertigkeiten"));

  m_pList = new QTreeWidget(this);
  m_pList->setObjectName(QStringLiteral("skills"));
  m_pList->setHeaderLabels({QStringLiteral("Fertigkeit"), QStringLiteral("Kategorie"), QStringLiteral("Kürzel")});
  m_pList->setRootIsDecorated(false);
  m_pList->setUniformRowHeights(true);
  m_pList->setAllColumnsShowFocus(true);
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->header()->resizeSection(0, 190);
  m_pList->header()->resizeSection(1, 120);
  m_pList->header()->resizeSection(2, 70);
  m_pList->setToolTip(QuickHelpText(kListTip));
  m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
  for (const SFertigkeit* skill : NewSkillRows()) {
    auto* item = new QTreeWidgetItem(m_pList);
    item->setText(0, QString::fromUtf8(skill->m_pszName));
    item->setText(1, QString::fromUtf8(skill->m_pszCategory));
    item->setText(kAbbreviationColumn, QString::fromUtf8(skill->m_pszAbbreviation));
  }
  RememberColumns(m_pList->header(), QStringLiteral("NeueFertigkeitenListe"));
  // A click, a right-click and moving with the keyboard all show the rule text.
  connect(m_pList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { ShowDescription(item); });
  connect(m_pList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ShowDescription(item); });
  connect(m_pList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ShowDescription(m_pList->itemAt(at)); });
  connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Choose(item); });
  // Enter and Space on a row choose it as a double click does (Enter would end the dialog).
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)}) {
    auto* shortcut = new QShortcut(key, m_pList);
    shortcut->setContext(Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { Choose(m_pList->currentItem()); });
  }

  m_pDescription = new QPlainTextEdit(this);
  m_pDescription->setObjectName(QStringLiteral("description"));
  m_pDescription->setReadOnly(true);
  m_pDescription->setToolTip(QStringLiteral("Beschreibung der gewählten Fertigkeit."));
  auto* descriptionLabel = new QLabel(QStringLiteral("&Beschreibung"), this);
  descriptionLabel->setBuddy(m_pDescription);

  m_pChosen = new QListWidget(this);
  m_pChosen->setObjectName(QStringLiteral("chosen"));
  m_pChosen->setToolTip(QStringLiteral("Hier werden alle ausgewählten\nFertigkeiten angezeigt."));
  auto* loeschen = new QPushButton(style()->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("&Löschen"), this);
  loeschen->setObjectName(QStringLiteral("loeschen"));
  loeschen->setToolTip(QStringLiteral("Löscht alle oder die\nselektierten Einträge."));
  connect(loeschen, &QPushButton::clicked, this, &NewSkillsDialog::Loeschen);

  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(descriptionLabel);
  rightLayout->addWidget(m_pDescription, 2);
  rightLayout->addWidget(m_pChosen, 1);
  rightLayout->addWidget(loeschen, 0, Qt::AlignRight);

  m_pSplitter = new QSplitter(Qt::Horizontal, this);
  m_pSplitter->setObjectName(QStringLiteral("splitter"));
  m_pSplitter->addWidget(m_pList);
  m_pSplitter->addWidget(right);
  m_pSplitter->setChildrenCollapsible(false);

  m_pUebernehmen =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Übernehmen"), this);
  m_pUebernehmen->setObjectName(QStringLiteral("uebernehmen"));
  m_pUebernehmen->setToolTip(QStringLiteral("Gewählte Fertigkeit wird dem Spieler hinzugefügt."));
  m_pUebernehmen->setEnabled(false);
  m_pUebernehmen->setDefault(true);
  auto* zurueck =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Zurück"), this);
  zurueck->setObjectName(QStringLiteral("zurueck"));
  zurueck->setToolTip(QStringLiteral("Gewählte Fertigkeit wird dem Spieler\nnicht hinzugefügt."));
  connect(m_pUebernehmen, &QPushButton::clicked, this, &QDialog::accept);
  connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_pUebernehmen);
  buttons->addWidget(zurueck);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pSplitter, 1);
  layout->addLayout(buttons);
  resize(760, 460);
  RestoreSplitter();
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

std::string NewSkillsDialog::Result() const { return NewSkillsResult(m_Chosen, m_strCurrentSkills); }

void NewSkillsDialog::ShowDescription(QTreeWidgetItem* item) {
  if (!item) return;
  m_pDescription->setPlainText(ShownLines(NewSkillDescription(item->text(kAbbreviationColumn).toStdString())));
}

void NewSkillsDialog::Choose(QTreeWidgetItem* item) {
  if (!item) return;
  const std::string abbreviation = item->text(kAbbreviationColumn).toStdString();
  if (auto refusal = ChooseNewSkill(m_Chosen, abbreviation, m_strCurrentSkills)) {
    m_pDescription->setPlainText(ShownLines(*refusal));
    return;
  }
  m_pChosen->addItem(QString::fromStdString(abbreviation));
  m_pUebernehmen->setEnabled(true);
}

void NewSkillsDialog::Loeschen() {
  const int row = m_pChosen->currentRow();
  if (row >= 0 && m_pChosen->currentItem()->isSelected()) {
    delete m_pChosen->takeItem(row);
    m_Chosen.erase(m_Chosen.begin() + row);
  } else {
    m_pChosen->clear();
    m_Chosen.clear();
  }
  if (m_Chosen.empty()) {
    m_pUebernehmen->setEnabled(false);
    m_pDescription->clear();
  }
}

void NewSkillsDialog::RestoreSplitter() {
  const int share =
      std::clamp(AppSettings().value(QString::fromLatin1(kSplitterName), kSplitterDefault).toInt(), 10, 90);
  const int width = 1000;
  m_pSplitter->setSizes({width * share / 100, width * (100 - share) / 100});
}

void NewSkillsDialog::hideEvent(QHideEvent* event) {
  const QList<int> sizes = m_pSplitter->sizes();
  const int total = sizes.value(0) + sizes.value(1);
  if (total > 0) AppSettings().setValue(QString::fromLatin1(kSplitterName), sizes.value(0) * 100 / total);
  QDialog::hideEvent(event);
}

}  // namespace krv
