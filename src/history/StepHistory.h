#pragma once
// The steps a team window can take back and do again. A step is the change from one whole
// state of the team (its file bytes) to the next; only the differing parts of the two are
// kept, so that a hundred steps of a very long career stay small. Taking a step back gives
// the exact earlier bytes, from which the window rebuilds the team: no step can leave a
// half-undone team.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

// What differs between two byte strings: runs kept alike, each followed by the bytes one
// side has there instead of the other's. Team files differ in many small places after one
// change (a record inserted renumbers the class references of every later record), so the
// runs are found at any distance and the whole script is kept in one compact string.
class ByteDelta {
 public:
  ByteDelta() = default;
  static ByteDelta Between(std::string_view before, std::string_view after);

  std::string Forward(std::string_view before) const;  // before -> after
  std::string Backward(std::string_view after) const;  // after -> before
  size_t Memory() const { return sizeof(ByteDelta) + m_Script.capacity(); }

 private:
  friend class DeltaBuilder;
  std::string Apply(std::string_view from, bool forward) const;
  // Per edit: the length of the alike run before it, the lengths of both sides' bytes (as
  // variable-length numbers), then those bytes, before's first.
  std::string m_Script;
};

struct StepLimits {
  size_t maxSteps = 100;               // the oldest step goes beyond this
  size_t maxBytes = size_t{64} << 20;  // and while the steps hold more than this; the newest stays
};

class StepHistory {
 public:
  explicit StepHistory(StepLimits limits = {});

  // Starts over at `state` (a team created, read or read again): no steps. `clean`: the state
  // is the one in the team file.
  void Reset(std::string state, bool clean);
  // Records the change to `state` as one step named `name`; the steps taken back are gone.
  // False (nothing recorded) when `state` equals the current one.
  bool Record(std::string state, std::string name);

  bool CanUndo() const { return !m_Done.empty(); }
  bool CanRedo() const { return !m_Undone.empty(); }
  // The name of the step Undo or Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // Take one step back or forward; the new current state. Only when CanUndo/CanRedo.
  const std::string& Undo();
  const std::string& Redo();

  const std::string& Current() const { return m_Current; }
  // The current state is the one in the team file now (it was saved).
  void MarkClean();
  // No state is the one in the team file any more (the file is gone).
  void ForgetClean() { m_Clean.reset(); }
  // Whether the current state is the one last marked clean.
  bool IsClean() const { return m_Clean && *m_Clean == Position(); }

  size_t UndoCount() const { return m_Done.size(); }
  size_t RedoCount() const { return m_Undone.size(); }
  // The bytes all steps hold (not counting the current state).
  size_t StepMemory() const { return m_Memory; }

 private:
  struct Step {
    std::string name;
    ByteDelta delta;
  };
  // Steps taken since the start, counting those dropped for the limits.
  size_t Position() const { return m_Dropped + m_Done.size(); }
  void DropOldSteps();

  StepLimits m_Limits;
  std::string m_Current;
  std::deque<Step> m_Done;     // oldest first
  std::vector<Step> m_Undone;  // the next to redo last
  size_t m_Dropped = 0;
  size_t m_Memory = 0;
  std::optional<size_t> m_Clean;  // the position of the saved state, if one can be reached
};

}  // namespace krv
