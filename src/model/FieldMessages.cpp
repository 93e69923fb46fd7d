#include "model/FieldMessages.h"

#include "model/Format.h"

namespace krv {

std::string FieldRangeMessage(const std::string& field, int64_t low, int64_t high) {
  return Format("Bitte geben Sie für „%s“ eine Zahl zwischen %lld und %lld ein.", field.c_str(),
                static_cast<long long>(low), static_cast<long long>(high));
}

}  // namespace krv
