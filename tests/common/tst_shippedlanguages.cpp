// The catalogues and flags that the build places in "languages" beside the program.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTest>

#include <memory>

class TestShippedLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLanguageHasItsFlag();
    void catalogueTranslates_data();
    void catalogueTranslates();

private:
    std::unique_ptr<MlSettings> settings;
};

void TestShippedLanguages::initTestCase()
{
    settings = std::make_unique<MlSettings>();
    QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
}

void TestShippedLanguages::everyLanguageHasItsFlag()
{
    QStringList codes = settings->availableLanguages();
    codes.sort();
    QCOMPARE(codes, QStringList({"de", "it"}));
    for (const QString &code : std::as_const(codes)) {
        const QImage flag(settings->languagesPath() + QLatin1Char('/') + code +
                          QStringLiteral(".png"));
        QVERIFY2(!flag.isNull(), qPrintable(code));
    }
}

void TestShippedLanguages::catalogueTranslates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("wrongPassword");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("it") << QStringLiteral("it") << QStringLiteral("password errata")
                        << QStringLiteral("Annulla");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("falsches Passwort")
                        << QStringLiteral("Abbrechen");
}

void TestShippedLanguages::catalogueTranslates()
{
    QFETCH(QString, code);
    QFETCH(QString, wrongPassword);
    QFETCH(QString, cancel);
    QVERIFY(settings->setLanguage(code));
    QCOMPARE(QCoreApplication::translate("ScoutelSharedData", "wrong password"), wrongPassword);

    // The framework's catalogue ships whenever Debian's package provides it.
    if (!QFile::exists(QStringLiteral(SCOUTEL_QT_CATALOGUES "/qt_%1.qm").arg(code)))
        QSKIP("the framework's catalogues are not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

QTEST_GUILESS_MAIN(TestShippedLanguages)
#include "tst_shippedlanguages.moc"
