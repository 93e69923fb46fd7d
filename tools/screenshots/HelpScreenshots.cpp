// Makes the pictures of the handbook and the README from the program's real windows: a team
// after a season in the main window with its pages, the two creation dialogs and the dialogs
// of the players page, and the settings.
// Usage: help_screenshots FOLDER  (run by tools/screenshots.sh, which gives it a screen)

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

#include "teamwindow/qt/TeamFrame.h"
#include "settings/qt/SettingsDialog.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ProgramIcon.h"
#include "create/TeamBuilder.h"
#include "create/qt/CountSpinBox.h"
#include "create/qt/RaceChoiceDialog.h"
#include "create/qt/TeamCreationDialog.h"
#include "model/TeamFile.h"
#include "season/qt/ExpenseDialog.h"
#include "season/qt/MatchDialog.h"
#include "teamwindow/qt/TeamPages.h"
#include "teamwindow/qt/TeamView.h"
#include "roster/qt/NewSkillsDialog.h"
#include "roster/qt/PlayerChangeDialog.h"
#include "roster/qt/PlayerRemovalDialog.h"
#include "roster/qt/PlayerPurchaseDialog.h"
#include "printout/qt/PrintChoiceDialog.h"
#include "support/SeasonTeam.h"
#include "ui/MessageBoxes.h"
#include "ui/NumberEdit.h"

