// Writing into loader-protected memory: an executable page stays executable while it is
// written, and every page gets its old protection back.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/PageProtection.h"

namespace {

DWORD ProtectionOf(void* address) {
    MEMORY_BASIC_INFORMATION page = {};
    return VirtualQuery(address, &page, sizeof(page)) ? page.Protect : 0;
}

TEST(PageProtection, WritableKeepsExecutable) {
    const struct {
        DWORD loaded;
        DWORD writable;  // while written
    } cases[] = {
        {PAGE_READONLY, PAGE_READWRITE},
        {PAGE_READWRITE, PAGE_READWRITE},
        {PAGE_WRITECOPY, PAGE_READWRITE},
        {PAGE_EXECUTE, PAGE_EXECUTE_READWRITE},
        {PAGE_EXECUTE_READ, PAGE_EXECUTE_READWRITE},
        {PAGE_EXECUTE_READWRITE, PAGE_EXECUTE_READWRITE},
        {PAGE_EXECUTE_WRITECOPY, PAGE_EXECUTE_READWRITE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::WritableProtection(c.loaded), c.writable) << std::hex << c.loaded;
        // A real page: writable for the scope, as loaded after.
        if (c.loaded == PAGE_WRITECOPY || c.loaded == PAGE_EXECUTE_WRITECOPY) continue;  // only for mapped files
        auto* page = static_cast<BYTE*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, c.loaded));
        ASSERT_NE(page, nullptr) << std::hex << c.loaded;
        {
            const fw::CWritableBytes writable(page + 16, sizeof(void*));
            ASSERT_TRUE(writable.Writable()) << std::hex << c.loaded;
            EXPECT_EQ(ProtectionOf(page), c.writable) << std::hex << c.loaded;
            page[16] = 1;
        }
        EXPECT_EQ(ProtectionOf(page), c.loaded) << std::hex << c.loaded;
        VirtualFree(page, 0, MEM_RELEASE);
    }
}

}  // namespace
