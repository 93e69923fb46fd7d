#include "create/qt/StarPlayerBuilderDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Gold.h"
#include "ui/ListColumns.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"
#include "ui/QuickHelp.h"
#include "ui/ReadOnlyLook.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

constexpr int kNameColumn = 0;
constexpr int kCategoryColumn = 1;

// A characteristic field: the arrows stay within the characteristic's range, but a typed
// value outside it is taken, so that the builder can hold it back and beep.
class CharacteristicSpin : public QSpinBox {
 public:
  CharacteristicSpin(int low, int high, QWidget* parent) : QSpinBox(parent), m_nLow(low), m_nHigh(high) {
    setRange(0, 99);
    setKeyboardTracking(false);  // a typed number counts once it is complete
    setAlignment(Qt::AlignRight);
  }

 protected:
  // Enter confirms the typed number; it does not press "&Kaufen".
  void keyPressEvent(QKeyEvent* event) override {
    QSpinBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  }

  StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (value() > m_nLow) enabled |= StepDownEnabled;
    if (value() < m_nHigh) enabled |= StepUpEnabled;
    return enabled;
  }

 private:
  int m_nLow;
  int m_nHigh;
};

QLineEdit* ReadOnlyField(const QString& objectName, QWidget* parent, int widthChars = 0) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  SetReadOnlyLook(field);
  field->setFocusPolicy(Qt::NoFocus);
  field->setAlignment(Qt::AlignRight);
  if (widthChars > 0) {
    const int width = field->fontMetrics().horizontalAdvance(QString(widthChars, QLatin1Char('0'))) + 16;
    field->setMinimumWidth(width);
    field->setMaximumWidth(width);
  }
  return field;
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

