#pragma once

#include "tests/support/fakenotifier.h"
#include "tests/support/qtprinters.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test gets its own program folder (conf.ini, error logs, database files), its own
// clock fixed at 2024-03-05 10:00:00, the embedded backend and a recording notifier. The
// global state is reset before and after.
class TestEnv : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Creates <folder>/data/<name>.sqlite from SQLite-native text, makes it gsDB_NAME.
    void createDatabase(const QString& name, const QString& sqliteText);
    // Creates <folder>/data/<name>.sqlite from the plant schema through the T-SQL dialect,
    // then runs the given T-SQL (test data) on it; makes it gsDB_NAME.
    void createPlantDatabase(const QString& name, const QString& tsqlData = QString());
    // Runs SQLite-native text on a database file outside the helpers (set-up, checks).
    static QString scalar(const QString& file, const QString& sql);
    static void execNative(const QString& file, const QString& sql);
    QString dbFile() const;
    QString readFile(const QString& name) const;
    // The rows of a check through the program's connection (opened when closed): cells
    // joined by '|', rows by ';'.
    static QString checkRows(const QString& sql);

    FakeNotifier notifier;

private:
    QTemporaryDir m_dir;
};
