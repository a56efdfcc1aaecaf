// The committed catalogues must match the sources: every text present and
// translated, none stale, placeholders kept. lupdate runs over copies, which
// must come out unchanged; the committed files stay untouched.
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QSet<QString> found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured(1));
    return found;
}

// What is wrong with the messages of a catalogue written by lupdate.
QStringList problemsIn(const QString &catalogue)
{
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList problems;
    for (auto match = message.globalMatch(catalogue); match.hasNext();) {
        const auto found = match.next();
        const QString source = found.captured(1).section('\n', 0, 0).left(70);
        if (found.captured(2).contains(QLatin1String("vanished")) ||
            found.captured(2).contains(QLatin1String("obsolete")))
            continue;
        // A text with %n has its plural forms inside: each must be there.
        if (!found.captured(2).isEmpty() || found.captured(3).isEmpty() ||
            found.captured(3).contains(QLatin1String("<numerusform></numerusform>")))
            problems << QStringLiteral("unfinished: ") + source;
        else if (placeholders(found.captured(3)) != placeholders(found.captured(1)))
            problems << QStringLiteral("placeholders differ: ") + source;
    }
    return problems;
}
} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

    QTemporaryDir refreshed;

private Q_SLOTS:
    void initTestCase()
    {
        const QDir committed(QStringLiteral(SCOUTEL_CATALOGUE_DIR));
        const QStringList names = committed.entryList({QStringLiteral("scoutel_*.ts")});
        QVERIFY2(!names.isEmpty(), SCOUTEL_CATALOGUE_DIR);
        for (const QString &name : names)
            QVERIFY(QFile::copy(committed.filePath(name), refreshed.filePath(name)));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedChannels);
        lupdate.start(QStringLiteral(SCOUTEL_CMAKE),
                      {QStringLiteral("-DLUPDATE=" SCOUTEL_LUPDATE),
                       QStringLiteral("-DSOURCE_ROOT=" SCOUTEL_SOURCE_ROOT),
                       QStringLiteral("-DCATALOGUE_DIR=") + refreshed.path(), QStringLiteral("-P"),
                       committed.filePath(QStringLiteral("lupdate.cmake"))});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
    }
    void cataloguesMatchSources()
    {
        QStringList problems;
        for (const QString &name : QDir(refreshed.path()).entryList({QStringLiteral("*.ts")})) {
            const QByteArray current = fileContent(refreshed.filePath(name));
            for (const QString &problem : problemsIn(QString::fromUtf8(current)))
                problems << name + ": " + problem;
            if (current != fileContent(QStringLiteral(SCOUTEL_CATALOGUE_DIR "/") + name))
                problems << name + ": lupdate rewrites the catalogue";
        }
        for (const QString &problem : std::as_const(problems))
            qWarning().noquote() << problem;
        QVERIFY2(problems.isEmpty(),
                 "run: cmake --build <build dir> --target update_translations, then translate");
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
