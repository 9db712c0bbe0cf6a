// Helpers for the tests that run under Windows: temporary folders, processes, windows, files.
#pragma once

#include "common/win/Windows.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/win/Handle.h"

namespace vantor::test {

// The folder of the running test program, which also holds the programs under test.
std::wstring BinFolder();

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& tag = L"t");
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

class Process {
 public:
  // Starts `exe` with the command-line arguments `args` (already quoted as needed).
  static Process Start(const std::wstring& exe, const std::wstring& args = L"");
  Process() = default;
  Process(Process&&) = default;
  Process& operator=(Process&&) = default;
  ~Process();

  DWORD Id() const { return id_; }
  bool Running() const;
  bool Wait(DWORD milliseconds) const;
  DWORD ExitCode() const;
  void Terminate();

 private:
  OwnedHandle process_;
  DWORD id_ = 0;
};

// Polls `condition` every 50 ms (pumping this thread's messages) until it holds or time runs out.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);

// The first top-level window of `processId` with the class `className` (any class when null).
HWND FindProcessWindow(DWORD processId, const wchar_t* className);
int CountProcessWindows(DWORD processId, const wchar_t* className);
// The ids of the running processes with that file name (any case), and ending them all.
std::vector<DWORD> ProcessesNamed(const std::wstring& name);
void EndProcessesNamed(const std::wstring& name);
std::wstring WindowText(HWND window);
// The texts of all child windows, in order.
std::vector<std::wstring> ChildTexts(HWND window);

// A 32-bit bitmap selected into a memory DC, to draw or copy into and read back.
class MemoryBitmap {
 public:
  MemoryBitmap(int width, int height);
  HDC Dc() const { return dc_.Get(); }
  // Its pixels as colour words (red in the low byte), top row first.
  std::vector<std::uint32_t> Pixels() const;

 private:
  int width_, height_;
  void* bits_ = nullptr;
  OwnedMemoryDc dc_;
  OwnedBitmap bitmap_;
  Selected selected_;
};

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);
// Text in the ANSI code page, as the settings files hold it.
std::string Ansi(const std::wstring& text);

}  // namespace vantor::test
