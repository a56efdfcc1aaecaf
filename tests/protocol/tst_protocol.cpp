// The wire format without a socket: request cipher, request encoding and answer
// decoding, malformed datagrams included.
#include "fieldtags.h"
#include "packetcodec.h"
#include "packetwriter.h"
#include "requestcipher.h"
#include "testfiles.h"

#include <QTest>
#include <QtEndian>

#include <functional>
#include <vector>

namespace {
const QByteArray Mac = QByteArray::fromHex("001A2B3C4D5E");
const QByteArray Challenge = QByteArray::fromHex("0102030405060708");

quint16 sequenceOf(const QByteArray &packet)
{
    return qFromBigEndian<quint16>(packet.constData() + 4);
}

// An answer as a device sends it.
class Answer
{
public:
    explicit Answer(quint16 seq, quint16 cmd = Sctl::SearchAnswer) : sequence(seq), command(cmd) {}
    Answer &raw(quint8 tag, const QByteArray &value) { return writer.field(tag, value), *this; }
    Answer &u16(quint8 tag, quint16 v) { return writer.field16(tag, v), *this; }
    Answer &u32(quint8 tag, quint32 v) { return writer.field32(tag, v), *this; }
    QByteArray bytes()
    {
        writer.writeHeader(sequence, command, Mac, quint16(writer.payloadLength()));
        return writer.packet(writer.payloadLength());
    }

private:
    PacketWriter writer;
    quint16 sequence;
    quint16 command;
};

// Whose sequence number an answer carries.
constexpr int LastRequest = 0, EarlierRequest = 1, Cleared = 2, Foreign = 3;
} // namespace

class TestProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every line of the known-answer file, both ways.
    void cipherKnownAnswers_data()
    {
        QCOMPARE(addVectorRows(SCOUTEL_TEST_DATA "/vectors/request-cipher.txt"), 36);
    }

    void cipherKnownAnswers()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QList<QByteArray>, fields);
        QCOMPARE(fields.size(), kind == "crc8" || kind == "key" ? 2 : 3);
        const QByteArray password =
            fields[0] == "-" ? QByteArray() : QByteArray::fromHex(fields[0]);
        const QByteArray key = RequestCipher::keyFromPassword(password);
        QByteArray data = QByteArray::fromHex(fields[1]);
        const auto run = [&](bool encrypt) {
            if (kind == "block")
                RequestCipher::cipherBlock(reinterpret_cast<quint8 *>(data.data()),
                                           reinterpret_cast<const quint8 *>(key.constData()),
                                           encrypt);
            else
                RequestCipher::encryptPayload(data.data(), int(data.size()), key, encrypt);
            return data.toHex();
        };
        if (kind == "crc8") {
            QCOMPARE(QByteArray(1, char(RequestCipher::passwordChecksum(password))).toHex(),
                     fields[1]);
        } else if (kind == "key") {
            QCOMPARE(key.toHex(), fields[1]);
        } else {
            QVERIFY(kind == "block" || kind == "payload");
            QCOMPARE(run(true), fields[2]);
            QCOMPARE(run(false), fields[1]);
        }
    }

    // The header after the sequence number, and the payload as a device decrypts it;
    // no header: nothing is sent.
    void requests_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<ScoutelContainer>("record");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("plain");
        using D = ScoutelSharedData;
        const auto row = [](const char *name, int command, quint32 bits,
                            const std::function<void(D &)> &change, const QByteArray &header = {},
                            const QByteArray &plain = {}) {
            // A configuration record as every composer leaves it.
            ScoutelContainer r;
            r->mac = Mac;
            r->challenge = Challenge;
            r->password = QStringLiteral("secret");
            r->sendFields = bits | FieldApply;
            change(*r.data());
            QTest::newRow(name) << command << r << header << plain;
        };
        const QByteArray c = "5a08" + Challenge.toHex();
        const QByteArray apply = "5b04" + PacketCodec::confirmationValue().toHex();
        row(
            "search all", 1, 0, [](D &d) { d.mac.clear(); }, "0001ffffffffffff0000");
        // A name whose bit is clear is not looked at.
        row(
            "apply only, long name not sent", 3, 0, [](D &d) { d.name = QString(65, 'n'); },
            "0003001a2b3c4d5e0018", c + apply + QByteArray(16, '0'));
        // 24 bytes of fields: a whole block of fill follows.
        row(
            "whole fill block", 3, FieldIpAddress | FieldMainPort | FieldAuxPort,
            [](D &d) {
                d.sendFields &= ~quint32(FieldApply);
                d.ipAddress = QHostAddress(QStringLiteral("192.168.1.10"));
                d.mainPort = 1000;
                d.auxPort = 0x12345; // only the low 16 bits go on the wire
            },
            "0003001a2b3c4d5e0024", c + "0a04c0a8010a120203e813022345" + QByteArray(24, '0'));
        row("configure answer", 4, 0, [](D &) {});
        row("configure nothing", 3, 0, [](D &d) { d.mac.clear(); });
        row("search, 5-byte mac", 1, 0, [](D &d) { d.mac.chop(1); });
        row("5-byte mac", 3, 0, [](D &d) { d.mac.chop(1); });
        row("9-byte challenge", 3, 0, [](D &d) { d.challenge += '0'; });
        row("11-byte key", 3, FieldPublicKey, [](D &d) { d.publicKey = QByteArray(11, 'k'); });
        row("65-character name", 3, FieldName, [](D &d) { d.name = QString(65, 'n'); });
        row("new password not Latin-1", 3, FieldNewPassword,
            [](D &d) { d.newPassword = QStringLiteral("\u0100"); });
    }

    void requests()
    {
        QFETCH(int, command);
        QFETCH(ScoutelContainer, record);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, plain);
        PacketCodec codec;
        const QByteArray request =
            codec.buildRequest(command, record->mac.isEmpty() ? nullptr : &record);
        QCOMPARE(request.isEmpty(), header.isEmpty());
        if (header.isEmpty())
            return;
        QCOMPARE(request.left(4), QByteArray("SCTL"));
        QCOMPARE(request.mid(6, 10).toHex(), header);
        QByteArray payload = request.mid(Sctl::HeaderSize);
        RequestCipher::encryptPayload(payload.data(), int(payload.size()),
                                      RequestCipher::keyFromPassword("secret"), false);
        QCOMPARE(payload.toHex(), plain);
    }

    // Unknown tags, also those only requests carry, are skipped with a warning; zero fill
    // silently. Addresses, ports and session show end to end in tst_consolerun.
    void fullAnswerFieldByField()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        Answer answer(seq, Sctl::ConfigureAnswer);
        answer
            .raw(Tag::Result, QByteArray::fromHex("96")) // signed: -106
            .raw(99, "abc")
            .raw(Tag::PublicKey, QByteArray(12, 'k'))
            .raw(91, "")
            .raw(Tag::Fill, QByteArray(5, '\0'))
            .u16(Tag::Dhcp, 1)
            .raw(Tag::Name, QByteArray("Vault 7\0junk", 12)) // texts end at the first zero
            .raw(Tag::NewPassword, "")
            .u32(Tag::UpTime, 123456)
            .u32(Tag::StatusFlags, 0x81)
            .raw(Tag::HwName, "SK-\xe9") // Latin-1
            .raw(Tag::HwVersion, QByteArray::fromHex("02ff"))
            .raw(Tag::ProtocolVersion, QByteArray::fromHex("0103"))
            .raw(Tag::Challenge, Challenge);
        for (const quint8 bus : {66, 67, 68, 71, 72, 73, 76, 77, 78}) // three values per bus
            answer.u32(bus, 0xFFFFFF00u | bus);
        ScoutelContainer record;
        record->sendFields = FieldName; // cleared by every decode
        static QStringList messages;
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
        QCOMPARE(codec.decode(answer.bytes(), &record), 0);
        qInstallMessageHandler(nullptr);
        QCOMPARE(messages, QStringList({"Scoutel: unknown field 99 long 3",
                                        "Scoutel: unknown field 23 long 12",
                                        "Scoutel: unknown field 91 long 0"}));
        const ScoutelContainer &r = record;
        QCOMPARE(r->mac, Mac);
        QCOMPARE(r->challenge, Challenge);
        QCOMPARE(QStringList({r->name, r->newPassword, r->hwName}),
                 QStringList({"Vault 7", "", "SK-\u00e9"}));
        QCOMPARE(
            QList<qint64>({r->command, r->result, r->dhcp, r->upTime, r->statusFlags,
                           r->busOnewire[2], r->busRs485[1], r->busTcp[2], r->hwVersionMajor,
                           r->hwVersionMinor, r->protocolVersionMajor, r->protocolVersionMinor}),
            QList<qint64>(
                {4, -106, 1, 123456, 0x81, 0xFFFFFF44, 0xFFFFFF48, 0xFFFFFF4E, 2, 255, 1, 3}));
        QCOMPARE(r->presentFields, 0x3EC21u); // the bits of the fields above, no public key
        QCOMPARE(r->sendFields, 0u);
        QCOMPARE(codec.decode(answer.bytes(), nullptr), -200);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_DATA_NULL"));
    }

    // Every request stays outstanding until the sequences are cleared. A field that is
    // faulty ends decoding; main port 7 before it stays.
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<int>("answering"); // whose sequence number replaces bytes 4-5
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        const QByteArray good = Answer(0).u16(Tag::MainPort, 7).u16(Tag::AuxPort, 1).bytes();
        const auto faulty = [] { return Answer(0).u16(Tag::MainPort, 7); };
        const QString fieldLength = QStringLiteral("ERROR_IN_FIELD_LENGTH");
        QTest::newRow("last request") << good << LastRequest << 0 << QString();
        QTest::newRow("earlier request") << good << EarlierRequest << 0 << QString();
        QTest::newRow("cleared") << good << Cleared << -204 << "ERROR_IN_SEQUENCE";
        QByteArray badMagic = good;
        badMagic[0] = 'X';
        QTest::newRow("foreign sequence, bad magic too")
            << badMagic << Foreign << -204 << "ERROR_IN_SEQUENCE";
        QTest::newRow("length mismatch, bad magic too")
            << badMagic + QByteArray(1, '\0') << LastRequest << -201 << "ERROR_IN_LENGTH";
        QTest::newRow("bad magic") << badMagic << LastRequest << -202 << "ERROR_IN_HEAD";
        QTest::newRow("dhcp of 4 bytes") << faulty().u32(Tag::Dhcp, 1).u16(Tag::AuxPort, 8).bytes()
                                         << LastRequest << -203 << fieldLength;
        QTest::newRow("name of 65 bytes") << faulty().raw(Tag::Name, QByteArray(65, 'n')).bytes()
                                          << LastRequest << -203 << fieldLength;
        QByteArray pastTheEnd = faulty().raw(Tag::Name, "abcd").bytes();
        pastTheEnd[21] = char(40); // claims 40 bytes, 4 are there
        QTest::newRow("value past the end") << pastTheEnd << LastRequest << -203 << fieldLength;
        QByteArray loneTag = good;
        loneTag.chop(3); // a tag byte without its length byte
        loneTag[15] = char(loneTag.size() - 16);
        QTest::newRow("tag without length") << loneTag << LastRequest << -203 << fieldLength;
        for (int size = 0; size < 16; ++size) {
            const bool readable = size >= 6;
            QTest::addRow("%d bytes", size)
                << good.left(size) << LastRequest << (readable ? -201 : -204)
                << (readable ? "ERROR_IN_LENGTH" : "ERROR_IN_SEQUENCE");
        }
    }

    void decoding()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(int, answering);
        QFETCH(int, code);
        QFETCH(QString, name);
        PacketCodec codec;
        const quint16 earlier = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        const quint16 last = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        const quint16 foreign = quint16(last ^ (earlier == (last ^ 0x8000) ? 0x8001 : 0x8000));
        if (answering == Cleared)
            codec.clearSequences();
        if (datagram.size() >= 6)
            qToBigEndian(answering == EarlierRequest ? earlier
                         : answering == Foreign      ? foreign
                                                     : last,
                         datagram.data() + 4);
        ScoutelContainer record;
        record->sender = QHostAddress(QStringLiteral("10.1.1.1"));
        // An exact-size copy, so that the sanitizer sees any read past the end.
        std::vector<char> exact(datagram.begin(), datagram.end());
        QCOMPARE(
            codec.decode(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())), &record),
            code);
        QCOMPARE(codec.errorString(), name);
        QCOMPARE(record->sender, QHostAddress(QStringLiteral("10.1.1.1")));
        const bool read = code == 0 || code == -203;
        QCOMPARE(record->result, read ? 0 : -1);
        QCOMPARE(record->presentFields, code == 0 ? quint32(FieldMainPort | FieldAuxPort)
                                        : read    ? FieldMainPort
                                                  : 0u);
        QCOMPARE(record->mainPort, read ? 7 : 0);
        QCOMPARE(record->mac, read ? Mac : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
