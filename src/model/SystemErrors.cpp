#include "model/SystemErrors.h"

#include <cerrno>
#include <cstring>

#include "model/Format.h"

namespace krv {

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOENT: return "Die Datei oder der Ordner existiert nicht.";
    case EACCES:
    case EPERM: return "Keine Berechtigung.";
    case EISDIR: return "Das ist ein Ordner, keine Datei.";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner.";
    case ENOSPC: return "Kein Speicherplatz mehr auf dem Datenträger.";
    case EDQUOT: return "Kein Speicherplatz mehr: Das Speicherkontingent ist erschöpft.";
    case EFBIG: return "Datei zu groß: Die Grenze für die Dateigröße ist erreicht.";
    case EROFS: return "Das Dateisystem ist schreibgeschützt.";
    case ELOOP: return "Zu viele Ebenen symbolischer Verknüpfungen (eine Verknüpfung zeigt im Kreis).";
    case ENAMETOOLONG: return "Der Dateiname ist zu lang.";
    case EIO: return "Ein- oder Ausgabefehler des Datenträgers.";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien.";
    case ETXTBSY:
    case EBUSY: return "Die Datei wird gerade benutzt.";
    case EPIPE: return "Der Empfänger der Ausgabe ist nicht mehr da.";
    case EBADF: return "Die Ausgabe ist geschlossen.";
    case ENXIO: return "Das Gerät ist nicht bereit.";
    default: return Format("Systemfehler %d (%s).", error, std::strerror(error));
  }
}

}  // namespace krv
