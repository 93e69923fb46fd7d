#include "ui/ListColumns.h"

#include <QApplication>
#include <QHeaderView>

#include "ui/AppSettings.h"

namespace krv {

QString ColumnKey(const QString& listName, int column) {
  return QStringLiteral("ListColumns/%1#%2").arg(listName).arg(column);
}

void RememberColumns(QHeaderView* header, const QString& listName) {
  if (!header || listName.isEmpty()) return;
  {
    QSettings settings = AppSettings();
    for (int i = 0; i < header->count(); ++i) {
      const int width = settings.value(ColumnKey(listName, i), 0).toInt();
      if (width > 0) header->resizeSection(i, width);
    }
  }
  // Only widths the user dragged are stored, not those the program sets.
  QObject::connect(header, &QHeaderView::sectionResized, header, [header, listName](int, int, int) {
    if (!(QApplication::mouseButtons() & Qt::LeftButton)) return;
    QSettings settings = AppSettings();
    for (int i = 0; i < header->count(); ++i) settings.setValue(ColumnKey(listName, i), header->sectionSize(i));
  });
}

}  // namespace krv
