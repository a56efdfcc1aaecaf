#pragma once

#include <QByteArray>

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

// The fuzzer's bytes, uncopied; Qt's warnings about hostile input are silenced.
inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
