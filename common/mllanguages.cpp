// The language side of MlSettings: finding, applying and loading translations.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace {

QString catalogueStem()
{
    return QCoreApplication::applicationName().toLower() + QLatin1Char('_');
}

} // namespace

QString MlSettings::languagesPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
}

QStringList MlSettings::availableLanguages()
{
    const QString stem = catalogueStem();
    const QStringList names =
        QDir(languagesPath())
            .entryList(QStringList(stem + QStringLiteral("*.qm")), QDir::NoFilter, QDir::NoSort);
    QStringList codes;
    for (const QString &name : names) {
        // Cut by the stem's length, not at the first '_', so an application
        // name containing '_' still yields the whole code.
        codes.append(name.left(name.lastIndexOf(QLatin1Char('.'))).mid(stem.size()));
    }
    return codes;
}

QString MlSettings::systemLanguage()
{
    const QString name = QLocale::system().name();
    const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
    return cut < 0 ? QString() : name.left(cut);
}

QString MlSettings::currentLanguage() const
{
    return appliedLanguage;
}

bool MlSettings::setLanguage(const QString &code)
{
    if (code == appliedLanguage || code.isEmpty())
        return true;
    appliedLanguage = code;
    QLocale::setDefault(QLocale(code));
    const QString directory = languagesPath();
    const bool loaded =
        loadTranslator(appTranslator, catalogueStem() + code + QStringLiteral(".qm"), directory);
    loadTranslator(qtTranslator, QStringLiteral("qt_%1.qm").arg(code), directory);
    return loaded;
}

bool MlSettings::loadTranslator(QTranslator *translator, const QString &fileName,
                                const QString &directory)
{
    QCoreApplication::removeTranslator(translator);
    if (!translator->load(fileName, directory))
        return false;
    QCoreApplication::installTranslator(translator);
    return true;
}
