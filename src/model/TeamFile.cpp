#include "model/TeamFile.h"

#include "model/Archive.h"
#include "model/FileIO.h"
#include "model/Format.h"

namespace krv {
namespace {

constexpr uint16_t kRecordSchema = 3;
constexpr int32_t kRecordVersion = 4;
constexpr int32_t kFirstVersionWithRecordVersion = 4;
constexpr int32_t kFirstVersionWithExpenseKind = 4;

// Each record class: its archive name, the German name of its list, and its fields.
template <typename T>
struct RecordClass;

// Assistant coaches and cheerleaders have the same two texts.
template <typename Staff>
struct StaffRecordFields {
  template <typename Writer>
  static void Write(Writer& w, const Staff& r) {
    w.WriteString(r.m_strName);
    w.WriteString(r.m_strLebenslauf);
  }
  static void Read(ArchiveReader& a, int32_t, Staff& r) {
    a.ReadString(r.m_strName);
    a.ReadString(r.m_strLebenslauf);
  }
};

template <>
struct RecordClass<CKRCoTrainer> : StaffRecordFields<CKRCoTrainer> {
  static constexpr const char* kName = "CKRCoTrainer";
  static constexpr const char* kList = "Cotrainer";
};

template <>
struct RecordClass<CKRCheerleader> : StaffRecordFields<CKRCheerleader> {
  static constexpr const char* kName = "CKRCheerleader";
  static constexpr const char* kList = "Cheerleader";
};

// The fifteen numbers of a player, in file order.
template <typename Player, typename F>
void ForEachPlayerNumber(Player& s, F&& f) {
  for (auto* n : {&s.m_nNummer, &s.m_nBW, &s.m_nST, &s.m_nGE, &s.m_nRW, &s.m_nPass, &s.m_nTD, &s.m_nABG, &s.m_nVSA,
                  &s.m_nSDT, &s.m_nSSP, &s.m_nWert, &s.m_nStatus, &s.m_nID, &s.m_nPositionCode})
    f(*n);
}

template <>
struct RecordClass<CKRSpieler> {
  static constexpr const char* kName = "CKRSpieler";
  static constexpr const char* kList = "Spieler";
  template <typename Writer>
  static void Write(Writer& w, const CKRSpieler& s) {
    for (const auto* t : {&s.m_strName, &s.m_strPosition, &s.m_strFertigkeiten, &s.m_strExtra, &s.m_strVerletzung})
      w.WriteString(*t);
    ForEachPlayerNumber(s, [&](int32_t n) { w.WriteInt32(n); });
    w.WriteString(s.m_strLebenslauf);
  }
  static void Read(ArchiveReader& a, int32_t, CKRSpieler& s) {
    for (auto* t : {&s.m_strName, &s.m_strPosition, &s.m_strFertigkeiten, &s.m_strExtra, &s.m_strVerletzung})
      a.ReadString(*t);
    ForEachPlayerNumber(s, [&](int32_t& n) { n = a.ReadInt32(); });
    a.ReadString(s.m_strLebenslauf);
  }
};

template <>
struct RecordClass<CKRAusgaben> {
  static constexpr const char* kName = "CKRAusgaben";
  static constexpr const char* kList = "Ausgaben";
  template <typename Writer>
  static void Write(Writer& w, const CKRAusgaben& r) {
    w.WriteString(r.m_strText);
    w.WriteInt32(r.m_nBetrag);
    w.WriteInt32(r.m_nArt);
  }
  static void Read(ArchiveReader& a, int32_t version, CKRAusgaben& r) {
    a.ReadString(r.m_strText);
    r.m_nBetrag = a.ReadInt32();
    r.m_nArt = version >= kFirstVersionWithExpenseKind ? a.ReadInt32() : kAusgabeUnbekannt;
  }
};

template <>
struct RecordClass<CKREinnahmen> {
  static constexpr const char* kName = "CKREinnahmen";
  static constexpr const char* kList = "Einnahmen";
  template <typename Writer>
  static void Write(Writer& w, const CKREinnahmen& r) {
    w.WriteString(r.m_strText);
    w.WriteInt32(r.m_nBetrag);
  }
  static void Read(ArchiveReader& a, int32_t, CKREinnahmen& r) {
    a.ReadString(r.m_strText);
    r.m_nBetrag = a.ReadInt32();
  }
};

template <>
struct RecordClass<CKRGames> {
  static constexpr const char* kName = "CKRGames";
  static constexpr const char* kList = "Spiele";
  template <typename Writer>
  static void Write(Writer& w, const CKRGames& g) {
    w.WriteString(g.m_strGegner);
    w.WriteString(g.m_strErgebnis);
    w.WriteString(g.m_strBesonderheit);
    w.WriteInt32(g.m_nZuschauer);
    w.WriteInt32(g.m_nEinnahmen);
    w.WriteString(g.m_strVerletzungen);
    w.WriteInt32(g.m_bLiga);
    w.WriteInt32(g.m_bGewonnen);
    w.WriteInt32(g.m_nFanFaktor);
    w.WriteString(g.m_strDatum);
  }
  static void Read(ArchiveReader& a, int32_t, CKRGames& g) {
    a.ReadString(g.m_strGegner);
    a.ReadString(g.m_strErgebnis);
    a.ReadString(g.m_strBesonderheit);
    g.m_nZuschauer = a.ReadInt32();
    g.m_nEinnahmen = a.ReadInt32();
    a.ReadString(g.m_strVerletzungen);
    g.m_bLiga = a.ReadInt32();
    g.m_bGewonnen = a.ReadInt32();
    g.m_nFanFaktor = a.ReadInt32();
    a.ReadString(g.m_strDatum);
  }
};

template <>
struct RecordClass<CKREreignisse> {
  static constexpr const char* kName = "CKREreignisse";
  static constexpr const char* kList = "Ereignisse";
  template <typename Writer>
  static void Write(Writer& w, const CKREreignisse& r) {
    w.WriteString(r.m_strText);
    w.WriteInt32(r.m_nArt);
  }
  static void Read(ArchiveReader& a, int32_t, CKREreignisse& r) {
    a.ReadString(r.m_strText);
    r.m_nArt = a.ReadInt32();
  }
};

template <typename Writer, typename T>
void WriteList(Writer& w, const RecordList<T>& list) {
  w.WriteCount(list.size());
  for (const auto& record : list) {
    if (!record) {
      w.WriteNullTag();
      continue;
    }
    w.WriteObjectTag(RecordClass<T>::kName, kRecordSchema);
    w.WriteInt32(kRecordVersion);
    RecordClass<T>::Write(w, *record);
  }
}

template <typename T>
void ReadList(ArchiveReader& a, int32_t version, RecordList<T>& list) {
  const uint32_t count = a.ReadCount(2);  // every entry has at least its tag word
  list.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const std::string_view className = a.ReadObjectTag();
    if (className.empty()) {
      list.push_back(nullptr);
      continue;
    }
    if (className != RecordClass<T>::kName)
      throw ArchiveError(Format("In der Liste „%s“ steht ein Datensatz der Klasse „%.*s“ (bei Byte %zu)",
                                RecordClass<T>::kList, static_cast<int>(className.size()), className.data(),
                                a.Position()));
    auto record = std::make_unique<T>();
    if (version >= kFirstVersionWithRecordVersion) a.ReadInt32();  // the record's own version: unused
    RecordClass<T>::Read(a, version, *record);
    list.push_back(std::move(record));
  }
}

template <typename Writer>
void WriteOwnRace(Writer& w, const CKRTeam& team) {
  for (const SEigenePosition& p : team.m_Positionen) {
    w.WriteInt32(p.m_nBW);
    w.WriteInt32(p.m_nST);
    w.WriteInt32(p.m_nGE);
    w.WriteInt32(p.m_nRW);
    w.WriteString(p.m_strName);
    w.WriteString(p.m_strSecondName);
    w.WriteString(p.m_strSkills);
    w.WriteString(p.m_strNameCopy);
    w.WriteInt32(p.m_nCost);
  }
  w.WriteString(team.m_strRassenName);
}

void ReadOwnRace(ArchiveReader& a, CKRTeam& team) {
  for (SEigenePosition& p : team.m_Positionen) {
    p.m_nBW = a.ReadInt32();
    p.m_nST = a.ReadInt32();
    p.m_nGE = a.ReadInt32();
    p.m_nRW = a.ReadInt32();
    a.ReadString(p.m_strName);
    a.ReadString(p.m_strSecondName);
    a.ReadString(p.m_strSkills);
    a.ReadString(p.m_strNameCopy);
    p.m_nCost = a.ReadInt32();
  }
  a.ReadString(team.m_strRassenName);
}

const std::vector<std::string_view>& TeamFileClasses() {
  static const std::vector<std::string_view> classes = {
      RecordClass<CKRCoTrainer>::kName, RecordClass<CKRCheerleader>::kName, RecordClass<CKRSpieler>::kName,
      RecordClass<CKRAusgaben>::kName,  RecordClass<CKREinnahmen>::kName,   RecordClass<CKRGames>::kName,
      RecordClass<CKREreignisse>::kName};
  return classes;
}

// Items 1 to 28 in file order, to the archive or to the size bound below.
template <typename Writer>
void WriteTeam(Writer& w, const CKRTeam& team) {
  w.WriteInt32(team.m_nVersion);
  w.WriteString(team.m_strName);
  w.WriteString(team.m_strTeamwert);
  w.WriteInt32(team.m_nRasse);
  w.WriteString(team.m_strGold);
  w.WriteString(team.m_strTrainer);
  w.WriteString(team.m_strSani);
  w.WriteString(team.m_strZauberer);
  for (const int32_t n : {team.m_bSani, team.m_bZauberer, team.m_nFanFaktor, team.m_nMarken, team.m_nMarkenPreis,
                          team.m_nMarken2, team.m_nMarkenPreis2, team.m_nMarkenAbzug, team.m_nNaechsteID})
    w.WriteInt32(n);
  WriteList(w, team.m_CoTrainer);
  WriteList(w, team.m_Cheerleader);
  WriteList(w, team.m_Spieler);
  WriteList(w, team.m_Ausgaben);
  WriteList(w, team.m_Einnahmen);
  WriteList(w, team.m_Games);
  WriteList(w, team.m_Ereignisse);
  if (team.m_nRasse == kEigeneRasse) WriteOwnRace(w, team);
  w.WriteString(team.m_strLogo);
  w.WriteString(team.m_strErstellt);
  w.WriteString(team.m_strGeaendert);
}

// At least as many bytes as the file will take (a text is never longer in Windows-1252
// than in UTF-8; every prefix and tag counted at its longest), so that the whole file is
// written into one buffer allocated once.
struct FileSizeBound {
  size_t bytes = 0;
  void WriteInt32(int32_t) { bytes += 4; }
  void WriteString(std::string_view text) { bytes += 7 + text.size(); }
  void WriteCount(uint64_t) { bytes += 6; }
  void WriteNullTag() { bytes += 2; }
  void WriteObjectTag(std::string_view className, uint16_t) { bytes += 6 + 6 + className.size(); }
};

}  // namespace

