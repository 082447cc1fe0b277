#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class ClickableLabel;

// The site choice: head office or plant. A touch on either text makes its database the
// program's (gsDB_NAME; the connection follows at its next use), closes this screen and
// goes on: to the work order list, or to what the terminal role asks for next.
class frm_S_Login : public QWidget {
    Q_OBJECT
public:
    using Next = std::function<void()>;

    // An empty next opens the work order list.
    explicit frm_S_Login(Next next = {}, QWidget* parent = nullptr);

    ClickableLabel* lbl_orv;
    ClickableLabel* lbl_vestra;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(const QString& database);

    Next m_next;
};
