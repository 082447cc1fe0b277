// Box labels: the box counts, the exact ZPL II bytes that reach a serial line (a
// pseudo-terminal pair stands in for the printer), the refusals and failures, and the label
// columns of the production history grid.
#include "tests/production/ptypair.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"
#include "tests/support/testenv.h"

#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "production/boxlabel.h"
#include "production/boxlabelgrid.h"
#include "production/boxlabelprinter.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadview.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <memory>
#include <utility>

namespace {
using BoxLabel::Size;

// Product P'9 (a quote in its code) has a 9-character name and customer part number and no
// part number; P10 has 10-character ones. Run 20240305000101 has a 12-character lot.
const QString kRows = QStringLiteral(
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, culha_pumbun) VALUES "
    "('P''9', NULL, 'FRONT CAP', 'CP-123456'), "
    "('P10', '86511-2W000', 'BRACKET-LH', 'CP-1234567');\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, lot_no) VALUES "
    "('20240305000101', '2403051234-A'), ('20240305000102', NULL);");

const QString kRun = QStringLiteral("20240305000101");
const QString kZero = QStringLiteral("출력할 수 없습니다.");
const QString kCheckPrinter = QStringLiteral("프린터의 연결상태를 확인하세요!!");

// The label as the printer language table gives it, written out here independently of
// the program: barcode x, then the spliced values.
QStringList expectedPieces(const char* barcodeX, const QString& part, const char* customerAt,
                           const QString& customer, const char* nameAt, const QString& name,
                           const QString& lot, const QString& qty, const QString& count) {
    return {QString(QChar(16)) + u"CT~~CD,~CC^~CT~"_qs,
            u"^XA~TA000~JSN^LT0^MNW^MTT^PON^PMN^LH0,0^JMA^PR2,2~SD15^JUS^LRN^CI0^XZ"_qs,
            u"^XA"_qs,
            u"^MMT"_qs,
            u"^PW799"_qs,
            u"^LL0759"_qs,
            u"^LS0"_qs,
            u"^FO22,30^GB765,715,8^FS"_qs,
            u"^FT44,99^A0N,73,72^FH\\^FDORV CORP^FS"_qs,
            u"^FO25,112^GB755,0,3^FS"_qs,
            u"^FO25,467^GB755,0,3^FS"_qs,
            u"^FO25,522^GB755,0,3^FS"_qs,
            u"^FO25,678^GB550,0,3^FS"_qs,
            u"^FO25,181^GB755,0,3^FS"_qs,
            u"^FT55,367^A0N,34,33^FH\\^FDNO^FS"_qs,
            u"^FT35,723^A0N,34,33^FH\\^FDQTY / BOX^FS"_qs,
            u"^FT602,511^A0N,34,33^FH\\^FDJUDGMENT^FS"_qs,
            u"^FT165,511^A0N,34,33^FH\\^FDDELIVERY LOT NO^FS"_qs,
            u"^FT39,316^A0N,34,33^FH\\^FDPART^FS"_qs,
            u"^FT35,163^A0N,34,33^FH\\^FDCONTROL NUMBER^FS"_qs,
            u"^FO123,184^GB0,286,3^FS"_qs,
            u"^FO303,115^GB0,67,3^FS"_qs,
            u"^FO183,682^GB0,59,3^FS"_qs,
            u"^FO575,470^GB0,267,3^FS"_qs,
            u"^BY4,3,92^FT"_qs + QLatin1String(barcodeX) + u",380^BCN,,N,N"_qs,
            u"^FD>;20240305000101^FS"_qs,
            u"^FT325,165^A0N,50,35^FH\\^FD"_qs + part + u"^FS"_qs,
            QLatin1String(customerAt) + u"^FH\\^FD"_qs + customer + u"^FS"_qs,
            QLatin1String(nameAt) + u"^FH\\^FD"_qs + name + u"^FS"_qs,
            u"^FT95,630^A0N,90,50^FH\\^FD"_qs + lot + u"^FS"_qs,
            u"^FT335,720^A0N,35,35^FH\\^FD"_qs + qty + u"^FS"_qs,
            u"^PQ"_qs + count + u",0,1,Y^XZ"_qs};
}

QStringList smallNineCharacters() {
    return expectedPieces("270", u"NULL"_qs, "^FT290,255^A0N,80,60", u"CP-123456"_qs,
                          "^FT385,450^A0N,80,45", u"FRONT CAP"_qs, u"2403051"_qs, u"50"_qs,
                          u"2"_qs);
}

QStringList bigTenCharacters() {
    return expectedPieces("230", u"86511-2W000"_qs, "^FT230,255^A0N,70,50", u"CP-1234567"_qs,
                          "^FT210,450^A0N,80,35", u"BRACKET-LH"_qs, u"2403051"_qs, u"200"_qs,
                          u"1"_qs);
}

