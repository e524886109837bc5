#ifndef METHODCALL_H
#define METHODCALL_H

#include <QVariant>
#include <QVariantList>

class QObject;

// Calls a slot or invokable of `target` by its name, the way the scene calls the objects it is given:
// the arguments are converted to the parameters' types, so the same call reaches a C++ slot taking an
// int and a scene function taking anything. False, and nothing called, when `target` has no such
// method or an argument does not convert; a list or map from a scene function arrives as a variant.
namespace MethodCall {
bool invoke(QObject *target, const char *name, const QVariantList &arguments, QVariant *result = nullptr);
}

#endif // METHODCALL_H
