#pragma once
// The program's help window: the HTML help opened at a topic anchor.

#include <QString>

namespace krv::HelpWindow {

// Shows the one help window (creating it on first use) at `topic` ("#TEAM_GAME" or empty).
void Show(const QString& helpFile, const QString& topic);

}  // namespace krv::HelpWindow
