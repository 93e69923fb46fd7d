#include "properties/qt/LedgerPageParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace krv {

QLineEdit* AddLedgerTotal(QWidget* page, QHBoxLayout* row, const QString& label, const QString& objectName) {
  auto* total = new QLineEdit(page);
  total->setObjectName(objectName);
  total->setReadOnly(true);
  total->setFocusPolicy(Qt::ClickFocus);
  total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  total->setFixedWidth(total->fontMetrics().horizontalAdvance(QStringLiteral("-00000000")) + 12);
  auto* caption = new QLabel(label, page);
  caption->setBuddy(total);
  row->addWidget(caption);
  row->addWidget(total);
  row->addWidget(new QLabel(QStringLiteral("K"), page));
  return total;
}

}  // namespace krv
