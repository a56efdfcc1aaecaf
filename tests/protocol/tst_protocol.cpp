// The wire format without a socket: request cipher, request encoding, answer
// decoding (hostile datagrams included) and the texts of result codes.
#include "fieldtags.h"
#include "packetcodec.h"
#include "packetwriter.h"
#include "requestcipher.h"
#include "testfiles.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include <vector>

namespace {
const QByteArray Mac = QByteArray::fromHex("001A2B3C4D5E");
const QByteArray Challenge = QByteArray::fromHex("0102030405060708");
const QByteArray Conf = PacketCodec::confirmationValue().toHex();

quint16 sequenceOf(const QByteArray &packet)
{
    return qFromBigEndian<quint16>(packet.constData() + 4);
}

QStringList messages;
void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages.append(text);
}

// Decodes into a record through an exact-size copy, so that the sanitizer sees
// any read past the end; debug messages go to `messages`.
int decodeExact(PacketCodec &codec, const QByteArray &datagram, ScoutelContainer *record)
{
    std::vector<char> exact(datagram.begin(), datagram.end());
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    const int code =
        codec.decode(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())), record);
    qInstallMessageHandler(previous);
    return code;
}

// A configuration record as every composer leaves it: target MAC, challenge, apply bit.
ScoutelContainer configuration(quint32 bits, const QString &password = QStringLiteral("secret"))
{
    ScoutelContainer r;
    r->mac = Mac;
    r->challenge = Challenge;
    r->password = password;
    r->sendFields = bits | FieldApply;
    return r;
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

// Datagrams built from valid answers and then damaged, or plain noise.
class Fuzzer
{
public:
    explicit Fuzzer(quint16 sequence) : seq(sequence), random(20261206) {}

    QByteArray next()
    {
        PacketWriter w;
        for (int i = bounded(30); i > 0; --i)
            w.field(tag(), randomBytes(bounded(65)));
        w.writeHeader(seq, quint16(bounded(5)), randomBytes(6), quint16(w.payloadLength()));
        QByteArray bytes = w.packet(w.payloadLength());
        switch (bounded(5)) {
        case 0: // noise, now and then with our sequence number
            bytes = randomBytes(bounded(bounded(8) == 0 ? 65536 : 64));
            if (bytes.size() >= 6 && bounded(2))
                qToBigEndian(seq, bytes.data() + 4);
            return bytes;
        case 1:
            return bytes.left(bounded(200));
        case 2: // a wrong length field
            qToBigEndian(quint16(bounded(65536)), bytes.data() + 14);
            return bytes;
        case 3: // a known tag at the end, with a value of any length or none
            bytes += char(tag()) + randomBytes(bounded(3));
            qToBigEndian(quint16(bytes.size() - 16), bytes.data() + 14);
            return bytes;
        default: // a few bytes changed, mostly in the payload
            for (int i = 1 + bounded(4); i > 0; --i) {
                const int at = bounded(4) == 0 ? bounded(4) : 16 + bounded(int(bytes.size()) - 15);
                if (at < bytes.size())
                    bytes[at] = char(bounded(256));
            }
            return bytes;
        }
    }

private:
    int bounded(int n) { return int(random.bounded(n)); }
    quint8 tag()
    {
        static constexpr quint8 tags[] = {1,  10, 11, 12, 13, 17, 18, 19, 29, 20, 21, 22, 60, 61,
                                          66, 67, 68, 71, 72, 73, 76, 77, 78, 80, 81, 82, 90};
        return tags[bounded(int(std::size(tags)))];
    }
    QByteArray randomBytes(int n)
    {
        QByteArray bytes(n, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(bounded(256));
        return bytes;
    }

    quint16 seq;
    QRandomGenerator random;
};
} // namespace

class TestProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every line of the known-answer file is reproduced, both ways.
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
        if (kind == "crc8") {
            QCOMPARE(RequestCipher::passwordChecksum(password),
                     quint8(fields[1].toUInt(nullptr, 16)));
        } else if (kind == "key") {
            QCOMPARE(key.toHex(), fields[1]);
        } else if (kind == "block") {
            const QByteArray keyBefore = key;
            QByteArray block = QByteArray::fromHex(fields[1]);
            auto *bytes = reinterpret_cast<quint8 *>(block.data());
            const auto *keyBytes = reinterpret_cast<const quint8 *>(key.constData());
            RequestCipher::cipherBlock(bytes, keyBytes, true);
            QCOMPARE(block.toHex(), fields[2]);
            RequestCipher::cipherBlock(bytes, keyBytes, false);
            QCOMPARE(block.toHex(), fields[1]);
            QCOMPARE(key, keyBefore);
        } else {
            QCOMPARE(kind, QByteArray("payload"));
            QByteArray payload = QByteArray::fromHex(fields[1]);
            RequestCipher::encryptPayload(payload.data(), int(payload.size()), key);
            QCOMPARE(payload.toHex(), fields[2]);
            RequestCipher::encryptPayload(payload.data(), int(payload.size()), key, false);
            QCOMPARE(payload.toHex(), fields[1]);
        }
    }

    // The header after the sequence number, and the payload as a device decrypts it.
    void encodesRequests_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<ScoutelContainer>("record");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("plain");
        // 24 bytes of fields: a whole block of fill follows.
        ScoutelContainer network = configuration(FieldIpAddress | FieldMainPort | FieldAuxPort);
        network->sendFields &= ~quint32(FieldApply);
        network->ipAddress = QHostAddress(QStringLiteral("192.168.1.10"));
        network->mainPort = 1000;
        network->auxPort = 0x12345; // only the low 16 bits go on the wire
        const QByteArray c = "5a08" + Challenge.toHex();
        QTest::newRow("search all")
            << 1 << ScoutelContainer() << QByteArray("0001ffffffffffff0000") << QByteArray();
        QTest::newRow("apply only") << 3 << configuration(0) << QByteArray("0003001a2b3c4d5e0018")
                                    << c + "5b04" + Conf + "0000000000000000";
        QTest::newRow("whole fill block")
            << 3 << network << QByteArray("0003001a2b3c4d5e0024")
            << c + "0a04c0a8010a120203e813022345" + QByteArray(24, '0');
    }

    void encodesRequests()
    {
        QFETCH(int, command);
        QFETCH(ScoutelContainer, record);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, plain);
        PacketCodec codec;
        const bool untargeted = record->mac.isEmpty();
        const QByteArray request = codec.buildRequest(command, untargeted ? nullptr : &record);
        QCOMPARE(request.left(4), QByteArray("SCTL"));
        QCOMPARE(request.mid(6, 10).toHex(), header);
        QByteArray payload = request.mid(Sctl::HeaderSize);
        RequestCipher::encryptPayload(payload.data(), int(payload.size()),
                                      RequestCipher::keyFromPassword(record->password.toLatin1()),
                                      false);
        QCOMPARE(payload.toHex(), plain);
    }

    void refusesWhatCannotBeSent_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<ScoutelContainer>("record");
        QTest::addColumn<bool>("sent");
        const auto row = [](const char *name, quint32 bits, bool sent, auto change) {
            ScoutelContainer r = configuration(bits);
            change(*r.data());
            QTest::newRow(name) << 3 << r << sent;
        };
        using D = ScoutelSharedData;
        QTest::newRow("command 0") << 0 << configuration(0) << false;
        QTest::newRow("configure answer") << 4 << configuration(0) << false;
        QTest::newRow("configure nothing") << 3 << ScoutelContainer() << false;
        row("5-byte mac", 0, false, [](D &d) { d.mac.chop(1); });
        row("9-byte challenge", 0, false, [](D &d) { d.challenge += '0'; });
        row("11-byte key", FieldPublicKey, false, [](D &d) { d.publicKey = QByteArray(11, 'k'); });
        row("65-character name", FieldName, false, [](D &d) { d.name = QString(65, 'n'); });
        row("65-character new password", FieldNewPassword, false,
            [](D &d) { d.newPassword = QString(65, 'n'); });
        row("64 characters", FieldName | FieldNewPassword, true,
            [](D &d) { d.name = d.newPassword = QString(64, 'n'); });
        // A name whose bit is clear is not looked at.
        row("long name not sent", 0, true, [](D &d) { d.name = QString(65, 'n'); });
    }

    void refusesWhatCannotBeSent()
    {
        QFETCH(int, command);
        QFETCH(ScoutelContainer, record);
        QFETCH(bool, sent);
        PacketCodec codec;
        const bool none = record->mac.isEmpty();
        QCOMPARE(!codec.buildRequest(command, none ? nullptr : &record).isEmpty(), sent);
    }

    void everyRequestIsOutstandingUntilCleared()
    {
        PacketCodec codec;
        const QByteArray first = codec.buildRequest(Sctl::SearchRequest, nullptr);
        const QByteArray second = codec.buildRequest(Sctl::SearchRequest, nullptr);
        for (const QByteArray &request : {first, second}) {
            ScoutelContainer record;
            QCOMPARE(codec.decode(Answer(sequenceOf(request)).bytes(), &record), 0);
        }
        codec.clearSequences();
        ScoutelContainer record;
        QCOMPARE(codec.decode(Answer(sequenceOf(first)).bytes(), &record), -204);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_SEQUENCE"));
        // A later success leaves the last error's name; no record is an error of its own.
        QCOMPARE(codec.decode(Answer(sequenceOf(codec.buildRequest(1, nullptr))).bytes(), &record),
                 0);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_SEQUENCE"));
        QCOMPARE(codec.decode(QByteArray(16, '\0'), nullptr), -200);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_DATA_NULL"));
    }

    // Addresses, ports and names also show in the console's list against the simulator.
    // Unknown tags, also those only requests carry, are skipped with a warning; zero fill silently.
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
            .u32(Tag::IpAddress, 0xC0A8010A)
            .u32(Tag::SubnetMask, 0xFFFFFF00)
            .u32(Tag::Gateway, 0xC0A80101)
            .u32(Tag::Dns, 0x08080808)
            .u16(Tag::Dhcp, 1)
            .u16(Tag::MainPort, 4001)
            .u16(Tag::AuxPort, 4002)
            .u16(Tag::HttpPort, 8080)
            .u16(Tag::SessionMinutes, 15)
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
        QCOMPARE(decodeExact(codec, answer.bytes(), &record), 0);
        QCOMPARE(messages, QStringList({"Scoutel: unknown field 99 long 3",
                                        "Scoutel: unknown field 23 long 12",
                                        "Scoutel: unknown field 91 long 0"}));
        const ScoutelContainer &r = record;
        QCOMPARE(r->mac, Mac);
        QCOMPARE(r->challenge, Challenge);
        QCOMPARE(QStringList({r->gateway.toString(), r->dns.toString(), r->name, r->newPassword,
                              r->hwName}),
                 QStringList({"192.168.1.1", "8.8.8.8", "Vault 7", "", "SK-\u00e9"}));
        QCOMPARE(
            QList<qint64>({r->command, r->result, r->httpPort, r->upTime, r->statusFlags,
                           r->busOnewire[2], r->busRs485[1], r->busTcp[2], r->hwVersionMajor,
                           r->hwVersionMinor, r->protocolVersionMajor, r->protocolVersionMinor}),
            QList<qint64>(
                {4, -106, 8080, 123456, 0x81, 0xFFFFFF44, 0xFFFFFF48, 0xFFFFFF4E, 2, 255, 1, 3}));
        QCOMPARE(r->presentFields, 0x3EFFFu); // every answer bit but the public key's
        QCOMPARE(r->sendFields, 0u);
    }

    void decodingErrors_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("answersOurRequest");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        // Bytes 4-5 are replaced by the outstanding sequence number, or by another one.
        // Every answer with a faulty field starts with main port 7, which stays.
        const QByteArray good = Answer(0).u16(Tag::MainPort, 7).u16(Tag::AuxPort, 1).bytes();
        const auto faulty = [] { return Answer(0).u16(Tag::MainPort, 7); };
        const QString fieldLength = QStringLiteral("ERROR_IN_FIELD_LENGTH");

        QByteArray badMagic = good;
        badMagic[0] = 'X';
        QTest::newRow("foreign sequence, bad magic too")
            << badMagic << false << -204 << "ERROR_IN_SEQUENCE";
        QTest::newRow("length mismatch, bad magic too")
            << badMagic + QByteArray(1, '\0') << true << -201 << "ERROR_IN_LENGTH";
        QTest::newRow("bad magic") << badMagic << true << -202 << "ERROR_IN_HEAD";
        QTest::newRow("dhcp of 4 bytes") << faulty().u32(Tag::Dhcp, 1).u16(Tag::AuxPort, 8).bytes()
                                         << true << -203 << fieldLength;
        QTest::newRow("name of 65 bytes")
            << faulty().raw(Tag::Name, QByteArray(65, 'n')).bytes() << true << -203 << fieldLength;
        QTest::newRow("challenge of 7 bytes")
            << faulty().raw(Tag::Challenge, QByteArray(7, 'c')).bytes() << true << -203
            << fieldLength;
        QByteArray pastTheEnd = faulty().raw(Tag::Name, "abcd").bytes();
        pastTheEnd[21] = char(40); // claims 40 bytes, 4 are there
        QTest::newRow("value past the end") << pastTheEnd << true << -203 << fieldLength;
        QByteArray loneTag = good;
        loneTag.chop(3); // a tag byte without its length byte
        loneTag[15] = char(loneTag.size() - 16);
        QTest::newRow("tag without length") << loneTag << true << -203 << fieldLength;
        for (int size = 0; size < 16; ++size) {
            const bool readable = size >= 6;
            QTest::addRow("%d bytes", size) << good.left(size) << true << (readable ? -201 : -204)
                                            << (readable ? "ERROR_IN_LENGTH" : "ERROR_IN_SEQUENCE");
        }
    }

    void decodingErrors()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, answersOurRequest);
        QFETCH(int, code);
        QFETCH(QString, name);
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        if (datagram.size() >= 6)
            qToBigEndian(quint16(answersOurRequest ? seq : seq ^ 0x8000), datagram.data() + 4);
        ScoutelContainer record;
        record->sender = QHostAddress(QStringLiteral("10.1.1.1"));
        QCOMPARE(decodeExact(codec, datagram, &record), code);
        QCOMPARE(codec.errorString(), name);
        QCOMPARE(record->sender, QHostAddress(QStringLiteral("10.1.1.1")));
        const bool partial = code == -203;
        QCOMPARE(record->result, partial ? 0 : -1);
        QCOMPARE(record->presentFields, partial ? quint32(FieldMainPort) : 0u);
        QCOMPARE(record->mainPort, partial ? 7 : 0);
        QCOMPARE(record->mac, partial ? Mac : QByteArray());
    }

    // A fixed count, so a slow machine only takes longer; the sanitizer catches
    // any read past a datagram.
    void hostileDatagrams()
    {
        PacketCodec codec;
        Fuzzer fuzzer(sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr)));
        QMap<int, int> counts;
        for (int i = 0; i < 30000; ++i) {
            ScoutelContainer record;
            const int code = decodeExact(codec, fuzzer.next(), &record);
            ++counts[code];
            const ScoutelContainer &r = record;
            if (code == 0 || code == -203) {
                QVERIFY(r->name.size() <= Sctl::MaxTextLength);
                QVERIFY(r->hwName.size() <= Sctl::MaxTextLength);
                QCOMPARE(r->mac.size(), Sctl::MacSize);
                QVERIFY(r->challenge.isEmpty() || r->challenge.size() == Sctl::ChallengeSize);
            } else {
                QCOMPARE(r->presentFields, 0u);
                QCOMPARE(r->result, -1);
            }
        }
        // Only documented codes, and every path of the decoder was reached.
        QCOMPARE(counts.keys(), (QList<int>{-204, -203, -202, -201, 0}));
        for (const int count : std::as_const(counts))
            QVERIFY(count > 100);
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
