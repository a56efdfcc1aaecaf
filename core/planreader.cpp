#include "planreader.h"

#include "devicelist.h"
#include "devicerowcontent.h"
#include "inventory.h"
#include "plantext.h"
#include "safeattributes.h"
#include "shippedtexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {
// The context of the plan's messages.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PlanReader)
};

// Values and names quoted in messages stay on one short line.
QString shown(const QString &text)
{
    constexpr int Longest = 40;
    const QString line = DeviceRowContent::cellText(text);
    return line.size() > Longest ? line.left(Longest) + QChar(0x2026) : line;
}

// Header texts, folded, -> the key they name: the list's keys and its column
// titles in every shipped language.
const QHash<QString, QString> &namedKeys()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> map;
        for (const QString &key : DeviceList::keys() + Inventory::addedKeys())
            map.insert(key, key);
        for (const DeviceList::Column &column : DeviceList::columns()) {
            const QStringList titles = ShippedTexts::everyLanguage(column.title);
            for (const QString &title : titles)
                map.insert(title.toCaseFolded(), column.key);
        }
        return map;
    }();
    return names;
}

bool looksLikePassword(const QString &name)
{
    static const QRegularExpression words(QStringLiteral("pass|pwd|kennwort|parola|secret"),
                                          QRegularExpression::CaseInsensitiveOption);
    return words.match(name).hasMatch();
}

// DHCP as spreadsheets and the window's list write it; empty when not one of them.
QString switchText(const QString &value)
{
    static const QHash<QString, QString> words = [] {
        QHash<QString, QString> map;
        for (const char *on : {"true", "yes", "1"})
            map.insert(QLatin1String(on), SafeAttribute::True);
        for (const char *off : {"false", "no", "0"})
            map.insert(QLatin1String(off), SafeAttribute::False);
        for (const QString &on : ShippedTexts::everyLanguage("On"))
            map.insert(on.toCaseFolded(), SafeAttribute::True);
        for (const QString &off : ShippedTexts::everyLanguage("Off"))
            map.insert(off.toCaseFolded(), SafeAttribute::False);
        return map;
    }();
    return words.value(value.toCaseFolded());
}

QByteArray macOf(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('-')).remove(QLatin1Char(':')).remove(QLatin1Char(' '));
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    return hex.match(digits).hasMatch() ? QByteArray::fromHex(digits.toLatin1()) : QByteArray();
}

// Builds the plan row by row, whatever the file's form.
class Builder
{
public:
    PlanReader::Plan plan;

    // The key a column name stands for; empty when the column does not count.
    // Refused names are told once each.
    QString keyOf(const QString &name)
    {
        const QString trimmed = name.trimmed();
        const QString key = namedKeys().value(trimmed.toCaseFolded());
        if (key == SafeAttribute::MacAddress || DeviceList::isConfigurable(key)) {
            plan.columns.insert(key, trimmed);
            return key;
        }
        if (!key.isEmpty() || trimmed.isEmpty() || told.contains(trimmed))
            return QString();
        told.insert(trimmed);
        plan.problems << (looksLikePassword(trimmed)
                              ? Texts::tr("Column \"%1\" looks like a password: a plan holds no "
                                          "passwords; keep them in an encrypted configuration file")
                              : Texts::tr(
                                    "Unknown column \"%1\": give a key of the device list or a "
                                    "column title of the window"))
                             .arg(shown(trimmed));
        return QString();
    }

