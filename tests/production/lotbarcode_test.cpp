#include "production/lotbarcode.h"

#include <gtest/gtest.h>

TEST(LotBarcode, ScanTexts) {
    const struct {
        const char* scan;
        const char* lot; // nullptr: not a lot barcode
        const char* material;
    } cases[] = {
        {"A/M1", "A", "M1"},
        {"*A/M1*", "A", "M1"},
        {"A/M1\r\n", "A", "M1"},
        {"*A*/**M1", "A", "M1"},
        // The output lots of this system hold a slash: the material follows the last one.
        {"*20240210/A/81230-KX100*", "20240210/A", "81230-KX100"},
        {"한글/자재", "한글", "자재"},
        {"A", nullptr, nullptr},
        {"/M1", nullptr, nullptr},
        {"A/", nullptr, nullptr},
        {"*/*", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"**\r\n", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scan);
        const std::optional<LotBarcode> got = LotBarcode::parse(QString::fromUtf8(c.scan));
        if (!c.lot) {
            EXPECT_FALSE(got.has_value());
            continue;
        }
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->lot, QString::fromUtf8(c.lot));
        EXPECT_EQ(got->material, QString::fromUtf8(c.material));
    }
}

// The move sheet's scan text reads back as the lot and material it was printed from.
TEST(LotBarcode, PrintedTextReadsBack) {
    for (const char* lot : {"A", "20240210/A", "L'1--", "a/b/c"}) {
        SCOPED_TRACE(lot);
        const QString l = QString::fromUtf8(lot);
        const QString printed = LotBarcode::text(l, QStringLiteral("81230-KX100"));
        EXPECT_EQ(printed, QLatin1Char('*') + l + QStringLiteral("/81230-KX100*"));
        EXPECT_EQ(LotBarcode::parse(printed), (LotBarcode{l, QStringLiteral("81230-KX100")}));
    }
}
