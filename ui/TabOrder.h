#pragma once

#include <QWidget>
#include <initializer_list>

// Tab visits the named elements of `window` in this order (those that exist), so that it
// follows reading order where the elements were made in another.
void SetTabOrder(QWidget* window, std::initializer_list<const char*> names);
