#include "boards/boardcycle.h"

#include "boards/frm_s_imgshow_one.h"
#include "boards/frm_s_imgshow_sangsan.h"
#include "boards/frm_s_imgshow_suju.h"
#include "boards/frm_s_pumzil_chart_show.h"

BoardCycle::BoardCycle(QList<Factory> ring, QObject* parent)
    : QObject(parent), m_ring(std::move(ring)) {}

BoardCycle* BoardCycle::ordersAndProduction(QObject* parent) {
    return new BoardCycle({[] { return static_cast<ImgShowBoard*>(new frm_S_ImgSHow_Suju); },
                           [] { return static_cast<ImgShowBoard*>(new frm_S_ImgSHow_Sangsan); }},
                          parent);
}

BoardCycle* BoardCycle::listAndQuality(QObject* parent) {
    return new BoardCycle({[] { return static_cast<ImgShowBoard*>(new frm_S_ImgSHow_One); },
                           [] { return static_cast<ImgShowBoard*>(new frm_S_Pumzil_Chart_Show); }},
                          parent);
}

ImgShowBoard* BoardCycle::start() {
    return m_ring.isEmpty() ? nullptr : create(0);
}

ImgShowBoard* BoardCycle::create(int index) {
    m_index = index;
    ImgShowBoard* board = m_ring.at(index)();
    connect(board, &ImgShowBoard::cycleEnded, this, [this, board] { handOver(board); });
    m_current = board;
    return board;
}

void BoardCycle::handOver(ImgShowBoard* from) {
    ImgShowBoard* next = create((m_index + 1) % m_ring.size());
    next->setGeometry(from->geometry());
    next->setWindowState(from->windowState());
    next->show();
    emit handedOver(next);
    from->close();
}
