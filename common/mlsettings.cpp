#include "mlsettings.h"

#include <QSettings>
#include <QTranslator>

namespace {

const char geometryKey[] = "geometry";

QString geometryGroup(const QString &name)
{
    return QStringLiteral("UI/") + name;
}

} // namespace

MlSettings::MlSettings(QObject *parent)
    : QObject(parent), appTranslator(new QTranslator(this)), qtTranslator(new QTranslator(this))
{}

QByteArray MlSettings::storedGeometry(const QString &name) const
{
    QSettings store;
    store.beginGroup(geometryGroup(name));
    return store.value(geometryKey).toByteArray();
}

void MlSettings::storeGeometry(const QString &name, const QByteArray &geometry)
{
    QSettings store;
    store.beginGroup(geometryGroup(name));
    store.setValue(geometryKey, geometry);
    store.endGroup();
}
