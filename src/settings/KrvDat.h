#pragma once
// KRV.DAT: the program's settings and the system team list, in the object archive.
// Versions up to 14 are read (8 and below in the short layout); version 14 is written. A
// file of a newer version is read with the version-14 layout: what it holds beyond that is
// not read (and is lost when the file is written again, so a copy is kept first).

#include <cstdint>
#include <string>
#include <string_view>

#include "model/StringArray.h"

namespace krv {

constexpr int32_t kKrvDatVersion = 14;
// Far above any real KRV.DAT (a few kilobytes even with a long team list).
constexpr size_t kMaxKrvDatBytes = size_t{16} << 20;

// The ranges the settings sheet allows; a value outside falls back to the default.
constexpr int32_t kMinStartkapital = 10000;
constexpr int32_t kMaxStartkapital = 2000000;
constexpr int32_t kMinMaxSpieler = 1;
constexpr int32_t kMaxMaxSpieler = 32;
constexpr int32_t kDefaultMaxSpieler = 16;

// The settings kept in KRV.DAT, with the defaults a missing file leaves in force.
struct ProgramSettings {
  CKRStringArray m_Teamliste;
  int32_t m_nStartkapital = 1000000;
  int32_t m_nMaxSpieler = kDefaultMaxSpieler;
  int32_t m_bSound = 1;
  int32_t m_bFragen = 1;
  int32_t m_bSpielerBehalten = 1;
  int32_t m_bHilfeBrowser = 1;
  int32_t m_bKeine256Warnung = 0;
  int32_t m_bNoQuickHelp = 0;
  int32_t m_bQuickHelpFadeIn = 1;
  int32_t m_bQuickHelpOnce = 1;
  int32_t m_nNewsVersion = kKrvDatVersion;
  int32_t m_bLebenslaufAuto = 1;
  int32_t m_bEigenerDateidialog = 1;
  int32_t m_bSkipZeroValues = 1;
  int32_t m_bSkipValues = 0;
  int32_t m_bCHM = 1;
  int32_t m_nDatVersion = kKrvDatVersion;  // the version read; written as it stands
};

// Fills `settings` from the bytes of a KRV.DAT; items a version lacks keep their values and
// the team list read is appended. Throws ArchiveError; `settings` is then unchanged.
void ReadKrvDat(std::string_view bytes, ProgramSettings& settings);
std::string WriteKrvDat(const ProgramSettings& settings);

// The data folder ("Daten"): $KRV_DATEN when set; else "Daten" in the program folder when it
// exists and is writable; else $XDG_DATA_HOME/krashball/Daten (~/.local/share/...).
std::string DataFolder(const std::string& programFolder);
// The folder of the running program file.
std::string ExecutableFolder();
std::string KrvDatPath(const std::string& programFolder);

// Puts a starting capital or player maximum outside the sheet's ranges back to its default
// and returns a German note per value, one line each ("" when all were in range).
std::string ClampSettingsRanges(ProgramSettings& settings);

// Reads a KRV.DAT; a missing file gives the defaults. A damaged or unreadable file also gives
// the defaults; values out of range are set back (ClampSettingsRanges). Either is described in
// `problem` (German, complete sentences naming the file), so the caller can show it and leave
// the file untouched until something changes. Versions are 14 afterwards, as after every start.
// `keepCopyBeforeWriting` is set when the file must not be overwritten without a copy: it
// is damaged, or of a newer version whose additions were not read.
ProgramSettings LoadProgramSettings(const std::string& path, std::string* problem = nullptr,
                                    bool* keepCopyBeforeWriting = nullptr);
// Writes crash-safely; throws FileError. With `keepCopy` the file there is first copied to
// "<path>.bak" (an existing copy is replaced).
void SaveProgramSettings(const ProgramSettings& settings, const std::string& path, bool keepCopy = false);
// The name of that copy: "KRV.DAT.bak" beside "KRV.DAT".
std::string SettingsCopyPath(const std::string& path);

}  // namespace krv
