#include "ui/ListColumns.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "ui/AppSettings.h"

namespace krv {
namespace {

// Stores the widths of a named list when the coach lets go of a divider he dragged in its
// header; widths the program sets, or a stretched column following the window, are not stored.
class DividerDragWatcher : public QObject {
 public:
  DividerDragWatcher(QHeaderView* header, QString listName)
      : QObject(header), m_pHeader(header), m_strListName(std::move(listName)) {
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this] {
      if (m_bPressed) m_bResized = true;
    });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      m_bPressed = true;
      m_bResized = false;
    } else if (event->type() == QEvent::MouseButtonRelease && m_bPressed) {
      m_bPressed = false;
      if (m_bResized) Store();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Store() const {
    QSettings settings = AppSettings();
    for (int i = 0; i < m_pHeader->count(); ++i)
      settings.setValue(ColumnKey(m_strListName, i), m_pHeader->sectionSize(i));
  }

  QHeaderView* m_pHeader;
  QString m_strListName;
  bool m_bPressed = false;
  bool m_bResized = false;
};

}  // namespace

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
  new DividerDragWatcher(header, listName);
}

}  // namespace krv
