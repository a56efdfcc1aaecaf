// Command-line arguments: the input split at zero bytes, one argument each.
#include "consoleoptions.h"
#include "fieldtags.h"
#include "fuzzcheck.h"
#include "packetcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy ends in a zero byte, as the last argument must.
    const QByteArray input(fuzzInput(data, size).constData(), qsizetype(size));
    const QList<QByteArray> arguments = input.split('\0');
    QList<const char *> argv{"scoutel"};
    for (const QByteArray &argument : arguments)
        argv.append(argument.constData());
    OptionMap options = splitArguments(int(argv.size()), argv.data());
    // A named interface is looked up among the host's: not the parser's business.
    if (options.value(QStringLiteral("-interface")) != QLatin1String("all"))
        options.remove(QStringLiteral("-interface"));
    ConsoleSettings settings;
    ScoutelContainer record;
    const QString problem = applyConsoleOptions(options, settings, record);
    // The passwords (-p, -x) never appear in a message, unless short or elsewhere too.
    for (const QString &key : {QStringLiteral("p"), QStringLiteral("x")}) {
        const QString secret = options.value(key);
        if (secret.size() >= 8 && input.count(secret.toUtf8()) == 1)
            FUZZ_CHECK(!problem.contains(secret));
    }
    if (!problem.isEmpty())
        return 0;
    // Accepted options make a request that can go out as it is.
    record->mac = QByteArray(Sctl::MacSize, '\x01');
    record->challenge = QByteArray(Sctl::ChallengeSize, '\x02');
    PacketCodec codec;
    FUZZ_CHECK(!codec.buildRequest(Sctl::ConfigureRequest, &record).isEmpty());
    return 0;
}
