#include "roster/qt/PlayerChangeDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/Format.h"
#include "roster/NewSkills.h"
#include "roster/qt/NewSkillsDialog.h"
#include "ui/MultiLineText.h"
#include "ui/PageSwitchKeys.h"
#include "ui/MessageBoxes.h"
#include "ui/OkCancelButtons.h"
#include "ui/ProgramServices.h"
#include "ui/ReadOnlyLook.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

constexpr const char* kCheatQuestion =
    "Sie wollen doch nicht etwa mogeln?\n(Natürlich nicht!)\n\nSie haben sich mit den Fertigkeiten\nvertan und "
    "wolle dieses jetzt korigieren?";

PlayerChangeDialog::AskTextFunction& AskText() {
  static PlayerChangeDialog::AskTextFunction function;
  return function;
}

std::optional<QString> AskWithInputBox(QWidget* parent, const QString& current) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, QStringLiteral("Fertikeitenabkürzungen ändern"),
                                             QStringLiteral("Bitte geben Sie die Fertikeitenabkürzungen: "),
                                             QLineEdit::Normal, current, &ok);
  if (!ok) return std::nullopt;
  return text;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Number(int32_t value) { return QString::number(value); }
int32_t ReadNumber(const QLineEdit* edit) { return edit->text().toInt(); }

}  // namespace

void PlayerChangeDialog::SetAskTextFunction(AskTextFunction function) { AskText() = std::move(function); }

PlayerChangeDialog::PlayerChangeDialog(const CKRSpieler& player, QWidget* parent) : QDialog(parent), m_Player(player) {
  setObjectName(QStringLiteral("PlayerChangeDialog"));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setWindowTitle(QStringLiteral("Spielerwerte ändern"));

  m_pTabs = new QTabWidget(this);
  m_pTabs->addTab(BuildValuesPage(), style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                  QStringLiteral("Spielerwert ändern"));
  m_pTabs->addTab(BuildCareerPage(), style()->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Lebenslauf"));
  AddPageSwitchKeys(m_pTabs);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pTabs, 1);
  layout->addWidget(buttons);

  ShowValues();
  // Star players learn no skills through "&Neu" and their points are not typed.
  if (IsStarCodeLocked(m_Player.m_nPositionCode)) {
    m_pNeu->setEnabled(false);
    SetReadOnlyLook(m_pSSP);
  }
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

QLineEdit* PlayerChangeDialog::AddNumber(const char* objectName, const char* toolTip) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(objectName));
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), edit));
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  if (toolTip) edit->setToolTip(QString::fromUtf8(toolTip));
  return edit;
}

