#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one file over HTTP with a single GET: GetFileInformation() sends the request and
// reads the status and size, DownLoad() writes the body into SaveLocation in CHUNK-sized
// pieces. Progress and failures are reported only through the signals; neither call fails
// towards its caller. While a call waits, pending events run, so the screen stays live.
class DownLoad : public QObject {
    Q_OBJECT
public:
    explicit DownLoad(QObject* parent);

    QString Url() const { return m_url; }
    void setUrl(const QString& url) { m_url = url; }
    QString SaveLocation() const { return m_saveLocation; }
    void setSaveLocation(const QString& path) { m_saveLocation = path; }
    qint32 CHUNK() const { return m_chunk; }
    void setCHUNK(qint32 bytes) { m_chunk = bytes > 0 ? bytes : 1; }
    qint32 FileSize() const { return m_fileSize; }
    bool FileExists() const { return m_fileExists; }
    bool InDL() const { return m_inDL; }
    // Milliseconds a request may take before it counts as unanswered.
    void setTransferTimeout(int ms) { m_timeoutMs = ms; }

    void GetFileInformation();
    // The DownLoad operation (a member cannot carry the name of its class).
    void DownLoadFile();
    void Cancel();

    // The default save location: C:\File1.tmp on Windows, the temporary folder elsewhere.
    static QString defaultSaveLocation();
    static QString rateText(double bytesPerSecond);
    static QString timeLeftText(double seconds);

signals:
    void DLComplete();
    void DLError(const QString& text);
    void DLECode(qint32 code);
    void RecievedBytes(qint64 bytes);
    void Percent(int percent);
    void StatusChange(const QString& text);
    void Rate(const QString& text);
    void TimeLeft(const QString& text);

private:
    void headersFailed();
    void downloadFailed();
    void dropReply();
    bool takeCancel();

    QNetworkAccessManager* m_net;
    QPointer<QNetworkReply> m_reply;
    QString m_url;
    QString m_saveLocation;
    qint32 m_chunk = 1024;
    qint32 m_fileSize = 0;
    bool m_fileExists = false;
    bool m_inDL = false;
    bool m_cancel = false;
    bool m_headersOk = false;
    int m_timeoutMs = 30000;
    QDateTime m_start;
};