std::string SerializeTeam(CKRTeam& team, size_t* replacedCharacters) {
  team.m_nVersion = kTeamFileVersion;
  FileSizeBound bound;
  WriteTeam(bound, team);
  ArchiveWriter w;
  w.Reserve(bound.bytes);
  WriteTeam(w, team);
  if (replacedCharacters) *replacedCharacters = w.ReplacedCharacters();
  return w.TakeBytes();
}

void DeserializeTeam(std::string_view bytes, CKRTeam& team) {
  ArchiveReader a(bytes, TeamFileClasses());
  const int32_t version = a.ReadInt32();
  if (version < 1 || version > kTeamFileVersion)
    throw ArchiveError(Format("Unbekannte Dateiversion %d; gelesen werden die Versionen 1 bis 4", version));
  team.m_nVersion = version;
  a.ReadString(team.m_strName);
  a.ReadString(team.m_strTeamwert);
  team.m_nRasse = a.ReadInt32();
  a.ReadString(team.m_strGold);
  a.ReadString(team.m_strTrainer);
  a.ReadString(team.m_strSani);
  a.ReadString(team.m_strZauberer);
  for (int32_t* n : {&team.m_bSani, &team.m_bZauberer, &team.m_nFanFaktor, &team.m_nMarken, &team.m_nMarkenPreis,
                     &team.m_nMarken2, &team.m_nMarkenPreis2, &team.m_nMarkenAbzug, &team.m_nNaechsteID})
    *n = a.ReadInt32();
  ReadList(a, version, team.m_CoTrainer);
  ReadList(a, version, team.m_Cheerleader);
  ReadList(a, version, team.m_Spieler);
  ReadList(a, version, team.m_Ausgaben);
  ReadList(a, version, team.m_Einnahmen);
  ReadList(a, version, team.m_Games);
  ReadList(a, version, team.m_Ereignisse);
  if (team.m_nRasse == kEigeneRasse) ReadOwnRace(a, team);
  a.ReadString(team.m_strLogo);
  a.ReadString(team.m_strErstellt);
  a.ReadString(team.m_strGeaendert);
}

std::unique_ptr<CKRTeam> LoadTeamFile(const std::string& path) {
  const std::string bytes = ReadWholeFile(path);
  auto team = std::make_unique<CKRTeam>();
  try {
    DeserializeTeam(bytes, *team);
  } catch (const ArchiveError& e) {
    throw FileError(FileMessage(path, std::string("Keine gültige Team-Datei. ") + e.what() + "."));
  }
  return team;
}

SaveResult SaveTeamFile(CKRTeam& team, const std::string& path) {
  SaveResult result;
  const std::string bytes = SerializeTeam(team, &result.replacedCharacters);
  WriteFileAtomically(path, bytes);
  return result;
}

std::string ReplacedCharactersNotice(const std::string& path, size_t replacedCharacters) {
  if (replacedCharacters == 0) return {};
  return FileMessage(path, Format("%zu Zeichen ließen sich in der Team-Datei nicht speichern und wurden "
                                  "durch „?“ ersetzt.",
                                  replacedCharacters));
}

}  // namespace krv
