#pragma once

#include <QString>

#include <functional>

class QPrinter;
class SpreadModel;
struct SpreadPageLayout;

// Prints a grid the way its exported sheet prints: header rows repeated on every page,
// the header and footer texts (page numbers filled in), orientation, margins, fitted to
// one page wide and centred horizontally. Goes to the default printer unless a set-up
// function is installed (tests send it to a PDF file).
class SpreadPrinter {
public:
    using Setup = std::function<void(QPrinter&)>;
    // Installs the set-up applied to every printer before printing; returns the previous.
    static Setup setSetup(Setup setup);

    // False with a reason in *error when there is no printer or it cannot start.
    static bool print(const SpreadModel& model, const SpreadPageLayout& layout, QString* error);
    // The header/footer codes of one part ("&L", "&C" or "&R") as printed text on a page.
    static QString expand(const QString& codes, QChar part, int page, int pages, double* fontSize);
};
