// The requester tests run without a screen and with a settings store of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The offscreen platform reports what it cannot do for every window; that is no test output.
QtMessageHandler standardHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  standardHandler = qInstallMessageHandler(QuietHandler);
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir settingsDir;
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Krashball"));
  QApplication::setApplicationName(QStringLiteral("QXTools-Tests"));
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  return RUN_ALL_TESTS();
}
