#include "update/qt/LoginDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/OkCancelButtons.h"
#include "update/qt/DownloadDialog.h"

namespace krv {

std::optional<Credentials> AskLogin(QWidget* parent, const QString& realm) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("login"));
  dialog.setWindowTitle(QStringLiteral("Anmeldung"));
  auto* user = new QLineEdit(&dialog);
  auto* password = new QLineEdit(&dialog);
  password->setEchoMode(QLineEdit::Password);
  auto* layout = new QFormLayout(&dialog);
  auto* note = new QLabel(QStringLiteral("Der Server verlangt eine Anmeldung%1.")
                              .arg(realm.isEmpty() ? QString() : QStringLiteral(" für „%1“").arg(realm)),
                          &dialog);
  note->setTextFormat(Qt::PlainText);  // the realm comes from the server
  layout->addRow(note);
  layout->addRow(QStringLiteral("&Benutzername:"), user);
  layout->addRow(QStringLiteral("&Kennwort:"), password);
  layout->addRow(OkCancelButtons(&dialog));
  if (dialog.exec() != QDialog::Accepted || user->text().isEmpty()) return std::nullopt;
  return Credentials{user->text(), password->text()};
}

}  // namespace krv
