// The icon page's rules, and the preview against the monitor's own icon.
#include <gtest/gtest.h>

#include "common/core/IconComposer.h"
#include "preference/core/EditorSettings.h"
#include "preference/core/IconPage.h"
#include "station/core/Station.h"
#include "tests/unit/CanvasCheck.h"
#include "tests/unit/Fakes.h"

namespace vantor::preference {
namespace {

TEST(PreferenceIconPage, APictureSwitchStaysTickedOnlyWithAnExistingChosenPicture) {
  struct Case {
    bool ticked, exists;
    const wchar_t* stored;
    bool result;
  } cases[] = {
      {true, true, L"C:\\pic.bmp", true},   {true, false, L"C:\\pic.bmp", false},
      {true, true, L"", false},             {true, false, L"", false},
      {false, true, L"C:\\pic.bmp", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImageSwitch(c.ticked, c.exists, c.stored), c.result) << c.ticked << c.exists << c.stored;
  }
}

TEST(PreferenceIconPage, TheDoubleClickChoiceIsStoredAsZeroOrOne) {
  EXPECT_EQ(DblClickValue(true), 1);
  EXPECT_EQ(DblClickValue(false), 0);
  EXPECT_TRUE(DblClickShowsAgent(1));
  EXPECT_TRUE(DblClickShowsAgent(-1)) << "any value but 0 selects the agent's window";
  EXPECT_FALSE(DblClickShowsAgent(0));
}

TEST(PreferenceIconPage, PaletteEntriesMapToTheFiveColoursAndTheirMarkerPlaces) {
  MainSettings s;
  for (int i = 0; i < kPaletteSize; ++i) SetPaletteColour(s, i, 100 + i);
  EXPECT_EQ(s.ColorBack, 100);
  EXPECT_EQ(s.ColorGraph, 101);
  EXPECT_EQ(s.ColorFrame, 102);
  EXPECT_EQ(s.ColorText, 103);
  EXPECT_EQ(s.ColorShadow, 104);
  for (int i = 0; i < kPaletteSize; ++i) EXPECT_EQ(PaletteColour(s, i), 100 + i);
  EXPECT_THROW(PaletteColour(s, 5), std::out_of_range);
  EXPECT_THROW(SetPaletteColour(s, -1, 0), std::out_of_range);

  const int expected[][2] = {{240, 240}, {1680, 240}, {3240, 240}, {240, 720}, {1680, 720}};
  for (int i = 0; i < kPaletteSize; ++i) {
    EXPECT_EQ(MarkerPosition(i).x, expected[i][0]) << i;
    EXPECT_EQ(MarkerPosition(i).y, expected[i][1]) << i;
  }
  EXPECT_THROW(MarkerPosition(5), std::out_of_range);
}

TEST(PreferenceIconPage, PureBlackIsStoredSoThatItReloadsAsBlack) {
  // Graph, frame and text read a stored 0 as their default: black is kept as one step of red.
  for (int index : {1, 2, 3}) EXPECT_EQ(StoredColour(index, 0), kStoredBlack) << index;
  // Background and shadow are black by default: their 0 stays 0.
  for (int index : {0, 4}) EXPECT_EQ(StoredColour(index, 0), 0) << index;
  for (int index = 0; index < kPaletteSize; ++index) EXPECT_EQ(StoredColour(index, 0x102030), 0x102030);

  MainSettings picked;
  for (int index = 0; index < kPaletteSize; ++index) SetPaletteColour(picked, index, 0);
  test::FakeProfile profile;
  IniFile ini{profile, L"C:\\Vantor"};
  ASSERT_TRUE(SaveSettings(ini, picked, L"", L""));
  for (SettingsReader reader : {SettingsReader::Vantor, SettingsReader::Preference}) {
    MainSettings back;
    LoadSettings(ini, back, reader);
    EXPECT_EQ(back.ColorGraph, kStoredBlack);
    EXPECT_EQ(back.ColorFrame, kStoredBlack);
    EXPECT_EQ(back.ColorText, kStoredBlack);
    EXPECT_EQ(back.ColorBack, 0);
    EXPECT_EQ(back.ColorShadow, 0);
  }
  // The preview draws what is stored, which is what the monitor draws: the frame in (1, 0, 0).
  MainSettings back;
  LoadSettings(ini, back, SettingsReader::Vantor);
  EXPECT_EQ(DrawPreview(picked, nullptr), ComposeIcon(back, kPreviewPercent, nullptr, false));
  EXPECT_EQ(DrawPreview(picked, nullptr).Pixel(0, 0), 0x000001u);
}

TEST(PreferenceIconPage, ForgettingAPictureSwitchesBothUsesOff) {
  MainSettings s;
  s.IconPicture = L"C:\\gone.bmp";
  s.IconBack = s.IconGraph = true;
  ForgetPicture(s);
  EXPECT_TRUE(s.IconPicture.empty());
  EXPECT_FALSE(s.IconBack);
  EXPECT_FALSE(s.IconGraph);
}

TEST(PreferenceIconPage, DefaultsShowBackgroundAboveGraphWithShadowedFiftyAndFrame) {
  const Canvas c = DrawPreview(MainSettings{}, nullptr);
  // Frame all round in the default frame colour.
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(c.Pixel(i, 0), 0xFF0000u);
    EXPECT_EQ(c.Pixel(0, i), 0xFF0000u);
    EXPECT_EQ(c.Pixel(15, i), 0xFF0000u);
    EXPECT_EQ(c.Pixel(i, 15), 0xFF0000u);
  }
  // Inside the frame, away from the digits: background in rows 1 to 7, graph in 8 to 14.
  EXPECT_EQ(c.Pixel(14, 1), 0u);
  EXPECT_EQ(c.Pixel(14, 7), 0u);
  EXPECT_EQ(c.Pixel(14, 8), 0xFF8080u);
  EXPECT_EQ(c.Pixel(14, 14), 0xFF8080u);
  // Some pixels of the digits are white, and some of their shadow show beside them.
  int white = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) white += c.Pixel(x, y) == 0xFFFFFFu;
  }
  EXPECT_GT(white, 10);
}

