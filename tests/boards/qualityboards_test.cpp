#include "boards/boardcycle.h"
#include "boards/boardtotalrow.h"
#include "boards/frm_s_imgshow_one.h"
#include "boards/frm_s_imgshow_two.h"
#include "boards/frm_s_pumzil_chart_show.h"
#include "core/localsettings.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/platform/clock.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/testenv.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadview.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

namespace {
// Masters and three runs of December 2024: the first with three defects, the second without
// any, the third with one; and one defect of November.
const QString kData = QStringLiteral(
    "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('0001', N'사출');\n"
    "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, img_ip, monitor) "
    "VALUES ('E1', N'사출기1', '0001', '10.0.0.7', '2');\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name) VALUES ('P1', 'PN-100', "
    "N'커버');\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name) VALUES ('P2', 'PN-200', "
    "N'브라켓');\n"
    "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('B1', N'미성형');\n"
    "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('B2', N'버');\n"
    "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('B3', N'변색');\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, process_code, equipment_code, "
    "product_code, qty, jakup_date) VALUES ('20241201001', '20241201001001', '0001', 'E1', 'P1', "
    "100, '2024-12-01');\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, process_code, equipment_code, "
    "product_code, qty, jakup_date) VALUES ('20241201002', '20241201002001', '0001', 'E1', 'P2', "
    "50, '2024-12-01');\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, process_code, equipment_code, "
    "product_code, qty, jakup_date) VALUES ('20241202001', '20241202001001', '0001', 'E1', 'P1', "
    "70, '2024-12-02');\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty) VALUES ('20241201001001', 'B1', "
    "2);\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty) VALUES ('20241201001001', 'B2', "
    "3);\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty) VALUES ('20241201001001', 'B3', "
    "0);\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty) VALUES ('20241202001001', 'B1', "
    "5);\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty) VALUES ('20241130001001', 'B2', "
    "40);\n"
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, equipment_code, pumbun, end_yn, real_jakup) "
    "VALUES ('20241210001', '20241210001001', 'E1', 'PN-100', '2', '1');\n");

class QualityBoardTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 12, 10), QTime(8, 30, 0)));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), kData);
        ASSERT_TRUE(gfDB_OPEN());
    }
    static void tick(ImgShowBoard& b, int n) {
        for (int i = 0; i < n; ++i)
            b.Timer1_Timer();
    }
    QStringList boxes;
    ScopedModalHandler modal{[this](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d))
            boxes << box->windowTitle() + QLatin1Char('|') + box->text();
        return 0;
    }};
};
} // namespace

TEST_F(QualityBoardTest, ListCountsAResultOnceForGoodAndEveryDefect) {
    frm_S_ImgSHow_One board;
    EXPECT_EQ(board.windowTitle(), QStringLiteral("일자별 생산현황"));
    board.lsQuery();
    const clsSpread& g = *board.grid();
    ASSERT_EQ(g.MaxRows(), 6); // three defect rows, one without defects, one, the total
    const auto text = [&g](const char* col, int row) {
        return g.TextWithColID(QString::fromUtf8(col), row);
    };
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(text("생산실적번호", r), QStringLiteral("20241201001"));
        EXPECT_EQ(text("양품수량", r), QStringLiteral("100")); // repeated on every defect row
    }
    EXPECT_EQ(text("불량명", 4), QString()); // the result without defects
    EXPECT_EQ(text("불량수량", 4), QStringLiteral("0"));
    EXPECT_EQ(text("품번", 5), QStringLiteral("PN-100"));
    EXPECT_EQ(text("생산실적번호", 6), QStringLiteral("총합계"));
    EXPECT_EQ(text("양품수량", 6), QStringLiteral("220")); // 100 + 50 + 70
    EXPECT_EQ(text("불량수량", 6), QStringLiteral("10"));  // 2 + 3 + 0 + 0 + 5
    EXPECT_EQ(g.GetColor(1, 6), g.GetColor(9, 6));
    EXPECT_EQ(g.GetColor(1, 6), QString::number(155 + 242 * 256 + 133 * 65536));
    // The totals are values now: a changed cell above leaves them as they were.
    const_cast<clsSpread&>(g).SetValue(9, 1, QStringLiteral("1000"));
    EXPECT_EQ(text("불량수량", 6), QStringLiteral("10"));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(';')).toStdString();
}

