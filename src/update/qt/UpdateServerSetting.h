#pragma once
// The update server's address as the coach entered it, kept in the application profile.

#include <QString>

namespace krv {

QString StoredUpdateServer();
void StoreUpdateServer(const QString& address);
// The address in use: KRV_UPDATE_SERVER when set, else the stored one; "" when none.
QString UpdateServer();

}  // namespace krv
