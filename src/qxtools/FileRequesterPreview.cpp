// The picture preview beside the list.

#include "qxtools/FileRequesterQX.h"

#include <QImageReader>
#include <QLabel>

using namespace qxtools;

void CFileRequesterQX::UpdatePreview(const QString& path) {
  if (!PreviewWanted()) return;
  m_preview->clear();
  m_previewInfo->clear();
  if (path.isEmpty()) return;
  QImageReader reader(path);
  if (!reader.canRead()) {
    m_preview->setText(QStringLiteral("Keine Vorschau"));
    return;
  }
  const QSize size = reader.size();
  const QSize room = m_preview->size().boundedTo(QSize(kPreviewSize * 2, kPreviewSize * 2));
  if (size.isValid() && (size.width() > room.width() || size.height() > room.height()))
    reader.setScaledSize(size.scaled(room, Qt::KeepAspectRatio));
  const QImage image = reader.read();
  if (image.isNull()) {
    m_preview->setText(QStringLiteral("Keine Vorschau"));
    return;
  }
  m_preview->setPixmap(QPixmap::fromImage(image));
  if (size.isValid()) m_previewInfo->setText(QStringLiteral("%1 x %2 Pixel").arg(size.width()).arg(size.height()));
}
