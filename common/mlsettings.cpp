#include "mlsettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

namespace {

const char geometryKey[] = "geometry";

QString geometryGroup(const QWidget *w, const QString &prefix)
{
    return QStringLiteral("UI/") + prefix + w->objectName();
}

} // namespace

MlSettings::MlSettings(QObject *parent)
    : QObject(parent), appTranslator(new QTranslator(this)), qtTranslator(new QTranslator(this))
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vantrel.com"));
    QCoreApplication::setApplicationName(QStringLiteral("application"));
}

void MlSettings::restoreGeometry(QWidget *w, const QString &prefix)
{
    QSettings store;
    store.beginGroup(geometryGroup(w, prefix));
    w->restoreGeometry(store.value(geometryKey).toByteArray());
    store.endGroup();
}

void MlSettings::saveGeometry(QWidget *w, const QString &prefix)
{
    QSettings store;
    store.beginGroup(geometryGroup(w, prefix));
    store.setValue(geometryKey, w->saveGeometry());
    store.endGroup();
}
