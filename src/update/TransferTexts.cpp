#include "update/TransferTexts.h"

#include <algorithm>
#include <cstdio>

namespace krv {
namespace {

std::string Printf(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string SizeText(uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " Bytes";
  if (bytes < 1048576) return Printf("%0.1f", static_cast<double>(bytes) / 1024) + " KB";
  return Printf("%0.2f", static_cast<double>(bytes) / 1048576) + " MB";
}

std::string RateText(double kilobytesPerSecond) {
  if (kilobytesPerSecond < 1) return Printf("%0.0f", kilobytesPerSecond * 1024) + " Bytes/Sek.";
  return Printf(kilobytesPerSecond < 10 ? "%0.2f" : "%0.0f", kilobytesPerSecond) + " KB/Sek.";
}

std::string TimeLeftText(uint64_t seconds) {
  if (seconds < 60) return std::to_string(seconds) + " Sek.";
  const std::string minutes = std::to_string(seconds / 60) + " Min.";
  return seconds % 60 == 0 ? minutes : minutes + " " + std::to_string(seconds % 60) + " Sek.";
}

std::string ProgressText(uint64_t received, uint64_t total) { return SizeText(received) + " von " + SizeText(total); }

std::string TimeLeftLine(uint64_t seconds, uint64_t received, uint64_t total) {
  return TimeLeftText(seconds) + " (" + ProgressText(received, total) + " kopiert)";
}

std::string CaptionText(int percent, const std::string& fileName) {
  return std::to_string(percent) + "% von " + fileName + " fertig";
}

std::string FileLineText(const std::string& fileName, const std::string& server) { return fileName + " von " + server; }

std::string ShownFileName(std::string_view objectPath) {
  size_t cut = objectPath.rfind('/');
  if (cut == std::string_view::npos) cut = objectPath.rfind('\\');
  return std::string(cut == std::string_view::npos ? objectPath : objectPath.substr(cut + 1));
}

std::string StatusText(const char* pattern, const std::string& value) {
  std::string text = pattern;
  if (const size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::string SessionErrorText(int error) {
  return "Beim erstellen der Datei trat ein Fehler auf: Error:" + std::to_string(error);
}
std::string ConnectionErrorText(int error) {
  return "Verbindung zum Server konnte nicht hergestellt werden: Error:" + std::to_string(error);
}
std::string NoResponseText() { return "Failed to receive a valid response from the server"; }
std::string HttpStatusErrorText(int status) {
  return "Failed to receive a valid HTTP response from the server\n(HTTP-Status " + std::to_string(status) + ")";
}
std::string ReadErrorText(int error) { return "Ein Fehler ist aufgetreten, Error:" + std::to_string(error); }
std::string FileExistsQuestion(const std::string& path) {
  return "Die Datei '" + path + "' existiert schon.\nSoll sie ersetzt werden?";
}
std::string FileCreateErrorText(int error) {
  return "An error occured while opening the file to be downloaded, Error:" + std::to_string(error);
}

std::string NetworkProblemReason(NetworkProblem problem) {
  switch (problem) {
    case NetworkProblem::HostNotFound: return "Grund: Den Server gibt es unter diesem Namen nicht.";
    case NetworkProblem::ConnectionRefused: return "Grund: Der Server nimmt keine Verbindung an.";
    case NetworkProblem::Timeout: return "Grund: Der Server hat nicht rechtzeitig geantwortet.";
    case NetworkProblem::ConnectionClosed: return "Grund: Der Server hat die Verbindung vorzeitig beendet.";
    case NetworkProblem::Secure:
      return "Grund: Die sichere Verbindung (https) kam nicht zustande; das Zertifikat des Servers ist ungültig "
             "oder nicht vertrauenswürdig.";
    case NetworkProblem::Proxy: return "Grund: Der Proxy-Server ist nicht erreichbar oder verweigert die Verbindung.";
    case NetworkProblem::Unreachable: return "Grund: Das Netzwerk ist nicht erreichbar.";
    case NetworkProblem::Other: break;
  }
  return "Grund: Die Übertragung ist fehlgeschlagen.";
}

std::string HttpStatusReason(int status) {
  if (status == 401 || status == 407) return "Grund: Der Server verlangt eine Anmeldung, die nicht gelang.";
  if (status == 403) return "Grund: Der Server verweigert den Zugriff auf die Datei.";
  if (status == 404 || status == 410) return "Grund: Die Datei gibt es auf dem Server nicht.";
  if (status >= 300 && status < 400) return "Grund: Der Server leitet zu oft oder ohne gültiges Ziel weiter.";
  if (status >= 500) return "Grund: Der Server meldet einen eigenen Fehler.";
  return "Grund: Der Server hat die Anfrage abgelehnt.";
}

std::string WithReason(const std::string& text, const std::string& reason) { return text + "\n" + reason; }

TransferProgress::TransferProgress(std::string fileName, std::optional<uint64_t> total, uint64_t nowMs)
    : m_fileName(std::move(fileName)), m_total(total), m_startMs(nowMs), m_lastRateMs(nowMs) {}

int TransferProgress::BarMaximum() const {
  return m_total ? static_cast<int>(std::min<uint64_t>((*m_total + 512) / 1024, 0x7fffffff)) : 0;
}

ProgressView TransferProgress::Update(uint64_t received, uint64_t nowMs) {
  ProgressView view;
  if (m_total && *m_total > 0) {
    const int percent = static_cast<int>(std::min<uint64_t>(received, *m_total) * 100 / *m_total);
    if (percent != m_lastPercent) {
      m_lastPercent = percent;
      view.caption = CaptionText(percent, m_fileName);
      view.barValue = static_cast<int>(std::min<uint64_t>(received / 1024, 0x7fffffff));
    }
  }
  if (nowMs - m_lastRateMs > 1000) {
    // Bytes per millisecond, shown as KB per second, as the window always did.
    view.rate = RateText(static_cast<double>(received - m_lastRateBytes) / static_cast<double>(nowMs - m_lastRateMs));
    m_lastRateMs = nowMs;
    m_lastRateBytes = received;
    if (m_total && received > 0) {
      const uint64_t left = *m_total > received ? *m_total - received : 0;
      const double seconds =
          static_cast<double>(nowMs - m_startMs) / static_cast<double>(received) * static_cast<double>(left) / 1000;
      view.timeLeft = TimeLeftLine(static_cast<uint64_t>(seconds), received, *m_total);
    }
  }
  return view;
}

}  // namespace krv
