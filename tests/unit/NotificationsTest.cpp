// The sounds of a changed percentage and the watch of the agent's save file.
#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

const std::wstring kSaveFile = L"D:\\UD\\tklg.ud";

class NotificationsTest : public StationTest {
 protected:
  // Save watch on, with sound 3.
  void Watch(bool on) {
    SetIni(L"save", L"folder", L"D:\\UD");
    SetIni(L"save", L"check", on ? L"1" : L"0");
    SetIni(L"save", L"sound", L"1");
    SetIni(L"save", L"filename3", L"s3.wav");
  }
};

using Played = std::vector<std::wstring>;

TEST_F(NotificationsTest, EveryChangePlaysSoundOneThenTheAlarmsUnlessMuted) {
  struct Case {
    const wchar_t* progress;
    const wchar_t* alarm;
    const wchar_t* schedule;
    const wchar_t* file1;
    bool mute;
    Played played;
    const wchar_t *quiet = L"0", *from = L"23:00", *to = L"07:00";  // quiet hours, at this hour and minute
    int hour = 12, minute = 0; bool save = false;  // and whether the save file changes as well (sound 3)
  };
  const Case cases[] = {
      {L"1", L"1", L"10,50,90,;,", L"s1.wav", false, {L"s1.wav", L"s2.wav"}},
      {L"1", L"0", L"50,;,", L"s1.wav", false, {L"s1.wav"}},
      {L"0", L"1", L"50,10,50,;,", L"s1.wav", false, {L"s2.wav", L"s2.wav"}},  // listed twice
      {L"0", L"1", L"51,;,", L"s1.wav", false, {}},
      {L"1", L"1", L"50,;,", L"", false, {L"s2.wav"}},  // an empty path plays nothing
      {L"1", L"1", L"50,;,", L"s1.wav", true, {}},
      {L"1", L"1", L"50,;,", L"s1.wav", false, {}, L"1", L"23:00", L"07:00", 3, 0, true},  // past midnight
      {L"1", L"1", L"50,;,", L"s1.wav", false, {}, L"1", L"12:00", L"13:00", 12, 30},
      {L"1", L"1", L"50,;,", L"s1.wav", false, {}, L"1", L"\xFF12\xFF13\xFF1A\xFF10\xFF10", L" 7:00", 6, 59},
      {L"1", L"1", L"50,;,", L"s1.wav", false, {L"s1.wav", L"s2.wav"}, L"1", L"07:00", L"07:00", 7, 0},  // empty
      {L"1", L"1", L"50,;,", L"s1.wav", false, {L"s1.wav", L"s2.wav"}, L"1", L"24:00", L"07:00", 3, 0},  // no time
      {L"1", L"1", L"50,;,", L"s1.wav", false, {L"s1.wav", L"s2.wav"}, L"0", L"23:00", L"07:00", 3, 0},
  };
  for (const Case& c : cases) {
    sound.played.clear();
    SetIni(L"sound", L"progress", c.progress);
    SetIni(L"sound", L"alarmpercent", c.alarm);
    SetIni(L"sound", L"schedule", c.schedule);
    SetIni(L"sound", L"filename1", c.file1);
    SetIni(L"sound", L"filename2", L"s2.wav");
    for (auto [key, value] : {std::pair{L"quiet", c.quiet}, {L"quietfrom", c.from}, {L"quietto", c.to}}) SetIni(L"sound", key, value);
    clock.local.hour = c.hour, clock.local.minute = c.minute;
    Watch(c.save);
    files.stamps[kSaveFile] = 500;
    Station st{Ports(kFolder)};
    st.Form_Load();
    if (c.mute) st.SetMute();
    if (bar == 0) StartAgent(113);
    st.timMain_Timer();
    ASSERT_NE(iconWindow.windowTip.find(L"\r\n50%"), std::wstring::npos);
    files.stamps[kSaveFile] = 600;
    st.timMain_Timer();  // unchanged: silent but for the save file
    EXPECT_EQ(sound.played, c.played) << c.schedule << " mute " << c.mute << " quiet " << c.from << "-" << c.to << " at " << c.hour;
  }
}

TEST_F(NotificationsTest, TheQuietHoursFollowTheClockAtEachChange) {
  for (auto [key, value] : {std::pair{L"progress", L"1"}, {L"filename1", L"s1.wav"}, {L"quiet", L"1"}}) SetIni(L"sound", key, value);
  station.Form_Load();
  StartAgent(0);
  const int ticks[][3] = {{23, 0, 20}, {3, 0, 40}, {6, 59, 60}, {7, 0, 80}, {12, 0, 100}, {22, 59, 120}};  // h, m, bar
  for (const auto& [hour, minute, bar] : ticks) clock.local.hour = hour, clock.local.minute = minute, Tick(bar);
  EXPECT_EQ(sound.played, Played(3, L"s1.wav")) << "three changes in the quiet hours, three after them";
}

