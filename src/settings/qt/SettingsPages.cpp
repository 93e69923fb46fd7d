#include "settings/qt/SettingsPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/NumberEdit.h"
#include "ui/QuickHelp.h"

namespace krv {
namespace {

constexpr const char* kFragenHelp = "Fragt vor dem Löschen von Daten,\nob diese wirklich gelöscht werden sollen.";
constexpr const char* kNoQuickHelpText =
    "Schaltet die Schnellhilfe an/ab.\n\x01Was ist die Schnellhilfe?\nNa dieses kleine Fenster hier!";
constexpr const char* kQuickHelpOnceText =
    "Zeigt die Schnellhilfe zu einem Element\nnur einmal an. Erst wenn zwischendurch die\n"
    "Hilfe eines anderen Elements erschienen ist,\nerscheint sie dort wieder.";
constexpr const char* kBrowserHelp =
    "Zeigt die Hilfe im Standard-Browser des Systems\nstatt im Hilfefenster des Programms.\n"
    "Gilt nur, wenn \"HTML-Help benutzen\" aus ist.";

QCheckBox* Box(QWidget* parent, const char* name, const QString& text, int32_t value) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(value != 0);
  return box;
}

int32_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

}  // namespace

MiscSettingsPage::MiscSettingsPage(const SettingsPageFields& fields, const QString& updateServer, bool recovery,
                                   QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("MiscSettingsPage"));
  const ProgramSettings& f = fields.flags;
  m_pSound = Box(this, "sound", QStringLiteral("&Sound abspielen"), f.m_bSound);
  m_pFragen = Box(this, "fragen", QStringLiteral("&Beim Löschen fragen"), f.m_bFragen);
  m_pFragen->setToolTip(QuickHelpText(kFragenHelp));
  // Kept for the file, never offered: removed players always stay in the list.
  m_pSpielerBehalten =
      Box(this, "spielerBehalten", QStringLiteral("Gelöschte Spieler in der Liste behalten"), f.m_bSpielerBehalten);
  m_pSpielerBehalten->setEnabled(false);
  m_pSpielerBehalten->hide();
  m_pLebenslauf =
      Box(this, "lebenslauf", QStringLiteral("Spielerveränderungen in den Lebenslauf eintragen"), f.m_bLebenslaufAuto);
  m_pDateidialog = Box(this, "dateidialog", QStringLiteral("Eigenen Datei-Dialog nutzen"), f.m_bEigenerDateidialog);
  m_pNotfall = Box(this, "notfall", QStringLiteral("Ungesicherte Änderungen für den Notfall sichern"), recovery);

  m_pCHM = Box(this, "chm", QStringLiteral("HTML-Help benutzen"), f.m_bCHM);
  m_pBrowser = Box(this, "browser", QStringLiteral("Standard Browser nutzen"), f.m_bHilfeBrowser);
  m_pBrowser->setToolTip(QuickHelpText(kBrowserHelp));
  m_pNoQuickHelp = Box(this, "tooltip1", QStringLiteral("Keine Schnellhilfe"), f.m_bNoQuickHelp);
  m_pNoQuickHelp->setToolTip(QuickHelpText(kNoQuickHelpText));
  m_pQuickHelpFadeIn = Box(this, "tooltip2", QStringLiteral("Sanft einblenden"), f.m_bQuickHelpFadeIn);
  m_pQuickHelpOnce = Box(this, "tooltip3", QStringLiteral("Hilfe nur einmal anzeigen"), f.m_bQuickHelpOnce);
  m_pQuickHelpOnce->setToolTip(QuickHelpText(kQuickHelpOnceText));

  m_pStartkapital = new NumberEdit(this);
  m_pStartkapital->setObjectName(QStringLiteral("startkapital"));
  m_pStartkapital->SetValue(fields.startkapital);
  m_pMaxSpieler = new QLineEdit(QString::number(fields.maxSpieler), this);
  m_pMaxSpieler->setObjectName(QStringLiteral("maxSpieler"));
  m_pMaxSpieler->setMaxLength(2);
  m_pMaxSpieler->setValidator(new QIntValidator(0, 99, m_pMaxSpieler));
  m_pMaxSpieler->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  m_pUpdateServer = new QLineEdit(updateServer, this);
  m_pUpdateServer->setObjectName(QStringLiteral("updateServer"));
  m_pUpdateServer->setPlaceholderText(QStringLiteral("z. B. https://example.org/krashball"));

  auto* help = new QGroupBox(QStringLiteral("Hilfe"), this);
  auto* helpLayout = new QVBoxLayout(help);
  helpLayout->addWidget(m_pCHM);
  helpLayout->addWidget(m_pBrowser);
  auto* quick = new QGroupBox(QStringLiteral("Schnellhilfe"), this);
  auto* quickLayout = new QVBoxLayout(quick);
  quickLayout->addWidget(m_pNoQuickHelp);
  quickLayout->addWidget(m_pQuickHelpFadeIn);
  quickLayout->addWidget(m_pQuickHelpOnce);
  auto* groups = new QHBoxLayout;
  groups->addWidget(help);
  groups->addWidget(quick);

  auto* capital = new QHBoxLayout;
  capital->addWidget(new QLabel(QStringLiteral("Startkapital: "), this));
  capital->addWidget(m_pStartkapital);
  capital->addWidget(new QLabel(QStringLiteral(" Goldstücke"), this));
  capital->addStretch(1);
  auto* players = new QHBoxLayout;
  players->addWidget(m_pMaxSpieler);
  players->addWidget(new QLabel(QStringLiteral("Maximale Anzahl der Spieler (nur 16 werden gedruckt!)"), this));
  players->addStretch(1);
  auto* server = new QHBoxLayout;
  auto* serverLabel = new QLabel(QStringLiteral("&Update-Server:"), this);
  serverLabel->setBuddy(m_pUpdateServer);
  server->addWidget(serverLabel);
  server->addWidget(m_pUpdateServer, 1);

  auto* layout = new QVBoxLayout(this);
  for (QWidget* box :
       {static_cast<QWidget*>(m_pSound), static_cast<QWidget*>(m_pFragen), static_cast<QWidget*>(m_pLebenslauf),
        static_cast<QWidget*>(m_pDateidialog), static_cast<QWidget*>(m_pNotfall)})
    layout->addWidget(box);
  layout->addLayout(groups);
  layout->addLayout(capital);
  layout->addLayout(players);
  layout->addLayout(server);
  layout->addStretch(1);

  connect(m_pCHM, &QCheckBox::toggled, this, &MiscSettingsPage::UpdateEnabling);
  connect(m_pNoQuickHelp, &QCheckBox::toggled, this, &MiscSettingsPage::UpdateEnabling);
  UpdateEnabling();
}

