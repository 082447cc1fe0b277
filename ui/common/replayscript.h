#pragma once

#include "ui/common/replaystep.h"

#include <QList>
#include <QString>

// Reads replay scripts: UTF-8 text, one step per line; blank lines and lines beginning with
// `#` are skipped; words are separated by spaces; the text of type, expect, choose and
// expect-message is the rest of the line. A script with any bad line is refused whole, so
// nothing runs from a script that cannot be read.
class ReplayScript {
public:
    // The steps, or an empty list and the reason ("line 3: ...") in *error.
    static QList<ReplayStep> parse(const QString& text, QString* error);
    // Reads and parses a file; a missing or unreadable file, or text that is not UTF-8, is
    // an error too.
    static QList<ReplayStep> readFile(const QString& path, QString* error);
    // One line that is not blank or a comment; false with the reason.
    static bool parseLine(const QString& line, ReplayStep* step, QString* error);
    // The Qt key and its text for a key name (Enter, Escape, ..., F12); false when unknown.
    static bool keyByName(const QString& name, int* key, QString* text);
    // True for lines that carry no step.
    static bool isBlankOrComment(const QString& line);
};
