// The road of one progress step, end to end: the agent's bar grows to 84 pixels and everything
// that follows from it shows up where a user would look. The notification area is played by
// a window of this test with the shell's class, which receives what Vantor hands the shell.
#include <gtest/gtest.h>

#include <cstring>

#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

// One notification-area call as the shell receives it. Each Wine copies the record in a
// layout of its own: the window, id, flags and callback come first, but where the tooltip
// begins differs (Wine 10 puts 16 more bytes before it than Wine 8). So the tooltip's place is
// learnt from a record with a known tooltip; from there on the fields follow NOTIFYICONDATAW's
// order: tip[128], state, state mask, info[256], timeout, title[64].
struct TrayCall {
  DWORD message = 0;
  std::uint32_t id = 0, flags = 0, callback = 0;
  std::wstring tip, info, title;
};

std::vector<TrayCall> g_calls;
std::string g_lastRecord;
std::size_t g_tipAt = 0;

std::wstring Field(const std::string& bytes, std::size_t offset, std::size_t chars) {
  if (offset + chars * 2 > bytes.size()) return L"";
  std::wstring text(chars, L'\0');
  std::memcpy(text.data(), bytes.data() + offset, chars * 2);
  return text.substr(0, text.find(L'\0'));
}

LRESULT CALLBACK ShellProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const std::string bytes(static_cast<const char*>(copy->lpData), copy->cbData);
    TrayCall call;
    call.message = static_cast<DWORD>(copy->dwData);
    if (bytes.size() >= 16) {
      const auto* words = reinterpret_cast<const std::uint32_t*>(bytes.data());
      call.id = words[1];
      call.flags = words[2];
      call.callback = words[3];
    }
    call.tip = Field(bytes, g_tipAt, 128);
    call.info = Field(bytes, g_tipAt + 256 + 8, 256);
    call.title = Field(bytes, g_tipAt + 256 + 8 + 512 + 4, 64);
    g_calls.push_back(call);
    g_lastRecord = bytes;
    return TRUE;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// Where the tooltip lands in the record this Wine hands the shell; 0 when it was not found.
std::size_t FindTipPlace(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uFlags = NIF_TIP;
  ::lstrcpyW(data.szTip, L"known tip \x263A");
  g_lastRecord.clear();
  ::Shell_NotifyIconW(NIM_ADD, &data);
  ::Shell_NotifyIconW(NIM_DELETE, &data);
  for (std::size_t at = 16; at + 256 <= g_lastRecord.size(); at += 2) {
    if (Field(g_lastRecord, at, 128) == data.szTip) return at;
  }
  return 0;
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
    g_tipAt = FindTipPlace(shell_);
    g_calls.clear();
  }
  void TearDown() override { ::DestroyWindow(shell_); }
  HWND shell_ = nullptr;
};

TEST_F(StoryTest, OneProgressStepFromTheBarToTheTrayTheSoundsAndTheCapture) {
  ASSERT_EQ(::FindWindowW(L"Shell_TrayWnd", nullptr), shell_) << "this test plays the shell";
  ASSERT_NE(g_tipAt, 0u) << "a record with a known tooltip shows where tooltips land";
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

}  // namespace
}  // namespace vantor::test
