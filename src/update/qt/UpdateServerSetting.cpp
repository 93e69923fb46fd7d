#include "update/qt/UpdateServerSetting.h"

#include "ui/AppSettings.h"
#include "update/UpdateServer.h"

namespace krv {
namespace {

const QString kKey = QStringLiteral("Update/Server");

}  // namespace

QString StoredUpdateServer() { return AppSettings().value(kKey).toString(); }

void StoreUpdateServer(const QString& address) { AppSettings().setValue(kKey, address.trimmed()); }

QString UpdateServer() {
  const QByteArray environment = qgetenv("KRV_UPDATE_SERVER");
  return QString::fromStdString(EffectiveUpdateServer(environment.isNull() ? nullptr : environment.constData(),
                                                      StoredUpdateServer().toStdString()));
}

}  // namespace krv
