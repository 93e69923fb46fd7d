#include "tool/JsonWriter.h"

#include <cstdio>

namespace krv {

void JsonWriter::Key(std::string_view key) {
  if (!m_firstInScope.empty()) {
    if (!m_firstInScope.back()) m_out += ',';
    m_firstInScope.back() = false;
  }
  if (!key.empty()) {
    Quoted(key);
    m_out += ':';
  }
}

void JsonWriter::Quoted(std::string_view text) {
  m_out += '"';
  for (const char c : text) {
    switch (c) {
      case '"': m_out += "\\\""; break;
      case '\\': m_out += "\\\\"; break;
      case '\n': m_out += "\\n"; break;
      case '\r': m_out += "\\r"; break;
      case '\t': m_out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          m_out += escaped;
        } else {
          m_out += c;  // texts are UTF-8 already
        }
    }
  }
  m_out += '"';
}

void JsonWriter::BeginObject(std::string_view key) {
  Key(key);
  m_out += '{';
  m_firstInScope.push_back(true);
}

void JsonWriter::EndObject() {
  m_out += '}';
  m_firstInScope.pop_back();
}

void JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  m_out += '[';
  m_firstInScope.push_back(true);
}

void JsonWriter::EndArray() {
  m_out += ']';
  m_firstInScope.pop_back();
}

void JsonWriter::String(std::string_view key, std::string_view value) {
  Key(key);
  Quoted(value);
}

void JsonWriter::Int(std::string_view key, int64_t value) {
  Key(key);
  m_out += std::to_string(value);
}

void JsonWriter::Null(std::string_view key) {
  Key(key);
  m_out += "null";
}

}  // namespace krv
