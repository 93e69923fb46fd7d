#pragma once
// File names between the file system (bytes) and the windows (QString), losslessly also for
// names that are not valid UTF-8 (see model/FileNameText.h); QFile::encodeName is not.

#include <QString>
#include <string>

namespace krv {

QString FileNameFromBytes(const std::string& bytes);
std::string FileNameBytes(const QString& name);

}  // namespace krv
