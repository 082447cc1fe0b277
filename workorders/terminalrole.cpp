#include "workorders/terminalrole.h"

#include "workorders/frm_s_login.h"
#include "workorders/frmlogin.h"

void TerminalRole::openLogin() {
    auto* login = new FrmLogIn();
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
}

void TerminalRole::openSiteChoice() {
    auto* site = new frm_S_Login(&TerminalRole::openLogin);
    site->setAttribute(Qt::WA_DeleteOnClose);
    site->show();
}
