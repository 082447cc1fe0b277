#include "ui/common/replayscript.h"

#include <QFile>
#include <QStringDecoder>

#include <utility>

namespace {
using Kind = ReplayStep::Kind;

struct StepWord {
    const char* word;
    Kind kind;
};

constexpr StepWord kSteps[] = {
    {"click", Kind::Click},   {"type", Kind::Type},
    {"key", Kind::Key},       {"wait", Kind::Wait},
    {"expect", Kind::Expect}, {"expect-color", Kind::ExpectColor},
    {"choose", Kind::Choose}, {"expect-message", Kind::ExpectMessage},
    {"answer", Kind::Answer},
};

// Walks one line: words separated by spaces, targets, the rest of the line.
class LineReader {
public:
    explicit LineReader(const QString& line) : m_line(line) {}

    bool atEnd() {
        skipSpaces();
        return m_pos >= m_line.size();
    }
    QString word() {
        skipSpaces();
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && m_line.at(m_pos) != QLatin1Char(' '))
            ++m_pos;
        return m_line.mid(start, m_pos - start);
    }
    // Everything after the spaces that follow the previous word, trailing spaces included.
    QString rest() {
        skipSpaces();
        const QString r = m_line.mid(m_pos);
        m_pos = m_line.size();
        return r;
    }
    bool target(ReplayTarget* t, QString* error);

private:
    void skipSpaces() {
        while (m_pos < m_line.size() && m_line.at(m_pos) == QLatin1Char(' '))
            ++m_pos;
    }
    bool caption(ReplayTarget* t, QString* error);
    static bool cell(const QString& child, ReplayTarget* t, QString* error);

    QString m_line;
    qsizetype m_pos = 0;
};

bool LineReader::target(ReplayTarget* t, QString* error) {
    skipSpaces();
    const qsizetype start = m_pos;
    while (m_pos < m_line.size() && m_line.at(m_pos) != QLatin1Char('/') &&
           m_line.at(m_pos) != QLatin1Char(' '))
        ++m_pos;
    t->window = m_line.mid(start, m_pos - start);
    if (m_pos >= m_line.size() || m_line.at(m_pos) != QLatin1Char('/') || t->window.isEmpty()) {
        *error = QStringLiteral("a target is written Window/child");
        return false;
    }
    ++m_pos;
    if (m_pos < m_line.size() && m_line.at(m_pos) == QLatin1Char('"'))
        return caption(t, error);
    const QString child = word();
    if (child.isEmpty()) {
        *error = QStringLiteral("a target is written Window/child");
        return false;
    }
    if (child.contains(QLatin1Char('[')) || child.contains(QLatin1Char(']')))
        return cell(child, t, error);
    t->kind = ReplayTarget::Kind::Child;
    t->name = child;
    return true;
}

// "caption" up to the closing quote; "" inside stands for one quote.
bool LineReader::caption(ReplayTarget* t, QString* error) {
    ++m_pos;
    QString text;
    while (m_pos < m_line.size()) {
        const QChar c = m_line.at(m_pos++);
        if (c != QLatin1Char('"')) {
            text += c;
            continue;
        }
        if (m_pos < m_line.size() && m_line.at(m_pos) == QLatin1Char('"')) {
            text += c;
            ++m_pos;
            continue;
        }
        if (m_pos < m_line.size() && m_line.at(m_pos) != QLatin1Char(' ')) {
            *error = QStringLiteral("a space must follow the closing quote of a caption");
            return false;
        }
        if (text.isEmpty()) {
            *error = QStringLiteral("the caption is empty");
            return false;
        }
        t->kind = ReplayTarget::Kind::Caption;
        t->name = text;
        return true;
    }
    *error = QStringLiteral("the caption has no closing quote");
    return false;
}

bool positive(const QString& s, int* n) {
    bool ok = false;
    *n = s.trimmed().toInt(&ok);
    return ok && *n > 0;
}

bool LineReader::cell(const QString& child, ReplayTarget* t, QString* error) {
    const qsizetype open = child.indexOf(QLatin1Char('['));
    const QStringList numbers =
        child.mid(open + 1, child.size() - open - 2).split(QLatin1Char(','));
    if (open <= 0 || !child.endsWith(QLatin1Char(']')) || numbers.size() != 2 ||
        !positive(numbers.at(0), &t->row) || !positive(numbers.at(1), &t->col)) {
        *error = QStringLiteral("a grid cell is written grid[row,col] with numbers from 1");
        return false;
    }
    t->kind = ReplayTarget::Kind::Cell;
    t->name = child.left(open);
    return true;
}

bool findKind(const QString& word, Kind* kind) {
    for (const StepWord& s : kSteps) {
        if (word == QLatin1String(s.word)) {
            *kind = s.kind;
            return true;
        }
    }
    return false;
}