TEST_F(QualityBoardTest, QualityMonthSharesAndZeroTypes) {
    frm_S_Pumzil_Chart_Show board;
    EXPECT_EQ(board.windowTitle(), QStringLiteral("품질 현황"));
    EXPECT_EQ(board.lblTitle->text(), QStringLiteral("월간 품질현황"));
    EXPECT_TRUE(board.cc->isHidden());
    board.lsQuery();
    const clsSpread& g = *board.grid();
    ASSERT_EQ(g.MaxRows(), 4); // November's defect is not in the month
    EXPECT_EQ(g.TextWithColID(QStringLiteral("불량명"), 4), QStringLiteral("총합계"));
    EXPECT_EQ(g.TextWithColID(QStringLiteral("불량수량"), 4), QStringLiteral("10"));
    EXPECT_FALSE(board.cc->isHidden());
    const ChartView& c = *board.cc;
    double sum = 0;
    int drawn = 0;
    for (int r = 1; r <= 3; ++r) {
        const QString name = g.TextWithColID(QStringLiteral("불량명"), r);
        const double qty = g.ValueWithColID(QStringLiteral("불량수량"), r).toDouble();
        if (qty == 0) { // the type of quantity 0 has neither value nor label
            EXPECT_FALSE(c.value(0, r - 1).has_value()) << name.toStdString();
            EXPECT_TRUE(c.pointLabel(r - 1).isEmpty());
            continue;
        }
        ASSERT_TRUE(c.value(0, r - 1).has_value());
        EXPECT_DOUBLE_EQ(*c.value(0, r - 1), qty / 10 * 100);
        EXPECT_EQ(c.pointLabel(r - 1), name);
        sum += *c.value(0, r - 1);
        ++drawn;
    }
    EXPECT_EQ(drawn, 2);
    EXPECT_NEAR(sum, 100, 1e-9);
    EXPECT_EQ(c.labelAxisTitle(), QStringLiteral("불량유형 분포"));
}

