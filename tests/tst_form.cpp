// The window as it stands right after start, as a user and the calling code meet it: texts,
// items, enabled states, captions with their buddies, the arrangement of the fields, the fixed
// geometry, the tab order, the selection codes, and the slots that the form connects by name.

#include "guitest.h"

#include <QDialog>
#include <QLabel>
#include <QSignalSpy>

#include <memory>

namespace {

// The form's widgets that code reaches by their member and object names. text: line-edit text
// after construction (the three opening prompts included), a combo box's shown item or a button's
// text; items: a combo box's items joined with '|'.
struct FieldRow {
    const char *name;
    const char *cls;
    bool enabled;
    const char *text;
    const char *items;
};

const FieldRow kFields[] = {
    {"ReynoldsEdit", "QLineEdit", true, "Enter Reynolds #", ""},
    {"PrandtlEdit", "QLineEdit", true, "Enter Prandtl #", ""},
    {"GeometryCombo", "QComboBox", true, "Flat Plate", "Flat Plate|Cylinder|Sphere"},
    {"GeometryEdit", "QLineEdit", true, "Geometry", ""},
    {"UniformTempCombo", "QComboBox", false, "Uniform Temp",
     "Uniform Temp|Uniform Flux|Unheated Starting Length"},
    {"UniformTempEdit", "QLineEdit", true, "Heat Flow Condition", ""},
    {"TurbulantCombo", "QComboBox", false, "Turbulant", "Turbulant|Laminar|Mixed Flow"},
    {"TurbulantEdit", "QLineEdit", true, "Flow Condition", ""},
    {"LiquidMetalCombo", "QComboBox", false, "Regular Fluid",
     "Regular Fluid|Liquid Metal"},
    {"LiquidMetalEdit", "QLineEdit", true, "Fluid Type", ""},
    {"Calculate", "QPushButton", false, "Calculate Nusselt #", ""},
    {"NusseltEdit", "QLineEdit", true, "", ""},
    {"AverageNusseltEdit", "QLineEdit", true, "", ""},
    {"NoteEdit", "QLineEdit", true, "Choose Geometry", ""},
    {"PrandtlSurfaceEdit", "QLineEdit", false, "", ""},
    {"PlateLengthEdit", "QLineEdit", false, "", ""},
    {"LeadingEdgeEdit", "QLineEdit", false, "", ""},
    {"HeatStartEdit", "QLineEdit", false, "", ""},
    {"SphereCombo", "QComboBox", false, "Regular Sphere", "Regular Sphere|Drops"},
    {"SphereEdit", "QLineEdit", true, "", ""},
    {"ZhukauskasEdit", "QLineEdit", true, "", ""},
};

// The form's members that code uses, by name.
QWidget *member(Ui_ExternalFlow &ui, const QString &name)
{
#define M(x) {QStringLiteral(#x), ui.x}
    const QList<QPair<QString, QWidget *>> members = {M(ReynoldsEdit), M(PrandtlEdit), M(GeometryCombo),
        M(GeometryEdit), M(UniformTempCombo), M(UniformTempEdit), M(TurbulantCombo), M(TurbulantEdit),
        M(LiquidMetalCombo), M(LiquidMetalEdit), M(Calculate), M(NusseltEdit), M(AverageNusseltEdit),
        M(NoteEdit), M(PrandtlSurfaceEdit), M(PlateLengthEdit), M(LeadingEdgeEdit), M(HeatStartEdit),
        M(SphereCombo), M(SphereEdit), M(ZhukauskasEdit)};
#undef M
    for (const auto &[n, w] : members)
        if (n == name)
            return w;
    return nullptr;
}

// The captions, found by their text; the two number fields' captions have them as buddies.
struct CaptionRow {
    const char *text;
    const char *buddy;
};

const CaptionRow kCaptions[] = {
    {"Reynolds #", "ReynoldsEdit"},
    {"Prandtl #", "PrandtlEdit"},
    {"Nusselt #", nullptr},
    {"Average\nNusselt #", nullptr},
    {"Note:", nullptr},
    {"Prandtl at Surface Temp", nullptr},
    {"Plate Length", nullptr},
    {"Distance From Leading Edge", nullptr},
    {" Distance From Leading Edge to", nullptr},
    {"Where Heating Starts", nullptr},
};

// Where things are: in each column every entry lies wholly above the next; in each row every
// entry lies wholly left of the next, on the same line. A quoted entry is a caption's text.
const QList<QStringList> kColumns = {
    {"ReynoldsEdit", "PrandtlEdit", "GeometryCombo", "GeometryEdit", "TurbulantCombo", "TurbulantEdit",
     "Calculate", "NusseltEdit", "AverageNusseltEdit", "NoteEdit"},
    {"UniformTempCombo", "UniformTempEdit", "LiquidMetalCombo", "LiquidMetalEdit"},
    {"'Prandtl at Surface Temp'", "PrandtlSurfaceEdit", "'Plate Length'", "PlateLengthEdit",
     "'Distance From Leading Edge'", "LeadingEdgeEdit", "' Distance From Leading Edge to'",
     "'Where Heating Starts'", "HeatStartEdit", "SphereCombo", "SphereEdit", "ZhukauskasEdit"},
};
const QList<QStringList> kRows = {
    {"'Reynolds #'", "ReynoldsEdit"},
    {"'Prandtl #'", "PrandtlEdit"},
    {"GeometryCombo", "UniformTempCombo"},
    {"GeometryEdit", "UniformTempEdit"},
    {"TurbulantCombo", "LiquidMetalCombo"},
    {"TurbulantEdit", "LiquidMetalEdit"},
    {"'Nusselt #'", "NusseltEdit"},
    {"'Average\nNusselt #'", "AverageNusseltEdit"},
    {"'Note:'", "NoteEdit"},
};

// Tab visits the enabled fields in this order (no explicit tab order: the order the form makes them).
const QStringList kTabOrder = {"ReynoldsEdit", "PrandtlEdit", "GeometryCombo", "GeometryEdit",
    "UniformTempCombo", "UniformTempEdit", "TurbulantCombo", "TurbulantEdit", "LiquidMetalCombo",
    "LiquidMetalEdit", "Calculate", "NusseltEdit", "AverageNusseltEdit", "NoteEdit", "PrandtlSurfaceEdit",
    "PlateLengthEdit", "LeadingEdgeEdit", "HeatStartEdit", "SphereCombo", "SphereEdit", "ZhukauskasEdit"};

// The prompts that the constructor writes over what the form itself sets.
const QStringList kPromptFields = {"NoteEdit", "ReynoldsEdit", "PrandtlEdit"};

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
    // The area the form's fields are laid out in.
    QWidget *formArea() { return ui().ReynoldsEdit->parentWidget(); }

