#include "app/ProgramFiles.h"

#include <filesystem>

namespace krv {

const std::vector<std::string>& ProgramSoundFiles() {
  static const std::vector<std::string> files = {"Sa-geht.wav",     "Za-geht.wav",      "Ch-geht.wav",  "Co-geht.wav",
                                                 "NeueAusgabe.wav", "NeueEinnahme.wav", "Gewonnen.wav", "Verloren.wav",
                                                 "Tod.wav",         "KeineFans.wav",    "nicht16.WAV"};
  return files;
}

std::vector<std::string> MissingProgramFiles(const std::string& dokFolder, const std::string& soundFolder) {
  std::vector<std::string> missing;
  auto check = [&missing](const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) missing.push_back(path);
  };
  check(dokFolder + "/" + kHelpFileName);
  for (const std::string& sound : ProgramSoundFiles()) check(soundFolder + "/" + sound);
  return missing;
}

}  // namespace krv
