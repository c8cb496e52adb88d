#include "framework/PageProtection.h"

namespace fw {

DWORD WritableProtection(DWORD current) {
    const DWORD executable = PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return (current & executable) ? PAGE_EXECUTE_READWRITE : PAGE_READWRITE;
}

CWritableBytes::CWritableBytes(void* address, SIZE_T size) : m_address(address), m_size(size) {
    MEMORY_BASIC_INFORMATION page = {};
    if (!VirtualQuery(address, &page, sizeof(page))) return;
    m_writable = VirtualProtect(address, size, WritableProtection(page.Protect), &m_oldProtection) != FALSE;
}

CWritableBytes::~CWritableBytes() {
    DWORD ignored = 0;
    if (m_writable) VirtualProtect(m_address, m_size, m_oldProtection, &ignored);
}

}  // namespace fw
