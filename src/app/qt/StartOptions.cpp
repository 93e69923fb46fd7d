#include "app/qt/StartOptions.h"

#include <QApplication>
#include <QIcon>
#include <QMimeDatabase>
#include <cstdio>
#include <cstring>

#include "ProgramVersion.h"
#include "app/ProgramFiles.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krashball [TEAM-DATEI...]\n"
    "\n"
    "Die Krashball-Verwaltung öffnet die genannten Team-Dateien (.krt). Läuft sie schon,\n"
    "bekommt das laufende Programm die Dateien.\n"
    "\n"
    "  --neues-team   führt nur durch die Team-Erstellung und speichert das neue Team\n"
    "  --selbsttest   zeigt, wo Hilfe, Klänge und Daten liegen, und prüft die Dateien\n"
    "  --version      zeigt die Version\n"
    "  --help         zeigt diese Hilfe\n";

void PrintLine(const QString& text) { std::printf("%s\n", text.toLocal8Bit().constData()); }

}  // namespace

std::optional<int> AnswerInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Krashball-Verwaltung %s\n", kProgramVersion);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  return std::nullopt;
}

int RunSelfCheck(KrashballApp& app) {
  const QString dok = app.ResourceFolder(QStringLiteral("Dok"));
  const QString sounds = app.ResourceFolder(QStringLiteral("Sounds"));
  PrintLine(QStringLiteral("Programmordner: %1").arg(app.ProgramFolder()));
  PrintLine(QStringLiteral("Hilfe: %1/%2").arg(dok, QString::fromLatin1(kHelpFileName)));
  PrintLine(QStringLiteral("Klänge: %1").arg(sounds));
  PrintLine(QStringLiteral("Datenordner: %1").arg(app.DataFolder()));
  PrintLine(QStringLiteral("Programmsymbol: %1")
                .arg(QApplication::windowIcon().isNull() ? QStringLiteral("fehlt") : QStringLiteral("vorhanden")));
  // What the desktop takes a team file for: the file manager opens the program with it only
  // when its file type is known.
  const QString example = app.ResourceFolder(QStringLiteral("examples")) + QStringLiteral("/Orks.krt");
  PrintLine(QStringLiteral("Team-Dateien: %1").arg(QMimeDatabase().mimeTypeForFile(example).name()));
  const bool soundPlayer = app.SoundPlayer() != nullptr;
  PrintLine(QStringLiteral("Klangmodul: %1").arg(soundPlayer ? QStringLiteral("vorhanden") : QStringLiteral("fehlt")));
  const auto missing = MissingProgramFiles(dok.toStdString(), sounds.toStdString());
  for (const std::string& path : missing) PrintLine(QStringLiteral("Fehlt: %1").arg(QString::fromStdString(path)));
  const bool complete = missing.empty() && !QApplication::windowIcon().isNull() && soundPlayer;
  PrintLine(complete ? QStringLiteral("Alles vorhanden.") : QStringLiteral("Die Installation ist unvollständig."));
  return complete ? 0 : 1;
}

int RunNewTeamOnly(ProgramServices& services) {
  TeamDocument document(services);
  if (!document.OnNewDocument(nullptr)) return 1;  // the creation has said that it was cancelled
  return document.DoSave(nullptr, QString(), true) ? 0 : 1;
}

}  // namespace krv
