#include "ui/PageSwitchKeys.h"

#include <QShortcut>
#include <QTabWidget>

namespace krv {
namespace {

void ShowNeighbour(QTabWidget* sheet, int direction) {
  const int count = sheet->count();
  for (int step = 1; step < count; ++step) {
    const int page = ((sheet->currentIndex() + direction * step) % count + count) % count;
    if (sheet->isTabEnabled(page)) {
      sheet->setCurrentIndex(page);
      return;
    }
  }
}

}  // namespace

void AddPageSwitchKeys(QTabWidget* sheet) {
  const struct {
    QKeyCombination key;
    int direction;
  } keys[] = {{Qt::CTRL | Qt::Key_Tab, 1},
              {Qt::CTRL | Qt::Key_PageDown, 1},
              {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
              {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
              {Qt::CTRL | Qt::Key_PageUp, -1}};
  for (const auto& k : keys) {
    auto* shortcut = new QShortcut(QKeySequence(k.key), sheet);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, sheet, [sheet, d = k.direction] { ShowNeighbour(sheet, d); });
  }
}

}  // namespace krv
