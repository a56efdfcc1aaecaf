// scoutel-capture FOLDER: writes pcap files of SCTL exchanges with simulated
// safes, for the dissector's test and for support: search.pcap, configure.pcap
// (its request encrypted with the password "secret"), malformed.pcap (one
// fault a datagram), and for the first two what tshark must print of them.
#include "expectedfields.h"
#include "fieldtable.h"
#include "malformed.h"
#include "site.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {
bool save(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    QTextStream(stderr) << "cannot write " << file.fileName() << '\n';
    return false;
}

QByteArray pcap(const QList<Datagram> &datagrams)
{
    PcapWriter writer;
    for (const Datagram &datagram : datagrams)
        writer.add(datagram);
    return writer.bytes();
}

bool saveExchange(const QDir &folder, const QString &name, const QList<Frame> &frames)
{
    QList<Datagram> datagrams;
    for (const Frame &frame : frames)
        datagrams.append(frame.datagram);
    return save(folder, name + QStringLiteral(".pcap"), pcap(datagrams)) &&
           save(folder, name + QStringLiteral(".fields"), expectedFields(frames).toUtf8());
}

// Every field a request can carry, to device 2 after its challenge.
ScoutelContainer configuration(const Frame &challengeAnswer)
{
    ScoutelContainer record = challengeAnswer.record;
    ScoutelSharedData &r = *record.data();
    r.password = Site::Password;
    r.name = QStringLiteral("Front office");
    r.ipAddress = QHostAddress(QStringLiteral("192.168.1.20"));
    r.subnetMask = QHostAddress(QStringLiteral("255.255.255.0"));
    r.gateway = QHostAddress(QStringLiteral("192.168.1.1"));
    r.dns = QHostAddress(QStringLiteral("192.168.1.2"));
    r.dhcp = 1;
    r.mainPort = 4000;
    r.auxPort = 4001;
    r.httpPort = 0;
    r.sessionMinutes = 30;
    r.newPassword = QStringLiteral("n3w-secret");
    r.publicKey = QByteArray::fromHex("00112233445566778899aabb");
    r.sendFields = 0;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (field.use & FieldTable::InRequests)
            r.sendFields |= field.bit;
    }
    return record;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: scoutel-capture FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Site site;
    const QList<Frame> search = site.search();
    QList<Frame> configure = site.search(search.at(2).record->mac);
    configure += site.configure(configuration(configure.last()));
    const QList<Datagram> malformed =
        malformedDatagrams(search.at(1).datagram, configure.at(2).datagram);
    const bool saved = saveExchange(folder, QStringLiteral("search"), search) &&
                       saveExchange(folder, QStringLiteral("configure"), configure) &&
                       save(folder, QStringLiteral("malformed.pcap"), pcap(malformed));
    return saved ? 0 : 1;
}