void MiscSettingsPage::UpdateEnabling() {
  m_pQuickHelpOnce->setEnabled(OnlyOnceEnabled(m_pNoQuickHelp->isChecked()));
  m_pBrowser->setEnabled(BrowserChoiceEnabled(m_pCHM->isChecked()));
}

void MiscSettingsPage::Read(SettingsPageFields& fields) const {
  ProgramSettings& f = fields.flags;
  f.m_bSound = Flag(m_pSound);
  f.m_bFragen = Flag(m_pFragen);
  f.m_bSpielerBehalten = Flag(m_pSpielerBehalten);
  f.m_bLebenslaufAuto = Flag(m_pLebenslauf);
  f.m_bEigenerDateidialog = Flag(m_pDateidialog);
  f.m_bCHM = Flag(m_pCHM);
  f.m_bHilfeBrowser = Flag(m_pBrowser);
  f.m_bNoQuickHelp = Flag(m_pNoQuickHelp);
  f.m_bQuickHelpFadeIn = Flag(m_pQuickHelpFadeIn);
  f.m_bQuickHelpOnce = Flag(m_pQuickHelpOnce);
  fields.startkapital = m_pStartkapital->Value();
  bool number = false;
  const long long players = m_pMaxSpieler->text().trimmed().toLongLong(&number);
  fields.maxSpieler = number ? players : 0;  // no number at all is out of range too
}

QString MiscSettingsPage::UpdateServerText() const { return m_pUpdateServer->text().trimmed(); }

bool MiscSettingsPage::RecoveryChecked() const { return m_pNotfall->isChecked(); }

PrintSettingsPage::PrintSettingsPage(const SettingsPageFields& fields, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PrintSettingsPage"));
  m_pSkipZeroValues =
      Box(this, "druck1", QStringLiteral("Nur Null-Werte nicht drucken"), fields.flags.m_bSkipZeroValues);
  m_pSkipValues = Box(this, "druck2", QStringLiteral("Werte nicht drucken"), fields.flags.m_bSkipValues);
  auto* group = new QGroupBox(QStringLiteral("Pass/TD/ABG/VSA/SDT"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(m_pSkipZeroValues);
  groupLayout->addWidget(m_pSkipValues);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addStretch(1);
  auto enable = [this] { m_pSkipZeroValues->setEnabled(SkipZeroValuesEnabled(m_pSkipValues->isChecked())); };
  connect(m_pSkipValues, &QCheckBox::toggled, this, enable);
  enable();
}

void PrintSettingsPage::Read(SettingsPageFields& fields) const {
  fields.flags.m_bSkipZeroValues = Flag(m_pSkipZeroValues);
  fields.flags.m_bSkipValues = Flag(m_pSkipValues);
}

}  // namespace krv
