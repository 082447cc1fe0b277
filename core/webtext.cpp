#include "core/webtext.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

QString fetchWebText(const QString& url, int timeoutMs, bool* ok) {
    QNetworkAccessManager net;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = net.get(request);
    if (reply->isRunning()) {
        QEventLoop wait;
        QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec();
    }
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const QString text = QString::fromUtf8(reply->readAll());
    reply->deleteLater();
    *ok = answered;
    return answered ? text : QString();
}
