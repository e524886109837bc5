#include "methodcall.h"

#include <QJSValue>
#include <QMetaMethod>
#include <QObject>

#include <array>

namespace {

constexpr int maxArguments = 10;

// The method of that name taking that many arguments; the most derived one wins.
QMetaMethod findMethod(const QObject *target, const char *name, int argumentCount)
{
    const QMetaObject *meta = target->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() == name && method.parameterCount() == argumentCount && method.methodType() != QMetaMethod::Signal)
            return method;
    }
    return QMetaMethod();
}

bool convertArguments(const QMetaMethod &method, QVariantList *arguments)
{
    for (int i = 0; i < arguments->size(); ++i) {
        const int type = method.parameterType(i);
        if (type != QMetaType::QVariant && !(*arguments)[i].convert(type))
            return false;
    }
    return true;
}

QGenericArgument argument(const QMetaMethod &method, int index, QVariantList &arguments)
{
    if (index >= arguments.size())
        return QGenericArgument();
    QVariant &value = arguments[index];
    if (method.parameterType(index) == QMetaType::QVariant)
        return QGenericArgument("QVariant", &value);
    return QGenericArgument(value.typeName(), value.constData());
}

// A scene function hands back its lists and objects as script values.
QVariant plain(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toVariant();
    return value;
}

} // namespace

bool MethodCall::invoke(QObject *target, const char *name, const QVariantList &arguments, QVariant *result)
{
    if (!target || arguments.size() > maxArguments)
        return false;
    const QMetaMethod method = findMethod(target, name, arguments.size());
    QVariantList converted = arguments;
    if (!method.isValid() || !convertArguments(method, &converted))
        return false;
    std::array<QGenericArgument, maxArguments> args;
    for (int i = 0; i < maxArguments; ++i)
        args[size_t(i)] = argument(method, i, converted);
    const int returnType = method.returnType();
    QVariant returned = returnType == QMetaType::Void || returnType == QMetaType::QVariant ? QVariant() : QVariant(returnType, nullptr);
    QGenericReturnArgument returnArgument;
    if (returnType == QMetaType::QVariant)
        returnArgument = QGenericReturnArgument("QVariant", &returned);
    else if (returnType != QMetaType::Void)
        returnArgument = QGenericReturnArgument(method.typeName(), returned.data());
    if (!method.invoke(target, Qt::DirectConnection, returnArgument, args[0], args[1], args[2], args[3], args[4], args[5],
                       args[6], args[7], args[8], args[9]))
        return false;
    if (result)
        *result = plain(returned);
    return true;
}
