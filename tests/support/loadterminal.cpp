#include "tests/support/loadterminal.h"

#include "core/moddb.h"
#include "core/notifier.h"
#include "tests/support/sampleprogram.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <iostream>
#include <string>

namespace LoadTerminal {
namespace {
bool g_echo = false;

void show(const QString& text) {
    shown() << text;
    if (!g_echo)
        return;
    std::printf("message\t%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

class RecordingNotifier : public Notifier {
public:
    void message(Icon, const QString& title, const QString& text) override {
        show(title + QLatin1Char('|') + text);
    }
    bool askRetry(const QString& title, const QString& text) override {
        show(title + QLatin1Char('|') + text);
        return false;
    }
    void setBusy(bool) override {}
};

int answer(QDialog& d) {
    if (auto* box = qobject_cast<QMessageBox*>(&d)) {
        show(box->windowTitle() + QLatin1Char('|') + box->text());
        return int(QMessageBox::Ok);
    }
    if (auto* text = d.findChild<QLabel*>(QStringLiteral("Lb_msg")))
        show(text->text());
    if (auto* close = d.findChild<QPushButton*>(QStringLiteral("Command14")))
        close->click();
    else
        d.done(QDialog::Accepted);
    return d.result();
}

RecordingNotifier g_notifier;
} // namespace

QStringList& shown() {
    static QStringList s;
    return s;
}

Recorder::Recorder(bool echo) : m_modal(&answer) {
    g_echo = echo;
    Notifier::install(&g_notifier);
}

Recorder::~Recorder() {
    Notifier::install(nullptr);
}

int open(const QStringList& arguments, const char* unit, int* first, int* count) {
    if (!SampleProgram::setUpLoadTerminal(arguments, unit, first, count))
        return 2;
    return gfDB_OPEN() ? 0 : 1;
}

void waitForGo() {
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
}

} // namespace LoadTerminal
