// Runs beside a "languages" folder of fixture catalogues (see CMakeLists.txt):
// scoutel_fr + qt_fr, scoutel_pt alone, scoutel_zh_TW, nothing for es.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

QString appText()
{
    return QCoreApplication::translate("Scoutel", "Refresh");
}

QString frameworkText()
{
    return QCoreApplication::translate("QtFixture", "Cancel");
}

// Counts the language changes the application object is told about.
class LanguageChangeCounter : public QObject
{
public:
    LanguageChangeCounter() { QCoreApplication::instance()->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        settings = std::make_unique<MlSettings>();
        QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
    }

    void languagesBesideTheProgram()
    {
        QCOMPARE(settings->languagesPath(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/languages"));
        QStringList codes = settings->availableLanguages();
        codes.sort();
        QCOMPARE(codes, QStringList({"fr", "pt", "zh_TW"}));
        // main() set LC_ALL to pt_BR.
        QCOMPARE(settings->systemLanguage(), QStringLiteral("pt"));
    }

    void applyingTranslatesBothCatalogues()
    {
        QCOMPARE(settings->currentLanguage(), QString());
        QVERIFY(settings->setLanguage(QStringLiteral("fr")));
        QCOMPARE(appText(), QStringLiteral("Actualiser"));
        QCOMPARE(frameworkText(), QStringLiteral("Annuler"));
        QCOMPARE(QLocale().name(), QStringLiteral("fr_FR"));

        LanguageChangeCounter changes;
        QVERIFY(settings->setLanguage(QStringLiteral("fr")));
        QVERIFY(settings->setLanguage(QString()));
        QCOMPARE(changes.count, 0);
        QCOMPARE(settings->currentLanguage(), QStringLiteral("fr"));
        QCOMPARE(appText(), QStringLiteral("Actualiser"));
    }

    void regionFallsBackToLanguage()
    {
        QVERIFY(settings->setLanguage(QStringLiteral("fr")));
        LanguageChangeCounter changes;
        QVERIFY(settings->setLanguage(QStringLiteral("pt_BR")));
        QVERIFY(changes.count > 0);
        QCOMPARE(settings->currentLanguage(), QStringLiteral("pt_BR"));
        QCOMPARE(appText(), QStringLiteral("Atualizar"));
        // There is no qt_pt: the French framework catalogue must not linger.
        QCOMPARE(frameworkText(), QStringLiteral("Cancel"));
        QCOMPARE(QLocale().name(), QStringLiteral("pt_BR"));
    }

    void missingCatalogueReturnsToSource()
    {
        QVERIFY(settings->setLanguage(QStringLiteral("fr")));
        QVERIFY(!settings->setLanguage(QStringLiteral("es")));
        QCOMPARE(appText(), QStringLiteral("Refresh"));
        QCOMPARE(frameworkText(), QStringLiteral("Cancel"));
        // The choice is still recorded and the locale still follows it.
        QCOMPARE(settings->currentLanguage(), QStringLiteral("es"));
        QCOMPARE(QLocale().language(), QLocale::Spanish);
    }

    void loadTranslatorInstallsOnlyOnSuccess()
    {
        QTranslator translator;
        const QString folder = settings->languagesPath();
        QVERIFY(
            MlSettings::loadTranslator(&translator, QStringLiteral("scoutel_zh_TW.qm"), folder));
        QCOMPARE(appText(), QStringLiteral("重新整理"));
        QVERIFY(!MlSettings::loadTranslator(&translator, QStringLiteral("scoutel_es.qm"), folder));
        QCOMPARE(appText(), QStringLiteral("Refresh"));
    }

private:
    std::unique_ptr<MlSettings> settings;
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "pt_BR.UTF-8");
    QCoreApplication app(argc, argv);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
