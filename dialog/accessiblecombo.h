#pragma once

// Screen-reader names for combo boxes that have no caption.
//
// On Linux, Qt's own accessible combo box reports its current item as its name and expects the
// name to come from a labelling buddy. The dialog's five combo boxes have no labels (the choice
// itself is the caption), so a screen reader would announce only "Flat Plate", not what is being
// chosen. This interface reports the accessibleName set in the form, and the current item as the
// value, as on other platforms. It serves every combo box of the program, those of the windows
// opened from the calculator too; one without an accessibleName keeps the toolkit's behaviour of
// being named by its current item.

#include <QAccessibleWidget>

class QComboBox;

class AccessibleNamedComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleNamedComboBox(QComboBox *combo);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Installs the factory once; call after the QApplication exists so that it takes precedence
    // over the toolkit's own.
    static void install();

private:
    QComboBox *comboBox() const;
};
