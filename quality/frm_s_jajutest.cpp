#include "quality/frm_s_jajutest.h"

#include "core/localsettings.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "core/platform/fileshare.h"
#include "quality/frm_s_jaju_employee.h"
#include "quality/jajujudgement.h"
#include "quality/jajuteststatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/frmimgshow.h"
#include "ui/common/frmkey2_jaju.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"
#include "ui/common/twips.h"
#include "workorders/clickablelabel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
const QString kMin = QStringLiteral("MIN");
const QString kMax = QStringLiteral("MAX");
const QString kResult = QStringLiteral("판정");
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
} // namespace

frm_S_jajutest::frm_S_jajutest(QWidget* parent)
    : QWidget(parent), ss(new SpreadView(this)), Timer1(new QTimer(this)),
      m_ss(new clsSpread(this)), m_keypad(new frmKey2_jaju(this)) {
    setObjectName(QStringLiteral("frm_S_jajutest"));
    setWindowTitle(caption());
    ss->setObjectName(QStringLiteral("ss"));
    buildFields();
    layOutScreen();
    m_ss->Spr(ss);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frm_S_jajutest::tick);
    connect(ss, &QAbstractItemView::clicked, this, &frm_S_jajutest::cellClicked);
    connect(ss->spreadModel(), &QAbstractItemModel::dataChanged, this,
            &frm_S_jajutest::cellsChanged);
    connect(lbl_employee, &ClickableLabel::clicked, this, &frm_S_jajutest::lbl_employee_Click);
    connect(imgProduct, &ClickableLabel::clicked, this, &frm_S_jajutest::imgProduct_Click);
    connect(btn_Savejaju, &QPushButton::clicked, this, &frm_S_jajutest::btn_Savejaju_Click);
    connect(btn_deletejaju, &QPushButton::clicked, this, &frm_S_jajutest::btn_deletejaju_Click);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
    tick();
    Timer1->start();
}

frm_S_jajutest::~frm_S_jajutest() = default;

frm_S_jajutest* frm_S_jajutest::instance() {
    static QPointer<frm_S_jajutest> sheet;
    if (!sheet)
        sheet = new frm_S_jajutest(nullptr);
    return sheet;
}

void frm_S_jajutest::Form_Load() {
    move(twipsToPixelsX(120), twipsToPixelsY(120));
    for (QDateEdit* d : {dtpSt_date, dtptest_date}) {
        d->setDate(Clock::today());
        d->setEnabled(false);
    }
    const LocalSettings& s = LocalSettings::current();
    FileShare::current().connect(s.fileShare, s.fileShareUser, s.fileSharePass);
    declareGrid();
}

QString frm_S_jajutest::juyaCode() const {
    return JajuTestStatements::juyaCode(lbljuya->text());
}

void frm_S_jajutest::lsQuery() {
    m_writing = true;
    m_ss->SetbindRS(JajuTestStatements::sheetQuery(lblProduct_code->text(), lbl_seq->text(),
                                                   juyaCode(), dtptest_date->date()),
                    caption());
    m_writing = false;
    loadPicture();
    lbl_employee->setText(m_ss->TextWithColID(QStringLiteral("검사자"), 1));
    lblemployee_no->setText(m_ss->TextWithColID(QStringLiteral("검사자사번"), 1));
    optCheck->setChecked(m_ss->TextWithColID(QStringLiteral("등록완료유무"), 1) ==
                         QLatin1String("1"));
}

void frm_S_jajutest::loadPicture() {
    // The reused sheet never keeps an earlier product's picture.
    m_picture = QPixmap();
    showPicture();
    if (m_ss->MaxRows() < 1)
        return;
    const QVariant path = gfGET_VALUE(JajuTestStatements::picturePath(lbltest_num->text()), {});
    bool loaded = path.isValid();
    if (loaded && !path.toString().isEmpty())
        loaded = m_picture.load(path.toString());
    showPicture();
    // The sheet stays usable without its picture.
    if (!loaded)
        MessageBox::critical(QStringLiteral("연결오류"),
                             QStringLiteral("파일서버 연결중에 오류가 발생하였습니다.\r\n"
                                            "검사화면을 다시 켜주시기 바랍니다."));
}

void frm_S_jajutest::showPicture() {
    if (m_picture.isNull())
        imgProduct->clear();
    else
        imgProduct->setPixmap(
            m_picture.scaled(imgProduct->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void frm_S_jajutest::imgProduct_Click() {
    if (!m_picture.isNull())
        gfSHOW_PICTURE(m_picture, this);
}

void frm_S_jajutest::tick() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

bool frm_S_jajutest::inReadings(int col) const {
    const int first = m_ss->ColumnNumber(QStringLiteral("x1"));
    return first > 0 && col >= first && col <= m_ss->ColumnNumber(QStringLiteral("x9"));
}

void frm_S_jajutest::cellClicked(const QModelIndex& index) {
    ss_Click(index.column() + 1, index.row() + 1);
}

void frm_S_jajutest::ss_Click(int col, int row) {
    const int first = m_ss->ColumnNumber(QStringLiteral("x1"));
    if (row < 1 || first < 1 || col < first || col > m_ss->ColumnNumber(QStringLiteral("검사확인")))
        return;
    if (m_keypad->showModal() != QDialog::Accepted || m_keypad->KEYPAD_no.isEmpty())
        return;
    m_writing = true;
    m_ss->TextWithColID(m_ss->GetColID(col), row, m_keypad->KEYPAD_no);
    m_writing = false;
    judgeRow(col, row);
}

void frm_S_jajutest::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (m_writing)
        return;
    for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
        for (int c = topLeft.column(); c <= bottomRight.column(); ++c)
            if (inReadings(c + 1)) {
                judgeRow(c + 1, r + 1);
                break;
            }
}

void frm_S_jajutest::judgeRow(int col, int row) {
    if (!inReadings(col))
        return;
    const QStringList ids = {QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")};
    std::array<QString, 3> x;
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = m_ss->TextWithColID(ids[qsizetype(i)], row);
    const JajuJudgement::Row j =
        JajuJudgement::judge(x, m_ss->TextWithColID(kMin, row), m_ss->TextWithColID(kMax, row));
    m_writing = true;
    m_ss->TextWithColID(kResult, row, j.result);
    m_ss->SetForeColor(m_ss->ColumnNumber(kResult), row, j.resultRed ? kRed : kBlack);
    for (std::size_t i = 0; i < x.size(); ++i)
        m_ss->SetForeColor(m_ss->ColumnNumber(ids[qsizetype(i)]), row,
                           j.readingRed[i] ? kRed : kBlack);
    m_writing = false;
    // Input is complete once every item has its three readings; never unset here.
    bool complete = true;
    for (int r = 1; r <= m_ss->MaxRows() && complete; ++r)
        for (const QString& id : ids)
            complete = complete && !m_ss->TextWithColID(id, r).isEmpty();
    if (complete)
        optCheck->setChecked(true);
    int keyCode = 0;
    m_ss->KeyUpdateChk(keyCode, row, this);
    updateOverall();
}

void frm_S_jajutest::updateOverall() {
    for (int r = 1; r <= m_ss->MaxRows(); ++r)
        if (m_ss->TextWithColID(kResult, r) == JajuJudgement::fail()) {
            optNotpass->setChecked(true);
            return;
        }
    optPass->setChecked(true);
}

void frm_S_jajutest::lbl_employee_Click() {
    frm_S_jaju_employee picker(this);
    picker.showModal();
}
