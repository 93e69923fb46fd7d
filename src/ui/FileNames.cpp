#include "ui/FileNames.h"

#include "model/FileNameText.h"

namespace krv {

QString FileNameFromBytes(const std::string& bytes) {
  const std::u16string name = FileNameToUtf16(bytes);
  return QString(reinterpret_cast<const QChar*>(name.data()), static_cast<qsizetype>(name.size()));
}

std::string FileNameBytes(const QString& name) {
  return FileNameFromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(name.utf16()), static_cast<size_t>(name.size())));
}

}  // namespace krv
