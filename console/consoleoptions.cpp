#include "consoleoptions.h"

#include "fieldtable.h"
#include "optioncheck.h"

#include <functional>
#include <optional>

namespace {
using AddressKind = OptionCheck::AddressKind;

// Applies the options one after another; each checked step returns the
// message of an invalid value, which ends the whole run.
class OptionApplier
{
public:
    OptionApplier(const OptionMap &given, ConsoleSettings &runSettings, ScoutelSharedData &target)
        : options(given), settings(runSettings), record(target)
    {}

    QString run()
    {
        using R = ScoutelSharedData;
        const std::function<QString()> steps[] = {
            [this] { return listOnly(); },
            [this] { return timeout(); },
            [this] { return text("x", &R::password); },
            [this] { return text("n", &R::name, Tag::Name); },
            [this] { return dhcp(); },
            [this] { return address("i", &R::ipAddress, FieldIpAddress, AddressKind::IpAddress); },
            [this] {
                return address("m", &R::subnetMask, FieldSubnetMask, AddressKind::SubnetMask);
            },
            [this] { return address("g", &R::gateway, FieldGateway, AddressKind::IpAddress); },
            [this] { return number("p1", &R::mainPort, FieldMainPort, OptionCheck::checkPort); },
            [this] { return number("p2", &R::auxPort, FieldAuxPort, OptionCheck::checkPort); },
            [this] { return number("ph", &R::httpPort, FieldHttpPort, OptionCheck::checkPort); },
            [this] {
                return number("s", &R::sessionMinutes, FieldSessionMinutes,
                              OptionCheck::checkSessionMinutes);
            },
            [this] { return text("p", &R::newPassword, Tag::NewPassword); },
            [this] { return publicKey(); },
            [this] { return restart(); },
        };
        for (const auto &step : steps) {
            if (QString problem = step(); !problem.isEmpty())
                return problem;
        }
        return QString();
    }

private:
    std::optional<QString> value(const char *key) const
    {
        const auto found = options.constFind(QLatin1String(key));
        if (found == options.constEnd())
            return std::nullopt;
        return *found;
    }

    template <typename T> void set(T ScoutelSharedData::*field, const T &v, quint32 bit)
    {
        record.*field = v;
        record.sendFields |= bit;
    }

    QString listOnly()
    {
        if (value("X"))
            settings.listOnly = true;
        return QString();
    }

    // Only "1" and "true" switch DHCP on; any other value switches it off.
    QString dhcp()
    {
        if (const auto d = value("d")) {
            const bool on = *d == QLatin1String("1") || *d == QLatin1String("true");
            set(&ScoutelSharedData::dhcp, qint32(on), FieldDhcp);
        }
        return QString();
    }

    // The value is not looked at: -r=false also restarts.
    QString restart()
    {
        if (value("r"))
            record.sendFields |= FieldRestart;
        return QString();
    }

    // A value that is not a decimal integer keeps the default.
    QString timeout()
    {
        const auto t = value("t");
        bool ok = false;
        const int milliseconds = t ? t->toInt(&ok) : 0;
        if (!ok)
            return QString();
        QString problem = OptionCheck::checkTimeout(milliseconds);
        if (problem.isEmpty())
            settings.timeout = milliseconds;
        return problem;
    }

    // The current password (no tag) is only checked; a field's text also sets its bit.
    QString text(const char *key, QString ScoutelSharedData::*member, quint8 tag = Tag::Fill)
    {
        const auto v = value(key);
        if (!v)
            return QString();
        const FieldTable::Field *field = tag == Tag::Fill ? nullptr : FieldTable::forTag(tag);
        QString problem = OptionCheck::checkText(key, *v, field ? field->size : -1);
        if (problem.isEmpty())
            set(member, *v, field ? field->bit : 0);
        return problem;
    }

    QString address(const char *key, QHostAddress ScoutelSharedData::*field, quint32 bit,
                    AddressKind kind)
    {
        const auto v = value(key);
        if (!v)
            return QString();
        QHostAddress parsed;
        QString problem = OptionCheck::checkAddress(*v, kind, parsed);
        if (problem.isEmpty())
            set(field, parsed, bit);
        return problem;
    }

    // Only a whole number in range is taken: a typo must never go out as 0,
    // which disables a port.
    QString number(const char *key, qint32 ScoutelSharedData::*field, quint32 bit,
                   QString (*check)(const QString &, int &))
    {
        const auto v = value(key);
        if (!v)
            return QString();
        int parsed = 0;
        QString problem = check(*v, parsed);
        if (problem.isEmpty())
            set(field, parsed, bit);
        return problem;
    }

    QString publicKey()
    {
        const auto k = value("k");
        if (!k)
            return QString();
        QString problem = OptionCheck::checkPublicKey(*k);
        if (problem.isEmpty())
            set(&ScoutelSharedData::publicKey, QByteArray::fromHex(k->toLatin1()), FieldPublicKey);
        return problem;
    }

    const OptionMap &options;
    ConsoleSettings &settings;
    ScoutelSharedData &record;
};
} // namespace

QString applyConsoleOptions(const OptionMap &options, ConsoleSettings &settings,
                            ScoutelContainer &record)
{
    ScoutelSharedData &r = *record.data();
    r.presentFields = 0;
    r.sendFields = FieldApply;
    r.password = QString();
    return OptionApplier(options, settings, r).run();
}
