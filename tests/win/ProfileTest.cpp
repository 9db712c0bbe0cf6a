// The settings files through the platform's profile functions.
#include <gtest/gtest.h>

#include "common/core/IniFile.h"
#include "common/core/Settings.h"
#include "common/win/WinPlatform.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::wstring IniPath() { return folder / L"Vantor.ini"; }
  test::TempFolder folder{L"ini"};
  WinProfile profile;
  IniFile ini{profile, folder.Path()};
};

TEST_F(ProfileTest, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(ini.GetIniValue(L"color", L"back"), L"");
  test::WriteBytes(IniPath(), "[color]\r\nback=\r\n");
  EXPECT_EQ(ini.GetIniValue(L"color", L"back"), L"");
  EXPECT_EQ(ini.GetIniValue(L"color", L"graph"), L"");
  EXPECT_EQ(ini.GetIniValue(L"icon", L"back"), L"");
  EXPECT_EQ(ini.GetPriorityValue(L"priority", L"udachange"), L"");
}

TEST_F(ProfileTest, KeysAndSectionsMatchInAnyCaseAndBlanksAreTrimmed) {
  test::WriteBytes(IniPath(), "[ICON]\r\ndblclick=1\r\n[priority]\r\nFREQUENCY =   3   \r\n");
  EXPECT_EQ(ini.GetIniValue(L"icon", L"DblClick"), L"1");
  EXPECT_EQ(ini.GetIniValue(L"Icon", L"dblClick"), L"1");
  EXPECT_EQ(ini.GetIniValue(L"priority", L"frequency"), L"3");
  MainSettings s;
  LoadSettings(ini, s, SettingsReader::Vantor);
  EXPECT_EQ(s.DblClick, 1);
  EXPECT_EQ(s.Frequency, 3);
}

TEST_F(ProfileTest, ALongValueIsCutTo1023Bytes) {
  const std::string value(1100, 'x');
  test::WriteBytes(IniPath(), "[sound]\r\nfilename1=" + value + "\r\n");
  EXPECT_EQ(ini.GetIniValue(L"sound", L"filename1"), std::wstring(1023, L'x'));
  // Double-byte characters are never split by the cut.
  std::string kanji;
  for (int i = 0; i < 600; ++i) kanji += test::Ansi(L"音");
  test::WriteBytes(IniPath(), "[sound]\r\nfilename1=a" + kanji + "\r\n");
  const std::wstring read = ini.GetIniValue(L"sound", L"filename1");
  EXPECT_EQ(read, L"a" + std::wstring(511, L'音'));
}

TEST_F(ProfileTest, JapaneseValuesRoundTripInTheAnsiCodePage) {
  ASSERT_EQ(::GetACP(), 932u) << "the test bed runs with a Japanese locale";
  const std::wstring path = L"C:\\ユーザー\\音楽\\完了.wav";
  ini.SetIniValue(L"sound", L"filename1", path);
  EXPECT_EQ(ini.GetIniValue(L"sound", L"filename1"), path);
  const std::string bytes = test::ReadBytes(IniPath());
  EXPECT_NE(bytes.find(test::Ansi(path)), std::string::npos) << "stored as Shift_JIS";
  EXPECT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos);
  EXPECT_EQ(bytes.find(std::string("\xFF\xFE", 2)), std::string::npos);
}

TEST_F(ProfileTest, AWriteChangesOneKeyAndKeepsTheRest) {
  const std::string before =
      "[window]\r\ntop=10\r\nleft=20\r\n[color]\r\nback=5\r\ngraph=6\r\n[visible]\r\nwindow=1\r\n";
  test::WriteBytes(IniPath(), before);
  ini.SetIniValue(L"color", L"graph", L"255");
  ini.SetIniValue(L"capture", L"folder", L"C:\\cap\\");
  const std::string after = test::ReadBytes(IniPath());
  EXPECT_NE(after.find("[window]\r\ntop=10\r\nleft=20\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("back=5\r\ngraph=255\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("[visible]\r\nwindow=1\r\n"), std::string::npos) << after;
  EXPECT_LT(after.find("[color]"), after.find("[visible]"));
  EXPECT_LT(after.find("[visible]"), after.find("[capture]"));
  EXPECT_EQ(ini.GetIniValue(L"capture", L"folder"), L"C:\\cap\\");
}

TEST_F(ProfileTest, SaveThenLoadKeepsTheWindowStateOfTheMonitor) {
  test::WriteBytes(IniPath(), "[window]\r\ntop=33\r\n[menu]\r\ndeleteUDAicon=1\r\n");
  MainSettings s;
  s.SaveFolder = L"D:\\UDエージェント";
  EXPECT_TRUE(SaveSettings(ini, s, L"ud_ligfit_Release.exe", L""));
  EXPECT_EQ(ini.GetIniValue(L"window", L"top"), L"33");
  EXPECT_EQ(ini.GetIniValue(L"menu", L"deleteUDAicon"), L"1");
  MainSettings back;
  LoadSettings(ini, back, SettingsReader::Vantor);
  EXPECT_EQ(back.SaveFolder, s.SaveFolder);
  EXPECT_EQ(back.PriorityUda, L"ud_ligfit_Release.exe");
}

TEST_F(ProfileTest, AWriteThatCannotBeMadeSaysSoAndChangesNothing) {
  const std::string before = "[color]\r\ngraph=6\r\n";
  test::WriteBytes(IniPath(), before);
  EXPECT_TRUE(ini.SetIniValue(L"color", L"graph", L"7"));
  {
    // Another program holds the file without sharing.
    OwnedFile held(::CreateFileW(IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(ini.SetIniValue(L"color", L"graph", L"8"));
    EXPECT_FALSE(SaveSettings(ini, MainSettings{}, L"", L""));
  }
  EXPECT_EQ(test::ReadBytes(IniPath()), "[color]\r\ngraph=7\r\n");
  // A folder standing where the file must be written (a read-only place, as far as the
  // programs can tell).
  const std::wstring blocked = folder / L"blocked";
  ::CreateDirectoryW(blocked.c_str(), nullptr);
  ::CreateDirectoryW((blocked + L"\\Vantor.ini").c_str(), nullptr);
  WinProfile other;
  IniFile there{other, blocked};
  EXPECT_FALSE(there.SetIniValue(L"window", L"top", L"1"));
}

}  // namespace
}  // namespace vantor
