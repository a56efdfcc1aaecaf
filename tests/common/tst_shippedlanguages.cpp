// The catalogues and flags that the build places in "languages" beside the program.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTest>

class TestShippedLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The catalogues are named after the application.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Scoutel")); }

    void everyLanguageHasItsFlag()
    {
        QStringList codes = settings.availableLanguages();
        codes.sort();
        QCOMPARE(codes, QStringList({"de", "it"}));
        for (const QString &code : std::as_const(codes)) {
            const QImage flag(settings.languagesPath() + QLatin1Char('/') + code +
                              QStringLiteral(".png"));
            QVERIFY2(!flag.isNull(), qPrintable(code));
        }
    }

    void catalogueTranslates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("wrongPassword");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("it") << "it"
                            << "password errata"
                            << "Annulla";
        QTest::newRow("de") << "de"
                            << "falsches Passwort"
                            << "Abbrechen";
    }

    void catalogueTranslates()
    {
        QFETCH(QString, code);
        QFETCH(QString, wrongPassword);
        QFETCH(QString, cancel);
        QVERIFY(settings.setLanguage(code));
        QCOMPARE(QCoreApplication::translate("ScoutelSharedData", "wrong password"), wrongPassword);

        // The framework's catalogue ships whenever Debian's package provides it.
        if (!QFile::exists(QStringLiteral(SCOUTEL_QT_CATALOGUES "/qt_%1.qm").arg(code)))
            QSKIP("the framework's catalogues are not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }

private:
    MlSettings settings;
};

QTEST_GUILESS_MAIN(TestShippedLanguages)
#include "tst_shippedlanguages.moc"
