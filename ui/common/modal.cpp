#include "ui/common/modal.h"

namespace {
ModalHandler& handler() {
    static ModalHandler h;
    return h;
}
} // namespace

int runModal(QDialog& dialog) {
    if (handler())
        return handler()(dialog);
    return dialog.exec();
}

ModalHandler setModalHandler(ModalHandler h) {
    ModalHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}
