#include "app/qt/ColourNotice.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/ProgramIcon.h"
#include "ui/ProgramServices.h"

namespace krv {

long long ColourCount(int bitsPerPixel) { return bitsPerPixel >= 32 ? 1LL << 30 : 1LL << bitsPerPixel; }

bool ShowColourNotice(QWidget* parent, ProgramServices& app, int bitsPerPixel) {
  const long long colours = ColourCount(bitsPerPixel);
  if (colours > 256 || app.m_Settings.m_bKeine256Warnung) return false;
  UseProgramIcon();  // the notice comes right at the start, before the main window sets it
  QDialog notice(parent);
  notice.setObjectName("colourNotice");
  notice.setWindowTitle(QStringLiteral("Nur 256 Farben :-(("));
  auto* layout = new QVBoxLayout(&notice);
  layout->addWidget(
      new QLabel(QStringLiteral("Achtung!\nSie haben nur %1 Farben eingestellt!\nDamit kann es zu Farbfehlern kommen!")
                     .arg(colours),
                 &notice));
  auto* dontShow = new QCheckBox(QStringLiteral("Diese Mitteilung nicht mehr anzeigen."), &notice);
  dontShow->setObjectName("dontShow");
  layout->addWidget(dontShow);
  auto* buttons = new QDialogButtonBox(&notice);
  buttons->addButton(QStringLiteral("&Weiter"), QDialogButtonBox::AcceptRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &notice, &QDialog::accept);
  layout->addWidget(buttons);
  notice.exec();
  if (dontShow->isChecked()) {
    app.m_Settings.m_bKeine256Warnung = 1;
    app.SetSettingsChanged();
  }
  return true;
}

}  // namespace krv
