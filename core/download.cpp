#include "core/download.h"

#include "core/platform/clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

DownLoad::DownLoad(QObject* parent)
    : QObject(parent), m_net(new QNetworkAccessManager(this)),
      m_saveLocation(defaultSaveLocation()) {}

QString DownLoad::defaultSaveLocation() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\File1.tmp");
#else
    return QDir(QDir::tempPath()).filePath(QStringLiteral("File1.tmp"));
#endif
}

QString DownLoad::rateText(double r) {
    if (r >= 0 && r < 1024)
        return QString::number(std::llround(r)) + QStringLiteral(" Bytes/S");
    if (r >= 1024 && r < 1048576)
        return QString::number(std::round(r / 1024 * 100) / 100) + QStringLiteral(" KB/S");
    return QString();
}

QString DownLoad::timeLeftText(double t) {
    if (t < 60)
        return QString::number(t > 0 ? std::llround(t) : 0) + QStringLiteral(" sec");
    const qint64 s = qint64(t);
    if (t < 3600)
        return QString::number(s / 60) + QStringLiteral(" min ") + QString::number(s % 60) +
               QStringLiteral(" sec");
    return QString::number(s / 3600) + QStringLiteral(" hr ") + QString::number(s % 3600 / 60) +
           QStringLiteral(" min");
}

void DownLoad::dropReply() {
    if (m_reply) {
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_reply = nullptr;
}

void DownLoad::Cancel() {
    m_cancel = true;
}

bool DownLoad::takeCancel() {
    const bool was = m_cancel;
    m_cancel = false;
    return was;
}

void DownLoad::headersFailed() {
    emit DLError(QStringLiteral("Error Reading File Headers."));
    emit StatusChange(QStringLiteral("Error Reading File Headers!"));
    emit DLECode(3);
}

void DownLoad::GetFileInformation() {
    m_cancel = false;
    m_headersOk = false;
    m_fileSize = 0;
    dropReply();
    QNetworkRequest request{QUrl(m_url)};
    request.setTransferTimeout(m_timeoutMs);
    m_reply = m_net->get(request);
    emit StatusChange(QStringLiteral("Initiating Connection."));
    if (m_reply->isRunning()) {
        QEventLoop wait;
        connect(m_reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (!m_reply)
        return headersFailed();
    emit StatusChange(QStringLiteral("Connection Accepted, Retrieving File Information."));
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 401 || status == 403) {
        const bool denied = status == 403;
        emit StatusChange(denied ? QStringLiteral("Access Denied, Download Terminated!")
                                 : QStringLiteral("Unauthorized Access, Download Terminated!"));
        emit DLECode(status);
        emit DLError(denied ? QStringLiteral("Access Denied!")
                            : QStringLiteral("Unauthorized Access!"));
        m_fileExists = true;
        return dropReply();
    }
    if (status == 404) {
        emit DLError(QStringLiteral("File Not Found!"));
        emit StatusChange(QStringLiteral("File Not Found!"));
        emit DLECode(2);
        m_fileExists = false;
        return dropReply();
    }
    m_fileExists = status != 0;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    // Only a successful answer with a size is a file; an error page must never replace one.
    if (status < 200 || status > 299 || !length.isValid()) {
        headersFailed();
        return dropReply();
    }
    m_start = Clock::now().addSecs(-1);
    m_fileSize = qint32(std::clamp<qint64>(length.toLongLong(), 0, INT32_MAX));
    m_headersOk = true;
    emit StatusChange(QStringLiteral("Retrieving File Information Complete!"));
    if (takeCancel()) {
        emit DLECode(4);
        emit StatusChange(QStringLiteral("cancelled."));
    }
}

void DownLoad::downloadFailed() {
    emit DLError(QStringLiteral("Error Downloading File from : ") + m_url);
    emit StatusChange(QStringLiteral("Download Aborted Due To Error In Download!"));
    emit DLECode(1);
    dropReply();
}

void DownLoad::DownLoadFile() {
    if (m_cancel)
        return;
    // The file is written beside its final place and replaces it only when the whole body
    // arrived, so a broken transfer never leaves half a picture behind.
    QSaveFile file(m_saveLocation);
    if (!file.open(QIODevice::WriteOnly))
        return downloadFailed();
    emit StatusChange(QStringLiteral("Opening ") + m_saveLocation +
                      QStringLiteral(" For DATA Input."));
    m_inDL = true;
    if (!m_headersOk || !m_reply) {
        // Nothing to read: the location is left empty, as a failed request always did.
        m_inDL = false;
        file.commit();
        return downloadFailed();
    }
    qint64 received = 0;
    for (;;) {
        if (takeCancel()) {
            file.cancelWriting();
            m_inDL = false;
            emit DLECode(4);
            emit StatusChange(QStringLiteral("Cancelled."));
            return dropReply();
        }
        const QByteArray chunk = m_reply->read(m_chunk);
        if (!chunk.isEmpty() && file.write(chunk) != chunk.size())
            break;
        received += chunk.size();
        const double secs = qMax<qint64>(1, m_start.msecsTo(Clock::now())) / 1000.0;
        const double rate = received / secs;
        emit Rate(rateText(rate));
        emit TimeLeft(timeLeftText(rate > 0 ? (m_fileSize - received) / rate : 0));
        emit RecievedBytes(received);
        emit Percent(m_fileSize > 0 ? int(std::lround(received * 100.0 / m_fileSize)) : 100);
        emit StatusChange(QStringLiteral("Recieving File, Inputting DATA to File."));
        QCoreApplication::processEvents();
        if (chunk.size() <= 1 || !m_reply)
            break;
    }
    m_inDL = false;
    const bool whole = m_reply && m_reply->error() == QNetworkReply::NoError && m_reply->atEnd();
    if (!whole || !file.commit()) {
        file.cancelWriting();
        return downloadFailed();
    }
    emit DLComplete();
    emit StatusChange(QStringLiteral("Download Successful!"));
    dropReply();
}
