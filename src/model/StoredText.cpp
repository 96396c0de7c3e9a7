#include "StoredText.h"

namespace MainM {

QString CompStr(const QString& text)
{
    QString stored;
    stored.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            // A CR LF pair is one line break.
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            stored += QLatin1Char('|');
        } else if (c == QLatin1Char('\n')) {
            stored += QLatin1Char('|');
        } else if (c == QLatin1Char('"')) {
            stored += QLatin1String("''");
        } else {
            stored += c;
        }
    }
    return stored;
}

QString ExpandStr(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return shown;
}

} // namespace MainM
