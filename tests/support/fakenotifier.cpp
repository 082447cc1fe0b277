#include "tests/support/fakenotifier.h"

void FakeNotifier::message(Icon icon, const QString& title, const QString& text) {
    shown.append({icon, title, text});
}

bool FakeNotifier::askRetry(const QString& title, const QString& text) {
    ++retryQuestions;
    shown.append({Icon::Question, title, text});
    return answerRetry;
}

QStringList FakeNotifier::texts() const {
    QStringList out;
    for (const Shown& s : shown)
        out << s.text;
    return out;
}
