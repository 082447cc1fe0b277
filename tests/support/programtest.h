#pragma once

#include "tests/support/loopbackhttpserver.h"
#include "tests/support/testenv.h"

#include <QString>
#include <QStringList>

// What a run of the program gave back.
struct ProgramRun {
    int status = -1; // -1 when it crashed or was stopped
    QString out;
    QString err;
};

// The real program in the test's own program folder: a copy of the executable beside its
// conf.ini (embedded backend, terminal address 127.0.0.1, machine clock left alone), the
// version file, a fresh MES_TALVEN database from the plant schema and a fixture, and a
// loopback web server in this process for the version file and the picture.
class ProgramTest : public TestEnv {
protected:
    // executable: the built program; fixture: T-SQL run on the new database.
    void installProgram(const QString& executable, const QString& fixture);
    // Runs the program to its end while this process serves the web files. A program that
    // does not end within the guard is stopped and the test fails.
    ProgramRun run(const QStringList& arguments, int guardMs = 120000);

    // A query on the program's database run by the mes-sql tool at `tool`: its output, a
    // header line and one tab-separated line a row (trimmed).
    QString mesSql(const QString& tool, const QString& sql);
    // The same as rows: cells joined by '|', rows by ';', without the header.
    QString mesSqlRows(const QString& tool, const QString& sql);

    LoopbackHttpServer web;

private:
    void write(const QString& name, const QByteArray& text);

    QString m_program;
};
