#include "history/StepHistory.h"

#include <algorithm>
#include <optional>

namespace krv {
namespace {

// After a difference, both sides count as alike again where this many bytes agree.
constexpr size_t kResync = 16;
// Differences up to this many bytes on both sides together are found by trying every split.
constexpr size_t kShortEdit = 24;
// A longer one: a run of this length from one side is looked for on the other, from a few
// places on.
constexpr size_t kFarRun = 32;
constexpr size_t kFarTries = 8;

bool AlikeAt(std::string_view before, size_t i, std::string_view after, size_t j) {
  return i + kResync <= before.size() && j + kResync <= after.size() &&
         before.compare(i, kResync, after.substr(j, kResync)) == 0;
}

void PutNumber(std::string& out, size_t value) {
  do {
    const auto low = static_cast<unsigned char>(value & 0x7F);
    value >>= 7;
    out.push_back(static_cast<char>(value ? low | 0x80 : low));
  } while (value);
}

size_t TakeNumber(std::string_view script, size_t& at) {
  size_t value = 0;
  for (int shift = 0; at < script.size(); shift += 7) {
    const auto byte = static_cast<unsigned char>(script[at++]);
    value |= size_t{byte & 0x7Fu} << shift;
    if (!(byte & 0x80)) break;
  }
  return value;
}

struct Skip {
  size_t before = 0;
  size_t after = 0;
};

// Where the sides, differing at i and j, agree again: the shortest difference first (a few
// bytes changed in place, inserted or removed), else where a run of one side turns up next
// on the other. Nothing when they never agree again.
std::optional<Skip> Resync(std::string_view before, size_t i, std::string_view after, size_t j) {
  for (size_t total = 1; total <= kShortEdit; ++total) {
    for (size_t di = 0; di <= total; ++di)
      if (AlikeAt(before, i + di, after, j + total - di)) return Skip{di, total - di};
  }
  std::optional<Skip> best;
  const auto consider = [&best](size_t di, size_t dj) {
    if (!best || di + dj < best->before + best->after) best = Skip{di, dj};
  };
  for (size_t t = 0; t < kFarTries; ++t) {
    const size_t offset = t * kFarRun / 2;
    if (i + offset + kFarRun <= before.size()) {
      const size_t found = after.find(before.substr(i + offset, kFarRun), j);
      if (found != std::string_view::npos) consider(offset, found - j);
    }
    if (j + offset + kFarRun <= after.size()) {
      const size_t found = before.find(after.substr(j + offset, kFarRun), i);
      if (found != std::string_view::npos) consider(found - i, offset);
    }
    if (best) break;
  }
  return best;
}

}  // namespace

class DeltaBuilder {
 public:
  explicit DeltaBuilder(std::string& script) : m_Script(script) {}

  void Diff(std::string_view before, std::string_view after) {
    size_t i = 0, j = 0, keep = 0;
    while (i < before.size() && j < after.size()) {
      const auto [ib, ia] = std::mismatch(before.begin() + static_cast<std::ptrdiff_t>(i), before.end(),
                                          after.begin() + static_cast<std::ptrdiff_t>(j), after.end());
      const size_t alike = static_cast<size_t>(ib - before.begin()) - i;
      keep += alike;
      i += alike;
      j += alike;
      if (i == before.size() || j == after.size()) break;
      const std::optional<Skip> skip = Resync(before, i, after, j);
      if (!skip) break;
      Put(keep, before.substr(i, skip->before), after.substr(j, skip->after));
      keep = 0;
      i += skip->before;
      j += skip->after;
    }
    if (i < before.size() || j < after.size()) Put(keep, before.substr(i), after.substr(j));
  }

 private:
  void Put(size_t keep, std::string_view before, std::string_view after) {
    PutNumber(m_Script, keep);
    PutNumber(m_Script, before.size());
    PutNumber(m_Script, after.size());
    m_Script.append(before);
    m_Script.append(after);
  }

  std::string& m_Script;
};

ByteDelta ByteDelta::Between(std::string_view before, std::string_view after) {
  ByteDelta delta;
  DeltaBuilder(delta.m_Script).Diff(before, after);
  delta.m_Script.shrink_to_fit();
  return delta;
}

std::string ByteDelta::Apply(std::string_view from, bool forward) const {
  std::string to;
  size_t at = 0;
  size_t read = 0;
  const std::string_view script = m_Script;
  while (read < script.size()) {
    const size_t keep = TakeNumber(script, read);
    const size_t beforeSize = TakeNumber(script, read);
    const size_t afterSize = TakeNumber(script, read);
    to.append(from.substr(at, keep));
    to.append(forward ? script.substr(read + beforeSize, afterSize) : script.substr(read, beforeSize));
    at += keep + (forward ? beforeSize : afterSize);
    read += beforeSize + afterSize;
  }
  to.append(from.substr(std::min(at, from.size())));
  return to;
}

std::string ByteDelta::Forward(std::string_view before) const { return Apply(before, true); }
std::string ByteDelta::Backward(std::string_view after) const { return Apply(after, false); }

StepHistory::StepHistory(StepLimits limits) : m_Limits(limits) {}

void StepHistory::Reset(std::string state, bool clean) {
  m_Current = std::move(state);
  m_Done.clear();
  m_Undone.clear();
  m_Dropped = 0;
  m_Memory = 0;
  m_Clean = clean ? std::optional<size_t>(0) : std::nullopt;
}

bool StepHistory::Record(std::string state, std::string name) {
  if (state == m_Current) return false;
  for (const Step& step : m_Undone) m_Memory -= step.delta.Memory();
  m_Undone.clear();
  if (m_Clean && *m_Clean > Position()) m_Clean.reset();  // the saved state was taken back
  Step step{std::move(name), ByteDelta::Between(m_Current, state)};
  m_Memory += step.delta.Memory();
  m_Done.push_back(std::move(step));
  m_Current = std::move(state);
  DropOldSteps();
  return true;
}

void StepHistory::DropOldSteps() {
  while (m_Done.size() > 1 && (m_Done.size() > m_Limits.maxSteps || m_Memory > m_Limits.maxBytes)) {
    m_Memory -= m_Done.front().delta.Memory();
    m_Done.pop_front();
    ++m_Dropped;
  }
  if (m_Clean && *m_Clean < m_Dropped) m_Clean.reset();
}

std::string StepHistory::UndoName() const { return m_Done.empty() ? std::string() : m_Done.back().name; }
std::string StepHistory::RedoName() const { return m_Undone.empty() ? std::string() : m_Undone.back().name; }

const std::string& StepHistory::Undo() {
  Step step = std::move(m_Done.back());
  m_Done.pop_back();
  m_Current = step.delta.Backward(m_Current);
  m_Undone.push_back(std::move(step));
  return m_Current;
}

const std::string& StepHistory::Redo() {
  Step step = std::move(m_Undone.back());
  m_Undone.pop_back();
  m_Current = step.delta.Forward(m_Current);
  m_Done.push_back(std::move(step));
  return m_Current;
}

void StepHistory::MarkClean() { m_Clean = Position(); }

}  // namespace krv
