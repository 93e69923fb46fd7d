#include "season/qt/EventDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Format.h"
#include "season/EventEntry.h"
#include "ui/MultiLineText.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowPlacement.h"

namespace krv {

EventDialog::EventDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("EventDialog"));
  setWindowTitle(QStringLiteral("Besondere Ereignisse"));
  auto* group = new QGroupBox(QStringLiteral("Besonderheit"), this);
  m_pAbzug = new QRadioButton(QStringLiteral("Abzug einer Trainingsmarke"), group);
  m_pAbzug->setObjectName(QStringLiteral("abzug"));
  m_pSonstiges = new QRadioButton(QStringLiteral("Sonsiges"), group);
  m_pSonstiges->setObjectName(QStringLiteral("sonstiges"));
  m_pPick = new QToolButton(group);
  m_pPick->setObjectName(QStringLiteral("teamWaehlen"));
  m_pPick->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
  m_pPick->setToolTip(QStringLiteral("Gegner aus der System-Teamliste wählen"));
  m_pText = NewMultiLineEdit(group, QStringLiteral("text"));
  m_pText->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  m_pText->setMinimumHeight(fontMetrics().height() * 4);
  auto* textLabel = new QLabel(QStringLiteral("Text:"), group);
  textLabel->setBuddy(m_pText);

  auto* kinds = new QHBoxLayout;
  kinds->addWidget(m_pAbzug);
  kinds->addWidget(m_pPick);
  kinds->addSpacing(16);
  kinds->addWidget(m_pSonstiges);
  kinds->addStretch(1);
  auto* inner = new QVBoxLayout(group);
  inner->addLayout(kinds);
  inner->addWidget(textLabel);
  inner->addWidget(m_pText, 1);

  auto* buttons = new QDialogButtonBox(this);
  m_pOk = buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
  m_pOk->setObjectName(QStringLiteral("uebernehmen"));
  QPushButton* abbruch = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
  abbruch->setObjectName(QStringLiteral("abbruch"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addWidget(buttons);

  connect(m_pAbzug, &QRadioButton::clicked, this, [this] { KindChosen(kEreignisMarkenAbzug); });
  connect(m_pSonstiges, &QRadioButton::clicked, this, [this] { KindChosen(kEreignisSonstiges); });
  connect(m_pPick, &QToolButton::clicked, this, [this] {
    if (!m_PickTeam) return;
    if (const auto name = m_PickTeam()) m_pText->setPlainText(QString::fromUtf8(kDeductionPrefix) + *name);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &EventDialog::Accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

int EventDialog::exec() {
  (m_nArt == kEreignisMarkenAbzug ? m_pAbzug : m_pSonstiges)->setChecked(true);
  m_pText->setPlainText(ShownLines(m_strText.toStdString()));
  m_pPick->setEnabled(false);  // only after choosing a deduction
  m_pAbzug->setEnabled(!m_bAendern);
  m_pSonstiges->setEnabled(!m_bAendern);
  m_pText->setFocus();
  return QDialog::exec();
}

void EventDialog::KindChosen(int32_t kind) {
  m_nArt = kind;
  const bool deduction = kind == kEreignisMarkenAbzug;
  m_pText->setPlainText(deduction ? QString::fromUtf8(kDeductionPrefix) : QString());
  m_pPick->setEnabled(deduction);
}

void EventDialog::Accept() {
  const QString text = m_pText->toPlainText();
  if (static_cast<size_t>(text.size()) > kMaxEventText) {
    ErrorBox(this, QString::fromStdString(
                       Format("Der Text darf höchstens %ld Zeichen lang sein.", static_cast<long>(kMaxEventText))));
    m_pText->setFocus();
    return;
  }
  m_strText = QString::fromStdString(EditedLines(m_pText, m_strText.toStdString()));
  accept();
}

}  // namespace krv
