#include "workorders/frm_s_jakup.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frmkey2_englishandnum.h"
#include "ui/common/modfnwidgets.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"
#include "workorders/jakupstatements.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kVCenter = 2;
constexpr int kFontPixels = 24;

QLineEdit* textBox(QWidget* parent, const char* name, bool readOnly) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QLatin1String(name));
    t->setReadOnly(readOnly);
    t->setMinimumHeight(48);
    return t;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setMinimumSize(150, 64);
    return b;
}

void tell(const QString& text, QWidget* parent) {
    showWorkerMessage(text, parent);
}
} // namespace

frm_S_Jakup::frm_S_Jakup(QWidget* parent)
    : QWidget(parent, Qt::Window), txtprocess_code(textBox(this, "txtprocess_code", true)),
      txtprocess_name(textBox(this, "txtprocess_name", true)),
      txtequipment_code(textBox(this, "txtequipment_code", true)),
      txtequipment_name(textBox(this, "txtequipment_name", true)),
      txtPumbun(textBox(this, "txtPumbun", false)),
      cmd_query(button(this, "cmd_query", QStringLiteral("조회"))),
      cmdSave(button(this, "cmdSave", QStringLiteral("저장"))),
      Command14(button(this, "Command14", QStringLiteral("닫기"))), ss(new SpreadView(this)),
      m_ss(new clsSpread(this)), m_keyboard(new frmKey2_EnglishandNum(this)) {
    setObjectName(QStringLiteral("frm_S_Jakup"));
    setWindowTitle(caption());
    ss->setObjectName(QStringLiteral("ss"));
    layOutScreen();
    gfIME_ENGLISH(txtPumbun);
    txtPumbun->installEventFilter(this);
    connect(txtPumbun, &QLineEdit::returnPressed, this, &frm_S_Jakup::lsQuery);
    connect(cmd_query, &QPushButton::clicked, this, &frm_S_Jakup::lsQuery);
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_Jakup::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QWidget::close);
    m_ss->Spr(ss);
    layOutGrid();
    lsQuery();
}

frm_S_Jakup::~frm_S_Jakup() = default;

void frm_S_Jakup::layOutScreen() {
    QFont f = font();
    f.setPixelSize(kFontPixels);
    f.setBold(true);
    setFont(f);
    txtprocess_code->setMaximumWidth(140);
    txtequipment_code->setMaximumWidth(140);
    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QStringLiteral("공 정 명"), this), 0, 0);
    boxes->addWidget(txtprocess_code, 0, 1);
    boxes->addWidget(txtprocess_name, 0, 2);
    boxes->addWidget(new QLabel(QStringLiteral("설 비 명"), this), 1, 0);
    boxes->addWidget(txtequipment_code, 1, 1);
    boxes->addWidget(txtequipment_name, 1, 2);
    boxes->addWidget(new QLabel(QStringLiteral("품 번"), this), 2, 0);
    boxes->addWidget(txtPumbun, 2, 1, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmd_query, cmdSave, Command14})
        buttons->addWidget(b);
    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 1);
    top->addSpacing(24);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ss, 1);
    resize(1240, 820);
}

void frm_S_Jakup::layOutGrid() {
    struct Column {
        const char* header; // also the column ID
        int width;
        int type;
        int hAlign;
        bool hidden;
    };
    static const Column columns[] = {
        {"차종코드", 0, SpreadCellType::Text, kLeft, true},
        {"차종명", 20, SpreadCellType::Text, kLeft, false},
        {"product_code", 0, SpreadCellType::Text, kLeft, true},
        {"품번", 40, SpreadCellType::Text, kLeft, false},
        {"품명", 60, SpreadCellType::Text, kLeft, false},
        {"지시수량", 20, SpreadCellType::Number, kRight, false},
    };
    m_ss->SetInit(0, 6, 55, 0, 18, true, true, false, QStringLiteral("1"), true);
    int col = 0;
    for (const Column& c : columns) {
        const QString header = QString::fromUtf8(c.header);
        m_ss->SetColType(++col, header, header, c.width, QString(), c.type, 60, 0,
                         c.type == SpreadCellType::Number, c.hAlign, kVCenter, c.hidden, true,
                         false, false);
    }
}

bool frm_S_Jakup::eventFilter(QObject* watched, QEvent* event) {
    // A touch into the part number box brings up the letter and digit keyboard.
    if (watched == txtPumbun && event->type() == QEvent::MouseButtonRelease)
        typePumbun();
    return QWidget::eventFilter(watched, event);
}

void frm_S_Jakup::typePumbun() {
    if (m_keyboard->showModal() != QDialog::Accepted)
        return;
    txtPumbun->setText(m_keyboard->KEYPAD_no);
    lsQuery();
}

void frm_S_Jakup::lsQuery() {
    m_ss->SetbindRS(JakupStatements::products(txtprocess_code->text(), txtequipment_code->text(),
                                              txtPumbun->text(), Clock::today()),
                    objectName());
}

void frm_S_Jakup::cmdSave_Click() {
    const int row = m_ss->ActiveRow();
    // Without a chosen product the order would have none.
    if (row < 1 || row > m_ss->MaxRows()) {
        tell(QStringLiteral("제품을 먼저 선택하십시오."), this);
        return;
    }
    const std::optional<qint32> qty =
        JakupStatements::orderQuantity(m_ss->ValueWithColID(QStringLiteral("지시수량"), row));
    if (!qty) {
        tell(QStringLiteral("지시수량이 너무 큽니다."), this);
        return;
    }
    JakupStatements::NewOrder o;
    o.processCode = txtprocess_code->text();
    o.equipmentCode = txtequipment_code->text().trimmed();
    o.productCode = m_ss->TextWithColID(QStringLiteral("product_code"), row);
    o.pumbun = m_ss->TextWithColID(QStringLiteral("품번"), row);
    o.orderQty = *qty;
    o.userId = gsUSER_ID;
    o.now = Clock::now();
    const QString day = o.now.toString(QStringLiteral("yyyyMMdd"));
    // The number is read inside the save's transaction and stays locked until it commits.
    DailyNumber::Check number = DailyNumber::Check::Invalid;
    const auto build = [&](const QString& prodNo, QStringList* batch) {
        number = DailyNumber::check(prodNo, day);
        if (number != DailyNumber::Check::Usable)
            return false;
        o.prodNo = prodNo;
        *batch = {JakupStatements::orderInsert(o)};
        gsSQLs = *batch;
        return true;
    };
    gsSQLs.clear();
    const NumberedBatch r = gfEXEC_SQLS_NUMBERED(
        JakupStatements::orderNumber(day, DailyNumber::Lock::Held), build, objectName(), 1);
    if (r == NumberedBatch::Written) {
        tell(QStringLiteral("저장이 완료되었습니다."), this);
        close();
    } else if (r == NumberedBatch::Refused && number == DailyNumber::Check::Exhausted) {
        tell(JakupStatements::orderNumbersUsedUpMessage(), this);
    } else {
        tell(QStringLiteral("저장 실패"), this);
    }
}
