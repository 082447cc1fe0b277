#pragma once

#include <QWidget>

#include <functional>

class DownLoad;
class QLabel;
class QTimer;
class SingleInstance;

// The first screen: refuses a second copy, loads the configuration, checks the version on
// the plant web server (handing over to the updater when ours is older), refreshes the
// fallback picture, then one second later connects, sets the clock from the server and
// opens the first board. Where the program must end, programEnded(code) is emitted; every
// early end (second copy, updater hand-over, server unreachable) has the exit code 1.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    using BoardOpener = std::function<void()>;

    FrmSplash(SingleInstance* instance, BoardOpener openFirstBoard, QWidget* parent = nullptr);

    // Loading: steps up to enabling Timer1. Returns false when the program ends here.
    bool Form_Load();
    bool ended() const { return m_ended; }
    int exitCode() const { return m_exitCode; }
    // Runs loading and then the event loop; the program's exit code, also when loading
    // already ended it (the loop never runs then, so its exit request would be lost).
    static int run(FrmSplash* splash);

    // The longest leading part of the text that reads as a decimal number; 0 when none.
    static double leadingNumber(const QString& text);
    // The local version file's first item (up to a comma or the end of the first line).
    static QString readLocalVersion(const QString& file, bool* readable);
    // The clock statement run after connecting.
    static QString clockStatement();
    // With keep set (the program's clock was given at start), start-up neither sets the
    // machine clock nor lets the program's clock follow the server.
    void keepProgramClock(bool keep) { m_keepClock = keep; }

    QLabel* lbl_msg_1;
    QLabel* Label1;
    QTimer* Timer1;
    DownLoad* DN;

signals:
    void programEnded(int exitCode);

private:
    void Timer1_Timer();
    bool versionCheck();
    void refreshPicture();
    void setClockFromServer();
    void failAndEnd();
    void endProgram(int code);

    SingleInstance* m_instance;
    BoardOpener m_openBoard;
    bool m_ended = false;
    bool m_keepClock = false;
    int m_exitCode = 0;
};
