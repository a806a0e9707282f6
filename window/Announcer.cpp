#include "Announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* notification(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notification);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::say(const QString& text)
{
    // Orca speaks a notification when it starts showing, not when it changes.
    hide();
    setAccessibleName(text);
    show();
}
