// The road of one progress step, end to end: the agent's bar grows to 84 pixels and everything
// that follows from it shows up where a user would look. The notification area is played by
// a window of this test with the shell's class, which receives what Vantor hands the shell.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/History.h"
#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

// One notification-area call as the shell receives it. Each Wine copies the record in a layout
// of its own: window, id, flags and callback come first, but the tooltip begins later in Wine 10
// than in Wine 8. So its place is learnt from a record with a known tooltip; from there on the
// fields keep their order: tip[128], state, state mask, info[256], timeout, title[64].
struct TrayCall {
  DWORD message = 0;
  std::uint32_t id = 0, flags = 0, callback = 0;
  std::wstring tip, info, title;
  std::string record;  // the whole record, the icon's bits last
};

std::vector<TrayCall> g_calls;
std::size_t g_tip = 0;  // where the tooltip begins in the records of this Wine

std::wstring Field(const BYTE* data, std::size_t size, std::size_t offset, std::size_t chars) {
  if (offset + chars * 2 > size) return L"";
  std::wstring text(reinterpret_cast<const wchar_t*>(data + offset), chars);
  return text.substr(0, text.find(L'\0'));
}

LRESULT CALLBACK ShellProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto* data = static_cast<const BYTE*>(copy->lpData);
    TrayCall call;
    call.message = static_cast<DWORD>(copy->dwData);
    call.record.assign(reinterpret_cast<const char*>(data), copy->cbData);
    if (copy->cbData >= 16) {
      const auto* words = reinterpret_cast<const std::uint32_t*>(data);
      call.id = words[1];
      call.flags = words[2];
      call.callback = words[3];
    }
    for (std::size_t at = 16; g_tip == 0 && at + 256 <= copy->cbData; at += 2) {
      if (Field(data, copy->cbData, at, 128) == L"known tip") g_tip = at;
    }
    call.tip = Field(data, copy->cbData, g_tip, 128);
    call.info = Field(data, copy->cbData, g_tip + 256 + 8, 256);
    call.title = Field(data, copy->cbData, g_tip + 256 + 8 + 512 + 4, 64);
    g_calls.push_back(call);
    return TRUE;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

std::vector<std::wstring> Tips() {
  std::vector<std::wstring> tips;
  for (const auto& call : g_calls) tips.push_back(std::to_wstring(call.message) + L":" + call.tip);
  return tips;
}

class StoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ShellProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Shell_TrayWnd";
    ::RegisterClassW(&wc);
    shell_ = ::CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                               nullptr);
    NOTIFYICONDATAW known{};
    known.cbSize = sizeof(known);
    known.hWnd = shell_;
    known.uFlags = NIF_TIP;
    ::lstrcpyW(known.szTip, L"known tip");
    g_tip = 0;
    ::Shell_NotifyIconW(NIM_ADD, &known);
    ::Shell_NotifyIconW(NIM_DELETE, &known);
    g_calls.clear();
  }
  void TearDown() override { ::DestroyWindow(shell_); }
  HWND shell_ = nullptr;
};

