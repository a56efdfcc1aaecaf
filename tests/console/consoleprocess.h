#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QObject;

// One finished run of the built scoutel program.
struct ConsoleRun
{
    bool finished = false; // false: it did not end in time and was killed
    int status = -1;       // the exit status as a shell sees it (0-255)
    QByteArray standardOutput;
    QStringList reportLines; // standard error, one entry per line
    qint64 elapsedMs = 0;

    // What a failed comparison prints: the status and every line.
    QString describe() const;
};

// Runs scoutel with these arguments, its standard error read through a pipe.
// Command-line mode opens an SCTL socket: the caller must be a NETNS test.
ConsoleRun runScoutel(const QStringList &arguments, int limitMs = 10000);

// The exit status a shell sees for a run ending with this code.
inline int shellStatus(int code)
{
    return code & 0xFF;
}

// main() of a test that opens sockets: refuses to run outside a private network.
int runPrivateNetworkTest(QObject *test, int argc, char **argv);

#define SCOUTEL_NETNS_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestClass test;                                                                            \
        return runPrivateNetworkTest(&test, argc, argv);                                           \
    }
