#include "tests/support/GuiCounts.h"

#include "common/win/Windows.h"

#include <tlhelp32.h>

#include "common/win/Handle.h"

namespace vantor::test {
namespace {

// Handles of every kind are 16-bit indexes underneath; a handle whose upper half is zero
// names whatever lives at that index.
constexpr unsigned kLastIndex = 0xFFFF;

template <typename Probe>
int CountIndexes(unsigned first, unsigned step, Probe probe) {
  int count = 0;
  for (unsigned i = first; i <= kLastIndex; i += step) {
    if (probe(reinterpret_cast<void*>(static_cast<ULONG_PTR>(i)))) ++count;
  }
  return count;
}

bool IsIcon(void* handle) {
  ICONINFO info{};
  if (!::GetIconInfo(static_cast<HICON>(handle), &info)) return false;
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  return true;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  ::EnumChildWindows(
      hwnd, [](HWND, LPARAM c) -> BOOL { return ++*reinterpret_cast<int*>(c), TRUE; }, count);
  return TRUE;
}

}  // namespace

int CountWindowsOf(unsigned long processId) {
  int count = 0;
  OwnedFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL ok = ::Thread32First(snapshot.Get(), &entry); ok; ok = ::Thread32Next(snapshot.Get(), &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    ::EnumThreadWindows(entry.th32ThreadID, CountWindow, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

GuiCounts GuiCounts::OfThisProcess() {
  GuiCounts counts;
  const HANDLE self = ::GetCurrentProcess();
  DWORD handles = 0;
  counts.gdiObjects = static_cast<int>(::GetGuiResources(self, GR_GDIOBJECTS));
  counts.userObjects = static_cast<int>(::GetGuiResources(self, GR_USEROBJECTS));
  ::GetProcessHandleCount(self, &handles);
  counts.handles = static_cast<int>(handles);
  // A process that runs this code holds at least one of each kind: a system that answers 0 for
  // any of them keeps no such counts.
  if (counts.gdiObjects > 0 && counts.userObjects > 0 && counts.handles > 0) return counts;
  counts.probed = true;
  counts.gdiObjects = CountIndexes(1, 1, [](void* h) { return ::GetObjectType(static_cast<HGDIOBJ>(h)) != 0; });
  counts.userObjects = CountIndexes(2, 2, IsIcon) +
                       CountIndexes(2, 2, [](void* h) { return ::IsMenu(static_cast<HMENU>(h)) != FALSE; }) +
                       CountWindowsOf(::GetCurrentProcessId());
  counts.handles = CountIndexes(4, 4, [](void* h) {
    DWORD flags = 0;
    return ::GetHandleInformation(static_cast<HANDLE>(h), &flags) != FALSE;
  });
  return counts;
}

std::ostream& operator<<(std::ostream& out, const GuiCounts& c) {
  return out << "GDI objects " << c.gdiObjects << ", USER objects " << c.userObjects << ", kernel handles "
             << c.handles << (c.probed ? " (probed)" : " (system counts)");
}

}  // namespace vantor::test
