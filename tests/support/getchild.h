#pragma once

// Finds a widget (or any named object) by the path of object names that leads to it, such as
// "frmPreview/cmdApply". Each name is looked up below the one before it.

#include <QObject>
#include <QString>
#include <stdexcept>

namespace sequate::testing {

template <typename T = QObject>
T* getChild(const QObject& root, const QString& path) {
    QObject* current = const_cast<QObject*>(&root);
    for (const QString& name : path.split(QLatin1Char('/')))
        if (current = current->findChild<QObject*>(name); !current)
            throw std::runtime_error("no object \"" + path.toStdString() + "\"");
    if (T* typed = qobject_cast<T*>(current))
        return typed;
    throw std::runtime_error("\"" + path.toStdString() + "\" is a " +
                             current->metaObject()->className());
}

} // namespace sequate::testing
