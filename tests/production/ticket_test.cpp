// The process-move ticket: the staging row it writes into S_DATAREPORT1, the checks that stop
// it, the report pages rendered to a PDF file, and the Code 39 bars of its bar code.
#include "core/modbas.h"
#include "core/moddb.h"
#include "production/code39painter.h"
#include "production/ticketprint.h"
#include "production/ticketreport.h"
#include "tests/support/hostiletexts.h"
#include "tests/workorders/terminalfixture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>

namespace {
QString plant() {
    return QStringLiteral(
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, palette_ea) "
        "VALUES ('A', 'PN-A', N'O''Ring 브라켓', 'C1', 24), ('N', 'PN-N', N'하우징', 'C1', NULL);\n"
        "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, product_code, qty, lot_no) VALUES "
        "('20130510001001', 'A', 1200, 'L20130510'), ('20130510002001', 'A', 50, NULL);\n"
        // A row left from an earlier ticket.
        "INSERT INTO S_DATAREPORT1 (idx, Pumbun, Pumbun2) VALUES (1, 'OLD', 'OLD');\n");
}

TicketRow finishedRun() {
    TicketRow r;
    r.opSeqSub = QStringLiteral("20130510001001");
    r.productCode = QStringLiteral("A");
    r.processName = QStringLiteral("프레스");
    r.pumbun = QStringLiteral("PN-A");
    r.productName = QStringLiteral("O'Ring 브라켓");
    r.goodQty = QStringLiteral("1200");
    r.workerName = QStringLiteral("김작업");
    r.carName = QStringLiteral("K5");
    r.endDate = QStringLiteral("2013-05-10");
    return r;
}

class TicketTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        createPlantDatabase(QStringLiteral("MES_TALVEN"), plant());
        ASSERT_TRUE(gfDB_OPEN());
        pdf = path(QStringLiteral("ticket.pdf"));
        qputenv("QT_PRINTER", (QStringLiteral("pdf:") + pdf).toUtf8());
    }
    void TearDown() override {
        qunsetenv("QT_PRINTER");
        TerminalTest::TearDown();
    }

    // The staging rows, the given columns joined by '|', rows by ';'.
    static QString staged(const QString& columns) {
        return checkRows(QStringLiteral("SELECT ") + columns +
                         QStringLiteral(" FROM S_DATAREPORT1 ORDER BY Pumbun"));
    }

    // pdftotext of the PDF file, pages split at form feeds (the last, empty part dropped).
    QStringList pdfPages() const {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    QString pdf;
};
} // namespace

TEST_F(TicketTest, StagesBothHalvesOfTheRunInAnEmptiedTable) {
    TicketPrint::print(finishedRun(), QStringLiteral("작업지시목록"), nullptr);
    EXPECT_TRUE(windows.isEmpty()) << windowTexts().join(QLatin1Char('\n')).toStdString();
    // One row: the earlier ticket's row was cleared before this one was written.
    EXPECT_EQ(staged(QStringLiteral("idx, Process_name, Car_Name, Car_Name3, Qty, Palette_ea, "
                                    "Jakup_Date, Product_code, Pumbun, Product_name, Lot_no, "
                                    "BarCode, employee_name, Bigo, op_seq_sub")),
              QStringLiteral("1|프레스|K5 - CAR|K5|1200|1200|2013년 05월 10일 |A|PN-A|O'Ring "
                             "브라켓|L20130510|*20130510001001*|김작업||20130510001001"));
    EXPECT_EQ(staged(QStringLiteral("Process_name2, Car_Name2, Qty2, Palette_ea2, Jakup_Date2, "
                                    "Product_code2, Pumbun2, Product_name2, Lot_no2, BarCode2, "
                                    "employee_name2, Bigo2, op_seq_sub2")),
              QStringLiteral("프레스|K5 - CAR|1200|1200|2013년 05월 10일 |A|PN-A|O'Ring "
                             "브라켓|L20130510|*20130510001001*|김작업||20130510001001"));
    // The report printed the row (the PDF switch is set): one page.
    EXPECT_EQ(pdfPages().size(), 1);
}

TEST_F(TicketTest, NamesWithQuotesAndCommentsAreStagedAsTheyAre) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO B_EMPLOYEE (employee_no, employee_name) "
                                          "VALUES ('W1', N'김작업')"),
                           QStringLiteral("test")));
    const QString workers = checkRows(QStringLiteral("SELECT * FROM B_EMPLOYEE"));
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(text.toStdString());
        TicketRow r = finishedRun();
        r.workerName = text;
        r.productName = text + QStringLiteral(" 브라켓");
        r.processName = text;
        windows.clear();
        TicketPrint::print(r, QStringLiteral("작업지시목록"), nullptr);
        EXPECT_TRUE(windows.isEmpty()) << windowTexts().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(staged(QStringLiteral("employee_name, Product_name, Process_name, "
                                        "employee_name2, Product_name2, Process_name2")),
                  QStringList({text, r.productName, text, text, r.productName, text})
                      .join(QLatin1Char('|')));
    }
    EXPECT_EQ(checkRows(QStringLiteral("SELECT * FROM B_EMPLOYEE")), workers);
}