QWidget* PlayerChangeDialog::BuildValuesPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("CPlayerChangePage1"));
  m_pNummer = AddNumber("nr", nullptr);
  m_pName = new QLineEdit(page);
  m_pName->setObjectName(QStringLiteral("name"));
  m_pPosition = new QLineEdit(page);
  m_pPosition->setObjectName(QStringLiteral("position"));
  m_pFertigkeiten = NewMultiLineEdit(page, QStringLiteral("fertigkeiten"));
  m_pFertigkeiten->setReadOnly(true);
  m_pFertigkeiten->setMaximumHeight(m_pFertigkeiten->fontMetrics().height() * 4);
  m_pFertigkeiten->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pFertigkeiten, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Fertigkeiten löschen..."), this, &PlayerChangeDialog::DeleteSkills);
    menu.addAction(QStringLiteral("Fertigkeitentexte ändern"), this, &PlayerChangeDialog::EditSkillTexts);
    menu.exec(m_pFertigkeiten->mapToGlobal(at));
  });
  m_pNeu = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("&Neu"), page);
  m_pNeu->setObjectName(QStringLiteral("neu"));
  m_pNeu->setToolTip(QStringLiteral("Wählen Sie hier neue\nFertigkeiten für Ihren\nSpieler aus."));
  connect(m_pNeu, &QPushButton::clicked, this, &PlayerChangeDialog::ChooseNewSkills);

  m_pBW = AddNumber("bw", "Bewegung.");
  m_pST = AddNumber("st", "Stärkewert.");
  m_pGE = AddNumber("ge", "Geschicklichkeit.");
  m_pRW = AddNumber("rw", "Rüstungswert.");
  m_pVerletzung = new QLineEdit(page);
  m_pVerletzung->setObjectName(QStringLiteral("verletzung"));
  m_pPass = AddNumber("pass", "Gelungene Pässe.");
  m_pTD = AddNumber("td", "Touchdowns insgesamt.");
  m_pABG = AddNumber("abg", "Abgefangener Pass.");
  m_pVSA = AddNumber("vsa", "Verursachte Spielerausfälle.");
  m_pSDT = AddNumber("sdt", "Wieviel mal Spieler des Tages.");
  m_pSSP = AddNumber("ssp", "Gesamte Starplayerpunkte.");
  m_pSteigerungen = AddNumber("steigerungen", nullptr);
  SetReadOnlyLook(m_pSteigerungen);
  connect(m_pSSP, &QLineEdit::textChanged, this, &PlayerChangeDialog::UpdateImprovements);

  auto labelled = [page](const char* text, QWidget* field) {
    auto* label = new QLabel(QString::fromUtf8(text), page);
    label->setBuddy(field);
    return label;
  };

  auto* identity = new QGridLayout;
  identity->addWidget(labelled("N&r", m_pNummer), 0, 0);
  identity->addWidget(m_pNummer, 0, 1);
  identity->addWidget(labelled("N&ame", m_pName), 0, 2);
  identity->addWidget(m_pName, 0, 3);
  identity->addWidget(labelled("P&osition", m_pPosition), 1, 2);
  identity->addWidget(m_pPosition, 1, 3);
  identity->addWidget(labelled("Fertigkeiten", m_pFertigkeiten), 2, 0, 1, 2, Qt::AlignTop);
  identity->addWidget(m_pFertigkeiten, 2, 2, 1, 2);
  identity->addWidget(m_pNeu, 2, 4, Qt::AlignTop);
  identity->setColumnStretch(3, 1);

  auto* characteristics = new QGroupBox(QStringLiteral("Eigenschaften"), page);
  auto* charLayout = new QHBoxLayout(characteristics);
  const std::pair<const char*, QLineEdit*> chars[] = {{"&BW", m_pBW}, {"&ST", m_pST}, {"&GE", m_pGE}, {"R&W", m_pRW}};
  for (const auto& [text, edit] : chars) {
    charLayout->addWidget(labelled(text, edit));
    charLayout->addWidget(edit);
  }
  charLayout->addStretch(1);

  auto* injury = new QHBoxLayout;
  injury->addWidget(labelled("Bleibende &Verletzung", m_pVerletzung));
  injury->addWidget(m_pVerletzung, 1);

  auto* counters = new QGroupBox(QStringLiteral("Starspielerpunkte"), page);
  auto* countersLayout = new QGridLayout(counters);
  const std::pair<const char*, QLineEdit*> counts[] = {{"Pass", m_pPass}, {"&TD", m_pTD},   {"ABG", m_pABG},
                                                       {"VSA", m_pVSA},   {"S&DT", m_pSDT}, {"SS&P", m_pSSP}};
  int column = 0;
  for (const auto& [text, edit] : counts) {
    countersLayout->addWidget(labelled(text, edit), 0, column, Qt::AlignHCenter);
    countersLayout->addWidget(edit, 1, column++);
  }
  countersLayout->addWidget(new QLabel(QStringLiteral("="), counters), 1, column++);
  countersLayout->addWidget(labelled("Steigerungen", m_pSteigerungen), 0, column, Qt::AlignHCenter);
  countersLayout->addWidget(m_pSteigerungen, 1, column);
  countersLayout->setColumnStretch(column + 1, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(identity);
  layout->addWidget(characteristics);
  layout->addLayout(injury);
  layout->addWidget(counters);
  layout->addStretch(1);
  return page;
}

QWidget* PlayerChangeDialog::BuildCareerPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("CPlayerChangePage2"));
  m_pLebenslauf = NewMultiLineEdit(page, QStringLiteral("lebenslauf"));
  m_pLebenslauf->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* label = new QLabel(QStringLiteral("&Lebenslauf"), page);
  label->setBuddy(m_pLebenslauf);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(label);
  layout->addWidget(m_pLebenslauf, 1);
  return page;
}

