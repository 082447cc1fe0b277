#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class ImgShowBoard;

// Owns the alternation of the status boards: when the board on screen ends its cycle, the
// next board of the ring takes its place and size, starts its own cycle, and the old board
// closes. The boards know nothing of each other; only the board on screen cycles.
class BoardCycle : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<ImgShowBoard*()>;

    explicit BoardCycle(QList<Factory> ring, QObject* parent = nullptr);
    // The order/shipment board, then the production board, and again.
    static BoardCycle* ordersAndProduction(QObject* parent = nullptr);
    // The production list board, then the monthly quality board, and again.
    static BoardCycle* listAndQuality(QObject* parent = nullptr);

    // Creates the first board of the ring (not yet shown) and returns it.
    ImgShowBoard* start();
    ImgShowBoard* current() const { return m_current; }

signals:
    // The next board is on screen; the previous one is closing.
    void handedOver(ImgShowBoard* next);

private:
    ImgShowBoard* create(int index);
    void handOver(ImgShowBoard* from);

    QList<Factory> m_ring;
    int m_index = 0;
    QPointer<ImgShowBoard> m_current;
};
