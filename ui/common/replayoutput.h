#pragma once

#include <QString>

#include <functional>

// Where a replay writes its lines: the steps and messages, and the failures.
struct ReplayOutput {
    std::function<void(const QString&)> out;
    std::function<void(const QString&)> err;

    // Standard output and standard error, UTF-8, each line flushed as it is written.
    static ReplayOutput standard();
};
