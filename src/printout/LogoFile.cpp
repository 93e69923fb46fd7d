#include "printout/LogoFile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "model/Dib.h"
#include "model/FileIO.h"
#include "model/Format.h"
#include "printout/BitmapPixels.h"
#include "printout/ClassicBitmap.h"
#include "season/EventEntry.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

constexpr int kMostCopiesOfOneName = 99;

// What the program always read, and every other reader of bitmaps reads: the 40-byte header,
// rows from the bottom, no alpha and no depth of two bits.
bool IsClassic(const CDib& dib) {
  return dib.HeaderSize() == kClassicDibHeaderSize && dib.Height() > 0 && dib.BitsPerPixel() != 2 &&
         dib.ColorMasks()[3] == 0;
}

bool HoldsBytes(const fs::path& path, const std::string& bytes) {
  try {
    return ReadWholeFile(path.string()) == bytes;
  } catch (const FileError&) {
    return false;
  }
}

// The copy's path: a free name, or one whose file holds these very bytes already.
std::optional<fs::path> CopyPath(const fs::path& folder, const std::string& stem, const std::string& bytes) {
  for (int n = 1; n <= kMostCopiesOfOneName; ++n) {
    const fs::path path = folder / (n == 1 ? stem + ".bmp" : Format("%s (%d).bmp", stem.c_str(), n));
    std::error_code error;
    if (!fs::exists(path, error) || HoldsBytes(path, bytes)) return path;
  }
  return std::nullopt;
}

}  // namespace

LogoFile PrepareLogoFile(const std::string& chosen, const std::string& copyFolder) {
  constexpr const char* kAdvice = "\n\nBitte wählen Sie eine Windows-Bitmap (BMP) als Team-Logo.";
  CDib dib;
  try {
    dib.Read(chosen);
  } catch (const DibError& e) {
    return {{}, e.what() + std::string(kAdvice)};
  }
  const std::optional<PixelImage> pixels = DecodeDib(dib);
  if (!pixels) return {{}, FileMessage(chosen, "Diese Form einer Bitmap kann das Programm nicht drucken.") + kAdvice};
  if (IsClassic(dib)) return {chosen, {}};

  const std::string bytes = ClassicBitmapFile(*pixels);
  const fs::path folder(copyFolder);
  std::error_code error;
  fs::create_directories(folder, error);
  const std::optional<fs::path> path = CopyPath(folder, fs::path(chosen).stem().string(), bytes);
  if (!path) return {{}, FileMessage(copyFolder, "Hier ist kein Name für eine Kopie des Logos mehr frei.")};
  try {
    if (!HoldsBytes(*path, bytes)) WriteFileAtomically(path->string(), bytes);
  } catch (const FileError& e) {
    return {{}, e.what()};
  }
  return {path->string(), {}};
}

ChangeOutcome ChooseLogoFile(CKRTeam& team, const std::string& chosen, const std::string& copyFolder) {
  if (chosen == team.m_strLogo) return ChangeOutcome::Nothing();
  const LogoFile logo = PrepareLogoFile(chosen, copyFolder);
  if (!logo.refusal.empty()) return ChangeOutcome::Refuse(logo.refusal, NoticeKind::Error);
  return SetLogo(team, logo.path);
}

}  // namespace krv