TEST_F(StoryTest, OneProgressStepFromTheBarToTheTrayTheSoundsAndTheCapture) {
  ASSERT_EQ(::FindWindowW(L"Shell_TrayWnd", nullptr), shell_) << "this test plays the shell";
  ASSERT_NE(g_tip, 0u) << "where the known tooltip landed";
  VantorProgram vantor;
  const std::wstring folder = vantor.Folder().Path();
  WriteBytes(vantor.File(L"Vantor.ini"), "[icon]\r\nballoon=1\r\n[capture]\r\nfolder=" + Ansi(folder) +
                                             "\\\r\ncpu=1\r\ncpuschedule=37,;,\r\nminimize=0\r\n");
  AgentDriver agent(0, L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  Process p = vantor.StartAndSettle();
  const auto added = [] {
    for (const auto& call : g_calls) {
      if (call.message == NIM_ADD) return &call;
    }
    return static_cast<const TrayCall*>(nullptr);
  };
  ASSERT_TRUE(WaitUntil([&] { return added() != nullptr; })) << "Vantor added its icon";
  EXPECT_EQ(added()->id, 1u);
  EXPECT_EQ(added()->callback, 512u);
  EXPECT_EQ(added()->tip, L"Vantor \r\nLigandFit \r\n0%");
  g_calls.clear();

  agent.SetWidth(84);
  const IcoBytes expected = EncodeIco(ComposeIcon(MainSettings{}, 37, nullptr, false));
  const ULONGLONG start = ::GetTickCount64();
  ASSERT_TRUE(WaitUntil([&] {
    return ReadBytes(vantor.File(L"temp.ico")) == std::string(expected.begin(), expected.end());
  }, 4000)) << "temp.ico shows 37 %";
  EXPECT_LE(::GetTickCount64() - start, 2000u);

  const std::wstring tip = L"Vantor \r\nLigandFit \r\n37%";
  ASSERT_TRUE(WaitUntil([&] {
    for (const auto& call : g_calls) {
      if (call.message == NIM_MODIFY && call.tip == tip) return true;
    }
    return false;
  }, 3000)) << "the tray record carries the tooltip; seen: " << testing::PrintToString(Tips());
  for (const auto& call : g_calls) {
    if (call.message != NIM_MODIFY || call.tip != tip) continue;
    // The face drawn at the size the shell shows it (24 x 24 at 150 %), not a smaller one stretched.
    EXPECT_TRUE(RecordCarries(call.record, 37, ShellIconSize())) << ShellIconSize();
    EXPECT_EQ(call.flags & NIF_INFO, static_cast<std::uint32_t>(NIF_INFO)) << "with a balloon";
    EXPECT_EQ(call.title, L"Vantor");
    EXPECT_EQ(call.info, tip);
  }
  // 37 is in the CPU capture list: a picture whose name ends with the percentage.
  EXPECT_TRUE(WaitUntil([&] { return FileNames(folder, L"*-37-CPU.png").size() == 1; }, 8000));
  // Ending removes the icon: the shell's window has to answer while Vantor ends.
  ::PostMessageW(vantor.StationWindow(p), WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !p.Running(); }));
  EXPECT_EQ(g_calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

// The agent steps one percent every 3 s from 40 %: the tooltip's last line is first "計算中",
// then about three minutes. The bar falls to 2 %, later to 1 %: each ends a unit, whose row
// waits while another program holds history.csv shut and arrives, in order, once it is free.
// A read-only history.csv is told once.
TEST_F(StoryTest, TheTimeLeftOfTheRunningUnitAndTheRowsOfTheUnitsThatEnded) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"), "[icon]\r\nballoon=1\r\ntimeleft=1\r\n");
  const auto width = [](int percent) { return (percent * 227 + 50) / 100; };
  AgentDriver agent(width(40), L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  Process p = vantor.StartAndSettle();
  std::vector<std::wstring> lines;  // the time-left lines in the order they came
  const auto seen = [&] {
    for (const auto& call : g_calls) {
      const std::wstring line = call.tip.substr(call.tip.rfind(L"\r\n") + 2);
      if (line.rfind(L"残り時間：", 0) == 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
    }
    g_calls.clear();
  };
  for (int percent = 41; percent <= 46; ++percent) {
    WaitUntil([] { return false; }, 3000);
    agent.SetWidth(width(percent));
  }
  WaitUntil([] { return false; }, 1500);
  seen();
  ASSERT_GE(lines.size(), 2u) << testing::PrintToString(Tips());
  EXPECT_EQ(lines.front(), L"残り時間：計算中");
  const std::wstring last = lines.back();  // 54 steps of 3 s: 162 s
  EXPECT_TRUE(last == L"残り時間：約2分" || last == L"残り時間：約3分" || last == L"残り時間：約4分") << testing::PrintToString(lines);

  // Another program holds the file shut while two units end.
  const std::wstring path = vantor.File(L"history.csv");
  const auto steps = [&](std::initializer_list<int> percents) {
    for (int percent : percents) agent.SetWidth(width(percent)), WaitUntil([] { return false; }, 3000);
  };
  OwnedFile held(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  steps({2, 3, 1});
  LARGE_INTEGER size{};
  ::GetFileSizeEx(held.Get(), &size);
  EXPECT_EQ(size.QuadPart, 0) << "nothing written while it is held";
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr) << "and nothing said";
  held.Reset();
  std::string file;
  EXPECT_TRUE(WaitUntil([&] {
    file = ReadBytes(path);
    return std::count(file.begin(), file.end(), '\n') == 3;
  }, 5000)) << file;
  ASSERT_EQ(file.rfind(HistoryHeader(), 0), 0u) << file;
  const std::size_t second = file.find('\n', HistoryHeader().size()) + 1;
  const HistoryRow first = ReadHistoryLine(file.substr(HistoryHeader().size(), second - HistoryHeader().size() - 1)).row;
  const HistoryRow next = ReadHistoryLine(file.substr(second, file.size() - second - 1)).row;
  EXPECT_EQ(first.task, L"LigandFit");
  EXPECT_EQ(std::pair(first.firstPercent, first.lastPercent), std::pair(40, 46));
  EXPECT_EQ(first.end, UnitEnd::NewUnit);
  EXPECT_NEAR(static_cast<double>(first.seconds), 18.0, 3.0);
  EXPECT_EQ(std::pair(next.firstPercent, next.lastPercent), std::pair(2, 3));
  EXPECT_EQ(next.end, UnitEnd::NewUnit);

  // Made read-only: the next unit's end is told once, naming the file; the one after is not.
  // Both rows wait and go in at the end, once the file can be written again.
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  steps({3, 2});
  HWND box = vantor.WaitForMessageBox(p, 5000);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageText(box).find(path + L"\n\nこのファイルは読み取り専用です。"), std::wstring::npos) << MessageText(box);
  CloseMessageBox(box);
  steps({3, 1});
  EXPECT_EQ(vantor.WaitForMessageBox(p, 2000), nullptr);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::PostMessageW(vantor.StationWindow(p), WM_CLOSE, 0, 0);  // the shell's window answers meanwhile
  EXPECT_TRUE(WaitUntil([&] { return !p.Running(); }));
  file = ReadBytes(path);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 5) << file;
}

}  // namespace
}  // namespace vantor::test
