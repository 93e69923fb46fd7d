#include "settings/SettingsFields.h"

#include "model/FieldMessages.h"

namespace krv {

SettingsPageFields SettingsPageFieldsFrom(const ProgramSettings& settings) {
  SettingsPageFields fields;
  fields.flags = settings;
  fields.maxSpieler = settings.m_nMaxSpieler;
  fields.startkapital = settings.m_nStartkapital;
  return fields;
}

ChangeOutcome ApplySettingsSheet(ProgramSettings& settings, const SettingsPageFields& fields,
                                 const TeamListEdit& teams) {
  if (fields.maxSpieler < kMinMaxSpieler || fields.maxSpieler > kMaxMaxSpieler)
    return ChangeOutcome::Refuse(FieldRangeMessage("Maximale Anzahl der Spieler", kMinMaxSpieler, kMaxMaxSpieler),
                                 NoticeKind::Warning);
  ChangeOutcome outcome = ChangeOutcome::Applied();
  int32_t startkapital = 1000000;
  if (fields.startkapital < kMinStartkapital || fields.startkapital > kMaxStartkapital) {
    outcome.Notify("Mit weniger als 10000 brauchen Sie gar nicht anfangen!\nUnd mehr als 2 Mille sind nicht drin!",
                   NoticeKind::Bank);
  } else {
    startkapital = static_cast<int32_t>(fields.startkapital);
  }

  // Every shown setting from the pages; the file's version, the colour warning and the news
  // version stay as they are.
  const ProgramSettings& f = fields.flags;
  settings.m_bSound = f.m_bSound;
  settings.m_bFragen = f.m_bFragen;
  settings.m_bSpielerBehalten = f.m_bSpielerBehalten;
  settings.m_bHilfeBrowser = f.m_bHilfeBrowser;
  settings.m_bNoQuickHelp = f.m_bNoQuickHelp;
  settings.m_bQuickHelpFadeIn = f.m_bQuickHelpFadeIn;
  settings.m_bQuickHelpOnce = f.m_bQuickHelpOnce;
  settings.m_bLebenslaufAuto = f.m_bLebenslaufAuto;
  settings.m_bEigenerDateidialog = f.m_bEigenerDateidialog;
  settings.m_bCHM = f.m_bCHM;
  settings.m_bSkipZeroValues = f.m_bSkipZeroValues;
  settings.m_bSkipValues = f.m_bSkipValues;
  settings.m_nStartkapital = startkapital;
  settings.m_nMaxSpieler = static_cast<int32_t>(fields.maxSpieler);
  ReplaceTeamList(settings.m_Teamliste, teams);

  if (settings.m_nMaxSpieler >= 17 || settings.m_nStartkapital >= 1000001) outcome.sound = kBeyondRulesSound;
  return outcome;
}

}  // namespace krv
