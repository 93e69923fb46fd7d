#pragma once
// A minimal streaming JSON writer: objects, arrays, strings, integers, null.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

class JsonWriter {
 public:
  void BeginObject(std::string_view key = {});
  void EndObject();
  void BeginArray(std::string_view key = {});
  void EndArray();
  void String(std::string_view key, std::string_view value);
  void Int(std::string_view key, int64_t value);
  void Null(std::string_view key = {});

  const std::string& Text() const { return m_out; }

 private:
  void Key(std::string_view key);
  void Quoted(std::string_view text);

  std::string m_out;
  std::vector<bool> m_firstInScope;
};

}  // namespace krv
