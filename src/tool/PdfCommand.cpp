#include "tool/PdfCommand.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "model/FileIO.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "printout/TeamPrintout.h"
#include "printout/render/PrintoutRenderer.h"
#include "tool/ToolCommand.h"
#include "tool/ToolSettings.h"

namespace krv {

const char* const kPdfUsage =
    "Aufruf: krv pdf DATEI AUS.pdf [--seiten 0|1|2|3] [--nullwerte drucken|leer]\n"
    "                [--werte drucken|leer] [--papier A4|Letter]\n"
    "\n"
    "Schreibt den Team-Bogen und die Liste der Spiele des Teams aus DATEI als PDF nach AUS.pdf\n"
    "(Querformat, Text bleibt durchsuchbar).\n"
    "\n"
    "  --seiten 0         nur der Team-Bogen\n"
    "  --seiten 1         die Spieleseiten, die im ganzen Ausdruck Seite 2, 4, 6, ... wären\n"
    "  --seiten 2         die Spieleseiten, die im ganzen Ausdruck Seite 3, 5, 7, ... wären\n"
    "  --seiten 3         alle Seiten hintereinander (Vorgabe)\n"
    "  --nullwerte leer   Pass/TD/ABG/VSA/SDT/SSP mit dem Wert 0 bleiben leer\n"
    "  --werte leer       Pass/TD/ABG/VSA/SDT/SSP bleiben ganz leer\n"
    "                     (Vorgabe für beide: die Einstellungen aus KRV.DAT)\n"
    "  --papier A4|Letter Papierformat (Vorgabe A4)\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren Team-Datei oder wenn AUS.pdf nicht\n"
    "geschrieben werden kann (dann entsteht keine Datei), 2 bei falschem Aufruf.\n";

namespace {

struct PdfOptions {
  std::string input, output;
  PrintMode mode = PrintMode::kAllPages;
  std::optional<bool> skipZeroValues, skipValues;
  QPageSize pageSize{QPageSize::A4};
};

struct Misuse {
  std::string message;
};

// "drucken" prints the values, "leer" leaves them out.
bool LeaveEmpty(const std::string& option, const std::string& value) {
  if (value == "leer") return true;
  if (value == "drucken") return false;
  throw Misuse{"„" + option + "“ erwartet „drucken“ oder „leer“, nicht „" + value + "“."};
}

PdfOptions ParseOptions(const std::vector<std::string>& args) {
  PdfOptions options;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      files.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) throw Misuse{"„" + arg + "“ erwartet einen Wert."};
    const std::string& value = args[++i];
    if (arg == "--seiten") {
      if (value.size() != 1 || value[0] < '0' || value[0] > '3')
        throw Misuse{"„--seiten“ erwartet 0, 1, 2 oder 3, nicht „" + value + "“."};
      options.mode = static_cast<PrintMode>(value[0] - '0');
    } else if (arg == "--nullwerte") {
      options.skipZeroValues = LeaveEmpty(arg, value);
    } else if (arg == "--werte") {
      options.skipValues = LeaveEmpty(arg, value);
    } else if (arg == "--papier") {
      if (value == "A4" || value == "a4") options.pageSize = QPageSize(QPageSize::A4);
      else if (value == "Letter" || value == "letter") options.pageSize = QPageSize(QPageSize::Letter);
      else throw Misuse{"„--papier“ erwartet „A4“ oder „Letter“, nicht „" + value + "“."};
    } else {
      throw Misuse{"Unbekannte Option „" + arg + "“."};
    }
  }
  if (files.size() != 2) throw Misuse{"„pdf“ erwartet eine Team-Datei und eine Ausgabedatei."};
  options.input = files[0];
  options.output = files[1];
  return options;
}

// A PDF written over the team file would destroy the team.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

int RunPdfCommand(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kPdfUsage;
    return 0;
  }
  PdfOptions options;
  try {
    options = ParseOptions(args);
  } catch (const Misuse& misuse) {
    std::cerr << "krv: " << misuse.message << "\n\n" << kPdfUsage;
    return 2;
  }
  if (SameFile(options.input, options.output)) {
    std::cerr << "krv: Die Ausgabedatei ist die Team-Datei selbst; sie wird nicht überschrieben.\n";
    return 2;
  }
  auto team = LoadTeamFile(options.input);

  SheetPrintSettings settings = SheetPrintSettingsFrom(LoadToolSettings());
  if (options.skipZeroValues) settings.skipZeroValues = *options.skipZeroValues;
  if (options.skipValues) settings.skipValues = *options.skipValues;
  const TeamPrintout printout(*team, options.mode, settings);

  // Fonts need a GUI application; no window is ever shown, so no display is needed.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "krv";
  static char* argv[] = {name, nullptr};
  // Qt's notes about the environment (no runtime folder and the like) are no concern of a coach.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "krv: " << message.toStdString() << "\n";
  });
  QGuiApplication app(argc, argv);
  WritePrintoutPdf(printout, QString::fromStdString(options.output), QString::fromStdString(team->m_strName),
                   options.pageSize);
  return 0;
}

namespace {
const ToolCommandRegistration kRegistration({"pdf", "DATEI AUS.pdf",
                                             "schreibt Team-Bogen und Spieleliste als PDF (krv pdf --help)", 45,
                                             RunPdfCommand});
}  // namespace

}  // namespace krv
