#pragma once

#include "consoleoptions.h"
#include "scoutelcontainer.h"
#include "targetindex.h"

#include <QByteArray>
#include <QObject>
#include <QSet>

class QTimer;
class ScoutelClient;

// The command-line run: one search, exactly one device, one configuration
// request; or, in list mode, every device that answers. Every run ends the
// process with a status and debug lines.
class ScoutelConsole : public QObject
{
    Q_OBJECT

public:
    ScoutelConsole(int argc, char **argv, QObject *parent = nullptr);

    void start();

public Q_SLOTS:
    void tick();
    void located(int result, ScoutelContainer record);

private:
    enum State { Idle, Searching, Configuring };

    enum RunError : int {
        ErrorInvalidOption = -1,
        ErrorNoDevice = -400,
        ErrorSeveralDevices = -401,
        ErrorConfigTimeout = -402,
        ErrorNothingToSend = -403,
    };

    void parseArguments(int argc, char **argv);
    void applyOptions(const OptionMap &options);
    void sendConfiguration();
    void searchAnswer(const ScoutelContainer &record);
    void configurationAnswer(const ScoutelSharedData &answer);
    static QString errorOn(const ScoutelSharedData &answer);
    // Devices that answered the search, each counted once.
    int found() const { return int(answeredMacs.size()); }

    // Prints the code and the message, then ends the process with the code.
    [[noreturn]] static void fail(int code, const QString &message);
    [[noreturn]] static void finish(int status);

    ScoutelClient *client;
    QTimer *timer;
    ConsoleSettings settings;
    State state = Idle;
    QSet<QByteArray> answeredMacs;
    ScoutelContainer config;
    TargetIndex awaitingAnswer;
};
