#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding like a crash: the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace FuzzInput {
// The fuzzer's bytes without a copy; valid for the call only.
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Qt's warnings about hostile input would flood the fuzzer's output.
inline void silenceQt()
{
    static const bool silenced = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    Q_UNUSED(silenced);
}
} // namespace FuzzInput

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
