#include "configwriter.h"

#include "configstorage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {
const QString PlainTag = QStringLiteral("SCXMPL");
const QString EncryptedTag = QStringLiteral("SCXMCR");
const QString FormatVersion = QStringLiteral("1");

// Seconds since the epoch times eight plus a random 0..7, wrapping at 32 bits.
quint32 newFileStamp()
{
    const quint32 seconds = quint32(QDateTime::currentSecsSinceEpoch());
    return seconds * 8u + QRandomGenerator::global()->bounded(8u);
}

// False when a value cannot be written as XML (the writer then drops text silently).
bool buildDocument(const QString &typeTag, const QList<QXmlStreamAttributes> &safes,
                   QByteArray &document)
{
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeComment(
        QStringLiteral("%1;%2;%3").arg(typeTag, FormatVersion, QString::number(newFileStamp())));
    writer.writeStartElement(QStringLiteral("regions"));
    writer.writeStartElement(QStringLiteral("branches"));
    writer.writeStartElement(QStringLiteral("safes"));
    for (const QXmlStreamAttributes &safe : safes) {
        writer.writeEmptyElement(QStringLiteral("safe"));
        writer.writeAttributes(safe);
    }
    writer.writeEndDocument();
    return !writer.hasError();
}
} // namespace

ConfigWriteResult writeConfigFile(const QString &fileName, const QList<QXmlStreamAttributes> &safes)
{
    const bool plain = ConfigStorage::isPlain(fileName);
    QByteArray document;
    if (!buildDocument(plain ? PlainTag : EncryptedTag, safes, document))
        return ConfigWriteResult::UnwritableText;
    if (!plain)
        document = ConfigStorage::cipher().encrypt(document);

    // A new file holds the password, in clear or behind a key any copy of the program
    // has: only its owner may read it. An existing file keeps its mode (QSaveFile copies it).
    const bool ownerOnly = !QFileInfo::exists(fileName);
    // Flushed by hand: Qt's commit() does not notice a short write (full disk, size limit).
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ||
        file.write(document) != document.size() || !file.flush() || !file.commit())
        return ConfigWriteResult::FileError;
    return ConfigWriteResult::Written;
}
