// The single-instance lock: which failures to get the mutex count as a running copy.
#include <gtest/gtest.h>

#include "common/win/SingleInstance.h"
#include "common/win/Windows.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

TEST(SingleInstance, AMutexKeptFromUsCountsAsARunningCopyAndAnyOtherFailureDoesNot) {
  test::TempFolder folder{L"single"};
  const std::wstring name = SingleInstance::MutexName(L"Vantor", folder.Path());
  {
    const SingleInstance first(L"Vantor", folder.Path());
    EXPECT_FALSE(first.AnotherIsRunning());
    EXPECT_TRUE(SingleInstance(L"Vantor", folder.Path()).AnotherIsRunning());
    EXPECT_FALSE(SingleInstance(L"Preference", folder.Path()).AnotherIsRunning()) << "a name of its own";
  }
  {
    // A copy started as another user or as administrator: its mutex grants us nothing.
    SECURITY_DESCRIPTOR descriptor{};
    ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ACL empty{};
    ASSERT_TRUE(::InitializeAcl(&empty, sizeof(empty), ACL_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&descriptor, TRUE, &empty, FALSE));
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
    OwnedHandle other(::CreateMutexW(&attributes, FALSE, name.c_str()));
    ASSERT_TRUE(other);
    ::SetLastError(0);
    OwnedHandle again(::CreateMutexW(nullptr, FALSE, name.c_str()));
    ASSERT_FALSE(again) << "the system keeps the mutex from us";
    ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(SingleInstance(L"Vantor", folder.Path()).AnotherIsRunning());
  }
  {
    // The name taken by an object of another kind: no copy of ours runs, Vantor starts.
    OwnedHandle event(::CreateEventW(nullptr, TRUE, FALSE, name.c_str()));
    ASSERT_TRUE(event);
    EXPECT_FALSE(SingleInstance(L"Vantor", folder.Path()).AnotherIsRunning());
  }
}

}  // namespace
}  // namespace vantor
