#include "configreader.h"
#include "configstorage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <random>

namespace {
constexpr qint64 TimeBudgetMs = 60 * 1000;

QByteArray fixtureBytes(const char *name)
{
    QFile file(QStringLiteral(SCOUTEL_TEST_DATA "/config/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// XML-significant pieces, separated by '|'.
const QByteArrayList Tokens = QByteArray("<|>|\"|'|&|&amp;|&#0;|<!--|-->|/>|;|<safe |</safes>|"
                                         "<regions>|<![CDATA[|]]>|&e;|\xC3|\xFF\xFE|<?xml?>|"
                                         "mac_address=\"\" |<!DOCTYPE r [<!ENTITY e \"xx\">]>")
                                  .split('|');

// Deterministic damage: flips, insertions of XML-significant text, cuts and repeats.
class Mutator
{
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    QByteArray mutate(QByteArray bytes, qsizetype from = 0)
    {
        const int changes = 1 + below(4);
        for (int i = 0; i < changes && bytes.size() > from; ++i) {
            const qsizetype at = from + below(int(bytes.size() - from));
            switch (below(6)) {
            case 0:
                bytes[at] = char(bytes.at(at) ^ (1 << below(8)));
                break;
            case 1:
                bytes[at] = char(below(256));
                break;
            case 2:
                bytes.insert(at, Tokens.at(below(int(Tokens.size()))));
                break;
            case 3:
                bytes.remove(at, 1 + below(16));
                break;
            case 4:
                bytes.insert(at, bytes.mid(at, 1 + below(64)));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        return bytes;
    }

    int below(int bound) { return int(random() % unsigned(bound)); }

private:
    std::mt19937 random;
};

// Silences the cipher's warnings about damaged version bytes while fuzzing.
class QuietCipherWarnings
{
public:
    QuietCipherWarnings() { previous = qInstallMessageHandler(filter); }
    ~QuietCipherWarnings() { qInstallMessageHandler(previous); }
    QuietCipherWarnings(const QuietCipherWarnings &) = delete;
    QuietCipherWarnings &operator=(const QuietCipherWarnings &) = delete;

private:
    static void filter(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtWarningMsg && text == QStringLiteral("Invalid version or not a cyphertext."))
            return;
        previous(type, context, text);
    }
    static inline QtMessageHandler previous = nullptr;
};

// What must hold for any input, however damaged.
void checkConsistent(const ConfigReadResult &read)
{
    if (read.failed()) {
        QCOMPARE(read.error.title, QStringLiteral("XML import"));
    } else {
        QVERIFY(read.error.title.isEmpty());
    }
    if (read.isForAnyDevice())
        QCOMPARE(read.safes.size(), 1);
}

bool sameOutcome(const ConfigReadResult &a, const ConfigReadResult &b)
{
    if (a.error.text != b.error.text || a.safes.size() != b.safes.size())
        return false;
    for (qsizetype i = 0; i < a.safes.size(); ++i) {
        if (a.safes.at(i).attributes != b.safes.at(i).attributes)
            return false;
    }
    return true;
}
} // namespace

class TestConfigRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mutatedPlainDocuments()
    {
        const QList<QByteArray> seeds = {fixtureBytes("per-device.xml"),
                                         fixtureBytes("any-device.xml")};
        QVERIFY(!seeds.first().isEmpty());
        Mutator mutator(20240601u);
        QElapsedTimer timer;
        timer.start();
        int rounds = 0;
        int accepted = 0;
        for (; rounds < 12000 && timer.elapsed() < TimeBudgetMs; ++rounds) {
            const QByteArray bytes = mutator.mutate(seeds.at(rounds % seeds.size()));
            const ConfigReadResult read = readConfigBytes(bytes, false);
            checkConsistent(read);
            accepted += read.failed() ? 0 : 1;
        }
        QCOMPARE(rounds, 12000);
        qInfo("%d rounds in %lld ms, %d read without error", rounds, timer.elapsed(), accepted);
    }

    // An encrypted file reads exactly as its plain text does, whatever that text is.
    void mutatedDocumentsEncrypted()
    {
        const QByteArray seed = fixtureBytes("per-device.xml");
        Mutator mutator(777u);
        FileCipher cipher = ConfigStorage::cipher();
        const QuietCipherWarnings quiet;
        QElapsedTimer timer;
        timer.start();
        int rounds = 0;
        for (; rounds < 5000 && timer.elapsed() < TimeBudgetMs; ++rounds) {
            const QByteArray plain = mutator.mutate(seed);
            const ConfigReadResult read = readConfigBytes(cipher.encrypt(plain), true);
            checkConsistent(read);
            QVERIFY(sameOutcome(read, readConfigBytes(plain, false)));
        }
        QCOMPARE(rounds, 5000);
        qInfo("%d rounds in %lld ms", rounds, timer.elapsed());
    }

    // Damage behind the flags byte never gets past the digest.
    void mutatedCipherTexts()
    {
        const QByteArray good = ConfigStorage::cipher().encrypt(fixtureBytes("per-device.xml"));
        Mutator mutator(4242u);
        const QuietCipherWarnings quiet;
        QElapsedTimer timer;
        timer.start();
        int rounds = 0;
        for (; rounds < 5000 && timer.elapsed() < TimeBudgetMs; ++rounds) {
            const bool bodyOnly = rounds % 4 != 0;
            const QByteArray bytes = mutator.mutate(good, bodyOnly ? 2 : 0);
            const ConfigReadResult read = readConfigBytes(bytes, true);
            checkConsistent(read);
            if (bodyOnly && bytes != good)
                QVERIFY(read.failed());
        }
        QCOMPARE(rounds, 5000);
        qInfo("%d rounds in %lld ms", rounds, timer.elapsed());
    }
};

QTEST_GUILESS_MAIN(TestConfigRobustness)
#include "tst_configrobustness.moc"
