#pragma once
// The object archive of team files and KRV.DAT: little-endian integers, length-prefixed
// Windows-1252 texts, counted lists and class/object tags with one tag table per file.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

// A file that does not follow the archive format; the message is German and says what is wrong.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ArchiveWriter {
 public:
  void WriteInt32(int32_t value) { WriteUInt32(static_cast<uint32_t>(value)); }
  void WriteWord(uint16_t value) {
    const char b[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
    m_bytes.append(b, 2);
  }
  void WriteUInt32(uint32_t value) {
    const char b[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                       static_cast<char>(value >> 24)};
    m_bytes.append(b, 4);
  }
  // Texts are converted to Windows-1252; characters it cannot hold become "?" and are counted.
  void WriteString(std::string_view utf8);
  void WriteCount(uint64_t count);
  void WriteNullTag();
  // Room for a file of about this size, so that writing it grows the buffer at most once.
  void Reserve(size_t bytes) { m_bytes.reserve(bytes); }
  // Starts a new object: the class block the first time a class is written, else its tag.
  void WriteObjectTag(std::string_view className, uint16_t schema);

  const std::string& Bytes() const { return m_bytes; }
  std::string TakeBytes() { return std::move(m_bytes); }
  size_t ReplacedCharacters() const { return m_replaced; }

 private:
  uint32_t NextIndex();

  std::string m_bytes;
  std::string m_converted;  // a text that is not ASCII, converted before it is written
  uint32_t m_nextIndex = 1;
  size_t m_replaced = 0;
  std::vector<std::pair<std::string, uint32_t>> m_classes;
};

class ArchiveReader {
 public:
  // `knownClasses`: the class names this file may contain.
  ArchiveReader(std::string_view data, std::vector<std::string_view> knownClasses);
  // The reader keeps a view of the bytes: they must outlive it.
  ArchiveReader(std::string&& data, std::vector<std::string_view> knownClasses) = delete;

  int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
  uint16_t ReadWord() {
    const auto* b = reinterpret_cast<const unsigned char*>(Take(2));
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  uint32_t ReadUInt32() {
    const auto* b = reinterpret_cast<const unsigned char*>(Take(4));
    return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
  }
  std::string ReadString();  // UTF-8
  // The same into an existing text, which keeps its storage when the new text fits.
  void ReadString(std::string& into);
  // A list or array count; fails at once when the rest of the file cannot hold that many
  // entries of at least `minEntrySize` bytes.
  uint32_t ReadCount(size_t minEntrySize);
  // Reads an object tag; returns the object's class name, or an empty view for a null entry.
  // A reference to an object read before is refused: each record has one place only.
  std::string_view ReadObjectTag();

  size_t Position() const { return m_pos; }
  size_t Remaining() const { return m_data.size() - m_pos; }

 private:
  const char* Take(size_t size) {
    if (size > Remaining()) FailShort();
    const char* p = m_data.data() + m_pos;
    m_pos += size;
    return p;
  }
  [[noreturn]] void FailShort() const;
  [[noreturn]] void Fail(const std::string& what) const;

  std::string_view m_data;
  size_t m_pos = 0;
  std::vector<std::string_view> m_knownClasses;
  // The tag table: the index the next class or object gets, and for each class index (in
  // rising order) its known-class slot. A file has few classes and many objects, so only
  // the classes are kept.
  uint32_t m_nextIndex = 1;
  struct ClassEntry {
    uint32_t index;
    size_t slot;
  };
  std::vector<ClassEntry> m_classes;
};

}  // namespace krv
