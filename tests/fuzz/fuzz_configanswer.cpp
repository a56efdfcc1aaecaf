// Answers during a configuration of two devices: the input is a run of
// datagrams, each after a byte giving its length. Whatever arrives, the
// operation ends with a summary that agrees with the answers it holds; a
// configuration answer after it may show one more.
#include "answercheck.h"
#include "configurationanswer.h"
#include "configurationrun.h"
#include "fieldtags.h"
#include "fuzzcheck.h"

namespace {
constexpr int PhaseTicks = 2;
// The simulator's first two devices, so that captured answers match them.
const QByteArray Macs[] = {QByteArray::fromHex("025343000001"),
                           QByteArray::fromHex("025343000002")};

bool isTarget(const QByteArray &mac)
{
    return mac == Macs[0] || mac == Macs[1];
}

void checkStep(const ConfigurationRun::Step &step, int &summaries)
{
    FUZZ_CHECK(step.sendError.isEmpty());
    if (!step.summary)
        return;
    ++summaries;
    const ConfigurationRun::Summary &summary = *step.summary;
    FUZZ_CHECK(summary.succeeded == summary.report.isEmpty());
    bool doubtful = false;
    for (const ScoutelContainer &answer : summary.answers) {
        FUZZ_CHECK(answer->command == Sctl::ConfigureAnswer && isTarget(answer->mac));
        FUZZ_CHECK(!answer->resultText().isEmpty());
        if (!ConfigurationAnswer::succeeded(*answer.constData()))
            FUZZ_CHECK(!summary.succeeded && summary.report.contains(answer->resultText()));
        doubtful |= !ConfigurationAnswer::keepsDeviceList(*answer.constData());
    }
    if (step.clearDevices)
        FUZZ_CHECK(doubtful);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    PacketCodec codec;
    ConfigurationRun::Requests requests;
    requests.clearSequences = [] {};
    requests.search = [&codec](const ScoutelContainer &target) {
        return codec.buildRequest(Sctl::SearchRequest, &target).isEmpty() ? QStringLiteral("search")
                                                                          : QString();
    };
    requests.configure = [&codec](const ScoutelContainer &target) {
        return codec.buildRequest(Sctl::ConfigureRequest, &target).isEmpty()
                   ? QStringLiteral("configure")
                   : QString();
    };
    ConfigurationRun run(requests, PhaseTicks);
    for (const QByteArray &mac : Macs) {
        ScoutelContainer target;
        target->mac = mac;
        target->name = QStringLiteral("renamed");
        target->password = QStringLiteral("secret");
        target->sendFields = FieldName | FieldApply;
        run.targets().append(target);
    }
    int summaries = 0;
    checkStep(run.start(), summaries);

    const QByteArray input = FuzzInput::bytes(data, size);
    for (qsizetype pos = 0; pos < input.size();) {
        const QByteArray datagram = input.mid(pos + 1, quint8(input.at(pos)));
        pos += 1 + datagram.size();
        ScoutelContainer answer;
        const int code = AnswerCheck::decodeAsAnswer(codec, datagram, answer);
        AnswerCheck::checkDecoded(codec, code, *answer.constData());
        if (code == PacketCodec::DecodeOk)
            checkStep(run.receive(answer), summaries);
        else
            run.receiveError(codec.errorString());
    }
    for (int tick = 0; tick < 2 * PhaseTicks && run.isRunning(); ++tick)
        checkStep(run.tick(), summaries);
    // However the answers went, the operation has ended with a summary.
    FUZZ_CHECK(!run.isRunning() && summaries >= 1);
    return 0;
}
