#include "model/Archive.h"

#include <algorithm>
#include <cstring>

#include "model/Format.h"
#include "model/Windows1252.h"

namespace krv {
namespace {

constexpr uint16_t kNullTag = 0x0000;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;
constexpr uint32_t kMaxMapCount = 0x3FFFFFFEu;

}  // namespace

// ---- writing ----

void ArchiveWriter::WriteString(std::string_view utf8) {
  // ASCII texts are the same bytes in the file; only others are converted.
  std::string_view bytes = utf8;
  if (AsciiPrefixLength(utf8) != utf8.size()) {
    m_converted.clear();
    m_replaced += AppendUtf8AsWindows1252(utf8, m_converted);
    bytes = m_converted;
  }
  const size_t n = bytes.size();
  if (n < 0xFF) {
    m_bytes += static_cast<char>(n);
  } else {
    m_bytes += '\xFF';
    if (n < 0xFFFE) {
      WriteWord(static_cast<uint16_t>(n));
    } else {
      WriteWord(0xFFFF);
      WriteUInt32(static_cast<uint32_t>(n));
    }
  }
  m_bytes.append(bytes.data(), bytes.size());
}

void ArchiveWriter::WriteCount(uint64_t count) {
  if (count < 0xFFFF) {
    WriteWord(static_cast<uint16_t>(count));
  } else {
    WriteWord(0xFFFF);
    WriteUInt32(static_cast<uint32_t>(count));
  }
}

void ArchiveWriter::WriteNullTag() { WriteWord(kNullTag); }

uint32_t ArchiveWriter::NextIndex() {
  if (m_nextIndex > kMaxMapCount) throw ArchiveError("Zu viele Objekte für eine Datei.");
  return m_nextIndex++;
}

void ArchiveWriter::WriteObjectTag(std::string_view className, uint16_t schema) {
  for (const auto& [name, index] : m_classes) {
    if (name != className) continue;
    if (index < kBigObjectTag) {
      WriteWord(static_cast<uint16_t>(kClassTag | index));
    } else {
      WriteWord(kBigObjectTag);
      WriteUInt32(kBigClassTag | index);
    }
    NextIndex();  // the object itself
    return;
  }
  WriteWord(kNewClassTag);
  WriteWord(schema);
  WriteWord(static_cast<uint16_t>(className.size()));
  m_bytes.append(className);
  m_classes.emplace_back(std::string(className), NextIndex());
  NextIndex();
}

// ---- reading ----

ArchiveReader::ArchiveReader(std::string_view data, std::vector<std::string_view> knownClasses)
    : m_data(data), m_knownClasses(std::move(knownClasses)) {}

void ArchiveReader::Fail(const std::string& what) const {
  throw ArchiveError(Format("%s (bei Byte %zu)", what.c_str(), m_pos));
}

void ArchiveReader::FailShort() const { Fail("Die Datei ist zu kurz"); }

std::string ArchiveReader::ReadString() {
  std::string text;
  ReadString(text);
  return text;
}

void ArchiveReader::ReadString(std::string& into) {
  uint64_t length = static_cast<unsigned char>(*Take(1));
  if (length == 0xFF) {
    length = ReadWord();
    if (length == 0xFFFE) Fail("Texte in 16-Bit-Zeichen werden nicht unterstützt");
    if (length == 0xFFFF) length = ReadUInt32();
  }
  if (length > Remaining())
    Fail(Format("Ein Text von %llu Zeichen passt nicht mehr in die Datei", static_cast<unsigned long long>(length)));
  AssignWindows1252AsUtf8(std::string_view(Take(length), length), into);
}

uint32_t ArchiveReader::ReadCount(size_t minEntrySize) {
  uint32_t count = ReadWord();
  if (count == 0xFFFF) count = ReadUInt32();
  if (minEntrySize > 0 && count > Remaining() / minEntrySize)
    Fail(Format("Eine Liste von %u Einträgen passt nicht mehr in die Datei", count));
  return count;
}

std::string_view ArchiveReader::ReadObjectTag() {
  const uint16_t tag = ReadWord();
  if (tag == kNullTag) return {};

  size_t classSlot;
  if (tag == kNewClassTag) {
    ReadWord();  // schema: the record classes are versionable, any number is accepted
    const uint16_t nameLength = ReadWord();
    const std::string_view name(Take(nameLength), nameLength);
    const auto known = std::find(m_knownClasses.begin(), m_knownClasses.end(), name);
    if (known == m_knownClasses.end()) Fail(Format("Unbekannte Klasse \"%s\"", Windows1252ToUtf8(name).c_str()));
    classSlot = static_cast<size_t>(known - m_knownClasses.begin());
    if (m_nextIndex > kMaxMapCount) Fail("Zu viele Objekte in der Datei");
    m_classes.push_back({m_nextIndex++, classSlot});
  } else {
    const uint32_t objectTag =
        tag == kBigObjectTag ? ReadUInt32() : ((uint32_t{tag} & kClassTag) << 16) | (tag & ~kClassTag);
    const uint32_t index = objectTag & ~kBigClassTag;
    if (index == 0 || index >= m_nextIndex) Fail(Format("Ungültiger Verweis auf Eintrag %u", index));
    if (!(objectTag & kBigClassTag))
      Fail("Ein Datensatz steht zweimal in der Datei (Verweis auf einen schon gelesenen Eintrag)");
    const auto entry = std::lower_bound(m_classes.begin(), m_classes.end(), index,
                                        [](const ClassEntry& e, uint32_t i) { return e.index < i; });
    if (entry == m_classes.end() || entry->index != index) Fail(Format("Eintrag %u ist keine Klasse", index));
    classSlot = entry->slot;
  }
  if (m_nextIndex > kMaxMapCount) Fail("Zu viele Objekte in der Datei");
  ++m_nextIndex;
  return m_knownClasses[classSlot];
}

}  // namespace krv
