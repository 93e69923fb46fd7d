#pragma once
// Printing a team from its window: printer setup, print, preview and PDF export. One object
// lives for the whole program run and remembers the printer chosen in the printer setup and
// the last page choice; neither is stored.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "printout/PagePlan.h"
#include "printout/TeamSheet.h"

class QPrinter;
class QWidget;

namespace krv {

class ProgramServices;

class CKRTeam;

class TeamPrinting {
 public:
  TeamPrinting();
  ~TeamPrinting();

  // "Drucker&einrichtung...": the system's printer dialog; the choice holds for the run.
  void PrinterSetup(QWidget* parent);
  // "&Drucken...": to the chosen or default printer without the system dialog; with no
  // printer at all, the system's print dialog (which can also print into a PDF file).
  void Print(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings);
  // "Sei&tenansicht": the same pages in a preview window.
  void Preview(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings);
  // "Als PDF &exportieren...": the same page choice, then a file; ".pdf" is appended when
  // the name has no extension of that kind. The file is asked for as the settings say (the
  // program's file requester or the system's dialog).
  void ExportPdf(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings, const QString& proposedPath,
                 const ProgramServices& services);

  // The page choice: the dialog "Drucken" for a team with matches, the team sheet alone
  // without asking for a team without. Nothing when the coach cancelled.
  std::optional<PrintMode> AskPages(QWidget* parent, const CKRTeam& team);

  QPrinter& Printer();
  // Whether printing may go straight to the printer: chosen in the setup or a default exists.
  bool HasPrinter() const;
  void SetPrinterChosen(bool chosen) { m_bPrinterChosen = chosen; }
  PrintMode RememberedMode() const { return m_mode; }

  // Tests replace the file question (an empty function restores the dialogs).
  using AskPdfPathFunction = std::function<QString(QWidget* parent, const QString& proposed)>;
  static void SetAskPdfPathFunction(AskPdfPathFunction function);

 private:
  std::unique_ptr<QPrinter> m_printer;  // made on first use
  bool m_bPrinterChosen = false;
  PrintMode m_mode = PrintMode::kSheetOnly;
};

// The PDF file name for a chosen name: ".pdf" appended unless it ends so already.
QString WithPdfExtension(const QString& path);

}  // namespace krv
