#include "teamwindow/qt/StaffPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

#include "teamwindow/StepNames.h"
#include "teamwindow/qt/TeamDocument.h"
#include "season/qt/StaffDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"

namespace krv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The picture of the small dismiss buttons: a red cross.
QIcon DismissPicture() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(190, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
  return QIcon(pixmap);
}

QToolButton* DismissButton(QWidget* parent, const char* name, const QString& tooltip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(DismissPicture());
  button->setIconSize(QSize(16, 16));
  button->setToolTip(tooltip);
  button->setAutoRaise(false);
  return button;
}

void SetTextIfDifferent(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace

StaffPage::StaffPage(TeamDocument* doc, QWidget* parent) : QWidget(parent), m_pDoc(doc) {
  setObjectName(QStringLiteral("StaffPage"));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));

  m_pTrainer = new QLineEdit(this);
  m_pTrainer->setObjectName(QStringLiteral("trainer"));
  m_pSani = new QLineEdit(this);
  m_pSani->setObjectName(QStringLiteral("sani"));
  m_pZauberer = new QLineEdit(this);
  m_pZauberer->setObjectName(QStringLiteral("zauberer"));
  m_pSaniEntlassen = DismissButton(this, "saniEntlassen", QStringLiteral("Den Sanitäter entlassen."));
  m_pZaubererEntlassen = DismissButton(this, "zaubererEntlassen", QStringLiteral("Entlassen."));

  auto* trainerLabel = new QLabel(QStringLiteral("Trainer:"), this);
  trainerLabel->setBuddy(m_pTrainer);
  auto* saniLabel = new QLabel(QStringLiteral("&Sanitäter:"), this);
  saniLabel->setBuddy(m_pSani);
  m_pZaubererLabel = new QLabel(QStringLiteral("&Zauberer:"), this);
  m_pZaubererLabel->setObjectName(QStringLiteral("zaubererLabel"));
  m_pZaubererLabel->setBuddy(m_pZauberer);

  auto* names = new QGridLayout;
  names->addWidget(trainerLabel, 0, 0);
  names->addWidget(m_pTrainer, 0, 1);
  names->addWidget(saniLabel, 1, 0);
  names->addWidget(m_pSani, 1, 1);
  names->addWidget(m_pSaniEntlassen, 1, 2);
  names->addWidget(m_pZaubererLabel, 2, 0);
  names->addWidget(m_pZauberer, 2, 1);
  names->addWidget(m_pZaubererEntlassen, 2, 2);
  names->setColumnStretch(1, 1);

  // One column per staff list: label, list, count and button.
  auto makeColumn = [this](const QString& title, const char* name, QListWidget*& list, QLabel*& count,
                           QPushButton*& button, const QString& buttonText) {
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(title, this);
    list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumHeight(60);
    label->setBuddy(list);
    count = new QLabel(this);
    count->setObjectName(QString::fromLatin1(name) + QStringLiteral("Anzahl"));
    button = new QPushButton(buttonText, this);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Aendern"));
    button->setEnabled(false);
    auto* below = new QHBoxLayout;
    below->addWidget(count, 1);
    below->addWidget(button);
    column->addWidget(label);
    column->addWidget(list, 1);
    column->addLayout(below);
    return column;
  };
  auto* lists = new QHBoxLayout;
  lists->addLayout(makeColumn(QStringLiteral("Cotrainer:"), "cotrainer", m_pCoTrainer, m_pCoTrainerAnzahl,
                              m_pCoTrainerAendern, QStringLiteral("&Ändern")),
                   1);
  lists->addSpacing(12);
  lists->addLayout(makeColumn(QStringLiteral("CheerleaderInnen:"), "cheerleader", m_pCheerleader, m_pCheerleaderAnzahl,
                              m_pCheerleaderAendern, QStringLiteral("Ä&ndern")),
                   1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addSpacing(6);
  layout->addLayout(lists, 1);

  // Tab goes down the page: names with their dismiss buttons, then each list with its button.
  QWidget* order[] = {m_pTrainer,           m_pSani,      m_pSaniEntlassen,    m_pZauberer,
                      m_pZaubererEntlassen, m_pCoTrainer, m_pCoTrainerAendern, m_pCheerleader,
                      m_pCheerleaderAendern};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  const auto labelText = [](const QLabel* label) { return label->text().remove('&').remove(':').toStdString(); };
  KeepFieldSteps(m_pDoc->Steps(), m_pTrainer, [=] { return labelText(trainerLabel); });
  KeepFieldSteps(m_pDoc->Steps(), m_pSani, [=] { return labelText(saniLabel); });
  KeepFieldSteps(m_pDoc->Steps(), m_pZauberer, [=, this] { return labelText(m_pZaubererLabel); });
  for (QLineEdit* edit : {m_pTrainer, m_pSani, m_pZauberer})
    connect(edit, &QLineEdit::textEdited, this, &StaffPage::NameEdited);
  connect(m_pSaniEntlassen, &QToolButton::clicked, this, &StaffPage::DismissApothecary);
  connect(m_pZaubererEntlassen, &QToolButton::clicked, this, &StaffPage::DismissWizard);
  connect(m_pCoTrainerAendern, &QPushButton::clicked, this, &StaffPage::ChangeCoTrainer);
  connect(m_pCheerleaderAendern, &QPushButton::clicked, this, &StaffPage::ChangeCheerleader);
  connect(m_pCoTrainer, &QListWidget::itemDoubleClicked, this, [this] { ChangeCoTrainer(); });
  connect(m_pCheerleader, &QListWidget::itemDoubleClicked, this, [this] { ChangeCheerleader(); });
  connect(m_pCoTrainer, &QListWidget::itemSelectionChanged, this, &StaffPage::UpdateButtons);
  connect(m_pCheerleader, &QListWidget::itemSelectionChanged, this, &StaffPage::UpdateButtons);

  RefreshPage();
}

