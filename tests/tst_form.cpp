// The window as it stands right after start: texts, items, enabled states, object names and
// classes, the layout tree with its spacing and margins, geometry, buddies, the selection codes
// and the meta-object.

#include "guitest.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QSpacerItem>

#include <cstddef>
#include <memory>

namespace {

// The layout tree under layoutWidget, depth first, as the form is built. Depth 0 is the layout
// of layoutWidget; every deeper row sits in the nearest row above it with a smaller depth.
struct TreeRow {
    int depth;
    const char *name;
    const char *cls;
};

const TreeRow kTree[] = {
    {0, "hboxLayout", "QHBoxLayout"},
    {1, "vboxLayout", "QVBoxLayout"},
    {2, "hboxLayout1", "QHBoxLayout"},
    {3, "vboxLayout1", "QVBoxLayout"},
    {4, "hboxLayout2", "QHBoxLayout"},
    {5, "label_4", "QLabel"},
    {5, "ReynoldsEdit", "QLineEdit"},
    {4, "hboxLayout3", "QHBoxLayout"},
    {5, "label_6", "QLabel"},
    {5, "PrandtlEdit", "QLineEdit"},
    {3, "spacerItem", "QSpacerItem"},
    {2, "hboxLayout4", "QHBoxLayout"},
    {3, "vboxLayout2", "QVBoxLayout"},
    {4, "vboxLayout3", "QVBoxLayout"},
    {5, "GeometryCombo", "QComboBox"},
    {5, "GeometryEdit", "QLineEdit"},
    {3, "vboxLayout4", "QVBoxLayout"},
    {4, "vboxLayout5", "QVBoxLayout"},
    {5, "UniformTempCombo", "QComboBox"},
    {5, "UniformTempEdit", "QLineEdit"},
    {2, "hboxLayout5", "QHBoxLayout"},
    {3, "vboxLayout6", "QVBoxLayout"},
    {4, "vboxLayout7", "QVBoxLayout"},
    {5, "TurbulantCombo", "QComboBox"},
    {5, "TurbulantEdit", "QLineEdit"},
    {3, "vboxLayout8", "QVBoxLayout"},
    {4, "vboxLayout9", "QVBoxLayout"},
    {5, "LiquidMetalCombo", "QComboBox"},
    {5, "LiquidMetalEdit", "QLineEdit"},
    {2, "Calculate", "QPushButton"},
    {2, "hboxLayout6", "QHBoxLayout"},
    {3, "label_3", "QLabel"},
    {3, "NusseltEdit", "QLineEdit"},
    {2, "hboxLayout7", "QHBoxLayout"},
    {3, "label_7", "QLabel"},
    {3, "AverageNusseltEdit", "QLineEdit"},
    {2, "hboxLayout8", "QHBoxLayout"},
    {3, "label_8", "QLabel"},
    {3, "NoteEdit", "QLineEdit"},
    {1, "vboxLayout10", "QVBoxLayout"},
    {2, "vboxLayout11", "QVBoxLayout"},
    {3, "vboxLayout12", "QVBoxLayout"},
    {4, "label_14", "QLabel"},
    {4, "PrandtlSurfaceEdit", "QLineEdit"},
    {3, "vboxLayout13", "QVBoxLayout"},
    {4, "label_10", "QLabel"},
    {4, "PlateLengthEdit", "QLineEdit"},
    {3, "vboxLayout14", "QVBoxLayout"},
    {4, "label_13", "QLabel"},
    {4, "LeadingEdgeEdit", "QLineEdit"},
    {3, "vboxLayout15", "QVBoxLayout"},
    {4, "label_11", "QLabel"},
    {4, "label_12", "QLabel"},
    {4, "HeatStartEdit", "QLineEdit"},
    {3, "vboxLayout16", "QVBoxLayout"},
    {4, "SphereCombo", "QComboBox"},
    {4, "SphereEdit", "QLineEdit"},
    {2, "ZhukauskasEdit", "QLineEdit"},
};

// Every widget of the form, in creation order. text: label or button text, line-edit text after
// construction (the three opening prompts included), combo box's shown item. extra: a combo
// box's items joined with '|', a label's buddy.
struct WidgetRow {
    const char *name;
    const char *cls;
    bool enabled;
    const char *text;
    const char *extra;
};

const WidgetRow kWidgets[] = {
    {"label_4", "QLabel", true, "Reynolds #", "ReynoldsEdit"},
    {"ReynoldsEdit", "QLineEdit", true, "Enter Reynolds #", ""},
    {"label_6", "QLabel", true, "Prandtl #", "PrandtlEdit"},
    {"PrandtlEdit", "QLineEdit", true, "Enter Prandtl #", ""},
    {"GeometryCombo", "QComboBox", true, "Flat Plate", "Flat Plate|Cylinder|Sphere"},
    {"GeometryEdit", "QLineEdit", true, "Geometry", ""},
    {"UniformTempCombo", "QComboBox", false, "Uniform Temp",
     "Uniform Temp|Uniform Flux|Unheated Starting Length"},
    {"UniformTempEdit", "QLineEdit", true, "Heat Flow Condition", ""},
    {"TurbulantCombo", "QComboBox", false, "Turbulant", "Turbulant|Laminar|Mixed Flow"},
    {"TurbulantEdit", "QLineEdit", true, "Flow Condition", ""},
    {"LiquidMetalCombo", "QComboBox", false, "Regular Fluid", "Regular Fluid|Liquid Metal"},
    {"LiquidMetalEdit", "QLineEdit", true, "Fluid Type", ""},
    {"Calculate", "QPushButton", false, "Calculate Nusselt #", ""},
    {"label_3", "QLabel", true, "Nusselt #", ""},
    {"NusseltEdit", "QLineEdit", true, "", ""},
    {"label_7", "QLabel", true, "Average\nNusselt #", ""},
    {"AverageNusseltEdit", "QLineEdit", true, "", ""},
    {"label_8", "QLabel", true, "Note:", ""},
    {"NoteEdit", "QLineEdit", true, "Choose Geometry", ""},
    {"label_14", "QLabel", true, "Prandtl at Surface Temp", ""},
    {"PrandtlSurfaceEdit", "QLineEdit", false, "", ""},
    {"label_10", "QLabel", true, "Plate Length", ""},
    {"PlateLengthEdit", "QLineEdit", false, "", ""},
    {"label_13", "QLabel", true, "Distance From Leading Edge", ""},
    {"LeadingEdgeEdit", "QLineEdit", false, "", ""},
    {"label_11", "QLabel", true, " Distance From Leading Edge to", ""},
    {"label_12", "QLabel", true, "Where Heating Starts", ""},
    {"HeatStartEdit", "QLineEdit", false, "", ""},
    {"SphereCombo", "QComboBox", false, "Regular Sphere", "Regular Sphere|Drops"},
    {"SphereEdit", "QLineEdit", true, "", ""},
    {"ZhukauskasEdit", "QLineEdit", true, "", ""},
};

// The prompts that the constructor writes over what retranslateUi left.
const QStringList kPromptFields = {"NoteEdit", "ReynoldsEdit", "PrandtlEdit"};

// All 59 members of Ui_ExternalFlow, in declaration order, with their offsets.
struct Member {
    QString name;
    std::size_t offset;
    const void *pointer;
};

QList<Member> membersOf(const Ui_ExternalFlow &ui)
{
#define M(x) Member{QStringLiteral(#x), offsetof(Ui_ExternalFlow, x), ui.x}
    return {M(layoutWidget), M(hboxLayout), M(vboxLayout), M(hboxLayout1), M(vboxLayout1),
            M(hboxLayout2), M(label_4), M(ReynoldsEdit), M(hboxLayout3), M(label_6),
            M(PrandtlEdit), M(spacerItem), M(hboxLayout4), M(vboxLayout2), M(vboxLayout3),
            M(GeometryCombo), M(GeometryEdit), M(vboxLayout4), M(vboxLayout5),
            M(UniformTempCombo), M(UniformTempEdit), M(hboxLayout5), M(vboxLayout6),
            M(vboxLayout7), M(TurbulantCombo), M(TurbulantEdit), M(vboxLayout8), M(vboxLayout9),
            M(LiquidMetalCombo), M(LiquidMetalEdit), M(Calculate), M(hboxLayout6), M(label_3),
            M(NusseltEdit), M(hboxLayout7), M(label_7), M(AverageNusseltEdit), M(hboxLayout8),
            M(label_8), M(NoteEdit), M(vboxLayout10), M(vboxLayout11), M(vboxLayout12),
            M(label_14), M(PrandtlSurfaceEdit), M(vboxLayout13), M(label_10), M(PlateLengthEdit),
            M(vboxLayout14), M(label_13), M(LeadingEdgeEdit), M(vboxLayout15), M(label_11),
            M(label_12), M(HeatStartEdit), M(vboxLayout16), M(SphereCombo), M(SphereEdit),
            M(ZhukauskasEdit)};
#undef M
}

// "depth name class" for every item of the actual layout tree, depth first.
void walk(QLayout *layout, int depth, const QSpacerItem *spacer, QStringList &out)
{
    out << QStringLiteral("%1 %2 %3").arg(depth).arg(layout->objectName(),
                                                     layout->metaObject()->className());
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *child = item->layout()) {
            walk(child, depth + 1, spacer, out);
        } else if (QWidget *w = item->widget()) {
            out << QStringLiteral("%1 %2 %3").arg(depth + 1).arg(w->objectName(),
                                                                 w->metaObject()->className());
        } else if (item->spacerItem()) {
            out << QStringLiteral("%1 %2 QSpacerItem")
                       .arg(depth + 1)
                       .arg(item == spacer ? QStringLiteral("spacerItem")
                                           : QStringLiteral("<unknown spacer>"));
        } else {
            out << QStringLiteral("%1 <unknown item>").arg(depth + 1);
        }
    }
}

