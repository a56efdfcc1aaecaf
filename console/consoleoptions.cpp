#include "consoleoptions.h"

#include "configurationrules.h"
#include "optioncheck.h"

#include <optional>
#include <utility>

namespace {
std::optional<QString> value(const OptionMap &options, const char *key)
{
    const auto found = options.constFind(QLatin1String(key));
    return found == options.constEnd() ? std::nullopt : std::optional<QString>(*found);
}

// "-x=" alone keeps the password out of the process list: it comes from the
// environment instead.
QString currentPassword(const OptionMap &options)
{
    if (const auto given = value(options, "x"))
        return *given;
    if (options.contains(QStringLiteral("x=")))
        return QString::fromLocal8Bit(qgetenv("SCOUTEL_PASSWORD"));
    return QString();
}

ConfigurationForm formOf(const OptionMap &options)
{
    ConfigurationForm form;
    form.password = currentPassword(options);
    form.name = value(options, "n");
    // Only "1" and "true" switch DHCP on; any other value switches it off.
    if (const auto d = value(options, "d"))
        form.dhcp = *d == QLatin1String("1") || *d == QLatin1String("true");
    form.ipAddress = value(options, "i");
    form.subnetMask = value(options, "m");
    form.gateway = value(options, "g");
    form.mainPort = value(options, "p1");
    form.auxPort = value(options, "p2");
    form.httpPort = value(options, "ph");
    form.sessionMinutes = value(options, "s");
    form.newPassword = value(options, "p");
    form.publicKey = value(options, "k");
    // The value is not looked at: -r=false also restarts.
    form.restart = options.contains(QStringLiteral("r"));
    return form;
}

// "--interface=NAME" (the key less its first "-"): a usable interface by its
// name, "all" of them, or "default", the system's choice as without the option.
QString applyInterface(const OptionMap &options, ConsoleSettings &settings)
{
    const auto name = value(options, "-interface");
    if (!name)
        return QString();
    const std::pair<QLatin1String, int> choices[] = {
        {QLatin1String("all"), NetworkInterfaces::All},
        {QLatin1String("default"), NetworkInterfaces::SystemChoice}};
    for (const auto &[word, index] : choices) {
        if (*name == word) {
            settings.interfaceIndex = index;
            return QString();
        }
    }
    QStringList names;
    const auto usable = NetworkInterfaces::usable();
    for (const QNetworkInterface &interface : usable) {
        if (interface.name() == *name) {
            settings.interfaceIndex = interface.index();
            return QString();
        }
        names << interface.name();
    }
    return OptionCheck::unknownInterface(*name, names);
}

// A value that is not a decimal integer keeps the default.
QString applyTimeout(const OptionMap &options, ConsoleSettings &settings)
{
    bool ok = false;
    const int milliseconds = value(options, "t").value_or(QString()).toInt(&ok);
    if (!ok)
        return QString();
    QString problem = OptionCheck::checkTimeout(milliseconds);
    if (problem.isEmpty())
        settings.timeout = milliseconds;
    return problem;
}
} // namespace

QString applyConsoleOptions(const OptionMap &options, ConsoleSettings &settings,
                            ScoutelContainer &record)
{
    settings.listOnly = options.contains(QStringLiteral("X"));
    settings.json = options.contains(QStringLiteral("-json")); // "--json" less its first "-"
    settings.planFile = value(options, "-plan").value_or(QString());
    settings.applyPlan = options.contains(QStringLiteral("-apply"));
    settings.missing = settings.listOnly && options.contains(QStringLiteral("-missing"));
    // Without the current password every planned device would refuse its row.
    if (settings.applyPlan && !options.contains(QStringLiteral("x")))
        return QCoreApplication::translate("ScoutelConsole",
                                           "--apply needs the devices' current password: give "
                                           "-x=PASSWORD, or -x= with SCOUTEL_PASSWORD set");
    if (QString problem = applyInterface(options, settings); !problem.isEmpty())
        return problem;
    if (QString problem = applyTimeout(options, settings); !problem.isEmpty())
        return problem;
    const ConfigurationForm form = formOf(options);
    if (const auto problem = ConfigurationRules::check(form, ConfigurationRules::CommandLine))
        return OptionCheck::message(*problem);
    ScoutelSharedData &r = *record.data();
    r.presentFields = 0;
    form.writeInto(r);
    return QString();
}
