#include "tests/support/Harness.h"

#include <tlhelp32.h>

#include "common/win/Dib.h"

#include <fstream>
#include <iterator>

namespace vantor::test {

MemoryBitmap::MemoryBitmap(int width, int height)
    : width_(width), height_(height), dc_(::CreateCompatibleDC(ScreenDc().Get())),
      bitmap_([&] {
        const BITMAPINFO info = TopDownBitmapInfo(width, height, 32);
        return ::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
      }()),
      selected_(dc_.Get(), bitmap_.Get()) {}

std::vector<std::uint32_t> MemoryBitmap::Pixels() const {
  ::GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits_);
  std::vector<std::uint32_t> pixels(p, p + static_cast<std::ptrdiff_t>(width_) * height_);
  for (std::uint32_t& c : pixels) c = SwapRedAndBlue(c);
  return pixels;
}

std::wstring BinFolder() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
  std::wstring path(buffer, n);
  return path.substr(0, path.find_last_of(L"\\/"));
}

namespace {

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  OwnedFind find(::FindFirstFileW((path + L"\\*").c_str(), &data));
  if (find) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(find.Get(), &data));
  }
  find.Reset();
  ::RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder(const std::wstring& tag) {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::wstring(base) + L"vantor-" + tag + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

Process Process::Start(const std::wstring& exe, const std::wstring& args) {
  Process p;
  std::wstring command = L"\"" + exe + L"\"";
  if (!args.empty()) command += L" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/"));
  if (::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    ::CloseHandle(pi.hThread);
    p.process_.Reset(pi.hProcess);
    p.id_ = pi.dwProcessId;
  }
  return p;
}

Process::~Process() { Terminate(); }

bool Process::Running() const { return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

bool Process::Wait(DWORD milliseconds) const {
  return process_ && ::WaitForSingleObject(process_.Get(), milliseconds) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) ::GetExitCodeProcess(process_.Get(), &code);
  return code;
}

void Process::Terminate() {
  if (Running()) {
    ::TerminateProcess(process_.Get(), 1);
    ::WaitForSingleObject(process_.Get(), 5000);
  }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(50);
  }
}

namespace {

// Calls `visit` for each top-level window of `processId` with the class `className` (any
// class when null) until it returns false.
template <typename Visit>
void ForProcessWindows(DWORD processId, const wchar_t* className, Visit visit) {
  struct Search {
    DWORD pid;
    const wchar_t* cls;
    Visit* visit;
  } search{processId, className, &visit};
  ::EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        if (pid != s->pid) return TRUE;
        if (s->cls) {
          wchar_t cls[256];
          ::GetClassNameW(hwnd, cls, 256);
          if (::lstrcmpiW(cls, s->cls) != 0) return TRUE;
        }
        return (*s->visit)(hwnd) ? TRUE : FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  HWND found = nullptr;
  ForProcessWindows(processId, className, [&](HWND hwnd) {
    found = hwnd;
    return false;
  });
  return found;
}

int CountProcessWindows(DWORD processId, const wchar_t* className) {
  int count = 0;
  ForProcessWindows(processId, className, [&](HWND) {
    ++count;
    return true;
  });
  return count;
}

std::vector<DWORD> ProcessesNamed(const std::wstring& name) {
  std::vector<DWORD> ids;
  OwnedFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL ok = ::Process32FirstW(snapshot.Get(), &entry); ok; ok = ::Process32NextW(snapshot.Get(), &entry)) {
    if (::lstrcmpiW(entry.szExeFile, name.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  }
  return ids;
}

void EndProcessesNamed(const std::wstring& name) {
  for (DWORD id : ProcessesNamed(name)) {
    OwnedHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    ::TerminateProcess(process.Get(), 0);
    ::WaitForSingleObject(process.Get(), 5000);
  }
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(WindowText(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Ansi(const std::wstring& text) {
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace vantor::test