StarPlayerBuilderDialog::StarPlayerBuilderDialog(const PlayerBuilder& preset, int32_t gold, QWidget* parent)
    : QDialog(parent), m_Builder(preset), m_nGold(gold) {
  setWindowTitle(QString::fromUtf8(kBuilderCaption));
  setObjectName(QStringLiteral("StarPlayerBuilderDialog"));
  BuildControls();
  FillSkillList();
  ShowFields();  // the preset into the controls, then everything from the controls
  Recompute();
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

StarPlayerBuilderDialog::StarPlayerBuilderDialog(int32_t gold, bool purchaseMode, QWidget* parent)
    : StarPlayerBuilderDialog(
          [purchaseMode] {
            PlayerBuilder preset;
            preset.m_bPurchaseMode = purchaseMode;
            return preset;
          }(),
          gold, parent) {}

std::optional<CKRSpieler> StarPlayerBuilderDialog::Result() const {
  if (!m_bAccepted) return std::nullopt;
  return BuiltStarRecord(m_Builder);
}

void StarPlayerBuilderDialog::BuildControls() {
  // Kind and name.
  m_pKindLabel = new QLabel(QStringLiteral("A&rt: "), this);
  auto* kind = new QLineEdit(QString::fromUtf8(BuilderKindName(m_Builder.m_nKind)), this);
  kind->setObjectName(QStringLiteral("kind"));
  SetReadOnlyLook(kind);
  kind->setFocusPolicy(Qt::NoFocus);
  m_pKindLabel->setBuddy(kind);

  m_pName = new QLineEdit(this);
  m_pName->setObjectName(QStringLiteral("name"));
  m_pName->setMaxLength(static_cast<int>(kBuilderNameMaxLength));
  m_pName->setText(Utf8(m_Builder.m_strName));
  m_pName->setEnabled(IsBuilderNameEditable(m_Builder.m_nKind));
  auto* nameLabel = new QLabel(QStringLiteral("&Name: "), this);
  nameLabel->setBuddy(m_pName);

  auto* top = new QGridLayout;
  top->addWidget(m_pKindLabel, 0, 0);
  top->addWidget(kind, 0, 1);
  top->addWidget(nameLabel, 1, 0);
  top->addWidget(m_pName, 1, 1);
  top->setColumnStretch(1, 1);

  // The four characteristics.
  struct Characteristic {
    QSpinBox** field;
    const char* objectName;
    const char* label;
    const char* tooltip;
    int low, high;
  };
  const Characteristic characteristics[] = {
      {&m_pBW, "bw", "&BW:", "Bewegung.", kBuilderMinBW, kBuilderMaxBW},
      {&m_pST, "st", "&ST:", "Stärkewert.", kBuilderMinST, kBuilderMaxST},
      {&m_pGE, "ge", "&GE:", "Geschicklichkeit.", kBuilderMinGE, kBuilderMaxGE},
      {&m_pRW, "rw", "&RW:", "Rüstungswert.", kBuilderMinRW, kBuilderMaxRW},
  };
  auto* values = new QHBoxLayout;
  for (const Characteristic& c : characteristics) {
    auto* spin = new CharacteristicSpin(c.low, c.high, this);
    spin->setObjectName(QString::fromLatin1(c.objectName));
    spin->setToolTip(QuickHelpText(c.tooltip));
    auto* label = new QLabel(QString::fromUtf8(c.label), this);
    label->setBuddy(spin);
    values->addWidget(label);
    values->addWidget(spin);
    values->addSpacing(12);
    *c.field = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this] { Recompute(); });
  }
  values->addStretch(1);

  // The skills and the description of the last clicked one.
  m_pSkills = new QTreeWidget(this);
  m_pSkills->setObjectName(QStringLiteral("skills"));
  m_pSkills->setColumnCount(2);
  m_pSkills->setHeaderLabels({QStringLiteral("Fertigkeit"), QStringLiteral("Kategorie")});
  m_pSkills->setRootIsDecorated(false);
  m_pSkills->setUniformRowHeights(true);
  m_pSkills->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_pSkills->setAllColumnsShowFocus(true);
  m_pSkills->header()->resizeSection(kNameColumn, 200);
  m_pSkills->header()->resizeSection(kCategoryColumn, 160);
  m_pSkills->setToolTip(QuickHelpText(kBuilderSkillListTooltip));
  m_pSkills->setMinimumSize(380, m_pSkills->fontMetrics().height() * 12);
  RememberColumns(m_pSkills->header(), QString::fromLatin1(kListName));
  connect(m_pSkills, &QTreeWidget::itemSelectionChanged, this, [this] { Recompute(); });
  connect(m_pSkills, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { SkillClicked(item); });
  connect(m_pSkills, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { SkillClicked(item); });

  m_pDescription = new QPlainTextEdit(this);
  m_pDescription->setObjectName(QStringLiteral("description"));
  m_pDescription->setReadOnly(true);
  m_pDescription->setToolTip(QuickHelpText("Beschreibung der gewählten Fertigkeit."));
  m_pDescription->setMinimumWidth(220);
  auto* descriptionBox = new QGroupBox(QStringLiteral("Beschreibung"), this);
  auto* descriptionLayout = new QVBoxLayout(descriptionBox);
  descriptionLayout->addWidget(m_pDescription);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(m_pSkills);
  splitter->addWidget(descriptionBox);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  // The counts per category and the disadvantages.
  auto* countsBox = new QGroupBox(QStringLiteral("Anzahl der Fertigkeiten"), this);
  auto* counts = new QGridLayout(countsBox);
  for (int i = 0; i < kBuilderCategoryCount; ++i) {
    m_pCounts[i] = ReadOnlyField(QStringLiteral("count%1").arg(i), this, 3);
    m_pCounts[i]->setToolTip(QuickHelpText("Anzahl der Fertigkeiten."));
    counts->addWidget(new QLabel(QString::fromUtf8(kBuilderCategoryNames[static_cast<size_t>(i)]), this), 0, i);
    counts->addWidget(m_pCounts[i], 1, i);
  }
  m_pDisadvantages = ReadOnlyField(QStringLiteral("disadvantages"), this, 3);
  counts->addWidget(new QLabel(QStringLiteral("Nachteile"), this), 0, kBuilderCategoryCount);
  counts->addWidget(m_pDisadvantages, 1, kBuilderCategoryCount);

  m_pWarnings = new QLabel(this);
  m_pWarnings->setObjectName(QStringLiteral("warnings"));
  m_pWarnings->setWordWrap(true);
  m_pWarnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QPalette warningPalette = m_pWarnings->palette();
  warningPalette.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
  m_pWarnings->setPalette(warningPalette);

  // Points, value and the card.
  m_pPoints = ReadOnlyField(QStringLiteral("points"), this, 4);
  m_pValue = ReadOnlyField(QStringLiteral("value"), this, 9);
  m_pCard = new QCheckBox(QString::fromUtf8(kBuilderCardLabel), this);
  m_pCard->setObjectName(QStringLiteral("card"));
  m_pCard->setChecked(m_Builder.m_bCard);
  m_pCard->setEnabled(m_Builder.m_bPurchaseMode);
  connect(m_pCard, &QCheckBox::toggled, this, [this](bool on) { m_Builder.m_bCard = on; });

  auto* result = new QHBoxLayout;
  result->addWidget(new QLabel(QStringLiteral("Punkte:"), this));
  result->addWidget(m_pPoints);
  result->addSpacing(12);
  result->addWidget(new QLabel(QStringLiteral("Wert:"), this));
  result->addWidget(m_pValue);
  result->addSpacing(24);
  result->addWidget(m_pCard);
  result->addStretch(1);

  auto* buttons = new QDialogButtonBox(this);
  m_pKaufen = buttons->addButton(QStringLiteral("&Kaufen"), QDialogButtonBox::AcceptRole);
  m_pKaufen->setObjectName(QStringLiteral("kaufen"));
  m_pKaufen->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("abbruch"));
  connect(m_pKaufen, &QPushButton::clicked, this, [this] { Kaufen(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(values);
  layout->addWidget(splitter, 1);
  layout->addWidget(countsBox);
  layout->addWidget(m_pWarnings);
  layout->addLayout(result);
  layout->addWidget(buttons);
  resize(760, 560);
}

void StarPlayerBuilderDialog::FillSkillList() {
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
  m_bUpdating = true;
  for (const BuilderSkillRow& row : BuilderSkillRows(m_Builder.m_nKind, m_Builder.m_bMutation)) {
    auto* item = new QTreeWidgetItem(m_pSkills);
    item->setText(kNameColumn, QString::fromUtf8(row.m_pSkill->m_pszName));
    item->setText(kCategoryColumn, QString::fromUtf8(row.m_pSkill->m_pszCategory));
    if (row.m_bGrey) {
      item->setForeground(kNameColumn, grey);
      item->setForeground(kCategoryColumn, grey);
      item->setData(kNameColumn, Qt::UserRole, true);  // grey: not normally allowed
    }
    for (const std::string& chosen : m_Builder.m_SelectedSkills)
      if (chosen == row.m_pSkill->m_pszName) item->setSelected(true);
  }
  m_bUpdating = false;
}

void StarPlayerBuilderDialog::ReadControls() {
  m_Builder.m_strName = m_pName->text().toStdString();
  m_Builder.m_nBW = m_pBW->value();
  m_Builder.m_nST = m_pST->value();
  m_Builder.m_nGE = m_pGE->value();
  m_Builder.m_nRW = m_pRW->value();
  m_Builder.m_bCard = m_pCard->isChecked();
  m_Builder.m_SelectedSkills.clear();
  for (int i = 0; i < m_pSkills->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = m_pSkills->topLevelItem(i);
    if (item->isSelected()) m_Builder.m_SelectedSkills.push_back(item->text(kNameColumn).toStdString());
  }
}

void StarPlayerBuilderDialog::ShowFields() {
  m_bUpdating = true;
  m_pBW->setValue(m_Builder.m_nBW);
  m_pST->setValue(m_Builder.m_nST);
  m_pGE->setValue(m_Builder.m_nGE);
  m_pRW->setValue(m_Builder.m_nRW);
  for (int i = 0; i < kBuilderCategoryCount; ++i)
    m_pCounts[i]->setText(QString::number(m_Builder.m_nCounts[static_cast<size_t>(i)]));
  m_pDisadvantages->setText(QString::number(m_Builder.m_nDisadvantages));
  m_pPoints->setText(QString::number(m_Builder.m_nPoints));
  m_pValue->setText(Utf8(FormatGoldNumber(m_Builder.m_nValue)));
  m_pWarnings->setText(Utf8(m_Builder.m_strWarnings));
  if (m_pDescription->toPlainText() != Utf8(m_Builder.m_strDescription))
    m_pDescription->setPlainText(Utf8(m_Builder.m_strDescription));
  m_bUpdating = false;
}

void StarPlayerBuilderDialog::Recompute() {
  if (m_bUpdating) return;
  ReadControls();
  const bool beep = RecomputePlayerBuilder(m_Builder);
  ShowFields();
  if (beep) QApplication::beep();
}

void StarPlayerBuilderDialog::SkillClicked(QTreeWidgetItem* item) {
  if (m_bUpdating || !item) return;
  ShowBuilderSkill(m_Builder, item->text(kNameColumn).toStdString());
  ShowFields();
}

void StarPlayerBuilderDialog::Kaufen() {
  ReadControls();
  const ChangeOutcome check = PlayerBuilderKaufen(m_Builder, m_nGold);
  ShowFields();
  if (check.Refused()) {
    ShowNotice(this, check.refusal);
    return;
  }
  m_bAccepted = true;
  accept();
}

}  // namespace krv
