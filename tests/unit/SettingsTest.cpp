#include "common/core/Settings.h"

#include <gtest/gtest.h>

#include "common/core/Convert.h"
#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    profile.Write(ini.Path(kVantorIni), section, key, value);
  }
  MainSettings Load(SettingsReader reader = SettingsReader::Vantor) {
    MainSettings s;
    LoadSettings(ini, s, reader);
    return s;
  }

  test::FakeProfile profile;
  IniFile ini{profile, L"C:\\Vantor"};
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
  const MainSettings s = Load();
  EXPECT_EQ(s.ColorBack, 0);
  EXPECT_EQ(s.ColorGraph, 16744576);
  EXPECT_EQ(s.ColorFrame, 16711680);
  EXPECT_EQ(s.ColorText, 16777215);
  EXPECT_EQ(s.ColorShadow, 0);
  EXPECT_TRUE(s.IconFrame);
  EXPECT_TRUE(s.IconText);
  EXPECT_FALSE(s.IconBack || s.IconGraph || s.Balloon || s.SoundProgress || s.SoundOnce ||
               s.AlarmPercent || s.SaveCheck || s.SaveSound || s.CaptureCpu || s.CaptureMol);
  EXPECT_EQ(s.DblClick, 0);
  EXPECT_EQ(s.Bakkin, 15);
  EXPECT_TRUE(s.Capture_Minimize);
  EXPECT_EQ(s.Capture_MinimizeMethod, 0);
  EXPECT_EQ(s.Capture_Delay_CPU, 100);
  EXPECT_EQ(s.Capture_Delay_MOL, 500);
  EXPECT_EQ(s.Frequency, 1);
  EXPECT_TRUE(s.IconPicture.empty() && s.AlarmSchedule.empty() && s.PriorityUda.empty());
}

TEST_F(SettingsTest, ZeroColourMeansTheKeysDefault) {
  for (const wchar_t* key : {L"back", L"graph", L"frame", L"text", L"shadow"}) Set(L"color", key, L"0");
  MainSettings s = Load();
  EXPECT_EQ(s.ColorBack, 0);
  EXPECT_EQ(s.ColorShadow, 0);
  EXPECT_EQ(s.ColorGraph, 16744576);
  EXPECT_EQ(s.ColorFrame, 16711680);
  EXPECT_EQ(s.ColorText, 16777215);
  Set(L"color", L"graph", L"255 red");
  Set(L"color", L"text", L"letters");
  s = Load();
  EXPECT_EQ(s.ColorGraph, 255);
  EXPECT_EQ(s.ColorText, 16777215);
}

TEST_F(SettingsTest, NumbersFallBackOnZeroAndBakkinOnlyOnEmpty) {
  Set(L"capture", L"delay_cpu", L"0");
  Set(L"capture", L"delay_mol", L"letters");
  Set(L"priority", L"frequency", L"3.5");
  Set(L"save", L"bakkin", L"0");
  MainSettings s = Load();
  EXPECT_EQ(s.Capture_Delay_CPU, 100);
  EXPECT_EQ(s.Capture_Delay_MOL, 500);
  EXPECT_EQ(s.Frequency, 4);
  EXPECT_EQ(s.Bakkin, 0);
  Set(L"capture", L"delay_cpu", L"250abc");
  Set(L"save", L"bakkin", L" 12.5 ");
  s = Load();
  EXPECT_EQ(s.Capture_Delay_CPU, 250);
  EXPECT_EQ(s.Bakkin, 12);
  Set(L"save", L"bakkin", L"");
  EXPECT_EQ(Load().Bakkin, 15);
}

TEST_F(SettingsTest, FlagsFollowTheirRule) {
  Set(L"icon", L"frame", L"word");
  Set(L"icon", L"text", L"0");
  Set(L"icon", L"back", L"-1");
  Set(L"icon", L"graph", L"1");
  Set(L"capture", L"minimize", L"");
  MainSettings s = Load();
  EXPECT_TRUE(s.IconFrame);
  EXPECT_FALSE(s.IconText);
  EXPECT_FALSE(s.IconBack);
  EXPECT_TRUE(s.IconGraph);
  EXPECT_TRUE(s.Capture_Minimize);
}

TEST_F(SettingsTest, TheDoubleClickKeyIsOneKeyInAnyCase) {
  Set(L"icon", L"dblclick", L"1");
  EXPECT_EQ(Load(SettingsReader::Vantor).DblClick, 1);
  EXPECT_EQ(Load(SettingsReader::Preference).DblClick, 1);
  Set(L"priority", L"frequency", L"5");
  EXPECT_EQ(Load(SettingsReader::Vantor).Frequency, 5);
}

