// Where the catalogues are found, in a build tree and in an installed tree.
#include "languagefolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestLanguageFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << true << false << "usr/bin/languages";
        QTest::newRow("installed") << false << true << "usr/share/scoutel/languages";
        QTest::newRow("beside wins") << true << true << "usr/bin/languages";
        QTest::newRow("neither") << false << false << "usr/bin/languages";
    }

    void find()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QDir tree(root.path());
        QVERIFY(tree.mkpath(QStringLiteral("usr/bin")));
        QVERIFY(!beside || tree.mkpath(QStringLiteral("usr/bin/languages")));
        QVERIFY(!installed || tree.mkpath(QStringLiteral("usr/share/scoutel/languages")));
        QCOMPARE(LanguageFolder::find(tree.filePath(QStringLiteral("usr/bin"))),
                 tree.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestLanguageFolder)
#include "tst_languagefolder.moc"