CKRTeam& StaffPage::Team() const { return m_pDoc->Team(); }

void StaffPage::RefreshPage() {
  const CKRTeam& team = Team();
  FillList(m_pCoTrainer, SortedStaffNames(team.m_CoTrainer));
  FillList(m_pCheerleader, SortedStaffNames(team.m_Cheerleader));
  SetTextIfDifferent(m_pTrainer, Q(team.m_strTrainer));
  SetTextIfDifferent(m_pSani, Q(team.m_strSani));
  SetTextIfDifferent(m_pZauberer, Q(team.m_strZauberer));
  SetLabelsAndEnabling();
  UpdateCounts();
}

void StaffPage::FillList(QListWidget* list, const std::vector<std::string>& names) {
  // Unchanged lists keep their selection and scroll position.
  bool same = list->count() == static_cast<int>(names.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == Q(names[static_cast<size_t>(i)]);
  if (same) return;
  const QString selected =
      list->currentItem() && list->currentItem()->isSelected() ? list->currentItem()->text() : QString();
  list->clear();
  for (const std::string& name : names) list->addItem(Q(name));
  if (!selected.isEmpty()) {
    const auto found = list->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty()) list->setCurrentItem(found.first());
  }
  UpdateButtons();
}

void StaffPage::SetLabelsAndEnabling() {
  const CKRTeam& team = Team();
  const QString label = Q(WizardLabel(team.m_nRasse));
  if (m_pZaubererLabel->text() != label) m_pZaubererLabel->setText(label);
  const bool possible = RaceMayHaveApothecaryAndWizard(team.m_nRasse);
  if (!possible) {
    SetTextIfDifferent(m_pSani, Q(kNichtMoeglich));
    SetTextIfDifferent(m_pZauberer, Q(kNichtMoeglich));
  }
  const bool sani = possible && team.m_bSani;
  const bool zauberer = possible && team.m_bZauberer;
  m_pSani->setEnabled(sani);
  m_pSaniEntlassen->setEnabled(sani);
  m_pZauberer->setEnabled(zauberer);
  m_pZaubererEntlassen->setEnabled(zauberer);
  m_pZaubererEntlassen->setToolTip(QStringLiteral("Den %1 entlassen.").arg(Q(WizardStaffWord(team.m_nRasse))));
}

void StaffPage::UpdateCounts() {
  m_pCoTrainerAnzahl->setText(Q(StaffCountText(static_cast<size_t>(m_pCoTrainer->count()))));
  m_pCheerleaderAnzahl->setText(Q(StaffCountText(static_cast<size_t>(m_pCheerleader->count()))));
}

void StaffPage::UpdateButtons() {
  m_pCoTrainerAendern->setEnabled(!m_pCoTrainer->selectedItems().isEmpty());
  m_pCheerleaderAendern->setEnabled(!m_pCheerleader->selectedItems().isEmpty());
}

void StaffPage::NameEdited() {
  ChangeStaffNames(
      Team(), {m_pTrainer->text().toStdString(), m_pSani->text().toStdString(), m_pZauberer->text().toStdString()});
}

bool StaffPage::Ask(const std::string& question) { return m_pDoc->Services().Frage(this, Q(question)); }

void StaffPage::ShowOutcome(const ChangeOutcome& outcome) { m_pDoc->Services().ShowOutcome(this, outcome); }