class BoxLabelTest : public TestEnv {
protected:
    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    void SetUp() override {
        TestEnv::SetUp();
        createPlantDatabase(QStringLiteral("plant"), kRows);
        ASSERT_TRUE(gfDB_OPEN());
        ASSERT_TRUE(pty.ok());
    }

    bool print(Size size, const BoxLabelRow& row, const QString& port) {
        return BoxLabelPrinter(QStringLiteral("실적내역"), port).print(size, row);
    }

    PtyPair pty;
    std::vector<Box> boxes;
    QStringList keys; // pressed on the next keypad
    ScopedModalHandler modal{[this](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            boxes.push_back({box->icon(), box->windowTitle(), box->text()});
            return int(QMessageBox::Ok);
        }
        for (const QString& key : std::exchange(keys, {}))
            d.findChild<QPushButton*>(key)->click();
        return d.result();
    }};
};

TEST(BoxCount, QuotientWithAPartBoxAndZeroWithoutAPackQuantity) {
    const struct {
        const char* good;
        const char* pack;
        const char* count;
    } cases[] = {{"100", "30", "4"}, {"100", "25", "4"}, {"90", "30", "3"},
                 {"1", "30", "1"},   {"0", "30", "0"},   {"100", "0", "0"},
                 {"100", "", "0"},   {"x", "30", "0"},   {"100", "x", "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(BoxLabel::boxCount(QLatin1String(c.good), QLatin1String(c.pack)),
                  QLatin1String(c.count))
            << c.good << "/" << c.pack;
}

// Lengths are counted in characters: one outside the basic plane is one, never split.
TEST(BoxLabelText, DeliveryLotAndLongNamesCountCharacters) {
    const QString wide = QString::fromUtf8("\xF0\xA0\x80\x80"); // two UTF-16 units
    const struct {
        QString lot;
        QString delivery;
    } lots[] = {{u"2403051234-A"_qs, u"2403051"_qs},
                {u"24030"_qs, u"24030"_qs},
                {u"abcdef"_qs + wide + u"x"_qs, u"abcdef"_qs + wide},
                {wide.repeated(8), wide.repeated(7)}};
    for (const auto& c : lots)
        EXPECT_EQ(BoxLabel::deliveryLot(c.lot), c.delivery) << c.lot.toStdString();
    BoxLabel::Values v;
    v.productName = wide.repeated(9);
    v.customerPartNumber = wide.repeated(10);
    const QStringList p = BoxLabel::pieces(Size::Small, v);
    ASSERT_EQ(p.size(), 32);
    EXPECT_TRUE(p.at(28).startsWith(u"^FT385,450^A0N,80,45"_qs)) << p.at(28).toStdString();
    EXPECT_TRUE(p.at(27).startsWith(u"^FT230,255^A0N,70,50"_qs)) << p.at(27).toStdString();
}

TEST(BoxLabelText, FieldDataCannotStartACommand) {
    BoxLabel::Values v;
    v.productName = QStringLiteral("A^XZ~JR\\1");
    const QStringList p = BoxLabel::pieces(Size::Small, v);
    ASSERT_EQ(p.size(), 32);
    EXPECT_EQ(p.at(28), QStringLiteral("^FT385,450^A0N,80,45^FH\\^FDA\\5EXZ\\7EJR\\5C1^FS"));
}

TEST_F(BoxLabelTest, SmallLabelIsOneTextWithLineFeedsAndBigLabelThePiecesBackToBack) {
    const BoxLabelRow small{u"2"_qs, u"50"_qs, u"P'9"_qs, kRun};
    ASSERT_TRUE(print(Size::Small, small, pty.slavePath()));
    EXPECT_EQ(QString::fromLatin1(pty.readAll()),
              smallNineCharacters().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // The product was read with the quote of its code doubled.
    EXPECT_EQ(gsSQL, QStringLiteral("\nSELECT  ISNULL(B_PM.product_name,''), "
                                    "ISNULL(B_PM.pumbun,''), ISNULL(B_PM.culha_pumbun,'')\n"
                                    "FROM B_PRODUCT_MASTER B_PM\n"
                                    "WHERE B_PM.product_code = 'P''9'"));

    const BoxLabelRow big{u"1"_qs, u"200"_qs, u"P10"_qs, kRun};
    ASSERT_TRUE(print(Size::Big, big, pty.slavePath()));
    EXPECT_EQ(QString::fromLatin1(pty.readAll()), bigTenCharacters().join(QString()));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BoxLabelTest, HostileProductTextsAndLotsAreReadAndPrintedAsWritten) {
    const QStringList tables = {u"B_PRODUCT_MASTER"_qs, u"P_SANGSAN_MASTER"_qs};
    int i = 0;
    for (const QString& h : hostileTexts()) {
        SCOPED_TRACE(h.left(40).toStdString());
        // The product's code and texts and the run's lot all hold the text.
        const QString code = h + QString::number(++i);
        const QString value = u"N'"_qs + gfSQL_STR(h) + u"'"_qs;
        ASSERT_TRUE(gfEXEC_SQL(u"INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, "
                               "culha_pumbun) VALUES (N'"_qs +
                                   gfSQL_STR(code) + u"', "_qs + value + u", "_qs + value +
                                   u", "_qs + value + u")"_qs,
                               u"set-up"_qs));
        ASSERT_TRUE(gfEXEC_SQL(u"UPDATE P_SANGSAN_MASTER SET lot_no = "_qs + value +
                                   u" WHERE op_seq_sub = '"_qs + kRun + u"'"_qs,
                               u"set-up"_qs));
        const TableRows before = snapshotTables(tables, &TestEnv::checkRows);
        ASSERT_TRUE(print(Size::Small, {u"3"_qs, u"40"_qs, code, kRun}, pty.slavePath()));
        const bool longText = h.size() > 9;
        const QString shown = h.isEmpty() ? u"NULL"_qs : h;
        const QStringList expected =
            expectedPieces("270", shown, longText ? "^FT230,255^A0N,70,50" : "^FT290,255^A0N,80,60",
                           shown, longText ? "^FT210,450^A0N,80,35" : "^FT385,450^A0N,80,45", shown,
                           h.left(7), u"40"_qs, u"3"_qs);
        EXPECT_EQ(pty.readAll(), BoxLabel::bytes(BoxLabel::joined(expected)));
        EXPECT_EQ(changedTables(before, snapshotTables(tables, &TestEnv::checkRows)),
                  QStringList());
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(u"\n"_qs).toStdString();
}

TEST_F(BoxLabelTest, ARunWithoutLotPrintsAnEmptyLotAndAnEmptyCountIsSentAsItIs) {
    ASSERT_TRUE(
        print(Size::Big, {QString(), u"200"_qs, u"P10"_qs, u"20240305000102"_qs}, pty.slavePath()));
    const QByteArray sent = pty.readAll();
    EXPECT_TRUE(sent.contains("^FT95,630^A0N,90,50^FH\\^FD^FS")) << sent.constData();
    EXPECT_TRUE(sent.endsWith("^PQ,0,1,Y^XZ")) << sent.constData();
}

TEST_F(BoxLabelTest, CountZeroRefusesWithoutOpeningThePort) {
    // A port that cannot be opened: trying would add the printer message.
    for (const Size size : {Size::Small, Size::Big}) {
        boxes.clear();
        EXPECT_FALSE(print(size, {u"0"_qs, u"50"_qs, u"P10"_qs, kRun}, path(u"absent"_qs)));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes[0].title, QStringLiteral("오류"));
        EXPECT_EQ(boxes[0].text, (size == Size::Small ? u"소포장출력수가 0 입니다.\n"_qs
                                                      : u"대포장출력수가 0 입니다.\n"_qs) +
                                     kZero);
    }
    EXPECT_FALSE(print(Size::Small, {u"0"_qs, u"50"_qs, u"P10"_qs, kRun}, pty.slavePath()));
    EXPECT_TRUE(pty.readAll().isEmpty());
}

TEST_F(BoxLabelTest, MissingPortOrProductTellsToCheckThePrinterAndSendsNothing) {
    EXPECT_FALSE(print(Size::Small, {u"1"_qs, u"50"_qs, u"P10"_qs, kRun}, path(u"absent"_qs)));
    EXPECT_FALSE(print(Size::Small, {u"1"_qs, u"50"_qs, u"NOPE"_qs, kRun}, pty.slavePath()));
    EXPECT_TRUE(pty.readAll().isEmpty());
    ASSERT_EQ(boxes.size(), 2u);
    for (const Box& b : boxes) {
        EXPECT_EQ(b.icon, QMessageBox::Information);
        EXPECT_EQ(b.text, kCheckPrinter);
    }
}

TEST_F(BoxLabelTest, PortIsOfferedWhenSetAndPresent) {
    const std::pair<QString, bool> cases[] = {
        {QString(), false}, {path(u"absent"_qs), false}, {pty.slavePath(), true}};
    for (const auto& [port, offered] : cases) {
        LocalSettings::current().labelPort = port;
        EXPECT_EQ(BoxLabelPrinter::portConfigured(), offered) << port.toStdString();
    }
}

// The label columns of the production history grid.
class BoxLabelGridTest : public BoxLabelTest {
protected:
    void SetUp() override {
        BoxLabelTest::SetUp();
        screen = std::make_unique<QWidget>();
        auto* view = new SpreadView(screen.get());
        grid = new clsSpread(screen.get());
        grid->Spr(view);
        const QStringList ids{u"생산실적순번"_qs, u"product_code"_qs, u"양품수량"_qs,
                              u"소포장수량"_qs,   u"소출력수"_qs,     u"바코드소포장"_qs,
                              u"대포장수량"_qs,   u"대출력수"_qs,     u"바코드대포장"_qs};
        grid->SetInit(2, int(ids.size()), 35, 0, 13, true, true, false, u"1"_qs, true);
        for (int c = 1; c <= ids.size(); ++c) {
            const QString& id = ids.at(c - 1);
            const int type = id.startsWith(u"바코드"_qs) ? 7 : c >= 3 ? 13 : 1;
            grid->SetColType(c, id, id, 8, QString(), type, 60, 0, true, 2, 2, false, false, false,
                             false);
        }
        const QStringList rows[] = {{kRun, u"P'9"_qs, u"100"_qs, u"30"_qs, QString(), QString(),
                                     QString(), QString(), QString()},
                                    {kRun, u"P10"_qs, u"2500"_qs, u"25"_qs, QString(), QString(),
                                     u"1000"_qs, QString(), QString()}};
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= ids.size(); ++c)
                grid->SetValue(c, r, rows[r - 1].at(c - 1));
    }
    void TearDown() override {
        screen.reset();
        BoxLabelTest::TearDown();
    }
    int col(const char* id) const { return grid->ColumnNumber(QString::fromUtf8(id)); }
    QString cell(const char* id, int row) const { return grid->GetValue(col(id), row); }

    std::unique_ptr<QWidget> screen;
    clsSpread* grid = nullptr;
};

TEST_F(BoxLabelGridTest, SumCountsBothBoxesOfEveryRow) {
    BoxLabelGrid::lsSum(*grid);
    EXPECT_EQ(cell("소출력수", 1), u"4"_qs);
    EXPECT_EQ(cell("대출력수", 1), u"0"_qs);
    EXPECT_EQ(cell("소출력수", 2), u"100"_qs);
    EXPECT_EQ(cell("대출력수", 2), u"3"_qs);
}

TEST_F(BoxLabelGridTest, KeypadCorrectsOnlyTheCountCells) {
    keys = {u"cmd1"_qs, u"cmd2"_qs, u"cmd0"_qs, u"cmd0"_qs, u"Command13"_qs};
    EXPECT_TRUE(BoxLabelGrid::correctCount(*grid, col("대출력수"), 2, screen.get()));
    EXPECT_EQ(cell("대출력수", 2), u"1200"_qs);
    EXPECT_EQ(grid->TextWithColID(u"대출력수"_qs, 2), u"1,200"_qs);

    grid->SetValue(col("소출력수"), 1, u"4"_qs);
    keys = {u"cmd7"_qs, u"Command14"_qs};
    EXPECT_TRUE(BoxLabelGrid::correctCount(*grid, col("소출력수"), 1, screen.get()));
    EXPECT_EQ(cell("소출력수", 1), QString());

    keys = {u"cmd7"_qs, u"Command13"_qs};
    EXPECT_FALSE(BoxLabelGrid::correctCount(*grid, col("양품수량"), 1, screen.get()));
    EXPECT_EQ(cell("양품수량", 1), u"100"_qs);
}

TEST_F(BoxLabelGridTest, ReleasedButtonPrintsItsRowsLabelWithTheStoredCount) {
    LocalSettings::current().labelPort = pty.slavePath();
    grid->SetValue(col("대출력수"), 2, u"1200"_qs);
    BoxLabelGrid::buttonClicked(*grid, col("바코드대포장"), 2, 1, u"실적내역"_qs);
    EXPECT_TRUE(pty.readAll().isEmpty());
    BoxLabelGrid::buttonClicked(*grid, col("바코드대포장"), 2, 0, u"실적내역"_qs);
    const QByteArray sent = pty.readAll();
    EXPECT_TRUE(sent.startsWith("\x10"
                                "CT~~CD"))
        << sent.constData();
    EXPECT_TRUE(sent.contains("^BY4,3,92^FT230,380^BCN,,N,N^FD>;20240305000101^FS"));
    EXPECT_TRUE(sent.contains("^FT335,720^A0N,35,35^FH\\^FD1,000^FS"));
    EXPECT_TRUE(sent.endsWith("^PQ1200,0,1,Y^XZ")) << sent.constData();
    EXPECT_TRUE(boxes.empty());
}

} // namespace
