#include "tool/ToolSettings.h"

#include <iostream>

namespace krv {

ProgramSettings LoadToolSettings() {
  std::string problem;
  ProgramSettings settings = LoadProgramSettings(KrvDatPath(ExecutableFolder()), &problem);
  if (!problem.empty()) std::cerr << "krv: " << problem << "\n";
  return settings;
}

}  // namespace krv
