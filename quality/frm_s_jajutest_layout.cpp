#include "quality/frm_s_jajutest.h"

#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kLeft = 0;
constexpr int kCentre = 2;
constexpr int kVCentre = 2;

QLabel* field(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameShape(QFrame::Box);
    l->setMinimumHeight(36);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* hidden(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

QDateEdit* datePicker(QWidget* parent, const char* name) {
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setMinimumHeight(36);
    return d;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(60);
    return b;
}

struct Column {
    const char* id;
    const char* header;
    int width;
    int align;
    bool hidden;
    bool locked;
    bool multiLine = false;
};
const Column kColumns[] = {
    {"세부출하검사번호", "세부출하검사번호", 20, kLeft, true, true},
    {"유형명", "유형명", 12, kLeft, false, true},
    {"검사항목코드", "검사항목코드", 10, kCentre, true, true},
    {"항목명", "항목명", 15, kLeft, false, true},
    {"기준", "기준", 25, kLeft, false, true, true},
    {"MIN", "MIN", 7, kCentre, false, true},
    {"MAX", "MAX", 7, kCentre, false, true},
    {"단위", "단위", 5, kCentre, false, true},
    {"검사구", "검사구", 6, kCentre, true, true},
    {"시료수", "시료수", 8, kCentre, false, true},
    {"x1", "1회", 15, kCentre, false, false},
    {"x2", "2회", 15, kCentre, false, false},
    {"x3", "3회", 15, kCentre, false, false},
    {"x4", "1회", 7, kCentre, true, false},
    {"x5", "2회", 7, kCentre, true, false},
    {"x6", "3회", 7, kCentre, true, false},
    {"x7", "1회", 7, kCentre, true, false},
    {"x8", "2회", 7, kCentre, true, false},
    {"x9", "3회", 7, kCentre, true, false},
    {"검사확인", "검사확인", 15, kCentre, true, false},
    {"판정", "판정", 8, kCentre, false, true},
    {"비고", "비고", 13, kCentre, true, false},
    {"검사자사번", "검사자사번", 13, kCentre, true, false},
    {"등록완료유무", "등록완료유무", 13, kCentre, true, false},
    {"검사자", "검사자", 13, kCentre, true, false},
};
} // namespace

void frm_S_jajutest::buildFields() {
    dtpSt_date = datePicker(this, "dtpSt_date");
    lbl_seq = field(this, "lbl_seq");
    lblpumbun = field(this, "lblpumbun");
    lblproduct_name = field(this, "lblproduct_name");
    lbl_jaju_num = field(this, "lbl_jaju_num");
    lbltest_num = field(this, "lbltest_num");
    dtptest_date = datePicker(this, "dtptest_date");
    lbl_employee = new ClickableLabel(QString(), this);
    lbl_employee->setObjectName(QStringLiteral("lbl_employee"));
    lbl_employee->setFrameShape(QFrame::Box);
    lbl_employee->setAlignment(Qt::AlignCenter);
    lbljuya = field(this, "lbljuya");
    optPass = new QRadioButton(QStringLiteral(" 합  격"), this);
    optPass->setObjectName(QStringLiteral("optPass"));
    optNotpass = new QRadioButton(QStringLiteral(" 불 합 격"), this);
    optNotpass->setObjectName(QStringLiteral("optNotpass"));
    optCheck = new QCheckBox(QStringLiteral("입력완료"), this);
    optCheck->setObjectName(QStringLiteral("optCheck"));
    imgProduct = new ClickableLabel(QString(), this);
    imgProduct->setObjectName(QStringLiteral("imgProduct"));
    imgProduct->setFrameShape(QFrame::Box);
    imgProduct->setFixedSize(300, 300);
    lblDate = field(this, "lblDate");
    lblTime = field(this, "lblTime");
    lblipha_su = hidden(this, "lblipha_su");
    lblcar_name = hidden(this, "lblcar_name");
    lblstandard = hidden(this, "lblstandard");
    lblJisi_Cnt = hidden(this, "lblJisi_Cnt");
    lblProduct_code = hidden(this, "lblProduct_code");
    lblemployee_no = hidden(this, "lblemployee_no");
    lbldelete_type = hidden(this, "lbldelete_type");
    btn_Savejaju = button(this, "btn_Savejaju", QStringLiteral("등     록"));
    btn_deletejaju = button(this, "btn_deletejaju", QStringLiteral("초중종검사삭제"));
    btnExit = button(this, "btnExit", QStringLiteral("취      소"));
    cmdProduct_master = button(this, "cmdProduct_master", QStringLiteral("기준서유무확인"));
}

void frm_S_jajutest::layOutScreen() {
    QFont f = font();
    f.setPixelSize(18);
    f.setBold(true);
    setFont(f);
    auto* fields = new QGridLayout;
    const auto place = [this, fields](const char* caption, QWidget* w, int row, int col) {
        fields->addWidget(new QLabel(QString::fromUtf8(caption), this), row, col);
        fields->addWidget(w, row, col + 1);
    };
    place("작업일자", dtpSt_date, 0, 0);
    place("작업번호", lbl_seq, 0, 2);
    place("품    번", lblpumbun, 1, 0);
    place("품    명", lblproduct_name, 1, 2);
    place("초중종검사번호", lbl_jaju_num, 2, 0);
    place("기준서번호", lbltest_num, 2, 2);
    place("검사일", dtptest_date, 3, 0);
    place("검사자", lbl_employee, 3, 2);
    place("주/야", lbljuya, 4, 0);
    auto* judgement = new QGroupBox(QStringLiteral("판정"), this);
    auto* jl = new QHBoxLayout(judgement);
    jl->addWidget(optPass);
    jl->addWidget(optNotpass);
    fields->addWidget(judgement, 4, 2);
    fields->addWidget(optCheck, 4, 3);

    auto* clock = new QVBoxLayout;
    clock->addWidget(lblDate);
    clock->addWidget(lblTime);
    clock->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(imgProduct);
    top->addLayout(clock);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdProduct_master);
    buttons->addStretch(1);
    for (QPushButton* b : {btn_Savejaju, btn_deletejaju, btnExit})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ss, 1);
    layout->addLayout(buttons);
    resize(1240, 900);
}

void frm_S_jajutest::declareGrid() {
    m_ss->SetInit(0, 25, 40, 0, 15, false, true, false, QStringLiteral("2"), true);
    int col = 0;
    for (const Column& c : kColumns)
        m_ss->SetColType(++col, QString::fromUtf8(c.header), QString::fromUtf8(c.id), c.width,
                         QString(), SpreadCellType::Text, 60, 0, false, c.align, kVCentre, c.hidden,
                         c.locked, false, c.multiLine, QColor(), QStringLiteral("-999"));
    // The corner, the groups over the first header row and the single columns over both.
    const auto span = [this](int column, int cols, const char* text, int rows) {
        m_ss->SPCellSpan(QString::number(column), cols, QString::fromUtf8(text),
                         QStringLiteral("-1000"), QString::number(rows));
    };
    span(0, 1, "", 2);
    span(2, 3, "검사항목", 1);
    span(5, 4, "SPEC", 1);
    span(11, 1, "초물", 2);
    span(12, 1, "중물", 2);
    span(13, 1, "종물", 2);
    span(20, 1, "검사확인", 2);
    span(9, 1, "검사구", 2);
    span(10, 1, "시료수", 2);
    span(21, 1, "판정", 2);
    span(22, 1, "비고", 2);
}