bool readColour(const QString& text, QColor* colour) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return false;
    }
    *colour = QColor(rgb[0], rgb[1], rgb[2]);
    return true;
}

bool readButton(const QString& name, QMessageBox::StandardButton* button) {
    static const std::pair<const char*, QMessageBox::StandardButton> buttons[] = {
        {"Ok", QMessageBox::Ok}, {"Cancel", QMessageBox::Cancel}, {"Yes", QMessageBox::Yes},
        {"No", QMessageBox::No}, {"Retry", QMessageBox::Retry},
    };
    for (const auto& [word, b] : buttons) {
        if (name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) {
            *button = b;
            return true;
        }
    }
    return false;
}

// The arguments after the step word.
bool readArguments(LineReader& r, ReplayStep* s, QString* error) {
    if (s->hasTarget() && !r.target(&s->target, error))
        return false;
    switch (s->kind) {
    case Kind::Click:
        break;
    case Kind::Type:
    case Kind::Choose:
    case Kind::ExpectMessage:
        s->text = r.rest();
        if (s->text.isEmpty()) {
            *error = QStringLiteral("the text is missing");
            return false;
        }
        return true;
    case Kind::Expect:
        s->text = r.rest(); // empty: the control shows no text
        return true;
    case Kind::ExpectColor:
        if (!readColour(r.rest(), &s->colour)) {
            *error = QStringLiteral("a colour is written R,G,B with numbers 0 to 255");
            return false;
        }
        return true;
    case Kind::Key: {
        const QString name = r.word();
        if (!ReplayScript::keyByName(name, &s->key, &s->keyText)) {
            *error = QStringLiteral("unknown key \"%1\"").arg(name);
            return false;
        }
        break;
    }
    case Kind::Wait: {
        bool ok = false;
        s->waitMs = r.word().toInt(&ok);
        if (!ok || s->waitMs < 0) {
            *error = QStringLiteral("wait takes milliseconds, a whole number from 0");
            return false;
        }
        break;
    }
    case Kind::Answer: {
        const QString name = r.word();
        if (!readButton(name, &s->button)) {
            *error =
                QStringLiteral("unknown button \"%1\" (Ok, Cancel, Yes, No or Retry)").arg(name);
            return false;
        }
        break;
    }
    }
    if (!r.atEnd()) {
        *error = QStringLiteral("unexpected text \"%1\"").arg(r.rest());
        return false;
    }
    return true;
}
} // namespace

bool ReplayScript::isBlankOrComment(const QString& line) {
    const QString t = line.trimmed();
    return t.isEmpty() || t.startsWith(QLatin1Char('#'));
}

bool ReplayScript::keyByName(const QString& name, int* key, QString* text) {
    struct Named {
        const char* name;
        int key;
        const char* text;
    };
    static const Named keys[] = {
        {"Enter", Qt::Key_Return, "\r"},
        {"Escape", Qt::Key_Escape, "\x1b"},
        {"Backspace", Qt::Key_Backspace, "\b"},
        {"Tab", Qt::Key_Tab, "\t"},
        {"Delete", Qt::Key_Delete, "\x7f"},
        {"Up", Qt::Key_Up, ""},
        {"Down", Qt::Key_Down, ""},
        {"Left", Qt::Key_Left, ""},
        {"Right", Qt::Key_Right, ""},
    };
    for (const Named& k : keys) {
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) {
            *key = k.key;
            *text = QString::fromLatin1(k.text);
            return true;
        }
    }
    if (name.size() >= 2 && name.at(0).toUpper() == QLatin1Char('F')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12 && !name.mid(1).startsWith(QLatin1Char('0')) &&
            name.mid(1).at(0).isDigit()) {
            *key = Qt::Key_F1 + n - 1;
            text->clear();
            return true;
        }
    }
    return false;
}

bool ReplayScript::parseLine(const QString& line, ReplayStep* step, QString* error) {
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    LineReader r(text);
    const QString word = r.word();
    if (!findKind(word, &step->kind)) {
        *error = QStringLiteral("unknown step \"%1\"").arg(word);
        return false;
    }
    step->source = text.trimmed();
    return readArguments(r, step, error);
}

QList<ReplayStep> ReplayScript::parse(const QString& text, QString* error) {
    QList<ReplayStep> steps;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (isBlankOrComment(line))
            continue;
        ReplayStep step;
        step.line = i + 1;
        QString why;
        if (!parseLine(line, &step, &why)) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return {};
        }
        steps << step;
    }
    error->clear();
    return steps;
}

QList<ReplayStep> ReplayScript::readFile(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = f.errorString();
        return {};
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *error = f.errorString();
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        *error = QStringLiteral("the file is not UTF-8 text");
        return {};
    }
    return parse(text, error);
}
