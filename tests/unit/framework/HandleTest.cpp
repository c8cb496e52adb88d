// The handle owners: kernel objects and files are both HANDLE with different "none"
// values, so their owners take on only what their own openers give.
#include <gtest/gtest.h>

#include <type_traits>

#include "framework/Handle.h"

static_assert(!std::is_constructible<fw::CHandle, HANDLE>::value, "a kernel-object owner takes no raw HANDLE");
static_assert(!std::is_constructible<fw::CFileHandle, HANDLE>::value, "a file owner takes no raw HANDLE");
static_assert(!std::is_constructible<fw::CHandle, fw::CFileHandle::Adopted>::value, "no file as a kernel object");
static_assert(!std::is_constructible<fw::CFileHandle, fw::CHandle::Adopted>::value, "no kernel object as a file");
static_assert(!std::is_assignable<fw::CHandle&, fw::CFileHandle>::value, "no file owner into a kernel owner");

TEST(HandleOpeners, AFailedOpenHoldsNothingAndASuccessfulOneSomething) {
    const wchar_t missing[] = L"C:\\no\\such\\folder\\file.txt";
    const struct {
        const char* what;
        bool valid;
        bool expected;
    } cases[] = {
        {"file in no folder", fw::OpenFileHandle(missing, GENERIC_READ, 0, OPEN_EXISTING).Valid(), false},
        {"process 0", fw::OpenProcessHandle(SYNCHRONIZE, 0).Valid(), false},
        {"copy of nothing", fw::DuplicateOwnHandle(nullptr).Valid(), false},
        {"copy of this thread", fw::DuplicateOwnHandle(GetCurrentThread()).Valid(), true},
        {"unnamed event", fw::NewEvent(true, false).Valid(), true},
        {"process itself", fw::OpenProcessHandle(SYNCHRONIZE, GetCurrentProcessId()).Valid(), true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.valid, c.expected) << c.what;
}