void PlayerChangeDialog::ShowValues() {
  const CKRSpieler& p = m_Player;
  m_pNummer->setText(Number(p.m_nNummer));
  m_pName->setText(Q(p.m_strName));
  m_pPosition->setText(Q(p.m_strPosition));
  m_pFertigkeiten->setPlainText(Q(p.m_strFertigkeiten));
  m_pBW->setText(Number(p.m_nBW));
  m_pST->setText(Number(p.m_nST));
  m_pGE->setText(Number(p.m_nGE));
  m_pRW->setText(Number(p.m_nRW));
  m_pVerletzung->setText(Q(p.m_strVerletzung));
  m_pPass->setText(Number(p.m_nPass));
  m_pTD->setText(Number(p.m_nTD));
  m_pABG->setText(Number(p.m_nABG));
  m_pVSA->setText(Number(p.m_nVSA));
  m_pSDT->setText(Number(p.m_nSDT));
  m_pSSP->setText(Number(p.m_nSSP));
  m_pLebenslauf->setPlainText(ShownLines(p.m_strLebenslauf));
  UpdateImprovements();
}

PlayerChange PlayerChangeDialog::ReadValues() const {
  PlayerChange c;
  c.m_nNummer = ReadNumber(m_pNummer);
  c.m_strName = m_pName->text().toStdString();
  c.m_strPosition = m_pPosition->text().toStdString();
  c.m_strFertigkeiten = m_pFertigkeiten->toPlainText().toStdString();
  c.m_nBW = ReadNumber(m_pBW);
  c.m_nST = ReadNumber(m_pST);
  c.m_nGE = ReadNumber(m_pGE);
  c.m_nRW = ReadNumber(m_pRW);
  c.m_strVerletzung = m_pVerletzung->text().toStdString();
  c.m_nPass = ReadNumber(m_pPass);
  c.m_nTD = ReadNumber(m_pTD);
  c.m_nABG = ReadNumber(m_pABG);
  c.m_nVSA = ReadNumber(m_pVSA);
  c.m_nSDT = ReadNumber(m_pSDT);
  c.m_nSSP = ReadNumber(m_pSSP);
  c.m_strLebenslauf = EditedLines(m_pLebenslauf, m_Player.m_strLebenslauf);
  return c;
}

void PlayerChangeDialog::UpdateImprovements() { m_pSteigerungen->setText(Number(Improvements(ReadNumber(m_pSSP)))); }

void PlayerChangeDialog::ChooseNewSkills() {
  const std::string current = m_pFertigkeiten->toPlainText().toStdString();
  NewSkillsDialog dialog(current, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_pFertigkeiten->setPlainText(Q(SkillTextWithNewSkills(current, dialog.Result())));
}

void PlayerChangeDialog::DeleteSkills() {
  if (!StopQuestionBox(this, QString::fromUtf8(kCheatQuestion))) return;
  m_SkillsSetAtOnce = std::string();
  m_pFertigkeiten->clear();
  // Also for a star player, whose "&Neu" is greyed: his emptied skills are chosen anew here.
  ChooseNewSkills();
}

void PlayerChangeDialog::EditSkillTexts() {
  const QString current = m_pFertigkeiten->toPlainText();
  const std::optional<QString> text = AskText() ? AskText()(this, current) : AskWithInputBox(this, current);
  if (!text) return;
  m_SkillsSetAtOnce = text->toStdString();
  m_pFertigkeiten->setPlainText(*text);
}

QLineEdit* PlayerChangeDialog::FieldOf(ChangeField field) const {
  switch (field) {
    case ChangeField::kBW: return m_pBW;
    case ChangeField::kST: return m_pST;
    case ChangeField::kGE: return m_pGE;
    case ChangeField::kRW: return m_pRW;
    case ChangeField::kSSP: return m_pSSP;
    case ChangeField::kNone: break;
  }
  return nullptr;
}

void PlayerChangeDialog::accept() {
  PlayerChange values = ReadValues();
  if (const ChangeOutcome check = PlayerChangeRangeRefusal(values); check.Refused()) {
    ShowNotice(this, check.refusal);
    m_pTabs->setCurrentIndex(0);
    if (QLineEdit* field = FieldOf(static_cast<ChangeField>(check.focusField))) {
      field->setFocus();
      field->selectAll();
    }
    return;
  }
  m_Values = std::move(values);
  QDialog::accept();
}

}  // namespace krv
