#include "applicationidentity.h"

#include <QCoreApplication>

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vantrel.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOUTEL_VERSION_TEXT));
}
