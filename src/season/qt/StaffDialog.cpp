#include "season/qt/StaffDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/MultiLineText.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowPlacement.h"

namespace krv {

StaffDialog::StaffDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("StaffDialog"));
  setWindowTitle(QStringLiteral("Personal ändern"));
  setProperty("helpTopic", QStringLiteral("#TEAM_PERSONAL"));

  m_pNameGroup = new QGroupBox(QStringLiteral("&Name des Personals"), this);
  m_pName = new QLineEdit(m_pNameGroup);
  m_pName->setObjectName(QStringLiteral("name"));
  m_pName->setMaxLength(kMaxPersonalName);
  m_pName->setMinimumWidth(260);
  auto* groupLayout = new QVBoxLayout(m_pNameGroup);
  groupLayout->addWidget(m_pName);

  m_pZeigeLebenslauf = new QCheckBox(QString::fromStdString(CareerCheckText({})), this);
  m_pZeigeLebenslauf->setObjectName(QStringLiteral("zeigeLebenslauf"));
  m_pLebenslauf = NewMultiLineEdit(this, QStringLiteral("lebenslauf"));
  m_pLebenslauf->setMinimumHeight(120);
  m_pLebenslauf->hide();

  m_pOk = new QPushButton(QStringLiteral("&Neu"), this);
  m_pOk->setObjectName(QStringLiteral("ok"));
  m_pOk->setDefault(true);
  m_pLoeschen = new QPushButton(QStringLiteral("&Löschen"), this);
  m_pLoeschen->setObjectName(QStringLiteral("loeschen"));
  m_pLoeschen->setAutoDefault(false);
  m_pAbbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
  m_pAbbruch->setObjectName(QStringLiteral("abbruch"));
  m_pAbbruch->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_pOk);
  buttons->addWidget(m_pLoeschen);
  buttons->addWidget(m_pAbbruch);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pNameGroup);
  layout->addWidget(m_pZeigeLebenslauf);
  layout->addWidget(m_pLebenslauf, 1);
  layout->addLayout(buttons);

  connect(m_pOk, &QPushButton::clicked, this, &StaffDialog::Ok);
  connect(m_pLoeschen, &QPushButton::clicked, this, [this] { done(kIdLoeschen); });
  connect(m_pAbbruch, &QPushButton::clicked, this, [this] { done(kIdAbbruch); });
  connect(m_pZeigeLebenslauf, &QCheckBox::toggled, this, &StaffDialog::ShowCareer);
  connect(m_pLebenslauf, &QPlainTextEdit::textChanged, this, &StaffDialog::CareerChanged);

  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

int StaffDialog::exec() {
  ShowFields();
  return QDialog::exec();
}

void StaffDialog::ShowFields() {
  m_strAlterName = m_strName;
  m_bNameUnveraendert = false;
  setWindowTitle(QString::fromStdString(PersonalDlgCaption(m_nArt, m_bNeu)));
  m_pOk->setText(m_bNeu ? QStringLiteral("&Neu") : QStringLiteral("&Ändern"));
  m_pLoeschen->setVisible(!m_bNeu);
  m_pZeigeLebenslauf->setVisible(!m_bNeu);
  // A longer name from a file is shown whole; OK then asks for a shorter one.
  m_pName->setMaxLength(std::max<int>(kMaxPersonalName, static_cast<int>(m_strName.size())));
  m_pName->setText(m_strName);
  m_pName->selectAll();
  m_pName->setFocus();
  m_pLebenslauf->setPlainText(ShownLines(m_strLebenslauf.toStdString()));
  m_pZeigeLebenslauf->setChecked(false);
  ShowCareer(false);
  CareerChanged();
}

void StaffDialog::CareerChanged() {
  // Only whether there is a career text matters for the box.
  const std::string marker = m_pLebenslauf->document()->isEmpty() ? std::string() : std::string("*");
  const QString text = QString::fromStdString(CareerCheckText(marker));
  if (m_pZeigeLebenslauf->text() != text) m_pZeigeLebenslauf->setText(text);
}

void StaffDialog::ShowCareer(bool show) {
  m_pLebenslauf->setVisible(show);
  if (show) {
    setMaximumHeight(QWIDGETSIZE_MAX);
    if (height() < sizeHint().height()) resize(width(), sizeHint().height());
  } else {
    // Without the career text there is nothing to gain in height.
    layout()->activate();
    const int hint = minimumSizeHint().height();
    setMaximumHeight(hint);
    resize(width(), hint);
  }
}

void StaffDialog::Ok() {
  const QString name = m_pName->text();
  if (name.size() > kMaxPersonalName) {
    WarningBox(this, QStringLiteral("Geben Sie nicht mehr als %1 Zeichen ein.").arg(kMaxPersonalName));
    m_pName->setFocus();
    return;
  }
  m_strName = name;
  m_strLebenslauf = QString::fromStdString(EditedLines(m_pLebenslauf, m_strLebenslauf.toStdString()));
  m_bNameUnveraendert = SameStaffName(m_strName.toStdString(), m_strAlterName.toStdString());
  done(kIdOk);
}

void StaffDialog::done(int result) {
  // Escape and the close button are "&Abbruch".
  QDialog::done(result == QDialog::Rejected ? kIdAbbruch : result);
}

}  // namespace krv
