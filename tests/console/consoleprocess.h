#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One finished run of the built scoutel program.
struct ConsoleRun
{
    int status = -1; // the exit status as a shell sees it (0-255), or -1
    QByteArray standardOutput;
    QStringList reportLines; // standard error, one entry per line
};

// Runs scoutel with these arguments, its standard error written to a file: Qt
// may send debug output elsewhere when standard error is no terminal.
// Command-line mode opens an SCTL socket: the caller must be a NETNS test.
// The user's folders (XDG) are home, or a fresh temporary folder.
ConsoleRun runScoutel(const QStringList &arguments, int limitMs = 30000,
                      const QString &home = QString());
