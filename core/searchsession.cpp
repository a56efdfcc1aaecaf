#include "searchsession.h"

void SearchSession::begin()
{
    answered.clear();
    for (ScoutelContainer &record : known)
        record->result = -1;
}

bool SearchSession::receive(const ScoutelContainer &answer)
{
    known.insert(answer->mac, answer);
    const qsizetype before = answered.size();
    answered.insert(answer->mac);
    return answered.size() != before;
}

QList<QByteArray> SearchSession::stale() const
{
    QList<QByteArray> macs;
    for (auto device = known.cbegin(); device != known.cend(); ++device) {
        if (!answered.contains(device.key()))
            macs.append(device.key());
    }
    return macs;
}