void StaffPage::DismissApothecary() {
  const CKRTeam& team = Team();
  if (!team.m_bSani || !RaceMayHaveApothecaryAndWizard(team.m_nRasse)) return;
  if (!Ask(DismissQuestion(team.m_strSani))) return;
  const StepCommand step(m_pDoc->Steps(), StaffStepName("Sanitäter", team.m_strSani, "entlassen"));
  ShowOutcome(krv::DismissApothecary(Team()));
}

void StaffPage::DismissWizard() {
  const CKRTeam& team = Team();
  if (!team.m_bZauberer || !RaceMayHaveApothecaryAndWizard(team.m_nRasse)) return;
  if (!Ask(DismissQuestion(team.m_strZauberer))) return;
  const StepCommand step(m_pDoc->Steps(),
                         StaffStepName(WizardStaffWord(team.m_nRasse), team.m_strZauberer, "entlassen"));
  ShowOutcome(krv::DismissWizard(Team()));
}

void StaffPage::ChangeCoTrainer() { ChangeStaff(kPersonalCoTrainer); }

void StaffPage::ChangeCheerleader() { ChangeStaff(kPersonalCheerleader); }

void StaffPage::ChangeStaff(PersonalArt art) {
  const bool coach = art == kPersonalCoTrainer;
  QListWidget* list = coach ? m_pCoTrainer : m_pCheerleader;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  if (selected.isEmpty()) return;
  const std::string name = selected.first()->text().toStdString();
  CKRTeam& team = Team();
  const StepCommand step(m_pDoc->Steps(), StaffStepName(coach ? "Cotrainer" : "CheerleaderIn", name, "ändern"));

  std::string career;
  if (coach) {
    const CKRCoTrainer* record = team.FindCoTrainer(name);
    if (!record) return;
    career = record->m_strLebenslauf;
  } else {
    const CKRCheerleader* record = team.FindCheerleader(name);
    if (!record) return;
    career = record->m_strLebenslauf;
  }

  for (;;) {
    StaffDialog dlg(this);
    dlg.m_bNeu = false;
    dlg.m_nArt = art;
    dlg.m_strName = Q(name);
    dlg.m_strLebenslauf = Q(career);
    const int result = dlg.exec();
    if (result == StaffDialog::kIdLoeschen) {
      if (Ask(DismissFromListQuestion(name)))
        ShowOutcome(coach ? krv::DismissCoTrainer(team, name) : krv::DismissCheerleader(team, name));
      break;
    }
    if (result != StaffDialog::kIdOk) break;
    const std::string newName = dlg.m_strName.toStdString();
    const StaffChange change = coach ? krv::ChangeCoTrainer(team, name, newName, dlg.m_strLebenslauf.toStdString())
                                     : krv::ChangeCheerleader(team, name, newName, dlg.m_strLebenslauf.toStdString());
    if (change == StaffChange::kDuplicate) {
      ErrorBox(this, Q(DuplicateStaffNameMessage(art)));
      // Again with the name it had before; what was typed into the career stays.
      career = dlg.m_strLebenslauf.toStdString();
      continue;
    }
    if (change == StaffChange::kAccepted) {
      RefreshPage();
      const auto found = list->findItems(Q(newName), Qt::MatchExactly | Qt::MatchCaseSensitive);
      if (!found.isEmpty()) list->setCurrentItem(found.first());
    }
    break;
  }
  RefreshPage();
  UpdateCounts();
  UpdateButtons();
}

bool StaffPage::HireStaff(PersonalArt art) {
  CKRTeam& team = Team();
  QString typed;
  for (;;) {
    StaffDialog dlg(this);
    dlg.m_bNeu = true;
    dlg.m_nArt = art;
    dlg.m_strName = typed;
    if (dlg.exec() != StaffDialog::kIdOk) return false;
    const std::string name = dlg.m_strName.toStdString();
    const bool hired = art == kPersonalCoTrainer ? krv::HireCoTrainer(team, name) : krv::HireCheerleader(team, name);
    if (hired) {
      RefreshPage();
      return true;
    }
    ErrorBox(this, Q(DuplicateStaffNameMessage(art)));
    typed = dlg.m_strName;
  }
}

bool StaffPage::HireCoTrainer() { return HireStaff(kPersonalCoTrainer); }

bool StaffPage::HireCheerleader() { return HireStaff(kPersonalCheerleader); }

bool StaffPage::AskName(PersonalArt art) {
  StaffDialog dlg(this);
  dlg.m_bNeu = true;
  dlg.m_nArt = art;
  if (dlg.exec() != StaffDialog::kIdOk) return false;
  RememberEnteredName(Team(), dlg.m_strName.toStdString());
  return true;
}

bool StaffPage::AskApothecaryName() { return AskName(kPersonalSani); }

bool StaffPage::AskWizardName() { return AskName(kPersonalZauberer); }

}  // namespace krv
