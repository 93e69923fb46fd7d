#include "ui/DeferredStandardIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <memory>
#include <optional>

namespace krv {
namespace {

int lookups = 0;

class DeferredStandardIconEngine : public QIconEngine {
 public:
  DeferredStandardIconEngine(QStyle::StandardPixmap which, const QString& themeName)
      : m_which(which), m_themeName(themeName), m_icon(std::make_shared<std::optional<QIcon>>()) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  // size is in device pixels, as the looked-up icon's own engine gets it.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Icon().pixmap(size / scale, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QString iconName() override { return Icon().name(); }
  // The style has a picture for every standard pixmap the program asks for: a menu asking
  // whether to leave room for one gets its answer without the look-up.
  bool isNull() override { return m_icon->has_value() && (*m_icon)->isNull(); }
  QString key() const override { return QStringLiteral("KrvDeferredStandardIcon"); }
  // Copies of the icon share one look-up.
  QIconEngine* clone() const override { return new DeferredStandardIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (!m_icon->has_value()) {
      const QIcon standard = QApplication::style()->standardIcon(m_which);
      *m_icon = m_themeName.isEmpty() ? standard : QIcon::fromTheme(m_themeName, standard);
      ++lookups;
    }
    return **m_icon;
  }

  QStyle::StandardPixmap m_which;
  QString m_themeName;
  std::shared_ptr<std::optional<QIcon>> m_icon;
};

}  // namespace

QIcon DeferredStandardIcon(QStyle::StandardPixmap which, const QString& themeName) {
  return QIcon(new DeferredStandardIconEngine(which, themeName));
}

int DeferredStandardIconLookups() { return lookups; }

}  // namespace krv