namespace {

QString g_folder;
int g_failures = 0;

// Lets layouts, deferred refreshes and the window system settle before a picture is taken.
void Settle() {
  for (int i = 0; i < 10; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

void Save(QWidget* widget, const QString& name) {
  Settle();
  const QString path = g_folder + "/" + name;
  if (widget->grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
  } else {
    std::fprintf(stderr, "Kann %s nicht schreiben.\n", qPrintable(path));
    ++g_failures;
  }
}

template <typename Widget>
Widget* Child(QWidget* parent, const char* name) {
  auto* child = parent->findChild<Widget*>(QString::fromLatin1(name));
  if (!child) {
    std::fprintf(stderr, "Kein Element %s in %s.\n", name, parent->metaObject()->className());
    std::exit(1);
  }
  return child;
}

// The main window with the season team, and the team window on the pages the handbook shows.
void TeamWindows(krv::KrashballApp& app, const QString& work) {
  auto team = krv::test::MakeSeasonTeam();
  team->m_strLogo.clear();  // the sample's logo path is long and points nowhere
  const QString file = work + "/Gröhler.krt";
  krv::SaveTeamFile(*team, file.toStdString());

  krv::MainWindow frame(&app);
  frame.resize(1000, 640);  // as wide as the help window shows pictures
  frame.show();
  krv::TeamFrame* child = frame.OpenDocumentFile(file);
  if (!child) std::exit(1);
  child->showMaximized();
  krv::TeamPages* sheet = child->View()->Pages();

  sheet->setCurrentIndex(1);
  Save(&frame, QStringLiteral("hauptfenster.png"));
  frame.resize(1000, 600);
  Save(child->View(), QStringLiteral("teamfenster-spieler.png"));
  const std::pair<int, const char*> pages[] = {
      {0, "seite-personal.png"}, {2, "seite-ausgaben.png"}, {4, "seite-spiele.png"}};
  for (const auto& [index, name] : pages) {
    sheet->setCurrentIndex(index);
    Save(child->View(), QString::fromLatin1(name));
  }
  child->Document()->SetModifiedFlag(false);
}

// "Auswahl der Teamrasse" with Menschen chosen, then "Neues Team erstellen" with the
// Menschen team that spends the starting capital exactly.
void CreationDialogs() {
  krv::RaceChoiceDialog races;
  races.resize(900, 420);
  races.show();
  Child<QComboBox>(&races, "race")->setCurrentIndex(8);
  Save(&races, QStringLiteral("rassenauswahl.png"));
  races.hide();

  krv::CKRTeam team;
  krv::PrepareNewTeam(team, 8);
  krv::TeamCreationDialog creation;
  creation.m_Rasse = 8;
  creation.m_TheTeam = &team;
  creation.show();
  Child<QLineEdit>(&creation, "teamName")->setText(QStringLiteral("Altdorfer Greifen"));
  const std::pair<const char*, int> fields[] = {{"rowCount1", 11}, {"rowCount3", 2}, {"rowCount4", 2},
                                                {"rerolls", 1},    {"fanFactor", 3}, {"cheerleaders", 5}};
  for (const auto& [name, value] : fields) Child<krv::CountSpinBox>(&creation, name)->setValue(value);
  Save(&creation, QStringLiteral("team-erstellen.png"));
  creation.hide();
}

// The dialogs of the players page, for the season team's thrower Lugbúrz.
void RosterDialogs() {
  auto team = krv::test::MakeSeasonTeam();
  team->Recalculate();  // the treasury the purchase offers are measured against
  krv::PlayerPurchaseDialog buy(*team, 16);
  buy.show();
  Save(&buy, QStringLiteral("spieler-kaufen.png"));
  buy.hide();

  krv::CKRSpieler& player = *team->m_Spieler[2];
  krv::PlayerChangeDialog change(player);
  change.show();
  Save(&change, QStringLiteral("spielerwerte.png"));
  change.hide();

  krv::NewSkillsDialog skills(player.m_strFertigkeiten);
  skills.resize(820, 460);
  skills.show();
  auto* list = Child<QTreeWidget>(&skills, "skills");
  const auto blocking = list->findItems(QStringLiteral("Blocken"), Qt::MatchExactly);
  if (!blocking.isEmpty()) list->setCurrentItem(blocking.first());  // shows its description
  Save(&skills, QStringLiteral("neue-fertigkeiten.png"));
  skills.hide();

  krv::PlayerRemovalDialog remove(QString::fromStdString(player.m_strName));
  remove.show();
  Save(&remove, QStringLiteral("spieler-entfernen.png"));
  remove.hide();
}

// The purchase dialog with a re-roll chosen, and a match being entered.
void SeasonDialogs() {
  auto team = krv::test::MakeSeasonTeam();
  team->Recalculate();
  krv::ExpenseDialog expense(*team, false);
  expense.show();
  Child<QRadioButton>(&expense, "wahl2")->click();
  Save(&expense, QStringLiteral("ausgabe.png"));
  expense.hide();

  krv::MatchDialog match({"Altdorfer Greifen", "Zwergenstürmer"});
  match.show();
  match.GegnerEdit()->setText(QStringLiteral("Zwergenstürmer"));
  match.EigeneToreEdit()->setText(QStringLiteral("2"));
  match.GegnerToreEdit()->setText(QStringLiteral("1"));
  match.DatumEdit()->setText(QStringLiteral("12.03.07"));
  match.ZuschauerEdit()->setText(QStringLiteral("15.000"));
  match.EinnahmenEdit()->setText(QStringLiteral("40.000"));
  match.FanCombo()->setCurrentIndex(1);
  match.LigaCheck()->setChecked(true);
  match.EinnahmenCheck()->setChecked(true);
  Save(&match, QStringLiteral("neues-spiel.png"));
  match.hide();
}

// The print dialog's page choice.
void PrintDialog() {
  krv::PrintChoiceDialog print(krv::PrintMode::kAllPages);
  print.show();
  Save(&print, QStringLiteral("drucken.png"));
  print.hide();
}

// The settings on the page "Verschiedenes", with a few opponents in the team list.
void SettingsSheet(krv::KrashballApp& app) {
  app.m_Settings.m_Teamliste.m_Items = {"Altdorfer Greifen", "Bretonische Ritter", "Zwergenstürmer"};
  krv::SettingsDialog sheet(app);
  sheet.Tabs()->setCurrentIndex(1);
  sheet.show();
  Save(&sheet, QStringLiteral("einstellungen.png"));
  sheet.hide();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: help_screenshots ORDNER\n");
    return 2;
  }
  g_folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(g_folder);
  QApplication::setWindowIcon(krv::ProgramIcon());

  // Fresh settings and data, so remembered placements and column widths of the coach who
  // runs this do not show up in the pictures.
  QTemporaryDir work;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, work.path());
  qputenv("KRV_DATEN", (work.path() + "/Daten").toLocal8Bit());
  krv::KrashballApp app(work.path());
  app.m_Settings.m_bSound = 0;
  // Nobody sits at the screen: questions (such as the missing opponents) are answered "Nein".
  krv::SetMessageInterceptor([](const krv::MessageRequest& request) {
    std::fprintf(stderr, "Meldung: %s\n", qPrintable(request.text));
    const qsizetype no = request.buttons.indexOf(QRegularExpression(QStringLiteral(".*Nein.*")));
    return no >= 0 ? int(no) : 0;
  });

  TeamWindows(app, work.path());
  CreationDialogs();
  RosterDialogs();
  SeasonDialogs();
  PrintDialog();
  SettingsSheet(app);
  return g_failures ? 1 : 0;
}
