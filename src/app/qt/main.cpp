// The Krashball-Verwaltung: start-up, single instance, main window.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <string_view>

#include "ProgramVersion.h"
#include "app/qt/ColourNotice.h"
#include "app/qt/HelpKey.h"
#include "app/qt/KrashballApp.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ProgramIcon.h"
#include "app/qt/RecoveryOffer.h"
#include "app/qt/SingleInstance.h"
#include "app/qt/StartOptions.h"
#include "ui/FileNames.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramStyle.h"
#include "ui/QuickHelpSettings.h"

int main(int argc, char** argv) {
  if (const std::optional<int> answered = krv::AnswerInfoOption(argc, argv)) return *answered;
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Krashball"));
  QApplication::setApplicationName(QStringLiteral("Krashball-Verwaltung"));
  QApplication::setApplicationVersion(QString::fromLatin1(krv::kProgramVersion));
  krv::InstallProgramStyle();
  QGuiApplication::setDesktopFileName(QStringLiteral("krashball"));

  // The standard texts of Qt's own dialogs and shortcuts in German ("Strg+S").
  QTranslator qtGerman;
  if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtGerman);

  const QStringList args = QApplication::arguments().mid(1);
  krv::KrashballApp app(QApplication::applicationDirPath());
  app.LoadSettings();
  krv::InstallHelpKey(&app);
  krv::InstallQuickHelpSettings(&app);
  // Every window shows the program icon. Decoding its sizes for the window manager would hold
  // the main window back: on a plain start the icon follows once that window is on the screen;
  // whatever is shown before it (self-test, new-team dialogs, messages) gets it first.
  const bool selfCheck = args.contains(QStringLiteral("--selbsttest"));
  const bool newTeamOnly = args.contains(QStringLiteral("--neues-team"));
  if (selfCheck || newTeamOnly) krv::UseProgramIcon();
  if (selfCheck) return krv::RunSelfCheck(app);
  if (newTeamOnly) return krv::RunNewTeamOnly(app);

  // The file manager passes every selected team file, each taken from its bytes: a name
  // that is not UTF-8 opens as well.
  QStringList files;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).substr(0, 2) != "--")
      files << QFileInfo(krv::FileNameFromBytes(argv[i])).absoluteFilePath();

  krv::SingleInstance instance(krv::DefaultInstanceName());
  if (instance.HandOverToRunningInstance(files.value(0))) {
    for (qsizetype i = 1; i < files.size(); ++i) instance.HandOverToRunningInstance(files[i]);
    krv::UseProgramIcon();
    if (files.isEmpty()) krv::InformationBox(nullptr, QStringLiteral("Die Krashball-Verwaltung läuft bereits!"));
    return 0;
  }
  instance.Listen();

  krv::MainWindow frame(&app);
  QObject::connect(&instance, &krv::SingleInstance::FileHandedOver, &frame, [&frame](const QString& handed) {
    if (!handed.isEmpty()) frame.OpenDocumentFile(handed);
    frame.setWindowState((frame.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    frame.raise();
    frame.activateWindow();
  });
  frame.showMaximized();
  krv::UseProgramIconOnceOnScreen(frame);
  QTimer::singleShot(0, &frame, [&] { krv::ShowColourNotice(&frame, app, frame.screen()->depth()); });
  if (!app.m_strSettingsProblem.isEmpty())
    QTimer::singleShot(0, &frame, [&] {
      krv::UseProgramIcon();
      krv::WarningBox(&frame, app.m_strSettingsProblem);
    });
  // Teams a program left unsaved come first: a file on the command line that is one of them
  // then finds its window.
  bool anyOpened = krv::OfferRecoveredTeams(frame) > 0;
  if (!files.isEmpty()) krv::UseProgramIcon();  // a team that does not open is reported in a box
  // Started only to open teams of which none can be read: the message was shown, nothing is left to do.
  for (const QString& file : files) anyOpened = frame.OpenDocumentFile(file) != nullptr || anyOpened;
  if (!files.isEmpty() && !anyOpened) return 1;

  const int result = QApplication::exec();
  // Windows still open beside the main window (the help) close as on any end.
  QApplication::closeAllWindows();
  // The settings of this session are lost when KRV.DAT cannot be written: the coach is told.
  if (const QString problem = app.SaveSettingsIfChanged(); !problem.isEmpty()) krv::ErrorBox(nullptr, problem);
  return result;
}
