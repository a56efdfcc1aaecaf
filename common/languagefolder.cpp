#include "languagefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString LanguageFolder::find(const QString &programDirectory)
{
    const QString beside = programDirectory + QStringLiteral("/languages");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        QDir::cleanPath(programDirectory + QStringLiteral("/" SCOUTEL_INSTALLED_LANGUAGES));
    return QFileInfo(installed).isDir() ? installed : beside;
}

QString LanguageFolder::programDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Linux names the running program here; Qt reads the same link.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QStringList LanguageFolder::codes(const QString &folder, const QString &stem)
{
    const QStringList names = QDir(folder).entryList(QStringList(stem + QStringLiteral("*.qm")),
                                                     QDir::NoFilter, QDir::NoSort);
    QStringList found;
    for (const QString &name : names) {
        // Cut by the stem's length, not at the first '_', so an application
        // name containing '_' still yields the whole code.
        found.append(name.left(name.lastIndexOf(QLatin1Char('.'))).mid(stem.size()));
    }
    return found;
}
