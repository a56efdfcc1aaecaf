// scoutel-fuzzdict sctl|config OUTPUT: writes a fuzzer's dictionary, the words
// it needs to reach deep into a reader: for datagrams every tag with its
// lengths, for configuration files every name the program's own writer puts.
#include "configwriter.h"
#include "fieldtable.h"
#include "packetcodec.h"
#include "safeattributes.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {
// A dictionary entry: printable ASCII as it is, every other byte escaped.
QByteArray entry(const QByteArray &word)
{
    QByteArray quoted = "\"";
    for (const char c : word) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            quoted += c;
        else
            quoted += "\\x" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
    }
    return quoted + "\"\n";
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int value : values)
        out += char(value);
    return out;
}

QList<QByteArray> sctlWords()
{
    QList<QByteArray> words{"SCTL", PacketCodec::confirmationValue()};
    for (const int command : {Sctl::SearchAnswer, Sctl::ConfigureAnswer})
        words << bytes({0, command});
    for (int tag = 1; tag < 256; ++tag) {
        const FieldTable::Field *field = FieldTable::forTag(quint8(tag));
        if (!field)
            continue;
        words << bytes({tag, field->size});
        // Texts at their limit, and just over it.
        if (field->kind == FieldTable::Kind::Text)
            words << bytes({tag, field->size + 1});
    }
    return words;
}

// Element names, attribute names and header words of a file the program writes.
QList<QByteArray> configWords(const QString &scratchFile)
{
    QXmlStreamAttributes safe;
    safe.append(SafeAttribute::MacAddress, QStringLiteral("001122334455"));
    safe.append(SafeAttribute::Password, QString());
    for (const FieldTable::Field *field : FieldTable::fileFields())
        safe.append(QLatin1String(field->attribute), SafeAttribute::True);
    if (writeConfigFile(scratchFile, {safe}) != ConfigWriteResult::Written)
        return {};
    QFile file(scratchFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> words{SafeAttribute::True.toUtf8(), SafeAttribute::False.toUtf8()};
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isComment()) {
            for (const QStringView part : reader.text().split(u';').mid(0, 2))
                words << part.toUtf8() + ';';
        } else if (reader.isStartElement()) {
            words << '<' + reader.name().toUtf8() << "</" + reader.name().toUtf8() + '>';
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                words << ' ' + attribute.name().toUtf8() + "=\"";
        }
    }
    return reader.hasError() ? QList<QByteArray>() : words;
}

bool writeDictionary(const QString &path, const QList<QByteArray> &words)
{
    QSaveFile out(path);
    if (words.isEmpty() || !out.open(QIODevice::WriteOnly))
        return false;
    QSet<QByteArray> written;
    for (const QByteArray &word : words) {
        if (!written.contains(word))
            out.write(entry(word));
        written.insert(word);
    }
    return out.commit();
}
} // namespace

int main(int argc, char **argv)
{
    const QByteArray kind = argc == 3 ? QByteArray(argv[1]) : QByteArray();
    if (kind != "sctl" && kind != "config") {
        qWarning("usage: scoutel-fuzzdict sctl|config OUTPUT");
        return 2;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QList<QByteArray> words =
        kind == "sctl" ? sctlWords() : configWords(scratch.filePath(QStringLiteral("words.xml")));
    return writeDictionary(QFile::decodeName(argv[2]), words) ? 0 : 1;
}
