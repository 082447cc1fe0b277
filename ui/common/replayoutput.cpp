#include "ui/common/replayoutput.h"

#include <cstdio>

namespace {
void writeLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

ReplayOutput ReplayOutput::standard() {
    return {[](const QString& line) { writeLine(stdout, line); },
            [](const QString& line) { writeLine(stderr, line); }};
}
