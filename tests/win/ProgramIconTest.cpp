// Both programs carry the program's icon, the one the shell shows for the files.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include "tests/support/Harness.h"

namespace vantor::test {
namespace {

TEST(ProgramIcon, BothProgramsCarryTheSixteenPixelIcon) {
  for (const wchar_t* exe : {L"Vantor.exe", L"Preference.exe"}) {
    const std::wstring path = BinFolder() + L"\\" + exe;
    HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << exe;
    HICON icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(icon, nullptr) << exe;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 16) << exe;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
    ::FreeLibrary(module);
  }
}

}  // namespace
}  // namespace vantor::test
