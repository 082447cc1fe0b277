#pragma once

#include <QString>

#include <functional>

class FaultyConnection;

// Runs a screen action that writes one batch with a failure injected at each statement
// position of the batch in turn and then at its commit: every table of the database file
// must hold afterwards exactly what it held before, and the caller's check of what the
// worker was shown must hold. A last run with nothing failing must change the tables, so
// the positions swept are those of a batch that really writes.
// The program's connection gCon is wrapped for the life of the sweep.
class FaultSweep {
public:
    explicit FaultSweep(QString dbFile);
    ~FaultSweep();
    FaultSweep(const FaultSweep&) = delete;
    FaultSweep& operator=(const FaultSweep&) = delete;

    struct Action {
        std::function<void()> arrange; // brings the screen to the point of the action
        std::function<void()> act;     // the click that writes the batch
        // Checks what the worker was shown after a failure; `where` names the position.
        std::function<void(const std::string& where)> afterFailure;
    };
    // Returns the number of statement positions swept (0 when the batch never ran).
    int run(const Action& a);

    // Every row of every table of the file, as one text (read past the program's connection).
    static QString dump(const QString& dbFile);

private:
    QString m_dbFile;
    FaultyConnection* m_faulty = nullptr;
};
