#include "preference/core/FillPages.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "resources/preference_ids.h"
#include "tests/unit/Fakes.h"

namespace vantor::preference {
namespace {

// Records what the pages show; the controls named in `failing` throw.
class FakeControls : public PageControls {
 public:
  void SetPaletteColour(int index, std::int32_t colour) override {
    Fail(-1 - index);
    palette[index] = colour;
  }
  void SetCheck(int control, bool ticked) override {
    Fail(control);
    checks[control] = ticked;
  }
  void SetText(int control, const std::wstring& text) override {
    Fail(control);
    texts[control] = text;
  }
  void SelectOption(int control) override {
    Fail(control);
    options.insert(control);
  }
  void SetPosition(int control, int value) override {
    Fail(control);
    positions[control] = value;
  }
  bool LoadIconPicture(const std::wstring& path) override {
    loads.push_back(path);
    if (!path.empty()) Fail(IDC_PicPreview);
    return path.empty() || readable.count(path) > 0;
  }

  void Fail(int control) {
    if (failing.count(control)) throw std::runtime_error("control refuses");
  }

  std::set<int> failing;
  std::set<std::wstring> readable;
  std::map<int, std::int32_t> palette;
  std::map<int, bool> checks;
  std::map<int, std::wstring> texts;
  std::set<int> options;
  std::map<int, int> positions;
  std::vector<std::wstring> loads;
};

TEST(PreferenceFillPages, EveryPageGetsItsValues) {
  MainSettings s;
  s.ColorGraph = 123;
  s.DblClick = 1;
  s.Capture_MinimizeMethod = 1;
  s.AlarmSchedule = L"10,20,;,";
  s.CpuSchedule = L";,";
  s.MolSchedule = L"5,";
  s.Bakkin = 12;
  s.Capture_Delay_MOL = 5000;
  s.Frequency = 3;
  s.PriorityUda = L"ud_ligfit_Release.exe";
  s.Balloon = true;
  s.QuietTo = 6 * 60 + 5;
  FakeControls c;
  test::FakeFiles files;
  FillPages(s, c, files);
  EXPECT_EQ(c.palette[1], 123);
  EXPECT_EQ(c.palette[2], 16711680);
  EXPECT_TRUE(c.checks[IDC_CheckWaku]);
  EXPECT_TRUE(c.checks[IDC_CheckBalloon]);
  EXPECT_FALSE(c.checks[IDC_CheckBackImage]);
  EXPECT_TRUE(c.options.count(IDC_optShowUDAgent));
  EXPECT_FALSE(c.options.count(IDC_optShowSetting));
  EXPECT_TRUE(c.options.count(IDC_OptMinMethod2));
  EXPECT_EQ(c.texts[IDC_txtSoundPercents], L"10,20,");
  EXPECT_EQ(c.texts[IDC_txtCapCPUPer], L"");
  EXPECT_EQ(c.texts[IDC_txtCapMOLPer], L"5,") << "a hand-edited list without \";\" shows as it is";
  EXPECT_EQ(c.texts[IDC_txtBakkin], L"12");
  EXPECT_EQ(c.texts[IDC_txtQuietTo], L"06:05");
  EXPECT_EQ(c.positions[IDC_scrBakkin], 12);
  EXPECT_EQ(c.positions[IDC_slidDelayCPU], 100);
  EXPECT_EQ(c.positions[IDC_slidDelayMOL], 5000);
  EXPECT_EQ(c.positions[IDC_SlidPriFreq], 3);
  EXPECT_EQ(c.texts[IDC_txtPriUDA], L"ud_ligfit_Release.exe");
  EXPECT_EQ(c.loads, std::vector<std::wstring>{L""}) << "no picture: the empty path clears the box";
}

TEST(PreferenceFillPages, AFailingAssignmentIsSkippedAndTheRestStillRuns) {
  MainSettings s;
  s.SoundFile1 = L"a.wav";
  s.SoundFile2 = L"b.wav";
  FakeControls c;
  c.failing = {-1 /* palette entry 0 */, IDC_txtSound1, IDC_CheckWaku, IDC_SlidPriFreq};
  test::FakeFiles files;
  FillPages(s, c, files);
  EXPECT_FALSE(c.palette.count(0));
  EXPECT_TRUE(c.palette.count(1)) << "the next palette entry";
  EXPECT_FALSE(c.texts.count(IDC_txtSound1));
  EXPECT_EQ(c.texts[IDC_txtSound2], L"b.wav");
  EXPECT_TRUE(c.checks.count(IDC_CheckMoji));
  EXPECT_TRUE(c.texts.count(IDC_txtPriEXE));
}

TEST(PreferenceFillPages, ValuesASliderDoesNotAcceptLeaveItAsItIs) {
  struct Case {
    std::int16_t bakkin, delayCpu, delayMol, frequency;
  } cases[] = {{9, 99, 99, 0}, {16, 1001, 5001, 6}, {0, -1, 32767, -5}};
  for (const Case& k : cases) {
    MainSettings s;
    s.Bakkin = k.bakkin;
    s.Capture_Delay_CPU = k.delayCpu;
    s.Capture_Delay_MOL = k.delayMol;
    s.Frequency = k.frequency;
    FakeControls c;
    test::FakeFiles files;
    FillPages(s, c, files);
    EXPECT_TRUE(c.positions.empty()) << k.bakkin;
    EXPECT_EQ(c.texts[IDC_txtBakkin], std::to_wstring(k.bakkin)) << "the box shows the stored minutes";
    EXPECT_EQ(s.Bakkin, k.bakkin) << "the stored value is kept";
  }
  for (const auto& [control, lo, hi] : {std::tuple{IDC_scrBakkin, 10, 15}, std::tuple{IDC_slidDelayCPU, 100, 1000},
                                        std::tuple{IDC_slidDelayMOL, 100, 5000}, std::tuple{IDC_SlidPriFreq, 1, 5}}) {
    EXPECT_EQ(RangeOf(control).min, lo);
    EXPECT_EQ(RangeOf(control).max, hi);
  }
}

TEST(PreferenceFillPages, AStoredPictureThatCannotBeLoadedIsForgotten) {
  const std::wstring bmp = L"C:\\p.bmp";
  struct Case {
    bool exists, readable, throws, back;
  } cases[] = {{true, true, false, true}, {false, false, false, false}, {true, false, false, false},
               {true, true, true, false}};
  for (const Case& k : cases) {
    MainSettings s;
    s.IconPicture = bmp;
    s.IconBack = s.IconGraph = true;
    FakeControls c;
    test::FakeFiles files;
    if (k.exists) files.stamps[bmp] = 1;
    if (k.readable) c.readable.insert(bmp);
    if (k.throws) c.failing = {IDC_PicPreview};
    FillPages(s, c, files);
    EXPECT_EQ(s.IconBack, k.back) << k.exists << k.readable << k.throws;
    EXPECT_EQ(s.IconGraph, k.back);
    EXPECT_EQ(c.checks[IDC_CheckBackImage], k.back);
    EXPECT_EQ(c.checks[IDC_CheckGraphImage], k.back);
    EXPECT_EQ(s.IconPicture, k.back ? bmp : L"");
    EXPECT_EQ(c.texts[IDC_txtIconImage], k.back ? bmp : L"");
  }
}

TEST(PreferenceFillPages, APictureSwitchWithoutAChosenPictureIsOff) {
  MainSettings s;
  s.IconBack = true;
  FakeControls c;
  test::FakeFiles files;
  FillPages(s, c, files);
  EXPECT_FALSE(s.IconBack);
  EXPECT_FALSE(c.checks[IDC_CheckBackImage]);
}

}  // namespace
}  // namespace vantor::preference
