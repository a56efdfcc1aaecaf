#include "scoutelcontainer.h"

QString ScoutelSharedData::resultText() const
{
    switch (result) {
    case ResultOk:
        return tr("all ok");
    case ResultGeneric:
        return QStringLiteral("ERROR_GENERIC");
    case ResultFieldLength:
        return QStringLiteral("ERROR_FIELD_LENGTH");
    case ResultFieldUnknown:
        return QStringLiteral("ERROR_FIELD_UNKNOWN");
    case ResultFieldDeny:
        return QStringLiteral("ERROR_FIELD_DENY");
    case ResultBufferLength:
        return QStringLiteral("ERROR_BUFFER_LENGTH");
    case ResultChallengeSize:
        return QStringLiteral("ERROR_CHALLENGE_SIZE");
    case ResultSessionExpired:
        return tr("session expired");
    case ResultWrongPassword:
        return tr("wrong password");
    default:
        return tr("error %1").arg(result);
    }
}

ScoutelContainer::ScoutelContainer() : d(new ScoutelSharedData) {}
