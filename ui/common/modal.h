#pragma once

#include <QDialog>

#include <functional>

// Every modal window of the program (dialogs, keyboards, message boxes) runs through
// runModal. Tests install a handler that answers the window (presses its buttons, types
// on its keys, calls done()) and returns its result, so screen flows run headless.
using ModalHandler = std::function<int(QDialog&)>;

int runModal(QDialog& dialog);
// Installs the handler (an empty one goes back to QDialog::exec); returns the previous.
ModalHandler setModalHandler(ModalHandler handler);

// Installs a handler for the lifetime of the scope.
class ScopedModalHandler {
public:
    explicit ScopedModalHandler(ModalHandler handler)
        : m_previous(setModalHandler(std::move(handler))) {}
    ~ScopedModalHandler() { setModalHandler(std::move(m_previous)); }
    ScopedModalHandler(const ScopedModalHandler&) = delete;
    ScopedModalHandler& operator=(const ScopedModalHandler&) = delete;

private:
    ModalHandler m_previous;
};