// The monitor composing its icon at 50 percent from the same Vantor.ini and picture.
class PreviewAgainstMonitor : public ::testing::Test, public test::StationFakes {
 protected:
  const std::wstring kFolder = L"C:\\Vantor";
  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    profile.Write(kFolder + kVantorIni, section, key, value);
  }
  Canvas MonitorIcon() {
    station.Form_Load();
    const WindowHandle form = windows.AddAgentForm(windows.kDesktop, 7, 114);
    (void)form;
    station.timMain_Timer();
    EXPECT_NE(iconWindow.windowTip.find(L" \r\n50%"), std::wstring::npos);
    return iconWindow.canvas;
  }

  Station station{Ports(kFolder)};
};

TEST_F(PreviewAgainstMonitor, ThePreviewIsTheMonitorsIconAtFiftyPercent) {
  Picture picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, 0x010203u * static_cast<unsigned>(x + 16 * y));
  }
  const std::wstring bmp = L"C:\\pics\\icon.bmp";
  pictures.pictures[bmp] = picture;
  files.stamps[bmp] = 1;
  Set(L"color", L"back", L"1193046");
  Set(L"color", L"graph", L"65280");
  Set(L"color", L"text", L"255");
  Set(L"color", L"shadow", L"8421504");
  Set(L"icon", L"frame", L"0");
  Set(L"icon", L"picture", bmp.c_str());
  Set(L"icon", L"back", L"1");
  Set(L"icon", L"graph", L"1");
  const Canvas monitor = MonitorIcon();

  MainSettings editor;
  EXPECT_TRUE(LoadEditorSettings(profile, kFolder, editor).empty());
  EXPECT_EQ(DrawPreview(editor, &picture), monitor);
  // And the same holds with the picture options off again.
  editor.IconBack = editor.IconGraph = false;
  editor.IconFrame = true;
  EXPECT_NE(DrawPreview(editor, &picture), monitor);
}

TEST_F(PreviewAgainstMonitor, WithNoFileBothDrawTheDefaultIcon) {
  const Canvas monitor = MonitorIcon();
  MainSettings editor;
  LoadEditorSettings(profile, kFolder, editor);
  EXPECT_EQ(DrawPreview(editor, nullptr), monitor);
}

}  // namespace
}  // namespace vantor::preference
