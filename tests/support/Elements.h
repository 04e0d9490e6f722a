#pragma once

#include <QWidget>
#include <QString>

#include <stdexcept>
#include <string>

// The child of that name: a missing one ends the test with an exception that names it.
template <typename T = QWidget>
T* Element(const QObject& parent, const QString& name)
{
    if (T* found = parent.findChild<T*>(name))
        return found;
    throw std::runtime_error("no element " + name.toStdString() + " in " + parent.objectName().toStdString());
}
