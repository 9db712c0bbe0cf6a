#include "preference/core/EditorSettings.h"

#include <gtest/gtest.h>

#include "tests/unit/Fakes.h"

namespace vantor::preference {
namespace {

const std::wstring kFolder = L"C:\\Vantor";

TEST(PreferenceEditorSettings, AValueThatDoesNotConvertFallsBackAndTheOthersStillLoad) {
  test::FakeProfile profile;
  const auto set = [&](const wchar_t* sec, const wchar_t* key, const wchar_t* value) {
    profile.Write(kFolder + kVantorIni, sec, key, value);
  };
  set(L"color", L"graph", L"99999999999");  // beyond 32 bits
  set(L"save", L"bakkin", L"zwölf");
  set(L"capture", L"delay_mol", L"2000");
  set(L"priority", L"other", L"app.exe");
  profile.writes.clear();
  MainSettings s;
  s.ColorText = 1;  // whatever the editor held before is replaced
  const auto failed = LoadEditorSettings(profile, kFolder, s);
  EXPECT_EQ(failed, (std::vector<std::wstring>{L"[color] graph", L"[save] bakkin"}));
  EXPECT_EQ(s.ColorGraph, 16744576);
  EXPECT_EQ(s.ColorText, 16777215);
  EXPECT_EQ(s.Bakkin, 15);
  EXPECT_EQ(s.Capture_Delay_MOL, 2000) << "keys after the failing ones still load";
  EXPECT_EQ(s.PriorityOther, L"app.exe");
  EXPECT_TRUE(profile.writes.empty()) << "nothing is written while loading";
}

TEST(PreferenceEditorSettings, TheDoubleClickKeyIsReadInAnyCase) {
  test::FakeProfile profile;
  profile.Write(kFolder + kVantorIni, L"icon", L"DblClick", L"1");
  MainSettings s;
  EXPECT_TRUE(LoadEditorSettings(profile, kFolder, s).empty());
  EXPECT_EQ(s.DblClick, 1);
}

}  // namespace
}  // namespace vantor::preference
