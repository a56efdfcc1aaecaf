#pragma once

#include <QString>
#include <QStringView>

// Every result code the devices and the program give, named once: the summary,
// the results table, the log, the command line and the packet dissector read
// this table.
namespace ResultCodes {

struct Code
{
    int number;
    const char *name; // the symbolic name, never translated
    const char *text; // the plain text
    // The translation context of text; nullptr when text is shown as it is.
    const char *context;
};

// clang-format off
inline constexpr Code Codes[] = {
    // Device results, in tag 1 of an answer.
    {0,    "OK",                    QT_TRANSLATE_NOOP("ScoutelSharedData", "all ok"), "ScoutelSharedData"},
    {-2,   "ERROR_GENERIC",         "ERROR_GENERIC", nullptr},
    {-100, "ERROR_FIELD_LENGTH",    "ERROR_FIELD_LENGTH", nullptr},
    {-101, "ERROR_FIELD_UNKNOWN",   "ERROR_FIELD_UNKNOWN", nullptr},
    {-102, "ERROR_FIELD_DENY",      "ERROR_FIELD_DENY", nullptr},
    {-103, "ERROR_BUFFER_LENGTH",   "ERROR_BUFFER_LENGTH", nullptr},
    {-104, "ERROR_CHALLENGE_SIZE",  "ERROR_CHALLENGE_SIZE", nullptr},
    {-105, "ERROR_SESSION_EXPIRED", QT_TRANSLATE_NOOP("ScoutelSharedData", "session expired"), "ScoutelSharedData"},
    {-106, "ERROR_WRONG_PASSWORD",  QT_TRANSLATE_NOOP("ScoutelSharedData", "wrong password"), "ScoutelSharedData"},
    // Decoding a received datagram.
    {-200, "ERROR_IN_DATA_NULL",    "ERROR_IN_DATA_NULL", nullptr},
    {-201, "ERROR_IN_LENGTH",       "ERROR_IN_LENGTH", nullptr},
    {-202, "ERROR_IN_HEAD",         "ERROR_IN_HEAD", nullptr},
    {-203, "ERROR_IN_FIELD_LENGTH", "ERROR_IN_FIELD_LENGTH", nullptr},
    {-204, "ERROR_IN_SEQUENCE",     "ERROR_IN_SEQUENCE", nullptr},
    // Sending a request.
    {-300, "ERROR_NOT_BOUND",       "ERROR_NOT_BOUND", nullptr},
    {-302, "ERROR_GENERATE",        "ERROR_GENERATE", nullptr},
    {-303, "ERROR_WRITE",           "ERROR_WRITE", nullptr},
    // The command-line run.
    {-400, "ERROR_NO_DEVICE",       QT_TRANSLATE_NOOP("ScoutelConsole", "No device found."), "ScoutelConsole"},
    {-401, "ERROR_SEVERAL_DEVICES", QT_TRANSLATE_NOOP("ScoutelConsole", "More than one device found, there must be only one."), "ScoutelConsole"},
    {-402, "ERROR_CONFIG_TIMEOUT",  QT_TRANSLATE_NOOP("ScoutelConsole", "Timeout on config."), "ScoutelConsole"},
    {-403, "ERROR_NOTHING_TO_SEND", QT_TRANSLATE_NOOP("ScoutelConsole", "No data to send."), "ScoutelConsole"},
    {-404, "ERROR_PLAN_REFUSED",    "ERROR_PLAN_REFUSED", nullptr},
    {-405, "ERROR_PLAN_FAILED",     "ERROR_PLAN_FAILED", nullptr},
};
// clang-format on

// The entry of number; nullptr for a code nobody named.
const Code *find(int number);
// The entry whose symbolic name is name; nullptr when none has it.
const Code *findName(QStringView name);
// The number of a symbolic name, such as a client's error text; 0 for none.
int codeOf(QStringView name);
// The symbolic name; empty for an unnamed code.
QString name(int number);
// The plain text, translated where the table says so; "error N" for an
// unnamed code.
QString plainText(int number);

} // namespace ResultCodes