TEST_F(NotificationsTest, SoundsPlayOnChangesDownwardToo) {
  SetIni(L"sound", L"progress", L"1");
  SetIni(L"sound", L"filename1", L"s1.wav");
  SetIni(L"sound", L"alarmpercent", L"1");
  SetIni(L"sound", L"filename2", L"s2.wav");
  SetIni(L"sound", L"schedule", L"0,;,");
  station.Form_Load();
  StartAgent(227);
  Tick(227);
  Tick(0);  // a new work unit: 100 to 0
  EXPECT_EQ(sound.played, (Played{L"s1.wav", L"s1.wav", L"s2.wav"}));
  EXPECT_FALSE(station.Settings().SoundOnce) << "playing changes no flag";
}

TEST_F(NotificationsTest, TheSaveFileIsLookedAtOnlyWithTheWatchOn) {
  Watch(false);
  files.stamps[kSaveFile] = 500;
  station.Form_Load();
  Watch(true);
  Station watching{Ports(kFolder)};
  watching.Form_Load();
  watching.timMain_Timer();
  EXPECT_TRUE(sound.played.empty()) << "its time taken at start-up";
  Reload();
  Ticks(1);
  EXPECT_EQ(sound.played, Played{L"s3.wav"}) << "the same time is new to a station that did not look";
}

TEST_F(NotificationsTest, AnUnchangedSaveFileIsSilentAfterStartAndEachChangeSoundsOnce) {
  Watch(true);
  files.stamps[kSaveFile] = 500;
  station.Form_Load();
  Ticks(3);
  EXPECT_TRUE(sound.played.empty());
  files.stamps[kSaveFile] = 600;
  Ticks(2);
  files.stamps[kSaveFile] = 550;  // backward counts too
  Ticks(2);
  EXPECT_EQ(sound.played, (Played{L"s3.wav", L"s3.wav"}));
  EXPECT_EQ(iconWindow.windowTip, L"Vantor \r\nNo task \r\n0% T550");
  files.stamps.erase(kSaveFile);  // a missing file is no error and no change
  Ticks(1);
  EXPECT_TRUE(host.errors.empty());
  EXPECT_EQ(sound.played.size(), 2u);
}

TEST_F(NotificationsTest, AWatchSwitchedOnLaterCountsTheFileAsChanged) {
  Watch(false);
  files.stamps[kSaveFile] = 500;
  station.Form_Load();
  files.stamps[kSaveFile] = 600;  // rewritten while the watch is off: nothing
  Ticks(2);
  EXPECT_TRUE(sound.played.empty());
  Watch(true);
  Reload();
  Ticks(2);
  EXPECT_EQ(sound.played, Played{L"s3.wav"});
}

TEST_F(NotificationsTest, MutedSaveChangeStillEndsBackingOffAndRedrawsTheIcon) {
  Watch(true);
  SetIni(L"save", L"bakkin", L"1");
  files.stamps[kSaveFile] = 500;
  station.Form_Load();
  station.SetMute();
  StartAgent(0);
  Ticks(61);
  ASSERT_EQ(iconWindow.canvas, Face(0, true));
  files.stamps[kSaveFile] = 501;
  Ticks(1);
  EXPECT_EQ(iconWindow.canvas, Face(0));
  EXPECT_TRUE(sound.played.empty());
  tray.calls.clear();
  Ticks(59);
  EXPECT_TRUE(tray.calls.empty());
  Ticks(2);  // backing off again: the blink goes on with the plain face, then the other
  EXPECT_EQ(iconWindow.canvas, Face(0, true)) << "counted again from 0 by the save's own tick";
}

TEST_F(NotificationsTest, AFailingListingIsReportedOnceAndTheNextTickTriesAgain) {
  Watch(true);
  files.stamps[kSaveFile] = 500;
  station.Form_Load();
  files.failing = kSaveFile;
  Ticks(3);
  const std::wstring text = L"エラーが-CheckSaveTimeStamp-で発生しました。";
  EXPECT_EQ(host.errors, std::vector<std::wstring>(1, text)) << "a drive that stays unready is one report";
  files.failing.clear();
  files.stamps[kSaveFile] = 700;
  Ticks(1);
  EXPECT_EQ(sound.played, Played{L"s3.wav"});
  files.failing = kSaveFile;
  Ticks(1);
  EXPECT_EQ(host.errors, std::vector<std::wstring>(2, text)) << "failing again after a good check is news";
}

TEST_F(NotificationsTest, AlarmReservationSetsBothFlagsUntilTheNextReload) {
  SetIni(L"sound", L"progress", L"1");
  station.Form_Load();
  Ticks(1);
  EXPECT_FALSE(station.Menu().Alarm) << "progress alone is no reservation";
  station.SetAlarm(true);
  Ticks(1);
  EXPECT_TRUE(station.Menu().Alarm);
  station.SetAlarm(false);
  Ticks(1);
  EXPECT_FALSE(station.Settings().SoundProgress);
  SetIni(L"sound", L"once", L"1");
  Reload();
  Ticks(1);
  EXPECT_TRUE(station.Menu().Alarm) << "the stored flags come back";
}

}  // namespace
}  // namespace vantor
