// Runs beside a "languages" folder of fixture catalogues (see CMakeLists.txt):
// scoutel_fr + qt_fr, scoutel_pt alone, scoutel_zh_TW, nothing for es.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QTest>

class TestLanguages : public QObject
{
    Q_OBJECT

    int languageChanges = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        languageChanges +=
            watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange;
        return false;
    }

private Q_SLOTS:
    void languagesBesideTheProgramAndSwitching()
    {
        // The program's text and the framework's, as the current catalogues give them.
        const auto shown = [] {
            return QStringList{QCoreApplication::translate("Scoutel", "Refresh"),
                               QCoreApplication::translate("QtFixture", "Cancel")};
        };
        MlSettings settings; // as the window does: construct, then name the application
        QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
        QStringList codes = MlSettings::availableLanguages();
        codes.sort();
        QCOMPARE(codes, QStringList({"fr", "pt", "zh_TW"}));
        QCOMPARE(MlSettings::systemLanguage(), QStringLiteral("pt")); // main() set pt_BR

        // Each switch replaces both catalogues; one that is missing leaves none behind.
        QCOMPARE(settings.currentLanguage(), QString());
        QVERIFY(settings.setLanguage(QStringLiteral("fr")));
        QCOMPARE(shown(), QStringList({"Actualiser", "Annuler"}));
        QCOMPARE(QLocale().name(), QStringLiteral("fr_FR"));
        // The same again, or none: nothing changes.
        QCoreApplication::instance()->installEventFilter(this);
        QVERIFY(settings.setLanguage(QStringLiteral("fr")));
        QVERIFY(settings.setLanguage(QString()));
        QCOMPARE(languageChanges, 0);
        QCOMPARE(settings.currentLanguage(), QStringLiteral("fr"));
        QVERIFY(settings.setLanguage(QStringLiteral("pt_BR")));  // region falls back to pt
        QCOMPARE(shown(), QStringList({"Atualizar", "Cancel"})); // there is no qt_pt
        QCOMPARE(QLocale().name(), QStringLiteral("pt_BR"));
        QVERIFY(!settings.setLanguage(QStringLiteral("es")));
        QCOMPARE(shown(), QStringList({"Refresh", "Cancel"}));
        QCOMPARE(settings.currentLanguage(), QStringLiteral("es"));
        QCOMPARE(QLocale().language(), QLocale::Spanish);
    }
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "pt_BR.UTF-8");
    QCoreApplication app(argc, argv);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
