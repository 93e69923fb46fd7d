#include "settings/KrvDat.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "create/TeamBudget.h"
#include "model/Archive.h"
#include "model/FileIO.h"
#include "model/Format.h"
#include "model/Gold.h"

namespace krv {
namespace {

constexpr int32_t kLastShortLayoutVersion = 8;

void ReadShortLayout(ArchiveReader& a, ProgramSettings& s) {
  for (int32_t* n : {&s.m_bSound, &s.m_bFragen, &s.m_bSpielerBehalten, &s.m_bHilfeBrowser, &s.m_bKeine256Warnung,
                     &s.m_bNoQuickHelp, &s.m_bQuickHelpOnce, &s.m_nNewsVersion, &s.m_bLebenslaufAuto,
                     &s.m_bEigenerDateidialog, &s.m_bSkipZeroValues, &s.m_bSkipValues})
    *n = a.ReadInt32();
}

void ReadLongLayout(ArchiveReader& a, int32_t version, ProgramSettings& s) {
  for (int32_t* n : {&s.m_bSound, &s.m_bFragen, &s.m_bSpielerBehalten, &s.m_bHilfeBrowser, &s.m_bKeine256Warnung})
    *n = a.ReadInt32();
  a.ReadString();  // reserved
  s.m_bNoQuickHelp = a.ReadInt32();
  s.m_bQuickHelpOnce = a.ReadInt32();
  s.m_nNewsVersion = a.ReadInt32();
  a.ReadString();  // reserved
  s.m_bLebenslaufAuto = a.ReadInt32();
  s.m_bEigenerDateidialog = a.ReadInt32();
  a.ReadInt32();  // reserved
  s.m_bSkipZeroValues = a.ReadInt32();
  s.m_bSkipValues = a.ReadInt32();
  if (version >= 11) s.m_bQuickHelpFadeIn = a.ReadInt32();
  if (version >= 12) s.m_bCHM = a.ReadInt32();
  if (version >= 13) s.m_nStartkapital = a.ReadInt32();
  if (version >= 14) s.m_nMaxSpieler = a.ReadInt32();
}

bool IsWritableFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

// One range check: a note when the value had to be set back.
std::string ClampSetting(int32_t& value, int32_t low, int32_t high, int32_t fallback, const char* what) {
  if (value >= low && value <= high) return {};
  const std::string note =
      Format("%s %s liegt nicht zwischen %s und %s; es gilt %s.\n", what, FormatGoldNumber(value).c_str(),
             FormatGoldNumber(low).c_str(), FormatGoldNumber(high).c_str(), FormatGoldNumber(fallback).c_str());
  value = fallback;
  return note;
}

}  // namespace

std::string ClampSettingsRanges(ProgramSettings& s) {
  return ClampSetting(s.m_nStartkapital, kMinStartkapital, kMaxStartkapital, kDefaultStartkapital, "Das Startkapital") +
         ClampSetting(s.m_nMaxSpieler, kMinMaxSpieler, kMaxMaxSpieler, kDefaultMaxSpieler, "Die höchste Spielerzahl");
}

void ReadKrvDat(std::string_view bytes, ProgramSettings& settings) {
  ProgramSettings read = settings;
  ArchiveReader a(bytes, {CKRStringArray::kClassName});
  read.m_nDatVersion = a.ReadInt32();
  if (read.m_nDatVersion < 1) throw ArchiveError(Format("Unbekannte Version %d", read.m_nDatVersion));
  if (a.ReadObjectTag().empty()) throw ArchiveError("Die Teamliste fehlt");
  CKRStringArray teams;
  teams.Deserialize(a);
  for (auto& team : teams.m_Items) read.m_Teamliste.m_Items.push_back(std::move(team));
  if (read.m_nDatVersion <= kLastShortLayoutVersion) ReadShortLayout(a, read);
  else ReadLongLayout(a, std::min(read.m_nDatVersion, kKrvDatVersion), read);
  settings = std::move(read);
}

std::string WriteKrvDat(const ProgramSettings& s) {
  ArchiveWriter w;
  w.WriteInt32(s.m_nDatVersion);
  w.WriteObjectTag(CKRStringArray::kClassName, CKRStringArray::kSchema);
  s.m_Teamliste.Serialize(w);
  for (int32_t n : {s.m_bSound, s.m_bFragen, s.m_bSpielerBehalten, s.m_bHilfeBrowser, s.m_bKeine256Warnung})
    w.WriteInt32(n);
  w.WriteString("");  // reserved
  w.WriteInt32(s.m_bNoQuickHelp);
  w.WriteInt32(s.m_bQuickHelpOnce);
  w.WriteInt32(s.m_nNewsVersion);
  w.WriteString("");  // reserved
  w.WriteInt32(s.m_bLebenslaufAuto);
  w.WriteInt32(s.m_bEigenerDateidialog);
  w.WriteInt32(0);  // reserved
  for (int32_t n :
       {s.m_bSkipZeroValues, s.m_bSkipValues, s.m_bQuickHelpFadeIn, s.m_bCHM, s.m_nStartkapital, s.m_nMaxSpieler})
    w.WriteInt32(n);
  return w.TakeBytes();
}

std::string DataFolder(const std::string& programFolder) {
  if (const char* overridden = std::getenv("KRV_DATEN"); overridden && *overridden) return overridden;
  const std::string beside = programFolder + "/Daten";
  if (IsWritableFolder(beside)) return beside;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/krashball/Daten";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/krashball/Daten";
}

std::string ExecutableFolder() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : program.parent_path().string();
}

std::string KrvDatPath(const std::string& programFolder) { return DataFolder(programFolder) + "/KRV.DAT"; }

ProgramSettings LoadProgramSettings(const std::string& path, std::string* problem, bool* keepCopyBeforeWriting) {
  constexpr const char* kDefaultsApply = "\nEs gelten die Standardeinstellungen; die Datei bleibt unverändert.";
  ProgramSettings settings;
  std::string found;
  bool keepCopy = false;
  if (::access(path.c_str(), F_OK) == 0) {
    try {
      ReadKrvDat(ReadWholeFile(path, kMaxKrvDatBytes), settings);
      keepCopy = settings.m_nDatVersion > kKrvDatVersion;
      if (const std::string notes = ClampSettingsRanges(settings); !notes.empty())
        found = FileMessage(path, "Einstellungen außerhalb des Erlaubten:\n" + notes.substr(0, notes.size() - 1));
    } catch (const FileError& e) {
      found = e.what() + std::string(kDefaultsApply);
      keepCopy = true;
    } catch (const ArchiveError& e) {
      found = FileMessage(path, std::string("Die Einstellungen sind beschädigt. ") + e.what() + ".") + kDefaultsApply;
      keepCopy = true;
    }
  }
  if (problem) *problem = found;
  if (keepCopyBeforeWriting) *keepCopyBeforeWriting = keepCopy;
  settings.m_nDatVersion = kKrvDatVersion;
  settings.m_nNewsVersion = kKrvDatVersion;
  return settings;
}

std::string SettingsCopyPath(const std::string& path) { return path + ".bak"; }

void SaveProgramSettings(const ProgramSettings& settings, const std::string& path, bool keepCopy) {
  if (keepCopy && ::access(path.c_str(), F_OK) == 0) WriteFileAtomically(SettingsCopyPath(path), ReadWholeFile(path));
  WriteFileAtomically(path, WriteKrvDat(settings));
}

}  // namespace krv