TEST_F(QualityBoardTest, MonthWithoutDefectsOrCancellingQuantitiesDrawsNothing) {
    Clock::setFixed(QDateTime(QDate(2025, 1, 10), QTime(8, 30, 0)));
    frm_S_Pumzil_Chart_Show board;
    board.lsQuery();
    EXPECT_EQ(board.grid()->MaxRows(), 0);
    EXPECT_TRUE(board.cc->isHidden());

    // A correction that cancels a defect leaves a total of 0: no share is drawn.
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO P_BADQTY (op_seq_sub, processbad_code, "
                                          "bad_qty) VALUES ('20250102001001', 'B1', 4), "
                                          "('20250102001001', 'B2', -4)"),
                           QStringLiteral("test")));
    board.lsQuery();
    EXPECT_EQ(board.grid()->MaxRows(), 3);
    EXPECT_EQ(board.cc->value(0, 0), std::nullopt);
    EXPECT_EQ(board.cc->value(0, 1), std::nullopt);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(QualityBoardTest, MasterNamesWithQuotesAndCommentsAreShownAsWritten) {
    // Process, machine, product and defect names are read, never spliced: whatever they hold,
    // both boards show them as written.
    for (const QString& h : hostileTexts()) {
        SCOPED_TRACE(h.left(40).toStdString());
        const QString v = QStringLiteral("N'") + gfSQL_STR(h) + QLatin1Char('\'');
        for (const char* update :
             {"UPDATE B_PROCESS SET process_name = %1",
              "UPDATE B_EQUIPMENT SET equipment_name = %1",
              "UPDATE B_PRODUCT_MASTER SET pumbun = %1, product_name = %1",
              "UPDATE B_PROCESSBAD SET processbad_name = %1 + processbad_code"})
            ASSERT_TRUE(gfEXEC_SQL(QString::fromLatin1(update).arg(v), QStringLiteral("test")));
        frm_S_ImgSHow_One list;
        list.lsQuery();
        const clsSpread& g = *list.grid();
        ASSERT_EQ(g.MaxRows(), 6);
        for (const char* col : {"공정명", "설비명", "품번", "품명"})
            EXPECT_EQ(g.TextWithColID(QString::fromUtf8(col), 5), h) << col;
        EXPECT_EQ(g.TextWithColID(QStringLiteral("불량명"), 1), h + QStringLiteral("B1"));

        frm_S_Pumzil_Chart_Show quality;
        quality.lsQuery();
        ASSERT_EQ(quality.grid()->MaxRows(), 4);
        EXPECT_EQ(quality.cc->pointLabel(0), h + QStringLiteral("B1"));
    }
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(';')).toStdString();
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(QualityBoardTest, ListAndQualityBoardsReplaceEachOther) {
    std::unique_ptr<BoardCycle> cycle(BoardCycle::listAndQuality());
    QPointer<ImgShowBoard> first = cycle->start();
    ASSERT_NE(qobject_cast<frm_S_ImgSHow_One*>(first.data()), nullptr);
    tick(*first, 100);
    EXPECT_GT(qobject_cast<frm_S_ImgSHow_One*>(first.data())->grid()->MaxRows(), 0);
    tick(*first, 100);
    QPointer<ImgShowBoard> second = cycle->current();
    ASSERT_NE(qobject_cast<frm_S_Pumzil_Chart_Show*>(second.data()), nullptr);
    EXPECT_TRUE(second->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    tick(*second, 200);
    EXPECT_NE(qobject_cast<frm_S_ImgSHow_One*>(cycle->current()), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    delete cycle->current();
}

namespace {
class PictureBoardTest : public QualityBoardTest {
protected:
    void SetUp() override {
        QualityBoardTest::SetUp();
        LocalSettings::current().localIp = QStringLiteral("10.0.0.7");
        LocalSettings::current().pictureFolder = path(QStringLiteral("share"));
        QDir(folder()).mkpath(QStringLiteral("share"));
        QDir(folder()).mkpath(QStringLiteral("img"));
        writePicture(frm_S_ImgSHow_Two::fallbackFile(), "GIF");
    }
    void TearDown() override {
        LocalSettings::current() = LocalSettings::defaults();
        QualityBoardTest::TearDown();
    }
    static void writePicture(const QString& file, const char* format) {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        // Qt writes no GIF: the fallback is a PNG under the .gif name, read by content.
        ASSERT_TRUE(image.save(file, qstrcmp(format, "GIF") == 0 ? "PNG" : format));
    }
    QString productPicture() const { return path(QStringLiteral("share/PN-100.jpg")); }
};
} // namespace

TEST_F(PictureBoardTest, RunningProductPictureOrFallback) {
    frm_S_ImgSHow_Two board;
    EXPECT_EQ(board.windowTitle(), QStringLiteral("이미지 로더 2"));
    EXPECT_TRUE(board.shownFile().isEmpty()); // nothing before the first 10 seconds
    for (int i = 0; i < 99; ++i)
        board.Timer1_Timer();
    EXPECT_TRUE(board.shownFile().isEmpty());
    board.Timer1_Timer();
    // The part number has no picture in the share: the fallback, not an error.
    EXPECT_EQ(board.shownFile(), frm_S_ImgSHow_Two::fallbackFile());
    EXPECT_EQ(board.ProgressBar1->value(), 0);

    writePicture(productPicture(), "JPG");
    board.lsQuery();
    EXPECT_EQ(board.shownFile(), productPicture());
    EXPECT_FALSE(board.imgProduct->pixmap().isNull());

    // The machine stopped: no running order, the fallback again.
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET end_yn = '3'"),
                           QStringLiteral("test")));
    board.lsQuery();
    EXPECT_EQ(board.shownFile(), frm_S_ImgSHow_Two::fallbackFile());
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(';')).toStdString();
}

