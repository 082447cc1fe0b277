#include "app/firstscreen.h"

#include "boards/boardcycle.h"
#include "boards/frm_s_imgshow_two.h"
#include "boards/frm_s_report_suju_chulha.h"
#include "boards/imgshowboard.h"
#include "workorders/frmlogin.h"
#include "workorders/terminalrole.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
void showBoards(BoardCycle* cycle) {
    ImgShowBoard* board = cycle->start();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        board->setGeometry(screen->geometry());
    board->showFullScreen();
}
} // namespace

std::function<void()> firstScreen(const StartOptions& options, QObject* parent) {
    if (options.role == StartOptions::Role::Site)
        return &TerminalRole::openSiteChoice;
    if (options.role == StartOptions::Role::Terminal)
        return &TerminalRole::openLogin;
    switch (options.board) {
    case StartOptions::Board::ListAndQuality:
        return [parent] { showBoards(BoardCycle::listAndQuality(parent)); };
    case StartOptions::Board::Picture:
        return [] { frm_S_ImgSHow_Two::open(); };
    case StartOptions::Board::MonthlyReport:
        return [] {
            // The report's buttons follow the rights of whoever logs in.
            FrmLogIn::setAfterLogin([] { frm_S_Report_Suju_Chulha::showReport(); });
            TerminalRole::openLogin();
        };
    case StartOptions::Board::OrdersAndProduction:
        break;
    }
    return [parent] { showBoards(BoardCycle::ordersAndProduction(parent)); };
}
