// Runs beside a "languages" folder of fixture catalogues (see CMakeLists.txt):
// scoutel_fr + qt_fr, scoutel_pt alone, scoutel_zh_TW, nothing for es.
#include "mlsettings.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {
// The program's text and the framework's, as the current catalogues give them.
QStringList shown()
{
    return {QCoreApplication::translate("Scoutel", "Refresh"),
            QCoreApplication::translate("QtFixture", "Cancel")};
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
        count += watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange;
        return false;
    }
};
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languagesBesideTheProgramAndSwitching()
    {
        MlSettings settings; // as the window does: construct, then name the application
        QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
        QCOMPARE(MlSettings::languagesPath(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/languages"));
        QStringList codes = MlSettings::availableLanguages();
        codes.sort();
        QCOMPARE(codes, QStringList({"fr", "pt", "zh_TW"}));
        QCOMPARE(MlSettings::systemLanguage(), QStringLiteral("pt")); // main() set pt_BR

        // Each switch replaces both catalogues; one that is missing leaves none behind.
        QCOMPARE(settings.currentLanguage(), QString());
        QVERIFY(settings.setLanguage(QStringLiteral("fr")));
        QCOMPARE(shown(), QStringList({"Actualiser", "Annuler"}));
        QCOMPARE(QLocale().name(), QStringLiteral("fr_FR"));
        {
            LanguageChangeCounter changes; // the same again, or none: nothing changes
            QVERIFY(settings.setLanguage(QStringLiteral("fr")));
            QVERIFY(settings.setLanguage(QString()));
            QCOMPARE(changes.count, 0);
            QCOMPARE(settings.currentLanguage(), QStringLiteral("fr"));
        }
        LanguageChangeCounter changes;
        QVERIFY(settings.setLanguage(QStringLiteral("pt_BR"))); // region falls back to pt
        QVERIFY(changes.count > 0);
        QCOMPARE(shown(), QStringList({"Atualizar", "Cancel"})); // there is no qt_pt
        QCOMPARE(QLocale().name(), QStringLiteral("pt_BR"));
        QVERIFY(!settings.setLanguage(QStringLiteral("es")));
        QCOMPARE(shown(), QStringList({"Refresh", "Cancel"}));
        QCOMPARE(settings.currentLanguage(), QStringLiteral("es"));
        QCOMPARE(QLocale().language(), QLocale::Spanish);

        QTranslator translator;
        const QString folder = MlSettings::languagesPath();
        QVERIFY(MlSettings::loadTranslator(&translator, "scoutel_zh_TW.qm", folder));
        QCOMPARE(shown().first(), QStringLiteral("重新整理"));
        QVERIFY(!MlSettings::loadTranslator(&translator, "scoutel_es.qm", folder));
        QCOMPARE(shown().first(), QStringLiteral("Refresh"));
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
