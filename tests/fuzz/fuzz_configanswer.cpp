// Answers during a configuration of two devices: datagrams, each after a byte
// giving its length. Whatever arrives, the operation ends with a summary that
// agrees with its answers; a configuration answer after it may show one more.
#include "answercheck.h"
#include "configurationanswer.h"
#include "configurationrun.h"
#include "fieldtags.h"

namespace {
constexpr int PhaseTicks = 2;
// The simulator's first two devices, so that captured answers match them.
const QByteArray Macs[] = {QByteArray::fromHex("025343000001"),
                           QByteArray::fromHex("025343000002")};

int summaries(const ConfigurationRun::Step &step)
{
    if (!step.summary)
        return 0;
    const ConfigurationRun::Summary &summary = *step.summary;
    FUZZ_CHECK(summary.succeeded == summary.report.isEmpty());
    for (const ScoutelContainer &answer : summary.answers) {
        FUZZ_CHECK(answer->command == Sctl::ConfigureAnswer &&
                   (answer->mac == Macs[0] || answer->mac == Macs[1]));
        // A refusal is reported as one, with the device's own words.
        if (!ConfigurationAnswer::succeeded(*answer.constData()))
            FUZZ_CHECK(!summary.succeeded && summary.report.contains(answer->resultText()));
    }
    return 1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    // Requests go nowhere: building them is the request cipher target's job.
    const auto sent = [](const ScoutelContainer &) { return QString(); };
    ConfigurationRun run({[] {}, sent, sent}, PhaseTicks);
    for (const QByteArray &mac : Macs) {
        ScoutelContainer &target = run.targets().emplace_back();
        target->mac = mac;
        target->sendFields = FieldName | FieldApply;
    }
    int ended = summaries(run.start());
    PacketCodec codec;
    for (qsizetype pos = 0; pos < input.size();) {
        const QByteArray datagram = input.mid(pos + 1, quint8(input.at(pos)));
        pos += 1 + datagram.size();
        ScoutelContainer answer;
        if (decodeAnswer(codec, datagram, answer) == PacketCodec::DecodeOk)
            ended += summaries(run.receive(answer));
        else
            run.receiveError(codec.errorString());
    }
    for (int tick = 0; tick < 2 * PhaseTicks && run.isRunning(); ++tick)
        ended += summaries(run.tick());
    // However the answers went, the operation has ended with a summary.
    FUZZ_CHECK(!run.isRunning() && ended >= 1);
    return 0;
}
