#pragma once
// The strip's modal-busy state: set while a file chooser, a question or a message box of
// a strip command is up, so that the tray opens no menu over it.

class ModalBusy {
public:
    explicit ModalBusy(bool& flag) : m_flag(flag), m_before(flag) { m_flag = true; }
    // Back to what it was, so that a nested command does not clear its caller's state.
    ~ModalBusy() { m_flag = m_before; }
    ModalBusy(const ModalBusy&) = delete;
    ModalBusy& operator=(const ModalBusy&) = delete;

private:
    bool& m_flag;
    bool m_before;
};
