#include "forgetdevice.h"

#include "hextext.h"
#include "inventoryfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>

namespace {
constexpr int Failed = -1;

int tell(int status, const QString &message)
{
    qDebug().noquote() << message;
    return status & 0xFF;
}

// Twelve hexadecimal digits, in pairs or not, separated by "-", ":" or spaces.
QByteArray macFrom(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[-: ]")));
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    return hexDigits.match(text).hasMatch() ? QByteArray::fromHex(text.toLatin1()) : QByteArray();
}
} // namespace

int forgetDevice(const QString &macText)
{
    const QByteArray mac = macFrom(macText);
    if (mac.isEmpty())
        return tell(
            Failed,
            QCoreApplication::translate("ScoutelConsole", "Not a MAC address: %1").arg(macText));
    const QString path = InventoryFile::defaultPath();
    InventoryFile::Loaded loaded = InventoryFile::load(path);
    if (!loaded.problem.isEmpty())
        qDebug().noquote() << loaded.problem;
    if (!loaded.inventory.forget(mac))
        return tell(1, QCoreApplication::translate("ScoutelConsole", "%1 is not remembered.")
                           .arg(hexText(mac)));
    const QString problem =
        loaded.writable ? InventoryFile::save(path, loaded.inventory) : loaded.problem;
    if (!problem.isEmpty())
        return tell(Failed, problem);
    return tell(
        0, QCoreApplication::translate("ScoutelConsole", "%1 is forgotten.").arg(hexText(mac)));
}
