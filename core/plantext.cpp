#include "plantext.h"

#include <QStringDecoder>

namespace {
// What Windows-1252 puts at 0x80-0x9F; 0 where it leaves a byte undefined,
// which then reads as the Latin-1 control character.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString windows1252(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x80 && code < 0xA0 && Windows1252High[code - 0x80] != 0)
            c = QChar(Windows1252High[code - 0x80]);
    }
    return text;
}

constexpr QChar Quote = u'"';
} // namespace

QString PlanText::decode(const QByteArray &bytes)
{
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(content);
    return utf8.hasError() ? windows1252(content) : text;
}

QChar PlanText::separatorOf(QStringView text)
{
    qsizetype counts[3] = {};
    const QChar separators[3] = {u',', u';', u'\t'};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == Quote)
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        for (int i = 0; i < 3; ++i)
            counts[i] += !quoted && c == separators[i] ? 1 : 0;
    }
    int best = 0;
    for (int i = 1; i < 3; ++i)
        best = counts[i] > counts[best] ? i : best;
    return separators[best];
}

QList<QStringList> PlanText::records(QStringView text, QChar separator, int maxRecords,
                                     bool *tooMany)
{
    QList<QStringList> list;
    QStringList record;
    QString cell;
    bool quoted = false;
    bool recordOpen = false;
    const auto endCell = [&] {
        record << cell;
        cell.clear();
    };
    *tooMany = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!recordOpen) {
            if (list.size() == maxRecords) {
                *tooMany = true;
                return list;
            }
            record.clear();
            recordOpen = true;
        }
        if (quoted) {
            if (c != Quote)
                cell += c;
            else if (i + 1 < text.size() && text.at(i + 1) == Quote)
                cell += text.at(++i);
            else
                quoted = false;
        } else if (c == Quote && cell.isEmpty()) {
            quoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                continue; // the \n ends the record
            endCell();
            list << record;
            recordOpen = false;
        } else {
            cell += c;
        }
    }
    if (recordOpen) {
        endCell();
        list << record;
    }
    return list;
}
