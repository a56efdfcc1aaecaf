// The language side of MlSettings: finding, applying and loading translations.
#include "languagefolder.h"
#include "mlsettings.h"

#include <QCoreApplication>
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
    return LanguageFolder::find(QCoreApplication::applicationDirPath());
}

QStringList MlSettings::availableLanguages()
{
    return LanguageFolder::codes(languagesPath(), catalogueStem());
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
