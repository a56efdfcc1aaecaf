#include "simoptions.h"

#include <QCommandLineParser>

namespace {
constexpr int MaxDelayMs = 60000;

const char Description[] =
    "Simulates a fleet of SCTL devices for tests; runs only inside a private network "
    "namespace (scripts/in-netns).\n"
    "Device i (1-based) answers from 127.0.0.(i+1) up to i = 253, then from 127.0.1.1, "
    "127.0.1.2, ...; MAC 02 53 43 00 followed by i as two bytes; name \"<prefix> i\"; "
    "static address = its answering address, mask 255.0.0.0, gateway and DNS 127.0.0.1, "
    "no DHCP; ports main 10000+i, aux 20000+i, HTTP 30000+i; session 15 minutes; "
    "hardware SIM-SAFE 3.1, protocol 1.0; bus counters i*100+tag; up time in seconds.\n"
    "Prints \"ready\" once it listens.";

// Reads a number from min to max; hexadecimal with a 0x prefix when allowed.
bool readNumber(const QString &text, qint64 min, qint64 max, qint64 *value, bool hex = false)
{
    bool ok = false;
    const bool isHex = hex && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    *value = isHex ? qint64(text.mid(2).toULongLong(&ok, 16)) : text.toLongLong(&ok, 10);
    return ok && *value >= min && *value <= max;
}

bool readVersions(const QString &text, QList<QByteArray> *versions)
{
    const auto items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        qint64 major = 0;
        qint64 minor = 0;
        if (item.count(QLatin1Char('.')) != 1 ||
            !readNumber(item.section(QLatin1Char('.'), 0, 0), 0, 255, &major) ||
            !readNumber(item.section(QLatin1Char('.'), 1), 0, 255, &minor))
            return false;
        versions->append(QByteArray(1, char(major)) + char(minor));
    }
    return true;
}

bool readDeviceList(const QString &text, int count, QSet<int> *devices)
{
    const auto items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        qint64 number = 0;
        if (!readNumber(item.trimmed(), 1, count, &number))
            return false;
        devices->insert(int(number));
    }
    return true;
}

