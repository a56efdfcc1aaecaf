#pragma once

#include <QFile>
#include <QTest>

// The whole file, or nothing when it cannot be read.
inline QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// False when the file could not be written whole.
inline bool writeFileContent(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One data row ("kind", "fields") for each line of a known-answer file that is
// neither blank nor a comment; returns their count.
inline int addVectorRows(const QString &path)
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QList<QByteArray>>("fields");
    const QList<QByteArray> lines = fileContent(path).split('\n');
    int rows = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QList<QByteArray> fields = lines.at(i).trimmed().split(' ');
        if (fields.first().isEmpty() || fields.first().startsWith('#'))
            continue;
        const QByteArray kind = fields.takeFirst();
        QTest::addRow("line %d %s", i + 1, kind.constData()) << kind << fields;
        ++rows;
    }
    return rows;
}