QList<QLayout *> allLayouts(QLayout *layout)
{
    QList<QLayout *> out{layout};
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *child = layout->itemAt(i)->layout())
            out += allLayouts(child);
    return out;
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList messages;
void collect(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages << text;
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

private:
    guitest::ModalWatchdog watchdog;
    std::unique_ptr<ExternalFlow> dialog;
    Ui_ExternalFlow &ui() { return ExternalFlowTestAccess(*dialog).ui(); }
    template <typename T = QWidget>
    T *widget(const char *name)
    {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }

private slots:
    void init()
    {
        dialog = std::make_unique<ExternalFlow>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup()
    {
        dialog.reset();
        const QStringList boxes = watchdog.take();
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected modal box: ") + boxes.join(QStringLiteral("; "))));
    }

    void constructionPrintsNothing()
    {
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        {
            ExternalFlow quiet;
            Q_UNUSED(quiet);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(messages, QStringList());
    }

    void dialogItself()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Nusselt # Calculator"));
        QCOMPARE(dialog->objectName(), QStringLiteral("ExternalFlow"));
        QCOMPARE(dialog->size(), QSize(493, 365));
        QVERIFY(!dialog->layout());
        QVERIFY(!dialog->isModal());
        // Only layoutWidget hangs directly off the dialog.
        const auto children = dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 1);
        QCOMPARE(children.first(), ui().layoutWidget);
        QCOMPARE(ui().layoutWidget->objectName(), QStringLiteral("layoutWidget"));
        QCOMPARE(ui().layoutWidget->metaObject()->className(), "QWidget");
        QCOMPARE(ui().layoutWidget->layout(), static_cast<QLayout *>(ui().hboxLayout));
    }

    void widgets_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kWidgets)); ++i)
            QTest::newRow(kWidgets[i].name) << i;
    }
    void widgets()
    {
        QFETCH(int, row);
        const WidgetRow &r = kWidgets[row];
        const auto found = dialog->findChildren<QWidget *>(QString::fromLatin1(r.name));
        QCOMPARE(found.size(), 1);
        QWidget *w = found.first();
        QCOMPARE(w->metaObject()->className(), r.cls);
        QCOMPARE(w->parentWidget(), ui().layoutWidget);
        QCOMPARE(w->isEnabled(), r.enabled);
        QVERIFY(w->toolTip().isEmpty());
        QVERIFY(!w->testAttribute(Qt::WA_SetFont));
        QVERIFY(!w->testAttribute(Qt::WA_SetPalette));
        QVERIFY(!w->testAttribute(Qt::WA_SetStyle));
        QCOMPARE(w->minimumSize(), QSize(0, 0));
        QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        const QString text = QString::fromLatin1(r.text);
        const QString extra = QString::fromLatin1(r.extra);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->buddy(), extra.isEmpty() ? nullptr : widget(r.extra));
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
            QVERIFY(!label->wordWrap());
            QCOMPARE(label->sizePolicy(), QLabel().sizePolicy());
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QCOMPARE(edit->text(), text);
            QVERIFY(edit->placeholderText().isEmpty()); // the prompts are real text
            QVERIFY(!edit->isReadOnly());
            QVERIFY(!edit->validator());
            QVERIFY(edit->inputMask().isEmpty());
            QCOMPARE(edit->maxLength(), 32767);
            QCOMPARE(edit->echoMode(), QLineEdit::Normal);
            QCOMPARE(edit->alignment(), QLineEdit().alignment());
            QCOMPARE(edit->sizePolicy(), QLineEdit().sizePolicy());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QCOMPARE(combo->currentText(), text);
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(itemsOf(combo), extra.split(QLatin1Char('|')));
            for (int i = 0; i < combo->count(); ++i)
                QVERIFY(!combo->itemData(i).isValid());
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->sizePolicy(), QComboBox().sizePolicy());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isCheckable());
            QVERIFY(!button->isFlat());
            QCOMPARE(button->sizePolicy(), QPushButton().sizePolicy());
        } else {
            QFAIL("unexpected widget class");
        }
    }

    // The caption of AverageNusseltEdit renders on two lines; label_11 keeps its leading blank.
    void twoLineAndBlankCaptions()
    {
        auto *twoLines = widget<QLabel>("label_7");
        auto *oneLine = widget<QLabel>("label_3");
        QCOMPARE(twoLines->text().size(), 17);
        QVERIFY(!twoLines->text().contains(QLatin1Char('\r')));
        QVERIFY(twoLines->sizeHint().height() > oneLine->sizeHint().height());
        QVERIFY(widget<QLabel>("label_11")->text().startsWith(QLatin1String(" D")));
        QCOMPARE(dialog->findChildren<QLabel *>().size(), 10);
        QCOMPARE(dialog->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly).size(), 0);
        QCOMPARE(ui().layoutWidget->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly).size(), 15);
        QCOMPARE(dialog->findChildren<QComboBox *>().size(), 5);
        QCOMPARE(dialog->findChildren<QPushButton *>().size(), 1);
    }

    // retranslateUi alone, on a plain dialog: the texts before the constructor's prompts.
    void formWithoutTheDialogClass()
    {
        QDialog plain;
        Ui_ExternalFlow form;
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        form.setupUi(&plain);
        qInstallMessageHandler(previous);
        QCOMPARE(messages, QStringList());
        QCOMPARE(plain.objectName(), QStringLiteral("ExternalFlow"));
        QCOMPARE(plain.windowTitle(), QStringLiteral("Nusselt # Calculator"));
        for (const WidgetRow &r : kWidgets) {
            auto *edit = plain.findChild<QLineEdit *>(QString::fromLatin1(r.name));
            if (!edit)
                continue;
            const QString name = QString::fromLatin1(r.name);
            const QString expected = kPromptFields.contains(name) ? QString() : QString::fromLatin1(r.text);
            QVERIFY2(edit->text() == expected, qPrintable(name + QStringLiteral(": ") + edit->text()));
        }
        // No default-button flag from the form (QDialog makes the button default when shown).
        QVERIFY(!form.Calculate->isDefault());
    }

    void members()
    {
        const QList<Member> members = membersOf(ui());
        QCOMPARE(members.size(), 59);
        // Nothing but the 59 pointers, declared in creation order.
        QCOMPARE(sizeof(Ui_ExternalFlow), 59 * sizeof(void *));
        for (int i = 1; i < members.size(); ++i)
            QVERIFY2(members[i - 1].offset < members[i].offset, qPrintable(members[i].name));
        // Creation order is the order of the tree, depth first, below layoutWidget.
        QStringList treeNames{QStringLiteral("layoutWidget")};
        for (const TreeRow &r : kTree)
            treeNames << QString::fromLatin1(r.name);
        QStringList memberNames;
        for (const Member &m : members)
            memberNames << m.name;
        QCOMPARE(memberNames, treeNames);
        // Each member points at the object of its name (the spacer has none).
        for (const Member &m : members) {
            if (m.name == QLatin1String("spacerItem")) {
                QCOMPARE(m.pointer, static_cast<const void *>(ui().spacerItem));
                continue;
            }
            const auto found = dialog->findChildren<QObject *>(m.name);
            QVERIFY2(found.size() == 1, qPrintable(m.name));
            QVERIFY2(static_cast<const void *>(found.first()) == m.pointer, qPrintable(m.name));
        }
    }

    void layoutTree()
    {
        QStringList expected;
        for (const TreeRow &r : kTree)
            expected << QStringLiteral("%1 %2 %3").arg(r.depth).arg(QString::fromLatin1(r.name),
                                                                    QString::fromLatin1(r.cls));
        QStringList actual;
        walk(ui().layoutWidget->layout(), 0, ui().spacerItem, actual);
        QCOMPARE(actual, expected);
    }

    void layoutProperties()
    {
        const QList<QLayout *> layouts = allLayouts(ui().hboxLayout);
        QCOMPARE(layouts.size(), 26);
        QCOMPARE(ui().hboxLayout->parent(), static_cast<QObject *>(ui().layoutWidget));
        for (QLayout *layout : layouts) {
            const QByteArray name = layout->objectName().toLatin1();
            auto *box = qobject_cast<QBoxLayout *>(layout);
            QVERIFY2(box, name);
            QVERIFY2(box->spacing() == 6, name);
            QVERIFY2(box->contentsMargins() == QMargins(0, 0, 0, 0), name);
            QVERIFY2(box->alignment() == Qt::Alignment(), name);
            for (int i = 0; i < box->count(); ++i) {
                QVERIFY2(box->stretch(i) == 0, name);
                QVERIFY2(box->itemAt(i)->alignment() == Qt::Alignment(), name);
                if (QLayout *child = box->itemAt(i)->layout())
                    QVERIFY2(child->parent() == layout, child->objectName().toLatin1());
            }
        }
    }

    void spacer()
    {
        QSpacerItem *spacer = ui().spacerItem;
        QVERIFY(spacer);
        QCOMPARE(ui().hboxLayout1->count(), 2);
        QCOMPARE(ui().hboxLayout1->itemAt(0)->layout(), static_cast<QLayout *>(ui().vboxLayout1));
        QCOMPARE(ui().hboxLayout1->itemAt(1), static_cast<QLayoutItem *>(spacer));
        QCOMPARE(spacer->sizeHint(), QSize(40, 20));
        QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
        // It sits to the right of the Reynolds and Prandtl rows.
        QVERIFY(spacer->geometry().left() >= ui().ReynoldsEdit->geometry().right());
    }

    void geometryIsFixed_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("enlarged") << QSize(900, 700);
        QTest::newRow("shrunk") << QSize(200, 150);
    }
    void geometryIsFixed()
    {
        QFETCH(QSize, size);
        const QRect form(6, 12, 487, 345);
        QCOMPARE(ui().layoutWidget->geometry(), form);
        dialog->resize(size);
        QTRY_COMPARE(dialog->size(), size);
        QCoreApplication::processEvents();
        QCOMPARE(ui().layoutWidget->geometry(), form);
        QCOMPARE(ui().layoutWidget->parentWidget(), static_cast<QWidget *>(dialog.get()));
    }

    void buddies()
    {
        int withBuddy = 0;
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->buddy())
                ++withBuddy;
        }
        QCOMPARE(withBuddy, 2);
        QCOMPARE(widget<QLabel>("label_4")->buddy(), widget("ReynoldsEdit"));
        QCOMPARE(widget<QLabel>("label_6")->buddy(), widget("PrandtlEdit"));
    }

    // No explicit tab order: widgets are created, and reached with Tab, in tree order.
    void creationAndFocusOrder()
    {
        QStringList treeWidgets;
        for (const TreeRow &r : kTree)
            if (!QByteArray(r.cls).endsWith("Layout") && QByteArray(r.cls) != "QSpacerItem")
                treeWidgets << QString::fromLatin1(r.name);
        QStringList created;
        for (QObject *child : ui().layoutWidget->children())
            if (child->isWidgetType())
                created << child->objectName();
        QCOMPARE(created, treeWidgets);

        QStringList chain;
        for (QWidget *w = dialog->nextInFocusChain(); w != dialog.get(); w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        const QStringList expected = {"ReynoldsEdit", "PrandtlEdit", "GeometryCombo", "GeometryEdit",
            "UniformTempCombo", "UniformTempEdit", "TurbulantCombo", "TurbulantEdit",
            "LiquidMetalCombo", "LiquidMetalEdit", "Calculate", "NusseltEdit", "AverageNusseltEdit",
            "NoteEdit", "PrandtlSurfaceEdit", "PlateLengthEdit", "LeadingEdgeEdit", "HeatStartEdit",
            "SphereCombo", "SphereEdit", "ZhukauskasEdit"};
        QCOMPARE(chain, expected);
    }

    // At start Calculate cannot be pressed, with the mouse or the keyboard.
    void userInputAtStart()
    {
        QSignalSpy clicked(ui().Calculate, &QPushButton::clicked);
        const QList<guitest::Box> boxes = guitest::catchBoxes([&] {
            QTest::mouseClick(ui().Calculate, Qt::LeftButton);
            ui().Calculate->setFocus();
            QTest::keyClick(ui().Calculate, Qt::Key_Space);
        });
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(ui().NoteEdit->text(), QStringLiteral("Choose Geometry"));
        QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), (QList<int>{1, 0, 0, 0, 0}));
    }

    void selectionAtStart()
    {
        QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), (QList<int>{1, 0, 0, 0, 0}));
    }

    void metaObject()
    {
        const QMetaObject &mo = ExternalFlow::staticMetaObject;
        QCOMPARE(dialog->metaObject(), &mo);
        QCOMPARE(mo.className(), "ExternalFlow");
        QCOMPARE(mo.superClass(), &QDialog::staticMetaObject);
        QCOMPARE(mo.classInfoCount(), mo.classInfoOffset());
        QCOMPARE(mo.propertyCount(), mo.propertyOffset());
        QCOMPARE(mo.enumeratorCount(), mo.enumeratorOffset());
        QCOMPARE(mo.constructorCount(), 0);
        QCOMPARE(mo.methodCount() - mo.methodOffset(), 6);
        const QByteArrayList signatures = {"on_Calculate_clicked()",
            "on_TurbulantCombo_textActivated(QString)", "on_UniformTempCombo_textActivated(QString)",
            "on_GeometryCombo_textActivated(QString)", "on_LiquidMetalCombo_textActivated(QString)",
            "on_SphereCombo_textActivated(QString)"};
        for (int i = 0; i < 6; ++i) {
            const QMetaMethod m = mo.method(mo.methodOffset() + i);
            QCOMPARE(m.methodSignature(), signatures[i]);
            QCOMPARE(m.methodType(), QMetaMethod::Slot);
            QCOMPARE(m.access(), QMetaMethod::Private);
            QCOMPARE(m.returnType(), i == 0 ? int(QMetaType::Int) : int(QMetaType::Void));
            QCOMPARE(m.parameterNames(), i == 0 ? QByteArrayList() : QByteArrayList{"str"});
            QCOMPARE(m.parameterTypes(), i == 0 ? QByteArrayList() : QByteArrayList{"QString"});
        }
    }

    // At start (Flat Plate, no heat flow condition) a calculation with valid numbers does nothing
    // and returns 0.
    void invokeCalculate()
    {
        guitest::typeInto(ui().ReynoldsEdit, QStringLiteral("10000"));
        guitest::typeInto(ui().PrandtlEdit, QStringLiteral("1"));
        int result = -1;
        bool invoked = false;
        const QList<guitest::Box> boxes = guitest::catchBoxes([&] {
            invoked = QMetaObject::invokeMethod(dialog.get(), "on_Calculate_clicked",
                                                Qt::DirectConnection, Q_RETURN_ARG(int, result));
        });
        QVERIFY(invoked);
        QCOMPARE(result, 0);
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(ui().NoteEdit->text(), QStringLiteral("Choose Geometry"));
        QVERIFY(ui().NusseltEdit->text().isEmpty());
        QVERIFY(ui().AverageNusseltEdit->text().isEmpty());
    }
};

NUSSELT_GUI_TEST_MAIN(FormTest)
#include "tst_form.moc"
