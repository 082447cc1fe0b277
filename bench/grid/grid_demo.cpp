// Shows a sample grid (two header rows with joined cells, locked and editable colours,
// row marks, number, button, combo and check-box cells, a total row) for screenshots.
// Quits by itself after the number of milliseconds given as the first argument.
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget screen;
    screen.setWindowTitle(QStringLiteral("자재 LOT 투입"));
    auto* layout = new QVBoxLayout(&screen);
    auto* ss = new SpreadView(&screen);
    layout->addWidget(ss);
    auto* spread = new clsSpread(&screen);
    spread->Spr(ss);
    spread->SetInit(0, 8, 30, 0, 12, true, true, false, QStringLiteral("2"), true);
    spread->SetHeadInit(0, 12, true, 24);
    spread->SetHeadInit(1, 12, true, 24);
    const QString h2 = QStringLiteral("-999");
    spread->SetColType(1, QStringLiteral("LOT번호"), QStringLiteral("lot_no"), 14,
                       QStringLiteral("PK"), 1, 20, 0, false, 0, 2, false, true, false, false,
                       QColor(), h2);
    spread->SetColType(2, QStringLiteral("품번"), QStringLiteral("pumbun"), 12, QString(), 1, 20, 0,
                       false, 0, 2, false, true, true, false, QColor(), h2);
    spread->SetColType(3, QStringLiteral("품명"), QStringLiteral("product_name"), 16,
                       QStringLiteral("NU"), 1, 60, 0, false, 0, 2, false, false, false, false,
                       QColor(), h2);
    spread->SetColType(4, QStringLiteral("투입수량"), QStringLiteral("qty"), 11, QString(), 13, 9,
                       0, true, 1, 2, false, false, false, false, QColor(), h2);
    spread->SetColType(5, QStringLiteral("중량(kg)"), QStringLiteral("weight"), 11, QString(), 13,
                       9, 2, true, 1, 2, false, false, false, false, QColor(), h2);
    spread->SetColType(6, QStringLiteral("주야"), QStringLiteral("juya"), 8, QString(), 8, 0, 0,
                       false, 2, 2, false, false, false, false, QColor(), h2);
    spread->SetColType(7, QStringLiteral("확인"), QStringLiteral("chk"), 6, QString(), 10, 0, 0,
                       false, 2, 2, false, false, false, false, QColor(), h2);
    spread->SetColType(8, QStringLiteral("라벨"), QStringLiteral("label"), 10, QString(), 7, 0, 0,
                       false, 2, 2, false, true, false, false, QColor(), h2);
    spread->SPCellSpan(QStringLiteral("1"), 1, QStringLiteral("LOT번호"), QStringLiteral("-1000"),
                       QStringLiteral("2"));
    spread->SPCellSpan(QStringLiteral("2"), 2, QStringLiteral("제품"), QStringLiteral("-1000"),
                       QStringLiteral("1"));
    spread->SPCellSpan(QStringLiteral("4"), 2, QStringLiteral("투입"), QStringLiteral("-1000"),
                       QStringLiteral("1"));
    spread->SPCellSpan(QStringLiteral("6"), 3, QStringLiteral("작업"), QStringLiteral("-1000"),
                       QStringLiteral("1"));
    const char* names[] = {"브라켓 ASSY", "멤버 프론트", "패널 대시",
                           "보강재 LH",   "보강재 RH",   "힌지 도어"};
    for (int r = 1; r <= 6; ++r) {
        spread->OneAddRow(0);
        spread->TextWithColID(QStringLiteral("lot_no"), r,
                              QStringLiteral("L240305-%1").arg(r, 3, 10, QLatin1Char('0')));
        spread->TextWithColID(QStringLiteral("pumbun"), r, QStringLiteral("6%1110-2B00").arg(r));
        spread->TextWithColID(QStringLiteral("product_name"), r, QString::fromUtf8(names[r - 1]));
        spread->TextWithColID(QStringLiteral("qty"), r, QString::number(r * 1250));
        spread->TextWithColID(QStringLiteral("weight"), r, QString::number(r * 12.345));
        spread->SetCboAddList(6, r, QStringLiteral("주간\t야간"), 8);
        spread->TextWithColID(QStringLiteral("juya"), r,
                              r % 2 ? QStringLiteral("주간") : QStringLiteral("야간"));
        spread->ValueWithColID(QStringLiteral("chk"), r, r % 3 == 0 ? 1 : 0);
        spread->SetCellText(QStringLiteral("label"), r, QStringLiteral("인쇄"));
    }
    spread->SetText(0, 2, clsSpread::markChanged());
    spread->SetText(0, 4, clsSpread::markDeleted());
    spread->SetFocus(3, 4);
    spread->InsertRow();
    spread->TextWithColID(QStringLiteral("product_name"), 5, QStringLiteral("신규 입력"));
    int key = 0;
    spread->KeyUpdateChk(key, 5);
    spread->CopyRow(1, 1);
    spread->gsSprPopup(QStringLiteral("product_name"), 3, true);
    spread->SetFocus(3, spread->MaxRows());
    spread->InsertRow();
    spread->SetFocus(4, 1);
    const int total = spread->OneAddRow(0);
    spread->SetCellType(7, total, 1);
    spread->SetCellType(8, total, 1);
    spread->SPCellSpan(QStringLiteral("1"), 3, QStringLiteral("총합계"), QString::number(total),
                       QStringLiteral("1"));
    spread->SetColType(1, QStringLiteral("LOT번호"), QStringLiteral("lot_no"), 14,
                       QStringLiteral("PK"), 1, 20, 0, false, 0, 2, false, true, false, false,
                       QColor(), h2);
    const QString q = clsSpread::ColumnLetter(4);
    spread->SetFormula(4, total,
                       QStringLiteral("SUM(") + q + QStringLiteral("1 :") + q +
                           QString::number(total - 1) + QStringLiteral(")"));
    spread->SetColor(1, 8, total, total, QColor(155, 242, 133));
    spread->SetLock(1, total, 8, total, true);
    spread->SetColor(1, 8, total, total, QColor(155, 242, 133));
    spread->SetText(1, total, QStringLiteral("총합계"));
    spread->SetHAlign(1, total, 2);
    ss->setFocus();
    screen.resize(1000, 520);
    screen.move(0, 0);
    screen.show();
    if (argc > 1)
        QTimer::singleShot(QString::fromLocal8Bit(argv[1]).toInt(), &app, &QApplication::quit);
    return app.exec();
}
