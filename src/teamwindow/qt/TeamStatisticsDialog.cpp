#include "teamwindow/qt/TeamStatisticsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Team.h"
#include "teamwindow/TeamStatistics.h"
#include "ui/ReadOnlyLook.h"

namespace krv {
namespace {

QLineEdit* ShownValue(QWidget* parent, const char* objectName, const QString& text, bool number) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QString::fromLatin1(objectName));
  SetReadOnlyLook(field);
  field->setFocusPolicy(Qt::NoFocus);
  if (number) field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const QFontMetrics metrics(field->font());
  field->setMinimumWidth(
      metrics.horizontalAdvance(number ? QStringLiteral("00000") : QStringLiteral("(00.00.00) 00:00:00")) + 16);
  return field;
}

}  // namespace

TeamStatisticsDialog::TeamStatisticsDialog(CKRTeam& team, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Eigenschaften"));
  setProperty("helpTopic", QStringLiteral("#EIGENSCHAFTEN"));
  setObjectName(QStringLiteral("TeamStatisticsDialog"));
  const TeamStatistics stats = CountTeamStatistics(team);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignLeft);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto number = [](int32_t n) { return QString::number(n); };
  const struct {
    const char* label;
    const char* name;
    QString value;
    bool number;
  } rows[] = {
      {"Erstellungsdatum:", "erstellt", QString::fromStdString(stats.erstellt), false},
      {"Änderungsdatum:", "geaendert", QString::fromStdString(stats.geaendert), false},
      {"Anzahl der Spiele:", "spiele", number(stats.spiele), true},
      {"gewonnen:", "gewonnen", number(stats.gewonnen), true},
      {"verloren:", "verloren", number(stats.verloren), true},
      {"unentschieden:", "unentschieden", number(stats.unentschieden), true},
      {"Spieler:", "spieler", number(stats.spieler), true},
      {"davon Starspieler:", "stars", number(stats.stars), true},
      {"Tote:", "tote", number(stats.tote), true},
  };
  for (const auto& row : rows)
    form->addRow(QString::fromUtf8(row.label), ShownValue(this, row.name, row.value, row.number));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TeamStatisticsDialog::Value(const QString& field) const {
  const auto* edit = findChild<QLineEdit*>(field);
  return edit ? edit->text() : QString();
}

}  // namespace krv