TEST_F(SettingsTest, ABadValueStopsTheLoadAtThatKey) {
  Set(L"color", L"graph", L"255");
  Set(L"save", L"bakkin", L"abc");
  Set(L"capture", L"delay_cpu", L"300");
  MainSettings s;
  s.Capture_Delay_CPU = 777;  // a previous value
  EXPECT_THROW(LoadSettings(ini, s, SettingsReader::Vantor), ConversionError);
  EXPECT_EQ(s.ColorGraph, 255);          // before the bad key: new value
  EXPECT_EQ(s.Bakkin, 15);               // the bad key: unchanged
  EXPECT_EQ(s.Capture_Delay_CPU, 777);   // after it: unchanged
}

TEST_F(SettingsTest, OutOfRangeNumbersAreConversionErrors) {
  const std::pair<const wchar_t*, const wchar_t*> bad[] = {
      {L"color", L"back"}, {L"save", L"bakkin"}, {L"capture", L"delay_mol"}, {L"priority", L"frequency"}};
  for (auto [section, key] : bad) {
    test::FakeProfile fresh;
    IniFile file{fresh, L"C:\\Vantor"};
    fresh.Write(file.Path(kVantorIni), section, key,
                std::wstring(section) == L"color" ? L"2147483648" : L"32768");
    MainSettings s;
    EXPECT_THROW(LoadSettings(file, s, SettingsReader::Vantor), ConversionError) << key;
  }
}

TEST_F(SettingsTest, SaveWritesAll39KeysInOrderAndLeavesOtherSections) {
  Set(L"window", L"top", L"40");
  MainSettings s;
  s.ColorGraph = 0;
  s.DblClick = 1;
  s.Capture_MinimizeMethod = -1;
  s.IconBack = true;
  s.CpuSchedule = L"10,50,90,;,";
  s.PriorityUda = L"ignored.exe";
  s.QuietFrom = 22 * 60 + 5;
  EXPECT_TRUE(SaveSettings(ini, s, L"ud_ligfit_Release.exe", L""));
  ASSERT_EQ(profile.writes.size(), 1u + 39u);
  std::vector<std::wstring> order;
  for (std::size_t i = 1; i < profile.writes.size(); ++i) {
    order.push_back(profile.writes[i].section + L"/" + profile.writes[i].key);
  }
  const std::vector<std::wstring> expected = {
      L"color/back", L"color/graph", L"color/frame", L"color/text", L"color/shadow", L"icon/frame",
      L"icon/text", L"icon/picture", L"icon/back", L"icon/graph", L"icon/dblclick", L"icon/balloon",
      L"sound/filename1", L"sound/progress", L"sound/once", L"sound/filename2", L"sound/alarmpercent",
      L"sound/schedule", L"sound/quiet", L"sound/quietfrom", L"sound/quietto", L"save/folder", L"save/check", L"save/filename3", L"save/sound", L"save/bakkin",
      L"capture/folder", L"capture/cpu", L"capture/cpuschedule", L"capture/mol", L"capture/molschedule",
      L"capture/minimize", L"capture/minimizemethod", L"capture/delay_cpu", L"capture/delay_mol",
      L"priority/uda", L"priority/other", L"priority/frequency", L"icon/timeleft"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"color", L"graph"), L"0");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"icon", L"DblClick"), L"1");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"capture", L"minimizemethod"), L"1");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"icon", L"back"), L"1");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"icon", L"frame"), L"1");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"priority", L"uda"), L"ud_ligfit_Release.exe");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"window", L"top"), L"40");
  EXPECT_EQ(profile.Read(ini.Path(kVantorIni), L"sound", L"quietfrom"), L"22:05");

  // What was saved loads back (black graph becomes the default colour).
  MainSettings back = Load();
  EXPECT_EQ(back.ColorGraph, 16744576);
  EXPECT_EQ(back.CpuSchedule, s.CpuSchedule);
  EXPECT_EQ(back.Capture_MinimizeMethod, 1);
  EXPECT_EQ(back.PriorityUda, L"ud_ligfit_Release.exe");
}

TEST_F(SettingsTest, ASaveThatCannotWriteStopsAtTheFirstFailureAndSaysSo) {
  profile.unwritable.insert(ini.Path(kVantorIni));
  EXPECT_FALSE(SaveSettings(ini, MainSettings{}, L"", L""));
  EXPECT_EQ(profile.failedWrites, 1);
  EXPECT_TRUE(profile.writes.empty());
}

}  // namespace
}  // namespace vantor
