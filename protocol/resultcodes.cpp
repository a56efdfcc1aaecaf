#include "resultcodes.h"

#include <QCoreApplication>

namespace ResultCodes {

const Code *find(int number)
{
    for (const Code &code : Codes) {
        if (code.number == number)
            return &code;
    }
    return nullptr;
}

const Code *findName(QStringView name)
{
    for (const Code &code : Codes) {
        if (name == QLatin1String(code.name))
            return &code;
    }
    return nullptr;
}

int codeOf(QStringView name)
{
    const Code *code = findName(name);
    return code ? code->number : 0;
}

QString name(int number)
{
    const Code *code = find(number);
    return code ? QString::fromLatin1(code->name) : QString();
}

QString plainText(int number)
{
    const Code *code = find(number);
    if (!code)
        return QCoreApplication::translate("ScoutelSharedData", "error %1").arg(number);
    if (!code->context)
        return QString::fromLatin1(code->text);
    return QCoreApplication::translate(code->context, code->text);
}

} // namespace ResultCodes