    void addRow(int number, const QMap<QString, QString> &cells)
    {
        PlanReader::Row row{number, macOf(cells.value(SafeAttribute::MacAddress)), {}};
        if (row.mac.isEmpty()) {
            plan.problems << Texts::tr("row %1: \"%2\" is not a MAC address")
                                 .arg(number)
                                 .arg(shown(cells.value(SafeAttribute::MacAddress)));
            return;
        }
        const auto earlier = rowOfMac.constFind(row.mac);
        if (earlier != rowOfMac.constEnd()) {
            plan.problems << Texts::tr("%1: row %2 plans the same device already")
                                 .arg(PlanReader::Plan::rowLabel(row))
                                 .arg(*earlier);
            return;
        }
        rowOfMac.insert(row.mac, number);
        for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell) {
            if (cell.key() == SafeAttribute::MacAddress)
                continue;
            // Names are taken as written; other values may carry a spreadsheet's blanks.
            QString value = cell.key() == SafeAttribute::Name ? *cell : cell->trimmed();
            if (value.isEmpty())
                continue;
            if (cell.key() == SafeAttribute::Dhcp && (value = switchText(value)).isEmpty()) {
                plan.problems << Texts::tr("%1, %2: %3 is not TRUE or FALSE, yes or no, 1 or 0")
                                     .arg(PlanReader::Plan::rowLabel(row),
                                          plan.columnName(cell.key()), shown(cell->trimmed()));
                continue;
            }
            row.values.insert(cell.key(), value);
        }
        plan.rows << row;
    }

    void readCsv(QStringView text)
    {
        bool tooMany = false;
        const QList<QStringList> records =
            PlanText::records(text, PlanText::separatorOf(text), PlanReader::MaxRows + 1, &tooMany);
        if (tooMany)
            return refuseRowCount();
        QStringList keys;
        for (const QString &name : records.value(0))
            keys << keyOf(name);
        if (!keys.contains(SafeAttribute::MacAddress)) {
            plan.problems << Texts::tr("The plan has no %1 column").arg(SafeAttribute::MacAddress);
            return;
        }
        for (qsizetype r = 1; r < records.size(); ++r) {
            QMap<QString, QString> cells;
            const QStringList &record = records.at(r);
            for (qsizetype c = 0; c < record.size() && c < keys.size(); ++c) {
                if (!keys.at(c).isEmpty())
                    cells.insert(keys.at(c), DeviceList::unguardedCell(record.at(c)));
            }
            if (std::any_of(record.begin(), record.end(),
                            [](const QString &cell) { return !cell.trimmed().isEmpty(); }))
                addRow(int(r + 1), cells);
        }
    }

    void readJsonLines(QStringView text)
    {
        const QList<QStringView> lines = text.split(u'\n');
        if (lines.size() > PlanReader::MaxRows + 1)
            return refuseRowCount();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).trimmed().isEmpty())
                continue;
            const int number = int(i + 1);
            const QJsonDocument document = QJsonDocument::fromJson(lines.at(i).toUtf8());
            if (!document.isObject()) {
                plan.problems << Texts::tr("line %1: not a JSON object").arg(number);
                continue;
            }
            const QJsonObject object = document.object();
            QMap<QString, QString> cells;
            for (auto member = object.begin(); member != object.end(); ++member) {
                const QString key = keyOf(member.key());
                if (!key.isEmpty())
                    cells.insert(key, valueText(member.value(), number, key));
            }
            addRow(number, cells);
        }
    }

private:
    QString valueText(const QJsonValue &value, int line, const QString &key)
    {
        const QString cell = DeviceList::cellOf(value);
        if (cell.isEmpty() && !value.isNull() && value != QJsonValue(QString()))
            plan.problems << Texts::tr("line %1, %2: not a text, a whole number or true or false")
                                 .arg(line)
                                 .arg(key);
        return cell;
    }

    void refuseRowCount()
    {
        plan.problems << Texts::tr("The plan has more than %1 rows").arg(PlanReader::MaxRows);
    }

    QSet<QString> told;
    QHash<QByteArray, int> rowOfMac;
};
} // namespace

QString PlanReader::Plan::rowLabel(const Row &row)
{
    return Texts::tr("row %1 (%2)").arg(row.number).arg(DeviceRowContent::macText(row.mac));
}

PlanReader::Plan PlanReader::read(const QByteArray &bytes)
{
    Builder builder;
    if (bytes.size() > MaxBytes) {
        builder.plan.problems << Texts::tr("The plan is larger than %1 MiB").arg(MaxBytes >> 20);
        return builder.plan;
    }
    const QString text = PlanText::decode(bytes);
    if (text.trimmed().startsWith(QLatin1Char('{')))
        builder.readJsonLines(text);
    else
        builder.readCsv(text);
    return builder.plan;
}

PlanReader::Plan PlanReader::readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Plan plan;
        plan.problems << Texts::tr("%1 cannot be read: %2").arg(fileName, file.errorString());
        return plan;
    }
    // One byte more than allowed tells a file that is too large.
    return read(file.read(MaxBytes + 1));
}
