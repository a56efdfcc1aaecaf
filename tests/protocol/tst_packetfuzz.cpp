// Random and mutated datagrams through the decoder: it must never read past a
// datagram, never crash, and answer with one of its documented codes.
#include "fieldtags.h"
#include "packetcodec.h"
#include "packetwriter.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include <vector>

namespace {
constexpr int Rounds = 120000;

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

struct TagSpec
{
    quint8 tag;
    int length; // -1: text of 0 to 64 bytes
};

const TagSpec acceptedTags[] = {
    {1, 1},  {10, 4},  {11, 4},  {12, 4}, {13, 4}, {17, 2},  {18, 2}, {19, 2}, {29, 2},
    {20, 2}, {21, -1}, {22, -1}, {60, 4}, {61, 4}, {66, 4},  {67, 4}, {68, 4}, {71, 4},
    {72, 4}, {73, 4},  {76, 4},  {77, 4}, {78, 4}, {80, -1}, {81, 2}, {82, 2}, {90, 8},
};

class Fuzzer
{
public:
    explicit Fuzzer(quint16 sequence) : seq(sequence), random(20261206) {}

    QByteArray next()
    {
        switch (random.bounded(6)) {
        case 0:
            return noise();
        case 1:
            return truncated();
        case 2:
            return wrongLengthField();
        case 3:
            return wrongTagLength();
        case 4:
            return pastTheEnd();
        default:
            return flipped();
        }
    }

private:
    int bounded(int n) { return int(random.bounded(n)); }

    QByteArray validAnswer()
    {
        PacketWriter w;
        const int fields = bounded(30);
        for (int i = 0; i < fields; ++i) {
            const TagSpec &chosen = acceptedTags[bounded(int(std::size(acceptedTags)))];
            const int length = chosen.length < 0 ? bounded(65) : chosen.length;
            w.field(chosen.tag, randomBytes(length));
        }
        w.writeHeader(seq, quint16(bounded(5)), randomBytes(6), quint16(w.payloadLength()));
        return w.packet(w.payloadLength());
    }

    QByteArray randomBytes(int n)
    {
        QByteArray bytes(n, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(bounded(256));
        return bytes;
    }

    QByteArray noise()
    {
        QByteArray bytes = randomBytes(bounded(bounded(8) == 0 ? 65536 : 64));
        if (bytes.size() >= 6 && bounded(2))
            qToBigEndian(seq, bytes.data() + 4);
        return bytes;
    }

    QByteArray truncated() { return validAnswer().left(bounded(200)); }

    QByteArray wrongLengthField()
    {
        QByteArray bytes = validAnswer();
        qToBigEndian(quint16(bounded(65536)), bytes.data() + 14);
        return bytes;
    }

    QByteArray wrongTagLength()
    {
        const TagSpec &chosen = acceptedTags[bounded(int(std::size(acceptedTags)))];
        QByteArray bytes = validAnswer();
        const int length = bounded(256);
        bytes += char(chosen.tag);
        bytes += char(length);
        bytes += randomBytes(length);
        qToBigEndian(quint16(bytes.size() - 16), bytes.data() + 14);
        return bytes;
    }

    QByteArray pastTheEnd()
    {
        QByteArray bytes = validAnswer();
        bytes += char(bounded(256));
        if (bounded(2))
            bytes += char(1 + bounded(255));
        qToBigEndian(quint16(bytes.size() - 16), bytes.data() + 14);
        return bytes;
    }

    QByteArray flipped()
    {
        QByteArray bytes = validAnswer();
        const int flips = 1 + bounded(4);
        for (int i = 0; i < flips; ++i) {
            // Mostly the payload, now and then the magic.
            const int at = bounded(4) == 0 ? bounded(4) : 16 + bounded(int(bytes.size()) - 15);
            if (at < bytes.size())
                bytes[at] = char(bounded(256));
        }
        return bytes;
    }

    quint16 seq;
    QRandomGenerator random;
};
} // namespace

class TestPacketFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileDatagrams()
    {
        PacketCodec codec;
        const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
        Fuzzer fuzzer(qFromBigEndian<quint16>(request.constData() + 4));
        const QtMessageHandler previous = qInstallMessageHandler(quiet);
        QMap<int, int> counts;
        for (int i = 0; i < Rounds; ++i) {
            const QByteArray datagram = fuzzer.next();
            // An exact-size copy: any read past its end trips the address sanitizer.
            std::vector<char> exact(datagram.begin(), datagram.end());
            ScoutelContainer record;
            const int code = codec.decode(
                QByteArray::fromRawData(exact.data(), qsizetype(exact.size())), &record);
            ++counts[code];
            const ScoutelContainer &r = record;
            if (code == 0 || code == -203) {
                QVERIFY(r->name.size() <= Sctl::MaxTextLength);
                QVERIFY(r->hwName.size() <= Sctl::MaxTextLength);
                QVERIFY(r->mac.size() == Sctl::MacSize);
                QVERIFY(r->challenge.isEmpty() || r->challenge.size() == Sctl::ChallengeSize);
            } else {
                QCOMPARE(r->presentFields, 0u);
                QCOMPARE(r->result, -1);
            }
        }
        qInstallMessageHandler(previous);
        const QList<int> expected = {0, -201, -202, -203, -204};
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            QVERIFY2(expected.contains(it.key()), qPrintable(QString::number(it.key())));
        // Every path of the decoder was reached.
        for (const int code : expected)
            QVERIFY2(counts.value(code) > 100, qPrintable(QString::number(code)));
    }
};

QTEST_GUILESS_MAIN(TestPacketFuzz)
#include "tst_packetfuzz.moc"
