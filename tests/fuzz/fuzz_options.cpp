// Command-line arguments: the input split at zero bytes, one argument each.
#include "consoleoptions.h"
#include "fieldtags.h"
#include "fuzzcheck.h"
#include "packetcodec.h"

#include <vector>

namespace {
// Options whose values must never appear in a message.
const QString Secrets[] = {QStringLiteral("x"), QStringLiteral("p")};
// Shorter secrets may well be part of a message's own words.
constexpr int ShortestCheckedSecret = 8;

bool appearsElsewhere(const OptionMap &options, const QString &key, const QString &secret)
{
    for (auto option = options.cbegin(); option != options.cend(); ++option) {
        if (option.key() != key && option.value().contains(secret))
            return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    const QList<QByteArray> arguments =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    std::vector<const char *> argv{"scoutel"};
    for (const QByteArray &argument : arguments)
        argv.push_back(argument.constData());
    OptionMap options = splitArguments(int(argv.size()), argv.data());
    FUZZ_CHECK(options.size() <= arguments.size());
    // A named interface is looked up among the host's: not the parser's business.
    if (options.value(QStringLiteral("-interface")) != QLatin1String("all"))
        options.remove(QStringLiteral("-interface"));

    ConsoleSettings settings;
    ScoutelContainer record;
    const QString problem = applyConsoleOptions(options, settings, record);
    for (const QString &key : Secrets) {
        const QString secret = options.value(key);
        if (secret.size() >= ShortestCheckedSecret && !appearsElsewhere(options, key, secret))
            FUZZ_CHECK(!problem.contains(secret));
    }
    if (!problem.isEmpty())
        return 0;
    FUZZ_CHECK(settings.timeout >= 0);
    FUZZ_CHECK(record->sendFields & FieldApply);
    // Accepted options make a request that can go out as it is.
    record->mac = QByteArray(Sctl::MacSize, '\x01');
    record->challenge = QByteArray(Sctl::ChallengeSize, '\x02');
    PacketCodec codec;
    FUZZ_CHECK(!codec.buildRequest(Sctl::ConfigureRequest, &record).isEmpty());
    return 0;
}
