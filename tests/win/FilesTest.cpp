// Presence and modification times of files as the change detection sees them.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/core/OsKind.h"
#include "common/win/ShellOpen.h"
#include "common/win/WinPlatform.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

void SetWriteTime(const std::wstring& path, int year, int second) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = 5;
  st.wDay = 1;
  st.wHour = 12;
  st.wSecond = static_cast<WORD>(second);
  FILETIME ft;
  ::SystemTimeToFileTime(&st, &ft);
  OwnedFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  ::SetFileTime(file.Get(), nullptr, nullptr, &ft);
}

TEST(Files, ExistOnlyAsPlainFiles) {
  test::TempFolder folder{L"files"};
  WinFiles files;
  EXPECT_FALSE(files.FileExists(folder / L"links.lst"));
  test::WriteBytes(folder / L"links.lst", "a,b\r\n");
  EXPECT_TRUE(files.FileExists(folder / L"links.lst"));
  ::CreateDirectoryW((folder / L"Vantor.ini").c_str(), nullptr);
  EXPECT_FALSE(files.FileExists(folder / L"Vantor.ini")) << "a folder is not a settings file";
  test::WriteBytes(folder / L"hidden.ini", "x");
  ::SetFileAttributesW((folder / L"hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(files.FileExists(folder / L"hidden.ini"));
  test::WriteBytes(folder / L"ro.ini", "x");
  ::SetFileAttributesW((folder / L"ro.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(files.FileExists(folder / L"ro.ini"));
  EXPECT_TRUE(files.DeleteFile(folder / L"links.lst"));
  EXPECT_FALSE(files.FileExists(folder / L"links.lst"));
}

TEST(Files, AListingThatCannotBeMadeIsAnErrorOnlyWhenAsked) {
  test::TempFolder folder{L"listed"};
  WinFiles files;
  test::WriteBytes(folder / L"tklg.ud", "save");
  EXPECT_TRUE(files.FileListed(folder / L"tklg.ud"));
  EXPECT_FALSE(files.FileListed(folder / L"none.ud")) << "a missing file is no error";
  EXPECT_FALSE(files.FileListed(folder / L"no folder\\tklg.ud")) << "nor a missing folder";
  const std::wstring refused = folder / L"a<b|c\\tklg.ud";  // a name the file system refuses
  EXPECT_THROW(files.FileListed(refused), std::exception);
  EXPECT_FALSE(files.FileExists(refused));
  // The one-look form gives the same answers, with the file's time.
  EXPECT_EQ(files.ListedTime(folder / L"tklg.ud"), files.FileTime(folder / L"tklg.ud"));
  EXPECT_EQ(files.ListedTime(folder / L"no folder\\tklg.ud"), std::nullopt);
  EXPECT_THROW(files.ListedTime(refused), std::exception);
}

TEST(Files, TimesHaveWholeSecondsAndMoveBothWays) {
  test::TempFolder folder{L"times"};
  WinFiles files;
  const std::wstring path = folder / L"tklg.ud";
  EXPECT_EQ(files.FileTime(path), 0);
  test::WriteBytes(path, "save");
  SetWriteTime(path, 2026, 10);
  const FileStamp t10 = files.FileTime(path);
  SetWriteTime(path, 2026, 11);
  EXPECT_EQ(files.FileTime(path), t10 + 1);
  SetWriteTime(path, 2020, 11);
  EXPECT_LT(files.FileTime(path), t10);
  // A drive-root folder stored with its backslash gives a doubled separator, which still works.
  EXPECT_EQ(files.FileTime(folder.Path() + L"\\\\tklg.ud"), files.FileTime(path));
}

TEST(Platform, ProgramFolderAndOsKind) {
  const std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  EXPECT_EQ(folder, test::BinFolder());
  EXPECT_EQ(GetOSKind(), kOsNt5OrLater);
}

// The shell's answer is a handle-sized number that tells failure at 32 and below.
TEST(Platform, ShellOpenTellsWhatCouldNotBeOpened) {
  test::TempFolder folder{L"shell"};
  EXPECT_FALSE(ShellOpen(nullptr, folder / L"none.cmd"));
  test::WriteBytes(folder / L"quit.cmd", "@exit\r\n");
  EXPECT_TRUE(ShellOpen(nullptr, folder / L"quit.cmd"));
}

}  // namespace
}  // namespace vantor
