#include "ui/TabOrder.h"

void SetTabOrder(QWidget* window, std::initializer_list<const char*> names)
{
    QWidget* previous = nullptr;
    for (const char* name : names) {
        auto* next = window->findChild<QWidget*>(QLatin1String(name));
        if (!next)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