    QLabel *caption(const QString &text)
    {
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
    // A field by its object name, or a caption by its quoted text.
    QWidget *entry(const QString &key)
    {
        if (key.startsWith(QLatin1Char('\'')))
            return caption(key.mid(1, key.size() - 2));
        return dialog->findChild<QWidget *>(key);
    }

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
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
        QVERIFY(!dialog->isModal());
        // Every field and caption sits in the one form area, which the dialog does not lay out.
        QVERIFY(!dialog->layout());
        QCOMPARE(dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly), QList<QWidget *>{formArea()});
    }

    // What is on the window: ten captions, fifteen line edits, five choices, one button.
    void widgetCounts()
    {
        QCOMPARE(dialog->findChildren<QLabel *>().size(), 10);
        QCOMPARE(dialog->findChildren<QLineEdit *>().size(), 15);
        QCOMPARE(dialog->findChildren<QComboBox *>().size(), 5);
        QCOMPARE(dialog->findChildren<QPushButton *>().size(), 1);
    }

    void fields_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kFields)); ++i)
            QTest::newRow(kFields[i].name) << i;
    }
    void fields()
    {
        QFETCH(int, row);
        const FieldRow &r = kFields[row];
        // The member and the object name that code uses lead to the same single widget.
        QWidget *w = member(ui(), QString::fromLatin1(r.name));
        const auto named = dialog->findChildren<QWidget *>(QString::fromLatin1(r.name));
        QCOMPARE(named.size(), 1);
        QCOMPARE(named.first(), w);
        QCOMPARE(w->metaObject()->className(), r.cls);
        QCOMPARE(w->parentWidget(), formArea());
        QCOMPARE(w->isEnabled(), r.enabled);
        QVERIFY(w->isVisible());
        QVERIFY(w->toolTip().isEmpty());
        QVERIFY(!w->testAttribute(Qt::WA_SetFont));
        QVERIFY(!w->testAttribute(Qt::WA_SetPalette));
        QVERIFY(!w->testAttribute(Qt::WA_SetStyle));
        QCOMPARE(w->minimumSize(), QSize(0, 0));
        QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        const QString text = QString::fromLatin1(r.text);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
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
            QCOMPARE(itemsOf(combo), QString::fromLatin1(r.items).split(QLatin1Char('|')));
            for (int i = 0; i < combo->count(); ++i)
                QVERIFY(!combo->itemData(i).isValid());
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->sizePolicy(), QComboBox().sizePolicy());
        } else {
            auto *button = qobject_cast<QPushButton *>(w);
            QVERIFY(button);
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isCheckable());
            QVERIFY(!button->isFlat());
            QCOMPARE(button->sizePolicy(), QPushButton().sizePolicy());
        }
    }

    void captions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("buddy");
        for (const CaptionRow &r : kCaptions)
            QTest::newRow(qPrintable(QString::fromLatin1(r.text).replace('\n', ' '))) << QString::fromLatin1(r.text) << QString::fromLatin1(r.buddy);
    }
    void captions()
    {
        QFETCH(QString, text);
        QFETCH(QString, buddy);
        QLabel *label = caption(text);
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->parentWidget(), formArea());
        QCOMPARE(label->buddy(), buddy.isEmpty() ? nullptr : dialog->findChild<QWidget *>(buddy));
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(!label->wordWrap());
        QVERIFY(label->toolTip().isEmpty());
        QCOMPARE(label->sizePolicy(), QLabel().sizePolicy());
    }

    // The caption of AverageNusseltEdit renders on two lines; the one over HeatStartEdit keeps its
    // leading blank.
    void twoLineAndBlankCaptions()
    {
        QLabel *twoLines = caption(QStringLiteral("Average\nNusselt #"));
        QLabel *oneLine = caption(QStringLiteral("Nusselt #"));
        QVERIFY(twoLines && oneLine);
        QVERIFY(twoLines->sizeHint().height() > oneLine->sizeHint().height());
        QVERIFY(caption(QStringLiteral(" Distance From Leading Edge to")));
    }

    void arrangement()
    {
        const auto at = [this](const QString &key) {
            QWidget *w = entry(key);
            if (!w)
                qFatal("no %s", qPrintable(key));
            return QRect(w->mapTo(dialog.get(), QPoint(0, 0)), w->size());
        };
        for (const QStringList &column : kColumns)
            for (int i = 1; i < column.size(); ++i)
                QVERIFY2(at(column[i - 1]).bottom() < at(column[i]).top(), qPrintable(column[i - 1] + " over " + column[i]));
        for (const QStringList &row : kRows) {
            for (int i = 1; i < row.size(); ++i) {
                const QRect left = at(row[i - 1]), right = at(row[i]);
                QVERIFY2(left.right() < right.left(), qPrintable(row[i - 1] + " left of " + row[i]));
                QVERIFY2(left.top() <= right.bottom() && right.top() <= left.bottom(),
                         qPrintable(row[i - 1] + " beside " + row[i]));
            }
        }
        // The right-hand column clears the left-hand one.
        for (const QString &left : kColumns[0] + kColumns[1])
            for (const QString &right : kColumns[2])
                QVERIFY2(at(left).right() < at(right).left(), qPrintable(left + " left of " + right));
        // The two number fields leave room to their right instead of spanning the column.
        QCOMPARE(at("PrandtlEdit").right(), at("ReynoldsEdit").right());
        QVERIFY(at("ReynoldsEdit").right() + 40 < at("UniformTempCombo").right());
    }

    // The form keeps its place and size whatever size the window is given.
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
        QCOMPARE(formArea()->geometry(), form);
        const QRect reynolds = ui().ReynoldsEdit->geometry();
        dialog->resize(size);
        QTRY_COMPARE(dialog->size(), size);
        QCoreApplication::processEvents();
        QCOMPARE(formArea()->geometry(), form);
        QCOMPARE(ui().ReynoldsEdit->geometry(), reynolds);
    }

    // Only the two number fields' captions name them as buddies (a screen reader reads the
    // caption with the field).
    void buddies()
    {
        QStringList withBuddy;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->buddy())
                withBuddy << label->buddy()->objectName();
        withBuddy.sort();
        QCOMPARE(withBuddy, (QStringList{"PrandtlEdit", "ReynoldsEdit"}));
    }

    // Tab walks every field once, top to bottom and left to right, as the form makes them.
    void tabOrder()
    {
        QStringList chain;
        for (QWidget *w = dialog->nextInFocusChain(); w != dialog.get(); w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain, kTabOrder);
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
        QCOMPARE(dialog->selection(), nusselt::Selection{});
    }

    // The form alone, set up on a plain dialog (as the start-up benchmark's floor does): its texts
    // are those before the constructor writes its prompts, and setting it up prints nothing.
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
        for (const FieldRow &r : kFields) {
            auto *edit = qobject_cast<QLineEdit *>(member(form, QString::fromLatin1(r.name)));
            if (!edit)
                continue;
            const QString name = QString::fromLatin1(r.name);
            const QString expected = kPromptFields.contains(name) ? QString() : QString::fromLatin1(r.text);
            QVERIFY2(edit->text() == expected, qPrintable(name + QStringLiteral(": ") + edit->text()));
        }
        // No default-button flag from the form (QDialog makes the button default when shown).
        QVERIFY(!form.Calculate->isDefault());
    }

    // The slots the form connects by name are there under their names, as callers invoke them,
    // and a user's choice or click runs each exactly once.
    void slotsByName_data()
    {
        QTest::addColumn<QStringList>("before"); // "Combo=Item", chosen first
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<int>>("selection");
        QTest::newRow("geometry") << QStringList{} << "GeometryCombo" << "Sphere" << QList<int>{3, 0, 0, 0, 0};
        QTest::newRow("heat") << QStringList{"GeometryCombo=Flat Plate"} << "UniformTempCombo" << "Uniform Flux"
                              << QList<int>{1, 2, 0, 0, 0};
        QTest::newRow("flow") << QStringList{"GeometryCombo=Flat Plate", "UniformTempCombo=Uniform Temp"}
                              << "TurbulantCombo" << "Laminar" << QList<int>{1, 1, 1, 0, 0};
        QTest::newRow("fluid type")
            << QStringList{"GeometryCombo=Flat Plate", "UniformTempCombo=Uniform Temp", "TurbulantCombo=Laminar"}
            << "LiquidMetalCombo" << "Liquid Metal" << QList<int>{1, 1, 1, 2, 0};
        QTest::newRow("sphere") << QStringList{"GeometryCombo=Sphere"} << "SphereCombo" << "Drops"
                                << QList<int>{3, 0, 0, 0, 2};
    }
    void slotsByName()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, combo);
        QFETCH(QString, item);
        QFETCH(QList<int>, selection);
        const QMetaObject *mo = dialog->metaObject();
        const int index = mo->indexOfSlot("on_" + combo.toLatin1() + "_textActivated(QString)");
        QVERIFY(index >= 0);
        QCOMPARE(mo->method(index).returnType(), int(QMetaType::Void));
        QCOMPARE(mo->method(index).parameterNames(), QByteArrayList{"str"});

        for (const QString &choice : before)
            QVERIFY(guitest::choose(dialog->findChild<QComboBox *>(choice.section('=', 0, 0)), choice.section('=', 1)));
        QVERIFY(guitest::choose(dialog->findChild<QComboBox *>(combo), item));
        QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), selection);
    }

    // Calculate runs once per click: a cylinder without numbers raises one warning, not two.
    void calculateByName()
    {
        const QMetaObject *mo = dialog->metaObject();
        const int index = mo->indexOfSlot("on_Calculate_clicked()");
        QVERIFY(index >= 0);
        QCOMPARE(mo->method(index).returnType(), int(QMetaType::Int));
        QVERIFY(guitest::choose(ui().GeometryCombo, QStringLiteral("Cylinder")));
        const QList<guitest::Box> boxes = guitest::click(ui().Calculate);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, QStringLiteral("Values not entered"));
    }

    // The fields' numbers as the windows opened from the calculator write and read them:
    // seventeen significant digits (printf's %.17g), so that the very double comes back; the
    // other fields keep their texts, which are no numbers at start.
    void numbersInAndOut_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("Re") << "ReynoldsEdit" << 1.0 / 3.0 << "0.33333333333333331";
        QTest::newRow("Pr") << "PrandtlEdit" << 0.7018653601000214 << "0.70186536010002143";
        QTest::newRow("Pr_s") << "PrandtlSurfaceEdit" << 1.0e6 << "1000000";
        QTest::newRow("L") << "PlateLengthEdit" << 0.5 << "0.5";
        QTest::newRow("x") << "LeadingEdgeEdit" << 0.3 << "0.29999999999999999";
        QTest::newRow("xi") << "HeatStartEdit" << 0.1 << "0.10000000000000001";
        QTest::newRow("mu") << "NusseltEdit" << 1.8e-5 << "1.8e-05";
        QTest::newRow("mu_s") << "ZhukauskasEdit" << 6.5e-4 << "0.00064999999999999997";
    }
    void numbersInAndOut()
    {
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, text);
        // Which input goes to which field, as the engine's Inputs document it.
        const QList<QPair<QString, nusselt::Reading nusselt::Inputs::*>> fields = {
            {"ReynoldsEdit", &nusselt::Inputs::reynolds}, {"PrandtlEdit", &nusselt::Inputs::prandtl},
            {"PrandtlSurfaceEdit", &nusselt::Inputs::prandtlSurface}, {"PlateLengthEdit", &nusselt::Inputs::plateLength},
            {"LeadingEdgeEdit", &nusselt::Inputs::distance}, {"HeatStartEdit", &nusselt::Inputs::heatStart},
            {"NusseltEdit", &nusselt::Inputs::mu}, {"ZhukauskasEdit", &nusselt::Inputs::muSurface}};
        QMap<QString, QString> texts;
        for (QLineEdit *e : dialog->findChildren<QLineEdit *>())
            texts[e->objectName()] = e->text();
        nusselt::Inputs in;
        for (const auto &[name, member] : fields)
            if (name == field)
                in.*member = value;
        dialog->setInputs(in);
        texts[field] = text;
        for (QLineEdit *e : dialog->findChildren<QLineEdit *>())
            QCOMPARE(e->text(), texts[e->objectName()]);
        const nusselt::Inputs read = dialog->inputs();
        for (const auto &[name, member] : fields)
            QCOMPARE(read.*member, name == field ? nusselt::Reading(value) : nusselt::Reading());
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
