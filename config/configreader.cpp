#include "configreader.h"

#include "configstorage.h"
#include "fieldrules.h"
#include "safeattributes.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <optional>

namespace {
// Nesting of the document: -1 until the header comment has been accepted.
enum Level { BeforeHeader = -1, InDocument = 0, InRegions = 1, InBranches = 2, InSafes = 3 };

const QString RegionsElement = QStringLiteral("regions");
const QString BranchesElement = QStringLiteral("branches");
const QString SafesElement = QStringLiteral("safes");
const QString SafeElement = QStringLiteral("safe");

ConfigReadError importError(const QString &text)
{
    return {QCoreApplication::translate("DialogEdit", "XML import"), text};
}

std::optional<ConfigReadError> checkHeader(QStringView comment)
{
    const QList<QStringView> fields = comment.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    if (fields.size() < 2 ||
        (fields.at(0) != u"SCXMCR" && fields.at(0) != u"SCXMPL" && fields.at(0) != u"COXMPL"))
        return importError(QCoreApplication::translate("DialogEdit", "Unknown file type."));
    if (fields.at(1) != u"1")
        return importError(QCoreApplication::translate("DialogEdit", "Unknown file version."));
    return std::nullopt;
}

Level enter(Level level, QStringView element)
{
    if (level == InDocument && element == RegionsElement)
        return InRegions;
    if (level == InRegions && element == BranchesElement)
        return InBranches;
    if (level == InBranches && element == SafesElement)
        return InSafes;
    return level;
}

Level leave(Level level, QStringView element)
{
    if (level == InRegions && element == RegionsElement)
        return InDocument;
    if (level == InBranches && element == BranchesElement)
        return InRegions;
    if (level == InSafes && element == SafesElement)
        return InBranches;
    return level;
}

// A number the form cannot hold would otherwise be sent as 0: the file is refused instead.
std::optional<ConfigReadError> checkNumbers(const SafeEntry &entry, qint64 line)
{
    constexpr int Largest = 65535;
    for (const QString &name :
         {SafeAttribute::TcpPort, SafeAttribute::AuxPort, SafeAttribute::SessionMinutes}) {
        if (entry.has(name) && !FieldRules::isNumberInRange(entry.value(name), Largest, 0))
            return importError(
                QCoreApplication::translate(
                    "DialogEdit", "Error on line %1: %2 is not a whole number from 0 to 65535.")
                    .arg(line)
                    .arg(name));
    }
    return std::nullopt;
}

SafeEntry readSafe(const QXmlStreamAttributes &attributes)
{
    SafeEntry entry;
    for (const QXmlStreamAttribute &attribute : attributes)
        entry.attributes.insert(attribute.qualifiedName().toString(), attribute.value().toString());
    entry.mac = QByteArray::fromHex(entry.value(SafeAttribute::MacAddress).toLatin1());
    return entry;
}

ConfigReadResult parseDocument(const QByteArray &document)
{
    ConfigReadResult result;
    QXmlStreamReader reader(document);
    Level level = BeforeHeader;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Comment:
            if (level == BeforeHeader) {
                if (const auto error = checkHeader(reader.text())) {
                    result.error = *error;
                    return result;
                }
                level = InDocument;
            }
            break;
        case QXmlStreamReader::StartElement:
            level = enter(level, reader.name());
            if (level == InSafes && reader.name() == SafeElement) {
                const SafeEntry safe = readSafe(reader.attributes());
                if (const auto error = checkNumbers(safe, reader.lineNumber())) {
                    result.error = *error;
                    return result;
                }
                result.safes.append(safe);
                if (result.isForAnyDevice())
                    return result;
            }
            break;
        case QXmlStreamReader::EndElement:
            level = leave(level, reader.name());
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        result.error =
            importError(QCoreApplication::translate("DialogEdit", "Error on line %1 column %2.\n%3")
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber())
                            .arg(reader.errorString()));
    return result;
}
} // namespace

ConfigReadResult readConfigBytes(const QByteArray &bytes, bool encrypted)
{
    QByteArray document = encrypted ? ConfigStorage::cipher().decrypt(bytes) : bytes;
    const qsizetype end = document.indexOf('\0');
    if (end >= 0)
        document.truncate(end);
    return parseDocument(document);
}

ConfigReadResult readConfigFile(const QString &fileName)
{
    ConfigReadResult result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error.text =
            QCoreApplication::translate("DialogEdit", "Cannot open the file %1").arg(fileName);
        return result;
    }
    // Read one byte past the limit: sizes of special files cannot be trusted.
    const QByteArray bytes = file.read(MaxConfigFileSize + 1);
    if (bytes.size() > MaxConfigFileSize) {
        result.error.text = QCoreApplication::translate(
                                "DialogEdit", "The file %1 is larger than 1 MiB: it cannot be a "
                                              "configuration file.")
                                .arg(fileName);
        return result;
    }
    return readConfigBytes(bytes, !ConfigStorage::isPlain(fileName));
}
