// The counts the soak relies on must see objects come and go, or a leak would pass unseen.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include "tests/support/GuiCounts.h"

namespace vantor::test {
namespace {

struct OneOfEach {
  HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
  HICON icon = ::CreateIcon(nullptr, 16, 16, 1, 1, kBits, kBits);
  HMENU menu = ::CreatePopupMenu();
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  ~OneOfEach() {
    ::DeleteObject(brush);
    ::DestroyIcon(icon);
    ::DestroyMenu(menu);
    ::DestroyWindow(window);
    ::CloseHandle(event);
  }
  static constexpr BYTE kBits[32] = {};
};

TEST(GuiCounts, SeeEachKindOfObjectComeAndGo) {
  // The first of each kind, and the first count, load what the platform keeps for good; and a
  // thread's first window brings a window of the input method that lives while any does.
  OneOfEach keeper;
  {
    OneOfEach warmUp;
    GuiCounts::OfThisProcess();
  }
  const GuiCounts before = GuiCounts::OfThisProcess();
  {
    OneOfEach objects;
    const GuiCounts during = GuiCounts::OfThisProcess();
    EXPECT_GT(during.gdiObjects, before.gdiObjects);
    EXPECT_GE(during.userObjects, before.userObjects + 3) << "an icon, a menu and a window";
    EXPECT_EQ(during.handles, before.handles + 1);
  }
  EXPECT_EQ(GuiCounts::OfThisProcess(), before);
}

}  // namespace
}  // namespace vantor::test
