#pragma once

#include <QAccessible>

// While one lives, no change reaches a screen reader. For changes that are
// noise to it: a window being built before it is shown, a box emptied before
// the focus comes to it.
class Unheard {
public:
    Unheard() : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}
    ~Unheard() { QAccessible::installUpdateHandler(m_previous); }
    Unheard(const Unheard&) = delete;
    Unheard& operator=(const Unheard&) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};
