#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class ClickableLabel;
class QLabel;
class QPushButton;
class frmKey2_jaju;

// What the mould condition sheet copies from the running job when it loads.
struct MouldJob {
    QString seq, productCode, productName, pumbun, date, carName, standard;
};

// The mould condition sheet "성형검사 등록" of a running job: the machine's moulding
// conditions as one row per work order line and day. Every value field is a touch field
// filled on the inspection keypad.
class frm_S_test : public QWidget {
    Q_OBJECT
public:
    explicit frm_S_test(QWidget* parent = nullptr);
    ~frm_S_test() override;

    static QString caption() { return QStringLiteral("성형검사 등록"); }

    // Takes the job's context and loads the line's stored sheet.
    void Form_Load(const MouldJob& job);
    void lsQuery();
    void btnSave_Click();

    // The value field of a stored column ("cylinder1", "time_s_ya", ...).
    ClickableLabel* field(const QString& column) const { return m_fields.value(column); }
    QHash<QString, QString> values() const;

    QLabel* lblOp_seq_sub;
    QLabel* lblProduct_code;
    QLabel* lblproduct_name;
    QLabel* lblpumbun;
    QLabel* lblDate;
    QLabel* lblcar_name;
    QLabel* lblstandard;
    QPushButton* btnSave;
    QPushButton* btnCancel;

private:
    void buildFields();
    void layOutScreen();
    void fieldClicked(ClickableLabel* f);
    bool refusedValue();

    QHash<QString, ClickableLabel*> m_fields;
    frmKey2_jaju* m_keypad;
};