TEST_F(TicketTest, ChecksThatStopTheTicket) {
    const struct {
        const char* what;
        const char* opSeqSub;
        const char* product;
        const char* message; // null: none
        const char* staged;  // the staging table afterwards
    } cases[] = {
        // No numeric pallet quantity: the table is emptied, nothing is said.
        {"no pallet quantity", "20130510001001", "N", nullptr, ""},
        {"no run", "20130510009001", "A", "생산이 완료된 품번이 아닙니다. 확인후 다시 출력하세요.",
         "OLD"},
        {"no lot", "20130510002001", "A", "LOT NO가 없습니다.", "OLD"},
    };
    for (const auto& c : cases) {
        gfEXEC_SQL(QStringLiteral("DELETE S_DATAREPORT1"), QStringLiteral("test"));
        gfEXEC_SQL(QStringLiteral("INSERT INTO S_DATAREPORT1 (idx, Pumbun) VALUES (1, 'OLD')"),
                   QStringLiteral("test"));
        windows.clear();
        TicketRow row = finishedRun();
        row.opSeqSub = QString::fromLatin1(c.opSeqSub);
        row.productCode = QString::fromLatin1(c.product);
        TicketPrint::print(row, QStringLiteral("작업지시목록"), nullptr);
        const QStringList expected =
            c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
        EXPECT_EQ(windowTexts(), expected) << c.what;
        if (c.message) {
            EXPECT_EQ(windows.first().title + QString::number(windows.first().icon),
                      QStringLiteral("오류") + QString::number(QMessageBox::Critical))
                << c.what;
        }
        EXPECT_EQ(staged(QStringLiteral("Pumbun")), QString::fromLatin1(c.staged)) << c.what;
        EXPECT_FALSE(gRs.isOpen()) << c.what;
        EXPECT_FALSE(QFile::exists(pdf)) << c.what;
    }
    // The screen's next statement runs normally.
    EXPECT_TRUE(gfOPEN_RS(QStringLiteral("SELECT qty FROM P_SANGSAN_MASTER"), true,
                          QStringLiteral("test")));
}

TEST_F(TicketTest, EveryStagingRowPrintsAPageWithBothTickets) {
    gfEXEC_SQL(QStringLiteral("DELETE S_DATAREPORT1"), QStringLiteral("test"));
    TicketReport::show(QStringLiteral("작업지시목록"), nullptr);
    EXPECT_FALSE(QFile::exists(pdf)) << "an empty table prints no page";

    for (const char* n : {"1", "2"})
        ASSERT_TRUE(gfEXEC_SQL(
            QStringLiteral("INSERT INTO S_DATAREPORT1 (idx, Car_Name, Car_Name3, Pumbun, "
                           "Palette_ea, Jakup_Date, Lot_no, BarCode, employee_name, op_seq_sub, "
                           "Car_Name2, Pumbun2, Palette_ea2, Jakup_Date2, Lot_no2, BarCode2, "
                           "employee_name2, op_seq_sub2) VALUES (#, N'좌차종#', N'대형#', "
                           "'PL-#', '10#', N'2013년 05월 1#일 ', 'LL-#', '*2013051000#001*', "
                           "N'왼작업#', '2013051000#001', N'우차종#', 'PR-#', '20#', "
                           "N'2014년 06월 2#일 ', 'LR-#', '*2013051000#001*', N'오른작업#', "
                           "'2014062000#001')")
                .replace(QLatin1Char('#'), QString::fromLatin1(n)),
            QStringLiteral("test")));
    TicketReport::show(QStringLiteral("작업지시목록"), nullptr);
    const QStringList pages = pdfPages();
    ASSERT_EQ(pages.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        QString text = pages.at(i);
        // pdftotext gives some blanks as control characters: compare without either.
        text.removeIf([](QChar ch) { return ch.isSpace() || ch.unicode() < 0x20; });
        for (const QString& s :
             {QStringLiteral("부품식별표"), QStringLiteral("(주)ORV"), QStringLiteral("납품장소"),
              // left ticket
              QStringLiteral("좌차종") + n, QStringLiteral("PL-") + n, QStringLiteral("10") + n,
              QStringLiteral("2013년05월1") + n + QStringLiteral("일"), QStringLiteral("LL-") + n,
              QStringLiteral("왼작업") + n,
              QStringLiteral("2013051000") + n + QStringLiteral("001"),
              // right ticket
              QStringLiteral("우차종") + n, QStringLiteral("PR-") + n, QStringLiteral("20") + n,
              QStringLiteral("2014년06월2") + n + QStringLiteral("일"), QStringLiteral("LR-") + n,
              QStringLiteral("오른작업") + n,
              QStringLiteral("2014062000") + n + QStringLiteral("001"),
              // both: the bar code's text and the large car type
              QStringLiteral("*2013051000") + n + QStringLiteral("001*"),
              QStringLiteral("대형") + n})
            EXPECT_TRUE(text.contains(s)) << "page " << i + 1 << ": " << s.toStdString();
    }
}

TEST(Code39PainterTest, BarsOfTheNumberBetweenStartAndStopInsideQuietZones) {
    QImage image(2400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        ASSERT_TRUE(
            Code39Painter::paint(p, QRectF(0, 0, 2400, 100), QStringLiteral("20130510001001")));
    }
    // Every Code 39 character has five bars: 14 digits, start and stop give 80.
    int bars = 0;
    bool dark = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool d = qGray(image.pixel(x, 50)) < 128;
        bars += d && !dark;
        dark = d;
    }
    EXPECT_EQ(bars, 80);
    for (int x : {0, 20, image.width() - 20, image.width() - 1})
        EXPECT_EQ(qGray(image.pixel(x, 50)), 255) << "quiet zone at " << x;
    QImage blank(100, 100, QImage::Format_RGB32);
    QPainter p(&blank);
    EXPECT_FALSE(Code39Painter::paint(p, QRectF(0, 0, 100, 100), QString()));
    EXPECT_FALSE(Code39Painter::paint(p, QRectF(0, 0, 100, 100), QStringLiteral("a~b")));
}
