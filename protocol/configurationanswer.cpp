#include "configurationanswer.h"

namespace ConfigurationAnswer {

bool hasSomethingToSend(const ScoutelSharedData &target)
{
    return (target.sendFields & ~quint32(FieldApply)) != 0;
}

bool succeeded(const ScoutelSharedData &answer)
{
    return answer.result == ResultOk;
}

bool keepsDeviceList(const ScoutelSharedData &answer)
{
    return succeeded(answer) || answer.result == ResultWrongPassword;
}

} // namespace ConfigurationAnswer
