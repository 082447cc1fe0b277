#include "core/startup/frmsplash.h"

#include "core/download.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/modini.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "core/platform/singleinstance.h"
#include "core/platform/systemservices.h"
#include "core/webtext.h"
#include "ui/common/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kWebTimeoutMs = 30000;

QString webPath(const QString& path) {
    QString base = LocalSettings::current().webServer.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + path;
}
} // namespace

FrmSplash::FrmSplash(SingleInstance* instance, BoardOpener openFirstBoard, QWidget* parent)
    : QWidget(parent), lbl_msg_1(new QLabel(this)), Label1(new QLabel(this)),
      Timer1(new QTimer(this)), DN(new DownLoad(this)), m_instance(instance),
      m_openBoard(std::move(openFirstBoard)) {
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(640, 360);
    setStyleSheet(QStringLiteral("FrmSplash { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, "
                                 "stop:0 #0b2a4a, stop:1 #1d5c8f); }"
                                 "QLabel { color: white; }"));
    lbl_msg_1->setObjectName(QStringLiteral("lbl_msg_1"));
    lbl_msg_1->setText(QStringLiteral("NEBRIK 생산정보화 시스템"));
    lbl_msg_1->setAlignment(Qt::AlignCenter);
    lbl_msg_1->setStyleSheet(QStringLiteral("font-size: 30px; font-weight: bold;"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("시스템을 시작합니다. 잠시 기다려 주십시요."));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("font-size: 16px;"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(3);
    layout->addWidget(lbl_msg_1);
    layout->addStretch(2);
    layout->addWidget(Label1);
    layout->addStretch(1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    DN->setObjectName(QStringLiteral("DN"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

double FrmSplash::leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+(\\.\\d*)?|\\.\\d+))"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

QString FrmSplash::readLocalVersion(const QString& file, bool* readable) {
    *readable = true;
    if (!QFile::exists(file))
        return QString();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *readable = false;
        return QString();
    }
    const QString firstLine = QString::fromLocal8Bit(f.readLine()).remove(QLatin1Char('\n'));
    return firstLine.section(QLatin1Char(','), 0, 0).trimmed();
}

QString FrmSplash::clockStatement() {
    return QStringLiteral("\nselect convert(char(10),getdate(),120) As SDATE,") +
           QStringLiteral("\nconvert(char(8),getdate(),114) as STIME");
}

void FrmSplash::endProgram(int code) {
    m_ended = true;
    m_exitCode = code;
    Timer1->stop();
    emit programEnded(code);
}

void FrmSplash::failAndEnd() {
    MessageBox::critical(QStringLiteral("에러"),
                         QStringLiteral("서버에 접속할 수 없습니다. 확인하여 주시기 바랍니다.\r\n"
                                        "시스템을 종료합니다."));
    endProgram(1);
}

int FrmSplash::run(FrmSplash* splash) {
    // An exit request without a running loop would also stop every local loop after it.
    if (!splash->Form_Load())
        return splash->exitCode();
    connect(splash, &FrmSplash::programEnded, QCoreApplication::instance(),
            [](int code) { QCoreApplication::exit(code); });
    return QCoreApplication::exec();
}

bool FrmSplash::Form_Load() {
    if (m_instance && !m_instance->acquire()) {
        MessageBox::info(QStringLiteral("알림"), QStringLiteral("이미 실행중입니다."));
        endProgram(1);
        return false;
    }
    gfINI_WRITE_DEFAULTS();
    gfINI_READ();
    if (!versionCheck())
        return false;
    Timer1->start();
    return true;
}

void FrmSplash::refreshPicture() {
    DN->setUrl(webPath(QStringLiteral("/PLX/no_photo.gif")));
    DN->GetFileInformation();
    if (DN->FileSize() > 0) {
        QDir(AppPaths::programFolder()).mkpath(QStringLiteral("img"));
        DN->setSaveLocation(AppPaths::file(QStringLiteral("img/no_photo.gif")));
    }
    DN->DownLoadFile();
    QCoreApplication::processEvents();
}

bool FrmSplash::versionCheck() {
    bool readable = true;
    const QString local =
        readLocalVersion(AppPaths::file(QStringLiteral("Report_TALVEN_Version.txt")), &readable);
    if (!readable) {
        failAndEnd();
        return false;
    }
    refreshPicture();
    bool answered = false;
    const QString web = fetchWebText(webPath(QStringLiteral("/TALVEN/Report_TALVEN_Version.txt")),
                                     kWebTimeoutMs, &answered);
    if (!answered) {
        failAndEnd();
        return false;
    }
    if (local.isEmpty() || leadingNumber(local) < leadingNumber(web)) {
        SystemServices::current().startDetached(AppPaths::file(LocalSettings::current().updater));
        endProgram(1);
        return false;
    }
    return true;
}

void FrmSplash::setClockFromServer() {
    if (m_keepClock)
        return;
    const QDateTime server(
        QDate::fromString(gRs->field(QStringLiteral("SDATE")).toString().trimmed(),
                          QStringLiteral("yyyy-MM-dd")),
        QTime::fromString(gRs->field(QStringLiteral("STIME")).toString().trimmed(),
                          QStringLiteral("HH:mm:ss")));
    if (!server.isValid())
        return;
    if (LocalSettings::current().setClock) {
        QString reason;
        if (SystemServices::current().setLocalTime(server, &reason))
            return;
        // Start-up goes on with the machine clock; plant IT finds the refusal in the log.
        gfERR_LOG(DbError::make(1, QStringLiteral("clock not set: ") + reason), QString(),
                  QStringLiteral("FrmSplash"));
    }
    // Without the machine clock, the program's own clock follows the server.
    Clock::setRunningFrom(server);
}

void FrmSplash::Timer1_Timer() {
    Label1->setText(QStringLiteral("DataBase에 연결중입니다. 잠시 기다려 주십시요."));
    Timer1->stop();
    if (!gfDB_OPEN()) {
        failAndEnd();
        return;
    }
    gsSQL = clockStatement();
    if (gfOPEN_QUERY(gsSQL, false))
        setClockFromServer();
    if (gRs.isOpen())
        gRs.close();
    close();
    if (m_openBoard)
        m_openBoard();
    deleteLater();
}
