#include "boards/frm_s_imgshow_two.h"

#include "boards/qualityboardstatements.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modip.h"
#include "core/platform/apppaths.h"
#include "ui/common/messagebox.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frm_S_ImgSHow_Two::frm_S_ImgSHow_Two(QWidget* parent)
    : QWidget(parent), fraImage(new QGroupBox(QStringLiteral("이미지"), this)),
      imgProduct(new QLabel(fraImage)), ProgressBar1(new QProgressBar(this)),
      Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("frm_S_ImgSHow_Two"));
    setWindowTitle(caption());
    setGeometry(20500 / 15, 0, 20490 / 15, 11520 / 15); // 15 twips a pixel
    fraImage->setObjectName(QStringLiteral("fraImage"));
    imgProduct->setObjectName(QStringLiteral("imgProduct"));
    imgProduct->setAlignment(Qt::AlignCenter);
    imgProduct->setMinimumSize(1, 1);
    imgProduct->installEventFilter(this);
    auto* frame = new QVBoxLayout(fraImage);
    frame->addWidget(imgProduct);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraImage, 1);
    layout->addWidget(ProgressBar1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frm_S_ImgSHow_Two::Timer1_Timer);
    Timer1->start();
}

frm_S_ImgSHow_Two::~frm_S_ImgSHow_Two() = default;

frm_S_ImgSHow_Two* frm_S_ImgSHow_Two::open() {
    auto* board = new frm_S_ImgSHow_Two;
    board->setAttribute(Qt::WA_DeleteOnClose);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && !screen->virtualGeometry().contains(board->geometry().topLeft()))
        board->move(screen->geometry().topLeft());
    board->show();
    return board;
}

QString frm_S_ImgSHow_Two::pictureFolder(const QString& ip) {
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\") + ip + QStringLiteral("\\c$\\img");
#else
    Q_UNUSED(ip);
    const QString folder = LocalSettings::current().pictureFolder;
    return folder.isEmpty() ? AppPaths::file(QStringLiteral("img")) : folder;
#endif
}

QString frm_S_ImgSHow_Two::pictureFile(const QString& folder, const QString& partNumber) {
    if (partNumber.isEmpty() || partNumber.contains(QLatin1Char('/')) ||
        partNumber.contains(QLatin1Char('\\')) || partNumber == QLatin1String(".."))
        return {};
    return folder + QDir::separator() + partNumber + QStringLiteral(".jpg");
}

QString frm_S_ImgSHow_Two::fallbackFile() {
    return AppPaths::file(QStringLiteral("img/no_photo.gif"));
}

void frm_S_ImgSHow_Two::Timer1_Timer() {
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() < 100)
        return;
    lsQuery();
    ProgressBar1->setValue(0);
}

void frm_S_ImgSHow_Two::lsQuery() {
    const QString ip = gfGET_LOCAL_IP();
    QString part;
    bool failed = false;
    const bool found = runningPart(ip, &part, &failed);
    if (failed)
        return refreshFailed();
    QString file = fallbackFile();
    if (found) {
        const QString folder = pictureFolder(ip);
        // An unreachable share is an error, a missing picture in it is not.
        if (!QFileInfo(folder).isDir())
            return refreshFailed();
        const QString picture = pictureFile(folder, part);
        if (!picture.isEmpty() && QFileInfo(picture).isFile())
            file = picture;
    }
    if (!loadPicture(file))
        refreshFailed();
}

// The first running order's part number; failed when the statement could not be run.
bool frm_S_ImgSHow_Two::runningPart(const QString& ip, QString* partNumber, bool* failed) {
    const bool row = gfOPEN_RS(QualityBoardStatements::runningPart(ip), false, caption());
    // A failed read leaves the shared result closed; an empty one leaves it open.
    *failed = !gRs.isOpen();
    if (row)
        *partNumber = gRs->field(QStringLiteral("품번")).toString().trimmed();
    if (gRs.isOpen())
        gRs.close();
    return row;
}

bool frm_S_ImgSHow_Two::loadPicture(const QString& file) {
    QPixmap picture;
    if (!QFileInfo(file).isFile() || !picture.load(file))
        return false;
    m_picture = picture;
    m_shownFile = file;
    // Says which picture is shown (to accessibility tools and the scripted terminal).
    imgProduct->setAccessibleName(QFileInfo(file).fileName());
    scalePicture();
    return true;
}

void frm_S_ImgSHow_Two::refreshFailed() {
    MessageBox::critical(QStringLiteral("연결오류"),
                         QStringLiteral("이미지 연결중에 오류가 발생하였습니다.\n"
                                        "이미지 로더 화면을 다시 켜주시기 바랍니다."));
}

bool frm_S_ImgSHow_Two::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgProduct && event->type() == QEvent::Resize)
        scalePicture();
    return QWidget::eventFilter(watched, event);
}

// The picture fills the frame, keeping its proportions.
void frm_S_ImgSHow_Two::scalePicture() {
    if (m_picture.isNull())
        return;
    imgProduct->setPixmap(
        m_picture.scaled(imgProduct->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
