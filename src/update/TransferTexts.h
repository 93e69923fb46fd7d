#pragma once
// The texts of the download window "Programm-Update": sizes, rates, time left, the caption,
// and the progress arithmetic behind them. Times are milliseconds since the transfer began.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krv {

// "%1 Bytes" below 1024, "%0.1f KB" below 1 MiB, else "%0.2f MB".
std::string SizeText(uint64_t bytes);
// Below 1 KB/s "%0.0f Bytes/Sek." (the rate × 1024), below 10 "%0.2f KB/Sek.", else "%0.0f KB/Sek.".
std::string RateText(double kilobytesPerSecond);
// "%1 Sek." below a minute, "%1 Min." for whole minutes, else "%1 Min. %2 Sek.".
std::string TimeLeftText(uint64_t seconds);
// "%1 von %2" of two sizes.
std::string ProgressText(uint64_t received, uint64_t total);
// "%1 (%2 kopiert)": time left with the progress text.
std::string TimeLeftLine(uint64_t seconds, uint64_t received, uint64_t total);
// "%1% von %2 fertig": the window caption during a transfer.
std::string CaptionText(int percent, const std::string& fileName);
// "%1 von %2": file name and server on the second line.
std::string FileLineText(const std::string& fileName, const std::string& server);
// The part of a path after its last "/" (else after its last "\", else the whole path).
std::string ShownFileName(std::string_view objectPath);

// The status and error texts; those with a number take it as "%d".
namespace transfer_text {
inline constexpr const char* kConnected = "Verbindung zu %1";           // 2103
inline constexpr const char* kResolving = "Namen auflösen: %1";         // 2104
inline constexpr const char* kResolved = "Namen auflösen zu %1";        // 2105
inline constexpr const char* kConnecting = "Verbindung zu %1";          // 2106
inline constexpr const char* kRedirecting = "Redirecting to %1";        // 2107
inline constexpr const char* kAnswered = "Übertrage Dateiinformation";  // 2108
inline constexpr const char* kReceiving = "Empfange Datei";             // 2116
inline constexpr const char* kAborted = "Transfer abgebrochen";         // 2132
inline constexpr const char* kVersionCheckLine = "Prüfe Version...";
}  // namespace transfer_text

// A status text with its one value put in for "%1".
std::string StatusText(const char* pattern, const std::string& value);

std::string SessionErrorText(int error);     // "Beim erstellen der Datei trat ein Fehler auf: Error:%d"
std::string ConnectionErrorText(int error);  // "Verbindung zum Server konnte nicht hergestellt werden: Error:%d"
std::string NoResponseText();                // "Failed to receive a valid response from the server"
std::string HttpStatusErrorText(
    int status);                       // "Failed to receive a valid HTTP response from the server" and the status
std::string ReadErrorText(int error);  // "Ein Fehler ist aufgetreten, Error:%d"
std::string FileExistsQuestion(const std::string& path);
std::string FileCreateErrorText(int error);  // "An error occured while opening the file to be downloaded, Error:%d"

// Why a transfer failed, as the network layer reports it; the windows map their errors to it.
enum class NetworkProblem {
  HostNotFound,
  ConnectionRefused,
  Timeout,
  ConnectionClosed,
  Secure,  // TLS handshake or certificate
  Proxy,
  Unreachable,  // no network, or the route is gone
  Other,
};
// The German reason added below a transfer error text, e.g. "Grund: Der Server ... antwortet nicht.".
std::string NetworkProblemReason(NetworkProblem problem);
// The German reason for an HTTP status other than 200.
std::string HttpStatusReason(int status);
// `text` with the reason on a line of its own below it.
std::string WithReason(const std::string& text, const std::string& reason);

// What the window shows after a piece arrived; unset parts stay as they were.
struct ProgressView {
  std::optional<std::string> caption;   // "42% von kr.zip fertig"
  std::optional<int> barValue;          // KB received
  std::optional<std::string> rate;      // "12 KB/Sek."
  std::optional<std::string> timeLeft;  // "1 Min. 5 Sek. (1.2 MB von 3.4 MB kopiert)"
};

// The progress of one transfer: percentage when the total is known, and every second the
// rate and the time left.
class TransferProgress {
 public:
  TransferProgress(std::string fileName, std::optional<uint64_t> total, uint64_t nowMs);

  // The progress bar's range in KB, rounded; 0 without a known total.
  int BarMaximum() const;
  // After a piece: `received` bytes in all at `nowMs`.
  ProgressView Update(uint64_t received, uint64_t nowMs);

 private:
  std::string m_fileName;
  std::optional<uint64_t> m_total;
  uint64_t m_startMs;
  uint64_t m_lastRateMs;
  uint64_t m_lastRateBytes = 0;
  int m_lastPercent = -1;
};

}  // namespace krv
