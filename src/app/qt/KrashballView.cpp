#include "app/qt/KrashballView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/qt/KrashballDoc.h"
#include "model/Gold.h"
#include "rules/Races.h"

namespace krv {
namespace {

QLineEdit* ReadOnlyField(QWidget* parent, const char* name, const char* tooltip) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setToolTip(QString::fromUtf8(tooltip));
  return field;
}

QString RaceText(const CKRTeam& team) {
  if (team.m_nRasse == kEigeneRasse) return QString::fromStdString(team.m_strRassenName);
  if (team.m_nRasse >= 0 && team.m_nRasse < kEigeneRasse) return QString::fromUtf8(g_RassenNamen[team.m_nRasse]);
  return QStringLiteral("????");
}

}  // namespace

CKrashballView::CKrashballView(KrashballDoc* doc, QWidget* parent) : QWidget(parent), m_pDoc(doc) {
  m_name = new QLineEdit(this);
  m_name->setObjectName("teamName");
  m_name->setMaxLength(80);
  m_name->setToolTip(QStringLiteral("Der Name Ihres Teams."));
  m_race = ReadOnlyField(this, "race", "Das Volk Ihres Teams.");
  m_teamValue = ReadOnlyField(this, "teamValue", "Der Teamwert.");
  m_gold = ReadOnlyField(this, "gold", "Das Gold in Ihrer Schatzkammer.");
  m_rerolls = ReadOnlyField(this, "rerolls", "Trainingsmarken: normaler Preis / doppelter Preis / abgezogen.");
  m_fanFactor = ReadOnlyField(this, "fanFactor", "Ihr momentaner Fan-Faktor.");

  auto* grid = new QGridLayout(this);
  const std::pair<const char*, QLineEdit*> fields[] = {
      {"&Name:", m_name}, {"Volk:", m_race}, {"Teamwert:", m_teamValue},
      {"Gold:", m_gold},  {"Trainingsmarken:", m_rerolls}, {"Fan-Faktor:", m_fanFactor}};
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(QString::fromUtf8(fields[i].first), this);
    label->setBuddy(fields[i].second);
    grid->addWidget(label, i / 2, (i % 2) * 2);
    grid->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
  }
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(3, 1);

  connect(m_name, &QLineEdit::textEdited, this, &CKrashballView::OnNameEdited);
  connect(doc, &KrashballDoc::TeamRecalculatedSignal, this, &CKrashballView::UpdateTeamHeader);
  // First display: the figures of a loaded or new team are computed now.
  doc->Team().Recalculate();
  UpdateTeamHeader();
}

void CKrashballView::UpdateTeamHeader() {
  CKRTeam& team = m_pDoc->Team();
  if (m_name->text() != QString::fromStdString(team.m_strName)) m_name->setText(QString::fromStdString(team.m_strName));
  m_race->setText(RaceText(team));
  m_teamValue->setText(QString::fromStdString(team.m_strTeamwert));
  m_gold->setText(QString::fromStdString(FormatGold(team.m_strGold)));
  m_rerolls->setText(QStringLiteral("%1/%2/%3").arg(team.m_nMarken).arg(team.m_nMarken2).arg(team.m_nMarkenAbzug));
  m_fanFactor->setText(QString::number(team.FanFactorInForce()));
  team.CountSpielerArten();
}

void CKrashballView::OnNameEdited(const QString& text) {
  m_pDoc->Team().m_strName = text.toStdString();
  m_pDoc->Team().SetTeamModified();
}

}  // namespace krv
