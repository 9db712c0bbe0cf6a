#include "preference/core/SavePage.h"

#include <gtest/gtest.h>

#include "tests/unit/Fakes.h"

namespace vantor::preference {

TEST(PreferenceSavePage, OnlyTenToFifteenMinutesAreTaken) {
  const struct {
    const wchar_t* text;
    std::optional<std::int16_t> minutes;
  } cases[] = {{L"9", std::nullopt}, {L"16", std::nullopt}, {L"12", 12}, {L"10", 10}, {L"15", 15},
               {L" 13 ", 13}, {L"12.5", 12}, {L"abc", std::nullopt}, {L"12a", std::nullopt},
               {L"", std::nullopt}, {L"70000", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(BakkinOfText(c.text), c.minutes) << c.text;
}

TEST(PreferenceSavePage, AnAgentFolderNeedsItsSaveFileAndTheWatchNeedsAFolder) {
  test::FakeFiles files;
  files.stamps[L"C:\\UD\\tkcp.ud"] = 1;
  files.stamps[L"D:\\tkcp.ud"] = 1;
  const auto ud = AcceptAgentFolder(L"C:\\UD", files);
  ASSERT_TRUE(ud);
  EXPECT_EQ(ud->boxText, L"C:\\UD\\");
  EXPECT_EQ(ud->stored, L"C:\\UD");
  const auto root = AcceptAgentFolder(L"D:\\", files);
  ASSERT_TRUE(root);
  EXPECT_EQ(root->boxText, L"D:\\");
  EXPECT_EQ(root->stored, L"D:\\") << "a drive root keeps its backslash";
  EXPECT_FALSE(AcceptAgentFolder(L"C:\\Other", files));

  EXPECT_FALSE(SaveCheckAfterClick(true, false, L""));
  EXPECT_TRUE(SaveCheckAfterClick(false, true, L"")) << "without a folder a click changes nothing";
  EXPECT_TRUE(SaveCheckAfterClick(true, false, L"C:\\UD"));
  EXPECT_EQ(WithTrailingBackslash(L"C:\\Caps"), L"C:\\Caps\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\"), L"C:\\");
}

}  // namespace vantor::preference
