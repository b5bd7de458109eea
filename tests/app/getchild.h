#pragma once

// Finds a widget (or any named object) by the path of object names that leads to it, such as
// "frmStart/frmMode/optAssign". Each name is looked up below the one before it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace sequate::testing {

template <typename T = QObject>
T* getChild(const QObject& root, const QString& path) {
    const QObject* current = &root;
    for (const QString& name : path.split(QLatin1Char('/'))) {
        current = current->findChild<QObject*>(name);
        if (!current) {
            throw std::runtime_error("no object \"" + name.toStdString() + "\" on the path \"" +
                                     path.toStdString() + "\"");
        }
    }
    T* typed = qobject_cast<T*>(const_cast<QObject*>(current));
    if (!typed) {
        throw std::runtime_error("\"" + path.toStdString() + "\" is a " +
                                 current->metaObject()->className());
    }
    return typed;
}

} // namespace sequate::testing