TEST_F(PictureBoardTest, MissingFallbackShareOrPictureRaisesTheError) {
    const QString error = QStringLiteral("연결오류|이미지 연결중에 오류가 발생하였습니다.\n"
                                         "이미지 로더 화면을 다시 켜주시기 바랍니다.");
    frm_S_ImgSHow_Two board;
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"missing fallback", [] { QFile::remove(frm_S_ImgSHow_Two::fallbackFile()); }},
        {"unreadable picture",
         [this] {
             QFile f(productPicture());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("not a picture");
         }},
        {"unreachable share",
         [] { LocalSettings::current().pictureFolder = QStringLiteral("/nonexistent/share"); }},
        {"failing statement",
         [this] { execNative(dbFile(), QStringLiteral("DROP TABLE B_EQUIPMENT")); }},
    };
    for (const Case& c : cases) {
        c.arrange();
        boxes.clear();
        board.lsQuery();
        ASSERT_FALSE(boxes.isEmpty()) << c.what;
        EXPECT_EQ(boxes.last(), error) << c.what;
        EXPECT_TRUE(board.Timer1->isActive()) << c.what; // the next refresh follows
    }
}

TEST_F(PictureBoardTest, APartNumberNeverReachesAFileOutsideTheShare) {
    // A picture beside the share: part numbers that walk there show the fallback. Texts that
    // only look odd name a picture in the share (none for the empty one and for one too long
    // for a file name).
    writePicture(path(QStringLiteral("secret.jpg")), "JPG");
    QList<std::pair<QString, QString>> cases; // part number, its picture in the share
    for (const QString& h : hostileTexts())
        cases.append({h, h.isEmpty() || h.size() > 250 ? QString() : h + QStringLiteral(".jpg")});
    for (const QString& walk :
         {QStringLiteral("../secret"), QStringLiteral("..\\secret"), QStringLiteral(" .. "),
          QStringLiteral("./../secret"), path(QStringLiteral("secret")),
          QStringLiteral("share/../../secret"), QStringLiteral("%2e%2e/secret"),
          QStringLiteral("O'Brien/../..")})
        cases.append({walk, QString()});
    cases.append({QStringLiteral("..."), QStringLiteral("....jpg")});
    const QString share = QFileInfo(path(QStringLiteral("share"))).canonicalFilePath();
    frm_S_ImgSHow_Two board;
    for (const auto& [part, picture] : cases) {
        SCOPED_TRACE(part.left(40).toStdString());
        ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET pumbun = N'") +
                                   gfSQL_STR(part) + QLatin1Char('\''),
                               QStringLiteral("test")));
        const QString inShare = share + QLatin1Char('/') + picture;
        if (!picture.isEmpty())
            writePicture(inShare, "JPG");
        board.lsQuery();
        if (picture.isEmpty())
            EXPECT_EQ(board.shownFile(), frm_S_ImgSHow_Two::fallbackFile());
        else
            EXPECT_EQ(QFileInfo(board.shownFile()).canonicalFilePath(), inShare);
        if (!picture.isEmpty())
            QFile::remove(inShare);
    }
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(';')).toStdString();
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
}

TEST(PictureFileTest, PartNumbersNameFilesInTheFolderOnly) {
    const QString folder = QStringLiteral("/pics");
    const QString sep = QDir::separator();
    EXPECT_EQ(frm_S_ImgSHow_Two::pictureFile(folder, QStringLiteral("86510-2S000")),
              folder + sep + QStringLiteral("86510-2S000.jpg"));
    for (const char* bad : {"", "../conf", "a\\b", ".."})
        EXPECT_TRUE(frm_S_ImgSHow_Two::pictureFile(folder, QString::fromLatin1(bad)).isEmpty())
            << bad;
}
