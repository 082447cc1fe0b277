#include "tests/support/loopbackhttpserver.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QTcpServer(parent) {
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = nextPendingConnection()) {
            s->setParent(this);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
        }
    });
}

void LoopbackHttpServer::serve(const QByteArray& path, int status, const QByteArray& body,
                               const QByteArray& contentType) {
    serveRaw(path, "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: " + contentType +
                       "\r\nContent-Length: " + QByteArray::number(body.size()) +
                       "\r\nConnection: close\r\n\r\n" + body);
}

void LoopbackHttpServer::serveRaw(const QByteArray& path, const QByteArray& response) {
    m_routes.insert(path, response);
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void LoopbackHttpServer::answer(QTcpSocket* socket) {
    QByteArray request = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", request);
    if (!request.contains("\r\n\r\n"))
        return;
    ++m_requests;
    const QByteArray path = request.split(' ').value(1);
    const QByteArray response = m_routes.value(
        path, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
    socket->write(response);
    socket->disconnectFromHost();
}
