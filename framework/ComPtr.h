#pragma once
// A reference-counted object held by a smart pointer: COM interfaces, and our own
// objects with AddRef/Release. It releases its reference once, when reset, replaced or
// destroyed. CComInit keeps COM initialised on the calling thread for one scope.
#include <objbase.h>
#include <utility>

namespace fw {

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    // Takes a reference of its own.
    explicit CComPtr(T* p) : m_p(p) {
        if (m_p) m_p->AddRef();
    }
    ~CComPtr() { Reset(); }
    CComPtr(const CComPtr& other) : CComPtr(other.m_p) {}
    CComPtr& operator=(const CComPtr& other) {
        CComPtr copy(other);
        std::swap(m_p, copy.m_p);
        return *this;
    }
    CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CComPtr& operator=(CComPtr&& other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Holds `p` with the reference its caller already has (a creation's first one).
    void Attach(T* p) {
        Reset();
        m_p = p;
    }
    void Reset() {
        if (T* p = std::exchange(m_p, nullptr)) p->Release();
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For creation calls that hand back a new reference through a pointer.
    void** ReceiveVoid() {
        Reset();
        return reinterpret_cast<void**>(&m_p);
    }

private:
    T* m_p = nullptr;
};

class CComInit {
public:
    explicit CComInit(DWORD flags = COINIT_APARTMENTTHREADED) : m_hr(CoInitializeEx(nullptr, flags)) {}
    ~CComInit() {
        if (SUCCEEDED(m_hr)) CoUninitialize();
    }
    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;
    bool Ok() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

}  // namespace fw
