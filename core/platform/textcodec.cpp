#include "core/platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString TextCodec::fromSystem(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
}

QByteArray TextCodec::toSystem(const QString& text) {
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QString TextCodec::truncateBytes(const QString& text, int maxBytes) {
    if (toSystem(text).size() <= maxBytes)
        return text;
    // Walk whole characters (surrogate pairs kept together) until the budget is spent.
    QString out;
    int bytes = 0;
    for (int i = 0; i < text.size();) {
        const int len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        const int n = int(toSystem(ch).size());
        if (bytes + n > maxBytes)
            break;
        out += ch;
        bytes += n;
        i += len;
    }
    return out;
}
