#include "teamwindow/qt/MiscPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/EventRows.h"
#include "teamwindow/qt/EventCommands.h"
#include "teamwindow/qt/EventsModel.h"
#include "ui/QuickHelp.h"
#include "ui/DeferredStandardIcon.h"

namespace krv {
namespace {

constexpr const char* kLogoToolTip =
    "Hiermit können Sie eine BMP-Datei auswählen.\nDieses Logo wird beim Ausdruck auf der ersten\nSeite eingefügt.";

// One line of text that, when it does not fit, is cut at its end with "…"; the whole
// text is its tooltip.
class ElidedLine : public QLabel {
 public:
  explicit ElidedLine(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setMinimumWidth(fontMetrics().averageCharWidth() * 10);
  }

  void SetFullText(const QString& text) {
    m_full = text;
    setToolTip(text);
    Elide();
  }
  QString FullText() const { return m_full; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }

 private:
  void Elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideRight, contentsRect().width() - 2 * margin() - 4)); }

  QString m_full;
};

}  // namespace

MiscPage::MiscPage(TeamDocument* doc, QWidget* parent)
    : RecordListPage(doc, "#TEAM_MISC", parent), m_pModel(new EventsModel(this)) {
  setObjectName(QStringLiteral("MiscPage"));
  setWindowTitle(QStringLiteral("Sonstiges"));
  SetUpList(m_pModel, kEventColumns.data(), kEventColumnCount, kEventListName);
  List()->horizontalHeader()->setStretchLastSection(true);  // the text column reaches the list's edge
  auto* caption = new QLabel(QStringLiteral("Besonderheiten:"), this);
  caption->setBuddy(List());

  AddMenuEntry(PageCommand::New, QStringLiteral("&Neu"), QStringLiteral("Neues Ereignis einfügen"));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("&Löschen"), QStringLiteral("Markiertes Ereignis löschen."));
  AddMenuEntry(PageCommand::Change, QStringLiteral("Ändern"), QStringLiteral("Markiertes Ereignis ändern."));
  QHBoxLayout* buttons = AddListButtons();
  buttons->addStretch(1);

  auto* logo = new ElidedLine(this);
  logo->setObjectName(QStringLiteral("logo"));
  m_pLogo = logo;
  auto* logoCaption = new QLabel(QStringLiteral("Team-Logo:"), this);
  QPushButton* logoButton = AddCommandButton(PageCommand::Logo, QString(), QuickHelpText(kLogoToolTip));
  logoButton->setObjectName(QStringLiteral("logoButton"));
  logoButton->setIcon(DeferredStandardIcon(QStyle::SP_DirOpenIcon));
  logoButton->setAccessibleName(QStringLiteral("Team-Logo wählen"));

  auto* logoRow = new QHBoxLayout;
  logoRow->addWidget(logoCaption);
  logoRow->addWidget(logo, 1);
  logoRow->addWidget(logoButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(List(), 1);
  layout->addLayout(buttons);
  layout->addSpacing(6);
  layout->addLayout(logoRow);

  SetCommandHandler(PageCommand::New, [this] { NewEvent(this); });
  SetCommandHandler(PageCommand::Change, [this] { ChangeSelectedEvent(this); });
  SetCommandHandler(PageCommand::Delete, [this] { DeleteSelectedEvent(this); });
  SetCommandHandler(PageCommand::Logo, [this] { ChooseLogo(this); });
  RefreshPage();
}

void MiscPage::ShowFields() {
  const QString logo = QString::fromStdString(Team().m_strLogo);
  if (logo != m_strLogo || static_cast<ElidedLine*>(m_pLogo)->FullText() != logo) {
    m_strLogo = logo;
    static_cast<ElidedLine*>(m_pLogo)->SetFullText(m_strLogo);
  }
}

}  // namespace krv
