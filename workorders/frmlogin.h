#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class frmKey2_EnglishandNum;

// The worker's login: employee number and password against B_EMPLOYEE (or the master code
// in both boxes), typed on the digit pad, on the full keyboard that a touch into a box opens,
// or on a keyboard. Success records the number in gsUSER_ID and opens the work order list;
// the third failure ends the program.
class FrmLogIn : public QWidget {
    Q_OBJECT
public:
    explicit FrmLogIn(QWidget* parent = nullptr);
    ~FrmLogIn() override;

    static QString caption() { return QStringLiteral(" 로그인"); }
    // The member check's statement for an upper-cased number and password.
    static QString memberCheckStatement(const QString& employeeNo, const QString& password);

    // True when an employee row matches; the name found becomes employeeName().
    bool gfMEMBER_CHECK(const QString& employeeNo, const QString& password);
    QString employeeName() const { return m_employeeName; }
    int failureCount() const { return m_failures; }

    void btn_ok_Click();

    // What a successful login opens: the work order list unless another screen is set (the
    // monthly report's start-up option sets it). Returns the previous; empty restores the list.
    using AfterLogin = std::function<void()>;
    static AfterLogin setAfterLogin(AfterLogin open);

    QLineEdit* txt_member_code;
    QLineEdit* txt_member_pass;
    std::array<QPushButton*, 11> fpBtn_1{};
    QPushButton* btn_ok;
    QPushButton* btn_exit;
    QLabel* Label1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOutControls();
    void fpBtn_1_Click(int index);
    void openKeyboard(QLineEdit* box);
    void loginFailed();

    frmKey2_EnglishandNum* m_keyboard;
    QLineEdit* m_active;
    QString m_employeeName;
    int m_failures = 1;
};
