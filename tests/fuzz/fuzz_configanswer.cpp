// Answers during a configuration of two devices: datagrams, each after a byte
// giving its length. Whatever arrives, the operation ends with one summary
// that agrees with its record; an answer after it only updates the record.
#include "answercheck.h"
#include "configurationrun.h"
#include "fieldtags.h"
#include "resultcodes.h"

namespace {
constexpr int PhaseTicks = 2;
// The simulator's first two devices, so that captured answers match them.
const QByteArray Macs[] = {QByteArray::fromHex("025343000001"),
                           QByteArray::fromHex("025343000002")};

int summaries(const ConfigurationRun::Step &step)
{
    if (!step.summary)
        return 0;
    const OperationRecord &record = *step.summary;
    const QString report = record.report();
    FUZZ_CHECK(record.succeeded() == report.isEmpty() && record.outcomes.size() == 2);
    for (const TargetOutcome &outcome : record.outcomes) {
        FUZZ_CHECK(outcome.kind != TargetOutcome::Kind::Pending);
        // A refusal is reported as one, with the device's own words.
        if (outcome.kind == TargetOutcome::Kind::Refused)
            FUZZ_CHECK(outcome.code != 0 && report.contains(ResultCodes::plainText(outcome.code)));
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
    // However the answers went, the operation has ended with one summary.
    FUZZ_CHECK(!run.isRunning() && ended == 1);
    return 0;
}
