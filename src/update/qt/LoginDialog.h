#pragma once
// "Anmeldung": asks for a user name and password when the update server or a proxy wants them.

#include <QString>
#include <optional>

class QWidget;

namespace krv {

struct Credentials;

// Nothing when the coach cancels.
std::optional<Credentials> AskLogin(QWidget* parent, const QString& realm);

}  // namespace krv
