#include "accessiblecombo.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

QAccessibleInterface *namedComboFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto *combo = qobject_cast<QComboBox *>(object);
    // The interface is made on first query, possibly before the form has set the name, so the
    // name is looked up when asked for, not here.
    if (!combo || combo->isEditable())
        return nullptr;
    return new AccessibleNamedComboBox(combo);
}

} // namespace

AccessibleNamedComboBox::AccessibleNamedComboBox(QComboBox *combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{
    addControllingSignal(QLatin1String("activated(int)"));
}

QComboBox *AccessibleNamedComboBox::comboBox() const
{
    return static_cast<QComboBox *>(object());
}

QString AccessibleNamedComboBox::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!comboBox()->accessibleName().isEmpty())
            return comboBox()->accessibleName();
        return comboBox()->currentText();
    case QAccessible::Value:
        return comboBox()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

// The drop-down list is the one child, as in the toolkit's own combo box interface, so that
// a screen reader can walk the items.
int AccessibleNamedComboBox::childCount() const
{
    return comboBox()->view() ? 1 : 0;
}

QAccessibleInterface *AccessibleNamedComboBox::child(int index) const
{
    if (index == 0 && comboBox()->view())
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    return nullptr;
}

int AccessibleNamedComboBox::indexOfChild(const QAccessibleInterface *child) const
{
    return child && comboBox()->view() && child->object() == comboBox()->view() ? 0 : -1;
}

QAccessible::State AccessibleNamedComboBox::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    const bool open = comboBox()->view() && comboBox()->view()->isVisible();
    s.expanded = open;
    s.collapsed = !open;
    return s;
}

QStringList AccessibleNamedComboBox::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void AccessibleNamedComboBox::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction()) {
        // A disabled choice stays closed, as it does for the keyboard and the mouse.
        if (!comboBox()->isEnabled())
            return;
        if (comboBox()->view() && comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

void AccessibleNamedComboBox::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(namedComboFactory);
}
