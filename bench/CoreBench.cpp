// The portable core's hot paths, measured natively: the icon of one percentage, the three
// schedule lists, the main settings over an in-memory store, and a bookmark file of 100 lines.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/core/IcoFile.h"
#include "common/core/IconComposer.h"
#include "common/core/IniFile.h"
#include "common/core/Links.h"
#include "common/core/Schedule.h"
#include "common/core/Settings.h"
#include "tests/unit/Fakes.h"

namespace {

using namespace vantor;

const std::wstring kFolder = L"C:\\Vantor";

void BM_ComposeAndEncodeIcon(benchmark::State& state) {
  const MainSettings settings;  // frame, digits and shadow on: every step draws
  std::int16_t percent = 37;
  for (auto _ : state) {
    IcoBytes bytes = EncodeIco(ComposeIcon(settings, percent, nullptr, false));
    benchmark::DoNotOptimize(bytes);
    percent = static_cast<std::int16_t>(percent == 37 ? 38 : 37);
  }
}
BENCHMARK(BM_ComposeAndEncodeIcon);

// A face at the size a scaled display shows it, drawn for the tray or the icon window beside
// the 16-pixel one at every change.
void BM_ComposeFaceAtSize(benchmark::State& state) {
  const MainSettings settings;
  const int size = static_cast<int>(state.range(0));
  std::int16_t percent = 37;
  for (auto _ : state) {
    Canvas face = ComposeIcon(settings, percent, nullptr, false, size);
    benchmark::DoNotOptimize(face);
    percent = static_cast<std::int16_t>(percent == 37 ? 38 : 37);
  }
}
BENCHMARK(BM_ComposeFaceAtSize)->Arg(16)->Arg(20)->Arg(24)->Arg(32)->Arg(48);

void BM_ParseThreeSchedules(benchmark::State& state) {
  // The alarm list and the two capture lists as a user fills them.
  const std::wstring alarm = L"10,25,50,75,90,99,;,";
  const std::wstring cpu = L"5,15,25,35,45,55,65,75,85,95,;,";
  const std::wstring mol = L"1,2,3,4,5,6,7,8,9,10,20,30,40,50,60,70,80,90,100,;,";
  for (auto _ : state) {
    ScheduleTable a = ParseSchedule(alarm);
    ScheduleTable c = ParseSchedule(cpu);
    ScheduleTable m = ParseSchedule(mol);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(c);
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_ParseThreeSchedules);

void BM_LoadSettings(benchmark::State& state) {
  // A store holding every key, written by the editor's own save.
  test::FakeProfile profile;
  IniFile ini(profile, kFolder);
  MainSettings written;
  written.AlarmSchedule = L"10,50,90,;,";
  written.CpuSchedule = L"25,50,75,;,";
  written.MolSchedule = L"100,;,";
  written.SaveFolder = L"C:\\UD\\data";
  written.CaptureFolder = L"C:\\UD\\captures";
  SaveSettings(ini, written, L"ud_ligfit_Release.exe", L"");
  for (auto _ : state) {
    MainSettings settings;
    LoadSettings(ini, settings, SettingsReader::Vantor);
    benchmark::DoNotOptimize(settings);
  }
}
BENCHMARK(BM_LoadSettings);

void BM_LoadLinks100(benchmark::State& state) {
  std::vector<Link> links;
  for (int i = 0; i < 100; ++i) {
    links.push_back({L"Bookmark " + std::to_wstring(i), L"http://www.example.org/page/" + std::to_wstring(i)});
  }
  test::FakeLinkFiles files;
  const std::wstring path = kFolder + kLinksLst;
  files.files[path] = LinksText(links);
  LinkList list;
  for (auto _ : state) {
    LoadLinks(files, path, list);
    benchmark::DoNotOptimize(list);
  }
  if (list.LinkCount() != 101) state.SkipWithError("the file did not read back to 100 bookmarks");
}
BENCHMARK(BM_LoadLinks100);

}  // namespace
