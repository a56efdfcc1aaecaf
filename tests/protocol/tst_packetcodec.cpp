#include "fieldtags.h"
#include "packetcodec.h"
#include "packetwriter.h"
#include "requestcipher.h"

#include <QTest>
#include <QtEndian>

#include <vector>

namespace {
const QByteArray Mac = QByteArray::fromHex("001A2B3C4D5E");
const QByteArray Challenge = QByteArray::fromHex("0102030405060708");

quint16 sequenceOf(const QByteArray &packet)
{
    return qFromBigEndian<quint16>(packet.constData() + 4);
}

int messageCount = 0;
void countMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++messageCount;
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

// The payload of a configuration request as a device reads it.
QByteArray decryptedPayload(const QByteArray &request, const QString &password)
{
    QByteArray payload = request.mid(Sctl::HeaderSize);
    RequestCipher::encryptPayload(payload.data(), int(payload.size()),
                                  RequestCipher::keyFromPassword(password.toLatin1()), false);
    return payload;
}

// An answer to the given request, as a device sends it.
class Answer
{
public:
    explicit Answer(quint16 seq, quint16 cmd = Sctl::SearchAnswer) : sequence(seq), command(cmd) {}
    Answer &raw(quint8 tag, const QByteArray &value)
    {
        writer.field(tag, value);
        return *this;
    }
    Answer &u16(quint8 tag, quint16 v)
    {
        writer.field16(tag, v);
        return *this;
    }
    Answer &u32(quint8 tag, quint32 v)
    {
        writer.field32(tag, v);
        return *this;
    }
    QByteArray bytes()
    {
        const int length = writer.payloadLength();
        writer.writeHeader(sequence, command, Mac, quint16(length));
        return writer.packet(length);
    }

private:
    PacketWriter writer;
    quint16 sequence;
    quint16 command;
};
} // namespace

class TestPacketCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchForEveryDevice()
    {
        PacketCodec codec;
        const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
        QCOMPARE(request.size(), 16);
        QCOMPARE(request.left(4), QByteArray("SCTL"));
        QCOMPARE(request.mid(6).toHex(), QByteArray("0001ffffffffffff0000"));
    }

    void searchForOneDevice()
    {
        PacketCodec codec;
        ScoutelContainer target;
        target->mac = Mac;
        const QByteArray request = codec.buildRequest(Sctl::SearchRequest, &target);
        QCOMPARE(request.mid(6).toHex(), QByteArray("0001001a2b3c4d5e0000"));
    }

    void unsupportedRequestsAreEmpty()
    {
        PacketCodec codec;
        const ScoutelContainer good = configuration(0);
        QVERIFY(codec.buildRequest(0, &good).isEmpty());
        QVERIFY(codec.buildRequest(Sctl::SearchAnswer, &good).isEmpty());
        QVERIFY(codec.buildRequest(Sctl::ConfigureAnswer, &good).isEmpty());
        QVERIFY(codec.buildRequest(Sctl::ConfigureRequest, nullptr).isEmpty());
    }

    void unsendableRecordsAreRefused_data()
    {
        QTest::addColumn<ScoutelContainer>("record");
        ScoutelContainer shortMac = configuration(0);
        shortMac->mac.chop(1);
        ScoutelContainer longChallenge = configuration(0);
        longChallenge->challenge.append('\0');
        ScoutelContainer longName = configuration(FieldName);
        longName->name = QString(65, QLatin1Char('n'));
        ScoutelContainer longPassword = configuration(FieldNewPassword);
        longPassword->newPassword = QString(65, QLatin1Char('p'));
        ScoutelContainer shortKey = configuration(FieldPublicKey);
        shortKey->publicKey = QByteArray(11, 'k');
        QTest::newRow("5-byte mac") << shortMac;
        QTest::newRow("9-byte challenge") << longChallenge;
        QTest::newRow("65-character name") << longName;
        QTest::newRow("65-character new password") << longPassword;
        QTest::newRow("11-byte public key") << shortKey;
    }

    void unsendableRecordsAreRefused()
    {
        QFETCH(ScoutelContainer, record);
        PacketCodec codec;
        QVERIFY(codec.buildRequest(Sctl::ConfigureRequest, &record).isEmpty());
    }

    void limitsThemselvesAreSent()
    {
        PacketCodec codec;
        ScoutelContainer r = configuration(FieldName | FieldNewPassword);
        r->name = QString(64, QLatin1Char('n'));
        r->newPassword = QString(64, QLatin1Char('p'));
        // A 65-character name whose bit is clear is not looked at.
        ScoutelContainer unsent = configuration(0);
        unsent->name = QString(65, QLatin1Char('n'));
        QVERIFY(!codec.buildRequest(Sctl::ConfigureRequest, &r).isEmpty());
        QVERIFY(!codec.buildRequest(Sctl::ConfigureRequest, &unsent).isEmpty());
    }

    void applyOnlyRequest()
    {
        PacketCodec codec;
        const ScoutelContainer r = configuration(0);
        const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &r);
        QCOMPARE(request.size(), 40);
        QCOMPARE(request.mid(6, 2).toHex(), QByteArray("0003"));
        QCOMPARE(request.mid(8, 6), Mac);
        QCOMPARE(request.mid(14, 2).toHex(), QByteArray("0018"));
        const QByteArray plain = "5a08" + Challenge.toHex() + "5b04" +
                                 PacketCodec::confirmationValue().toHex() + "0000000000000000";
        QCOMPARE(decryptedPayload(request, QStringLiteral("secret")).toHex(), plain);
    }

    void renameBeforeEncryption()
    {
        PacketCodec codec;
        ScoutelContainer r = configuration(FieldName);
        r->name = QStringLiteral("ABC");
        const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &r);
        QCOMPARE(request.size(), 40);
        QCOMPARE(request.mid(14, 2).toHex(), QByteArray("0018"));
        const QByteArray plain = "5a08" + Challenge.toHex() + "1503414243" + "5b04" +
                                 PacketCodec::confirmationValue().toHex() + "000000";
        QCOMPARE(decryptedPayload(request, QStringLiteral("secret")).toHex(), plain);
        // Encrypted on the wire: the name does not show in clear.
        QVERIFY(!request.contains("ABC"));
    }

    void wholeBlockOfFillWhenNoneIsMissing()
    {
        // Tag 90 (10) + tag 10 (6) + tag 18 (4) + tag 19 (4): 24 bytes, filled to 36.
        PacketCodec codec;
        ScoutelContainer r = configuration(FieldIpAddress | FieldMainPort | FieldAuxPort);
        r->sendFields &= ~quint32(FieldApply);
        r->ipAddress = QHostAddress(QStringLiteral("192.168.1.10"));
        r->mainPort = 1000;
        r->auxPort = 0x12345; // only the low 16 bits go on the wire
        const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &r);
        QCOMPARE(request.mid(14, 2).toHex(), QByteArray("0024"));
        QCOMPARE(request.size(), 16 + 36);
        const QByteArray plain = decryptedPayload(request, QStringLiteral("secret"));
        QCOMPARE(plain.mid(10).toHex(), QByteArray("0a04c0a8010a"
                                                   "120203e8"
                                                   "13022345") +
                                            QByteArray(24, '0'));
    }

    void everyFieldInOrder()
    {
        PacketCodec codec;
        ScoutelContainer r =
            configuration(0x1FFE | FieldRestart, QStringLiteral("a-much-longer-password"));
        r->ipAddress = QHostAddress(QStringLiteral("10.0.0.2"));
        r->subnetMask = QHostAddress(QStringLiteral("255.255.255.0"));
        r->gateway = QHostAddress(QStringLiteral("10.0.0.1"));
        r->dns = QHostAddress(QStringLiteral("10.0.0.53"));
        r->dhcp = 1;
        r->mainPort = 1;
        r->auxPort = 2;
        r->httpPort = 80;
        r->sessionMinutes = 10;
        r->name = QStringLiteral("N");
        r->newPassword = QStringLiteral("P");
        r->publicKey = QByteArray::fromHex("00112233445566778899aabb");
        const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &r);
        const QByteArray plain =
            decryptedPayload(request, QStringLiteral("a-much-longer-password"));
        const QByteArray conf = PacketCodec::confirmationValue().toHex();
        const QByteArray expected = "5a08" + Challenge.toHex() + "0a040a000002" + "0b04ffffff00" +
                                    "0c040a000001" + "0d040a000035" + "11020001" + "12020001" +
                                    "13020002" + "1d020050" + "1402000a" + "15014e" + "160150" +
                                    "170c00112233445566778899aabb" + "5b04" + conf + "5c04" + conf;
        QCOMPARE(plain.left(expected.size() / 2).toHex(), expected);
        QCOMPARE(plain.size() % 12, 0);
        QVERIFY(plain.mid(expected.size() / 2).count('\0') == plain.size() - expected.size() / 2);
    }

    void fieldThatDoesNotFitIsDroppedAndLaterOnesTried()
    {
        PacketWriter w;
        w.field(Tag::Name, QByteArray(200, 'x'));       // ends at offset 217
        w.field(Tag::NewPassword, QByteArray(40, 'y')); // would end at 259: dropped
        w.field(Tag::PublicKey, QByteArray(35, 'z'));   // ends at offset 254: the last that fits
        w.field(Tag::Fill, QByteArray());               // would end at 256: dropped
        QCOMPARE(w.payloadLength(), 202 + 37);
        w.writeHeader(1, 3, Mac, quint16(w.payloadLength()));
        const QByteArray packet = w.packet(w.payloadLength());
        QCOMPARE(quint8(packet.at(218)), quint8(Tag::PublicKey));
        QCOMPARE(packet.size(), 255);
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
    }

    void fullAnswerFieldByField()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        Answer answer(seq);
        answer.raw(Tag::Result, QByteArray(1, '\0'))
            .u32(Tag::IpAddress, 0xC0A8010A)
            .u32(Tag::SubnetMask, 0xFFFFFF00)
            .u32(Tag::Gateway, 0xC0A80101)
            .u32(Tag::Dns, 0x08080808)
            .u16(Tag::Dhcp, 1)
            .u16(Tag::MainPort, 4001)
            .u16(Tag::AuxPort, 4002)
            .u16(Tag::HttpPort, 8080)
            .u16(Tag::SessionMinutes, 15)
            .raw(Tag::Name, "Vault 7")
            .raw(Tag::NewPassword, "")
            .u32(Tag::UpTime, 123456)
            .u32(Tag::StatusFlags, 0x81)
            .u32(66, 1)
            .u32(67, 2)
            .u32(68, 3)
            .u32(71, 4)
            .u32(72, 5)
            .u32(73, 6)
            .u32(76, 7)
            .u32(77, 8)
            .u32(78, 0xFFFFFFFF)
            .raw(Tag::HwName, "SK-100")
            .raw(Tag::HwVersion, QByteArray::fromHex("02ff"))
            .raw(Tag::ProtocolVersion, QByteArray::fromHex("0103"))
            .raw(Tag::Challenge, Challenge);
        ScoutelContainer record;
        record->sender = QHostAddress(QStringLiteral("127.0.0.2"));
        QCOMPARE(codec.decode(answer.bytes(), &record), 0);
        const ScoutelContainer &r = record;
        QCOMPARE(r->sender, QHostAddress(QStringLiteral("127.0.0.2")));
        QCOMPARE(r->command, 2);
        QCOMPARE(r->mac, Mac);
        QCOMPARE(r->result, 0);
        QCOMPARE(r->ipAddress, QHostAddress(QStringLiteral("192.168.1.10")));
        QCOMPARE(r->subnetMask, QHostAddress(QStringLiteral("255.255.255.0")));
        QCOMPARE(r->gateway, QHostAddress(QStringLiteral("192.168.1.1")));
        QCOMPARE(r->dns, QHostAddress(QStringLiteral("8.8.8.8")));
        QCOMPARE(r->dhcp, 1);
        QCOMPARE(r->mainPort, 4001);
        QCOMPARE(r->auxPort, 4002);
        QCOMPARE(r->httpPort, 8080);
        QCOMPARE(r->sessionMinutes, 15);
        QCOMPARE(r->name, QStringLiteral("Vault 7"));
        QCOMPARE(r->newPassword, QString());
        QCOMPARE(r->upTime, 123456u);
        QCOMPARE(r->statusFlags, 0x81u);
        QCOMPARE(r->busOnewire[0], 1u);
        QCOMPARE(r->busOnewire[2], 3u);
        QCOMPARE(r->busRs485[1], 5u);
        QCOMPARE(r->busTcp[0], 7u);
        QCOMPARE(r->busTcp[2], 0xFFFFFFFFu);
        QCOMPARE(r->hwName, QStringLiteral("SK-100"));
        QCOMPARE(r->hwVersionMajor, 2);
        QCOMPARE(r->hwVersionMinor, 255);
        QCOMPARE(r->protocolVersionMajor, 1);
        QCOMPARE(r->protocolVersionMinor, 3);
        QCOMPARE(r->challenge, Challenge);
        QCOMPARE(r->presentFields, 0x3EFFFu); // every answer bit but the public key's
        QCOMPARE(r->sendFields, 0u);
    }

    void statusFlagsSetNoBit()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        record->sendFields = FieldName; // cleared by every decode
        QCOMPARE(codec.decode(Answer(seq).u32(Tag::StatusFlags, 4).bytes(), &record), 0);
        QCOMPARE(record->statusFlags, 4u);
        QCOMPARE(record->presentFields, 0u);
        QCOMPARE(record->sendFields, 0u);
    }

    void deviceVerdictIsSignExtended()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        const QByteArray answer =
            Answer(seq, Sctl::ConfigureAnswer).raw(Tag::Result, QByteArray::fromHex("96")).bytes();
        QCOMPARE(codec.decode(answer, &record), 0);
        QCOMPARE(record->result, -106);
        QCOMPARE(record->command, 4);
        QCOMPARE(record.resultText(), QStringLiteral("wrong password"));
    }

    void textsEndAtTheFirstZero()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        const QByteArray answer = Answer(seq).raw(Tag::Name, QByteArray("AB\0CD", 5)).bytes();
        QCOMPARE(codec.decode(answer, &record), 0);
        QCOMPARE(record->name, QStringLiteral("AB"));
        QCOMPARE(codec.decode(Answer(seq).raw(Tag::HwName, "\xe9t\xe9").bytes(), &record), 0);
        QCOMPARE(record->hwName, QString::fromLatin1("\xe9t\xe9"));
    }

    void unknownFieldsAreSkippedWithAWarning_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("length");
        QTest::newRow("99") << 99 << 3;
        QTest::newRow("public key") << 23 << 12;
        QTest::newRow("apply") << 91 << 4;
        QTest::newRow("restart") << 92 << 4;
        QTest::newRow("empty 200") << 200 << 0;
    }

    void unknownFieldsAreSkippedWithAWarning()
    {
        QFETCH(int, tag);
        QFETCH(int, length);
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        const QByteArray answer =
            Answer(seq).raw(quint8(tag), QByteArray(length, '\x01')).u16(Tag::MainPort, 9).bytes();
        QTest::ignoreMessage(
            QtDebugMsg,
            qPrintable(QStringLiteral("Scoutel: unknown field %1 long %2").arg(tag).arg(length)));
        ScoutelContainer record;
        QCOMPARE(codec.decode(answer, &record), 0);
        QCOMPARE(record->mainPort, 9);
        QCOMPARE(record->presentFields, quint32(FieldMainPort));
    }

    void zeroFillIsSkippedSilently()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        const QByteArray answer =
            Answer(seq).raw(Tag::Fill, QByteArray(5, '\0')).u16(Tag::Dhcp, 1).bytes();
        messageCount = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countMessage);
        const int result = codec.decode(answer, &record);
        qInstallMessageHandler(previous);
        QCOMPARE(result, 0);
        QCOMPARE(messageCount, 0);
        QCOMPARE(record->dhcp, 1);
    }

    void decodingErrors_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("answersOurRequest");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        // Bytes 4-5 are replaced by the outstanding sequence number, or by another one.
        const QByteArray good = Answer(0).u16(Tag::MainPort, 1).bytes();

        QByteArray badMagic = good;
        badMagic[0] = 'X';
        QTest::newRow("foreign sequence, bad magic too")
            << badMagic << false << -204 << "ERROR_IN_SEQUENCE";
        QTest::newRow("length mismatch, bad magic too")
            << badMagic + QByteArray(1, '\0') << true << -201 << "ERROR_IN_LENGTH";
        QTest::newRow("bad magic") << badMagic << true << -202 << "ERROR_IN_HEAD";

        QTest::newRow("dhcp of 4 bytes")
            << Answer(0).u32(Tag::Dhcp, 1).bytes() << true << -203 << "ERROR_IN_FIELD_LENGTH";
        QTest::newRow("name of 65 bytes") << Answer(0).raw(Tag::Name, QByteArray(65, 'n')).bytes()
                                          << true << -203 << "ERROR_IN_FIELD_LENGTH";
        QTest::newRow("challenge of 7 bytes")
            << Answer(0).raw(Tag::Challenge, QByteArray(7, 'c')).bytes() << true << -203
            << "ERROR_IN_FIELD_LENGTH";

        QByteArray pastTheEnd = Answer(0).raw(Tag::Name, "abcd").bytes();
        pastTheEnd[17] = char(40); // claims 40 bytes, 4 are there
        QTest::newRow("value past the end")
            << pastTheEnd << true << -203 << "ERROR_IN_FIELD_LENGTH";

        QByteArray loneTag = Answer(0).u16(Tag::MainPort, 1).bytes();
        loneTag.chop(3); // a tag byte without its length byte
        loneTag[15] = char(loneTag.size() - 16);
        QTest::newRow("tag without length") << loneTag << true << -203 << "ERROR_IN_FIELD_LENGTH";

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
        // A buffer of its own, so that the sanitizer sees any read past the end.
        std::vector<char> exact(datagram.begin(), datagram.end());
        ScoutelContainer record;
        record->sender = QHostAddress(QStringLiteral("10.1.1.1"));
        const int result =
            codec.decode(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())), &record);
        QCOMPARE(result, code);
        QCOMPARE(codec.errorString(), name);
        QCOMPARE(record->sender, QHostAddress(QStringLiteral("10.1.1.1")));
        if (code != -203) {
            QCOMPARE(record->result, -1);
            QCOMPARE(record->presentFields, 0u);
            QVERIFY(record->mac.isEmpty());
        }
    }

    void fieldsBeforeAFaultyOneStay()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        const QByteArray answer =
            Answer(seq).u16(Tag::MainPort, 7).u32(Tag::Dhcp, 1).u16(Tag::AuxPort, 8).bytes();
        QCOMPARE(codec.decode(answer, &record), -203);
        QCOMPARE(record->mac, Mac);
        QCOMPARE(record->command, 2);
        QCOMPARE(record->result, 0);
        QCOMPARE(record->mainPort, 7);
        QCOMPARE(record->presentFields, quint32(FieldMainPort));
    }

    void noRecordToDecodeInto()
    {
        PacketCodec codec;
        QCOMPARE(codec.decode(QByteArray(16, '\0'), nullptr), -200);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_DATA_NULL"));
    }

    void successLeavesTheLastErrorName()
    {
        PacketCodec codec;
        const quint16 seq = sequenceOf(codec.buildRequest(Sctl::SearchRequest, nullptr));
        ScoutelContainer record;
        QCOMPARE(codec.decode(QByteArray("junk"), &record), -204);
        QCOMPARE(codec.decode(Answer(seq).bytes(), &record), 0);
        QCOMPARE(codec.errorString(), QStringLiteral("ERROR_IN_SEQUENCE"));
    }
};

QTEST_GUILESS_MAIN(TestPacketCodec)
#include "tst_packetcodec.moc"