struct Parser
{
    QCommandLineParser p;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows this help.")};
    QCommandLineOption count{QStringLiteral("count"),
                             QStringLiteral("Number of devices, 1 to 5000 (default 1)."),
                             QStringLiteral("N"), QStringLiteral("1")};
    QCommandLineOption password{QStringLiteral("password"),
                                QStringLiteral("Password of every device (default secret)."),
                                QStringLiteral("P"), QStringLiteral("secret")};
    QCommandLineOption passwords{QStringLiteral("passwords"),
                                 QStringLiteral("One password per device, in order; overrides "
                                                "--password."),
                                 QStringLiteral("P1,P2,...")};
    QCommandLineOption status{QStringLiteral("status"),
                              QStringLiteral("Status bits of every device, decimal or 0x hex."),
                              QStringLiteral("BITS"), QStringLiteral("0")};
    QCommandLineOption ignoreSearch{QStringLiteral("ignore-search"),
                                    QStringLiteral("Devices that never answer searches."),
                                    QStringLiteral("I,J")};
    QCommandLineOption muteConfig{QStringLiteral("mute-config"),
                                  QStringLiteral("Devices that never answer (nor apply) "
                                                 "configuration requests."),
                                  QStringLiteral("I,J")};
    QCommandLineOption strayConfig{QStringLiteral("stray-config"),
                                   QStringLiteral("Devices that answer every request the fleet "
                                                  "hears with a configuration answer (result 0) "
                                                  "of their own, asked for or not."),
                                   QStringLiteral("I,J")};
    QCommandLineOption answerTwice{QStringLiteral("answer-twice"),
                                   QStringLiteral("Every search answer is sent twice, the second "
                                                  "with a new challenge that replaces the "
                                                  "first.")};
    QCommandLineOption unknownFields{QStringLiteral("unknown-fields"),
                                     QStringLiteral("Search answers end with N empty fields of "
                                                    "unknown tags, 0 to 30."),
                                     QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption verdict{QStringLiteral("verdict"),
                               QStringLiteral("Every configuration answer carries this code; "
                                              "nothing is applied."),
                               QStringLiteral("CODE")};
    QCommandLineOption searchResult{QStringLiteral("search-result"),
                                    QStringLiteral("Search answers carry this nonzero code in "
                                                   "tag 1."),
                                    QStringLiteral("CODE")};
    QCommandLineOption foreign{QStringLiteral("foreign"),
                               QStringLiteral("After each answer also send a datagram of another "
                                              "protocol.")};
    QCommandLineOption noUptime{QStringLiteral("no-uptime"),
                                QStringLiteral("Answers without up time and bus counters.")};
    QCommandLineOption noHttp{QStringLiteral("no-http"),
                              QStringLiteral("HTTP port 0 on every device: no web page.")};
    QCommandLineOption delay{QStringLiteral("delay"),
                             QStringLiteral("Answer delay in milliseconds."), QStringLiteral("MS"),
                             QStringLiteral("0")};
    QCommandLineOption jitter{QStringLiteral("jitter"),
                              QStringLiteral("Random extra delay, 0 to MS milliseconds, per "
                                             "answer."),
                              QStringLiteral("MS"), QStringLiteral("0")};
    QCommandLineOption oddSender{QStringLiteral("odd-sender"),
                                 QStringLiteral("Device 1 answers from 169.255.255.254.")};
    QCommandLineOption log{QStringLiteral("log"),
                           QStringLiteral("Log file: one JSON object per line; empty for none."),
                           QStringLiteral("FILE")};
    QCommandLineOption lifetime{QStringLiteral("lifetime"),
                                QStringLiteral("Stop after this many milliseconds, at most "
                                               "120000 (default 10000)."),
                                QStringLiteral("MS"), QStringLiteral("10000")};
    QCommandLineOption restartSilence{QStringLiteral("restart-silence"),
                                      QStringLiteral("How long a restarting device stays "
                                                     "silent, in milliseconds (default 1000)."),
                                      QStringLiteral("MS"), QStringLiteral("1000")};
    QCommandLineOption hwVersions{QStringLiteral("hw-versions"),
                                  QStringLiteral("Hardware versions of devices 1, 2, ... in "
                                                 "order, MAJOR.MINOR from 0.0 to 255.255; the "
                                                 "others have 3.1."),
                                  QStringLiteral("V1,V2,...")};
    QCommandLineOption network{QStringLiteral("interface"),
                               QStringLiteral("Serve the fleet from the network of this "
                                              "interface instead of loopback: device i answers "
                                              "from the interface's IPv4 address plus i, with "
                                              "its mask, its address as gateway and DNS, and "
                                              "the interface's index as fourth MAC byte."),
                               QStringLiteral("NAME")};
    QCommandLineOption namePrefix{QStringLiteral("name-prefix"),
                                  QStringLiteral("Device names are \"<prefix> <number>\" "
                                                 "(default Safe)."),
                                  QStringLiteral("TEXT"), QStringLiteral("Safe")};
    QCommandLineOption rename{QStringLiteral("rename"),
                              QStringLiteral("Device I is named NAME instead (repeatable)."),
                              QStringLiteral("I=NAME")};

    Parser()
    {
        p.setApplicationDescription(QString::fromLatin1(Description));
        p.addOptions({help,           count,        password,    passwords,   status,
                      ignoreSearch,   muteConfig,   strayConfig, answerTwice, unknownFields,
                      verdict,        searchResult, foreign,     noUptime,    noHttp,
                      delay,          jitter,       oddSender,   log,         lifetime,
                      restartSilence, namePrefix,   rename,      hwVersions,  network});
    }
};

bool fill(const Parser &parser, SimOptions *o, QString *message)
{
    const QCommandLineParser &p = parser.p;
    qint64 n = 0;
    if (!readNumber(p.value(parser.count), 1, SimCommandLine::MaxCount, &n)) {
        *message = QStringLiteral("--count must be 1 to %1").arg(SimCommandLine::MaxCount);
        return false;
    }
    o->count = int(n);

    if (p.isSet(parser.passwords)) {
        o->passwords = p.value(parser.passwords).split(QLatin1Char(','));
        if (o->passwords.size() != o->count) {
            *message = QStringLiteral("--passwords needs exactly one password per device");
            return false;
        }
    } else {
        o->passwords = QStringList(QList<QString>(o->count, p.value(parser.password)));
    }

    if (!readNumber(p.value(parser.status), 0, 0xFFFFFFFFLL, &n, true)) {
        *message = QStringLiteral("--status must be a 32-bit number, decimal or 0x hex");
        return false;
    }
    o->statusFlags = quint32(n);

    if ((p.isSet(parser.ignoreSearch) &&
         !readDeviceList(p.value(parser.ignoreSearch), o->count, &o->ignoreSearch)) ||
        (p.isSet(parser.muteConfig) &&
         !readDeviceList(p.value(parser.muteConfig), o->count, &o->muteConfig)) ||
        (p.isSet(parser.strayConfig) &&
         !readDeviceList(p.value(parser.strayConfig), o->count, &o->strayConfig))) {
        *message = QStringLiteral("device lists are numbers from 1 to --count, comma-separated");
        return false;
    }

    if (!readNumber(p.value(parser.unknownFields), 0, SimCommandLine::MaxUnknownFields, &n)) {
        *message = QStringLiteral("--unknown-fields must be 0 to %1")
                       .arg(SimCommandLine::MaxUnknownFields);
        return false;
    }
    o->unknownFields = int(n);

    if (p.isSet(parser.verdict)) {
        if (!readNumber(p.value(parser.verdict), -128, 127, &n)) {
            *message = QStringLiteral("--verdict must be -128 to 127");
            return false;
        }
        o->forcedVerdict = int(n);
    }
    if (p.isSet(parser.searchResult)) {
        if (!readNumber(p.value(parser.searchResult), -128, 127, &n) || n == 0) {
            *message = QStringLiteral("--search-result must be -128 to 127, not 0");
            return false;
        }
        o->searchResult = int(n);
    }

    qint64 delay = 0;
    qint64 jitter = 0;
    qint64 silence = 0;
    if (!readNumber(p.value(parser.delay), 0, MaxDelayMs, &delay) ||
        !readNumber(p.value(parser.jitter), 0, MaxDelayMs, &jitter) ||
        !readNumber(p.value(parser.restartSilence), 0, MaxDelayMs, &silence)) {
        *message = QStringLiteral("--delay, --jitter and --restart-silence must be 0 to %1")
                       .arg(MaxDelayMs);
        return false;
    }
    o->delayMs = int(delay);
    o->jitterMs = int(jitter);
    o->restartSilenceMs = int(silence);

    if (!readNumber(p.value(parser.lifetime), 1, SimCommandLine::MaxLifetimeMs, &n)) {
        *message = QStringLiteral("--lifetime must be 1 to %1").arg(SimCommandLine::MaxLifetimeMs);
        return false;
    }
    o->lifetimeMs = int(n);

    o->foreign = p.isSet(parser.foreign);
    o->answerTwice = p.isSet(parser.answerTwice);
    o->withUpTime = !p.isSet(parser.noUptime);
    o->webPages = !p.isSet(parser.noHttp);
    o->oddSender = p.isSet(parser.oddSender);
    o->logPath = p.value(parser.log);
    o->namePrefix = p.value(parser.namePrefix);
    const QStringList renames = p.values(parser.rename);
    for (const QString &rename : renames) {
        qint64 number = 0;
        if (!readNumber(rename.section(QLatin1Char('='), 0, 0), 1, o->count, &number)) {
            *message = QStringLiteral("--rename takes a device number and a name: I=NAME");
            return false;
        }
        o->names.insert(int(number), rename.section(QLatin1Char('='), 1));
    }
    if (p.isSet(parser.hwVersions) && !readVersions(p.value(parser.hwVersions), &o->hwVersions)) {
        *message = QStringLiteral("--hw-versions are MAJOR.MINOR, each 0 to 255, comma-separated");
        return false;
    }
    return !p.isSet(parser.network) ||
           SimNetwork::onInterface(p.value(parser.network), o->count, &o->network, message);
}
} // namespace

SimCommandLine::Parsed SimCommandLine::parse(const QStringList &arguments, SimOptions *options,
                                             QString *message)
{
    Parser parser;
    if (!parser.p.parse(arguments)) {
        *message = parser.p.errorText();
        return Parsed::Invalid;
    }
    if (parser.p.isSet(parser.help)) {
        *message = parser.p.helpText();
        return Parsed::Help;
    }
    if (!parser.p.positionalArguments().isEmpty()) {
        *message =
            QStringLiteral("unexpected argument %1").arg(parser.p.positionalArguments().first());
        return Parsed::Invalid;
    }
    return fill(parser, options, message) ? Parsed::Run : Parsed::Invalid;
}
