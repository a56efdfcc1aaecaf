#pragma once

#include "configurationrun.h"
#include "consoleoptions.h"
#include "planreader.h"
#include "scoutelcontainer.h"

#include <QObject>
#include <QString>

#include <optional>

class ConfigurationOperation;
class DeviceMemory;
class DeviceSearch;
class QTimer;
class ScoutelClient;

// The command-line run: one search, exactly one device, one configuration
// request; or, in list mode, every device that answers. Every run ends the
// event loop with a status, after debug lines.
class ScoutelConsole : public QObject
{
    Q_OBJECT

public:
    ScoutelConsole(int argc, char **argv, QObject *parent = nullptr);

    // Reports a failure found while the options were read, or sends the search.
    void start();

public Q_SLOTS:
    void tick();
    void located(int result, ScoutelContainer record);

private:
    enum State { Idle, Searching, Configuring, Finished };

    enum RunError : int {
        ErrorInvalidOption = -1,
        ErrorNoDevice = -400,
        ErrorSeveralDevices = -401,
        ErrorConfigTimeout = -402,
        ErrorNothingToSend = -403,
        ErrorPlanRefused = -404,
        ErrorPlanFailed = -405,
    };

    void parseArguments(int argc, char **argv);
    void applyOptions(const OptionMap &options);
    void sendConfiguration();
    void searchAnswer(const ScoutelContainer &record, bool first);
    void endSearch();
    void report(const OperationRecord &record);
    // Logs the record, and prints it with --json.
    void keep(const OperationRecord &record);
    void runPlan();
    void printMissing();
    static QString errorOn(const ScoutelSharedData &answer);

    // Prints the code and the message, then ends the run with the code (not 0).
    void fail(int code, const QString &message);
    // Prints 0 and the message, then ends the run with status 0.
    void succeed(const QString &message);
    void printAndFinish(int status, const QString &message);
    void finish(int status);

    ScoutelClient *client;
    QTimer *timer;
    ConsoleSettings settings;
    State state = Idle;
    DeviceSearch *search = nullptr;
    DeviceMemory *memory = nullptr;
    ConfigurationOperation *operation = nullptr;
    ScoutelContainer config;
    // The one device's search answer: what it was before the change.
    ScoutelContainer found;
    std::optional<PlanReader::Plan> plan;
    // A failure found before the run started, reported by start().
    int pendingCode = 0;
    QString pendingMessage;
};
