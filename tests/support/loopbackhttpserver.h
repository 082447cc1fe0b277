#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 for tests: answers each path with a canned response
// (status line, headers and body as given) and closes the connection. Unknown paths get 404.
class LoopbackHttpServer : public QTcpServer {
public:
    explicit LoopbackHttpServer(QObject* parent = nullptr);

    // A complete answer with Content-Length.
    void serve(const QByteArray& path, int status, const QByteArray& body,
               const QByteArray& contentType = "application/octet-stream");
    // The raw bytes to send for a path (for missing headers, short bodies and the like).
    void serveRaw(const QByteArray& path, const QByteArray& response);
    QString url(const QString& path) const;
    int requests() const { return m_requests; }

private:
    void answer(class QTcpSocket* socket);

    QHash<QByteArray, QByteArray> m_routes;
    int m_requests = 0;
};
