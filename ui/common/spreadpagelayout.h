#pragma once

#include <QString>

// The page layout an export gives its sheet, in spreadsheet header/footer codes: "&L",
// "&C", "&R" start the left, centre and right parts, "&24" sets the font size, "&P" is the
// page number, "&N" the number of pages and "&&" a literal ampersand.
struct SpreadPageLayout {
    QString header; // "&L&10<left>&C<centre>&R&10<right>"
    QString footer; // "&C&N페이지 중 &P페이지"
    bool landscape = true;
    int headerRows = 1;
    int dataRows = 0;
    // Inches.
    double marginLeft = 0.5;
    double marginRight = 0.5;
    double marginTop = 1.0;
    double marginBottom = 0.5;
    double headerMargin = 0.3;
    double footerMargin = 0.3;

    // A caller's text made safe inside header codes ("&" doubled).
    static QString literal(const QString& text) {
        QString t = text;
        return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    }
};
