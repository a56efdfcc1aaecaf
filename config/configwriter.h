#pragma once

#include <QString>
#include <QXmlStreamAttributes>

enum class ConfigWriteResult {
    Written,
    UnwritableText, // a value holds characters that XML cannot carry
    FileError,      // the file could not be created or written; any earlier file is intact
};

// Writes a configuration document with one safe per entry of safes, each carrying its
// attributes in their order, to fileName: plain for ".xml" names, encrypted otherwise. The earlier
// file is replaced only once the new one is completely written and keeps its mode; a new file is
// readable by its owner only.
ConfigWriteResult writeConfigFile(const QString &fileName,
                                  const QList<QXmlStreamAttributes> &safes);
