#include "printout/qt/PrintChoiceDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/QuickHelp.h"

namespace krv {

PrintChoiceDialog::PrintChoiceDialog(PrintMode mode, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Drucken"));
  setObjectName(QStringLiteral("PrintChoiceDialog"));
  auto* group = new QGroupBox(QStringLiteral("... aber welche Seiten"), this);
  auto* groupLayout = new QVBoxLayout(group);
  for (int i = 0; i < kPrintModeCount; ++i) {
    const PrintModeTexts texts = GetPrintModeTexts(static_cast<PrintMode>(i));
    m_pModes[i] = new QRadioButton(QString::fromUtf8(texts.label), group);
    m_pModes[i]->setObjectName(QStringLiteral("mode%1").arg(i));
    m_pModes[i]->setToolTip(QuickHelpText(texts.quickHelp));
    groupLayout->addWidget(m_pModes[i]);
  }
  const int chosen = static_cast<int>(mode);
  m_pModes[chosen >= 0 && chosen < kPrintModeCount ? chosen : 0]->setChecked(true);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* start = buttons->addButton(QStringLiteral("&Start"), QDialogButtonBox::AcceptRole);
  start->setObjectName(QStringLiteral("start"));
  start->setToolTip(QStringLiteral("Startet den Ausdruck."));
  start->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setToolTip(QStringLiteral("Bricht den Ausdruck ab."));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

PrintMode PrintChoiceDialog::Mode() const {
  for (int i = 0; i < kPrintModeCount; ++i)
    if (m_pModes[i]->isChecked()) return static_cast<PrintMode>(i);
  return PrintMode::kSheetOnly;
}

}  // namespace krv
