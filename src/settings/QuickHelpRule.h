#pragma once
// When a quick-help window (tooltip) may appear, from the settings "Keine Schnellhilfe" and
// "Hilfe nur einmal anzeigen": with the second, the help of one control is not shown twice
// in a row; it appears there again once another control's help has been shown.

#include <cstdint>

namespace krv {

class QuickHelpRule {
 public:
  // `control` identifies the control whose help is due. Remembers it when the help shows.
  bool MayShow(std::uintptr_t control, bool noQuickHelp, bool onlyOnce) {
    if (noQuickHelp) return false;
    if (onlyOnce && control == m_lastShown) return false;
    m_lastShown = control;
    return true;
  }

 private:
  std::uintptr_t m_lastShown = 0;
};

}  // namespace krv
