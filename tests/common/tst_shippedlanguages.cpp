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
    void everyLanguageHasItsFlagAndTranslates()
    {
        MlSettings settings; // as the window does: construct, then name the application
        QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
        QStringList codes = settings.availableLanguages();
        codes.sort();
        QCOMPARE(codes, QStringList({"de", "en", "it"}));
        const QStringList expected{"falsches Passwort", "Abbrechen", "wrong password", "Cancel",
                                   "password errata",   "Annulla"};
        for (int i = 0; i < codes.size(); ++i) {
            const QString &code = codes.at(i);
            QVERIFY(!QImage(settings.languagesPath() + '/' + code + ".png").isNull());
            QVERIFY(settings.setLanguage(code));
            QCOMPARE(QCoreApplication::translate("ScoutelSharedData", "wrong password"),
                     expected.at(2 * i));
            // The framework's catalogue ships whenever Debian's package provides it.
            if (QFile::exists(QStringLiteral(SCOUTEL_QT_CATALOGUES "/qt_%1.qm").arg(code)))
                QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                         expected.at(2 * i + 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedLanguages)
#include "tst_shippedlanguages.moc"
