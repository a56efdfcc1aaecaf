// The committed catalogues must match the sources: every text the program
// shows is present and translated, none is stale, and each translation keeps
// the placeholders of its source. The check runs lupdate over copies, so the
// committed files stay untouched. To fix a failure:
//   cmake --build <build dir> --target update_translations
// then translate what is unfinished in resources/translations/*.ts.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString context;
    QString source;
    QString comment;
    QString type;
    QStringList translations; // one, or one per plural form
};

using Catalogue = QHash<QString, Entry>;

QString keyOf(const Entry &entry)
{
    return entry.context + QChar(0x1F) + entry.source + QChar(0x1F) + entry.comment;
}

QString readCatalogue(const QString &path, Catalogue *catalogue)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            catalogue->insert(keyOf(entry), entry);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry();
            entry.context = context;
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!plural)
                entry.translations.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            entry.translations.append(xml.readElementText());
        }
    }
    return xml.hasError() ? xml.errorString() : QString();
}

// Long texts are known by the start of their first line.
QString describe(const Entry &entry)
{
    return QStringLiteral("[%1] \"%2\"")
        .arg(entry.context, entry.source.section(QLatin1Char('\n'), 0, 0).left(70));
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+)"));
    QSet<QString> found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured(1));
    return found;
}

QSet<QString> activeKeys(const Catalogue &catalogue)
{
    QSet<QString> keys;
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        if (it->type != QLatin1String("vanished") && it->type != QLatin1String("obsolete"))
            keys.insert(it.key());
    }
    return keys;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(refreshed.isValid());
        const QDir committed(QStringLiteral(SCOUTEL_CATALOGUE_DIR));
        const QStringList names =
            committed.entryList({QStringLiteral("scoutel_*.ts")}, QDir::Files);
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
        QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lupdate.exitCode(), 0);
    }
    void catalogueMatchesSources_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(refreshed.path()).entryList({QStringLiteral("*.ts")});
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void catalogueMatchesSources()
    {
        QFETCH(QString, name);
        Catalogue committed;
        Catalogue current;
        const QString committedError =
            readCatalogue(QStringLiteral(SCOUTEL_CATALOGUE_DIR "/") + name, &committed);
        QVERIFY2(committedError.isEmpty(), qPrintable(committedError));
        const QString currentError = readCatalogue(QDir(refreshed.path()).filePath(name), &current);
        QVERIFY2(currentError.isEmpty(), qPrintable(currentError));

        QStringList problems;
        const QSet<QString> used = activeKeys(current);
        const QSet<QString> listed = activeKeys(committed);
        for (const QString &key : used - listed)
            problems.append(QStringLiteral("missing from the catalogue: ") +
                            describe(current.value(key)));
        for (const QString &key : listed - used)
            problems.append(QStringLiteral("no longer in the sources: ") +
                            describe(committed.value(key)));
        for (const QString &key : used) {
            const Entry entry = current.value(key);
            if (entry.type == QLatin1String("unfinished") || entry.translations.isEmpty() ||
                entry.translations.contains(QString())) {
                problems.append(QStringLiteral("unfinished: ") + describe(entry));
                continue;
            }
            for (const QString &translation : entry.translations) {
                if (placeholders(translation) != placeholders(entry.source)) {
                    problems.append(QStringLiteral("placeholders differ: ") + describe(entry));
                    break;
                }
            }
        }
        problems.sort();
        for (const QString &problem : std::as_const(problems))
            qWarning().noquote() << name << problem;
        QVERIFY2(problems.isEmpty(),
                 "run: cmake --build <build dir> --target update_translations, then translate");
    }

private:
    QTemporaryDir refreshed;
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
