// The selection flow, driven as a user drives it: open a combo box's popup with F4,
// move with the arrow keys, press Return. Each row of the transition table is checked from
// several earlier states, and every widget of the form is compared before and after the choice,
// so that a slot that touches anything beyond its row fails too.

#include "guitest.h"

#include <memory>

namespace {

// A step of a path: "G:Flat Plate" chooses in a combo box as a user does; "!G:text" calls the
// combo box's selection slot directly with the text (for inputs that no user can make).
// G GeometryCombo, H UniformTempCombo (heat flow), F TurbulantCombo (flow), L LiquidMetalCombo
// (fluid type), S SphereCombo.
struct ComboInfo {
    QChar key;
    const char *combo;
    const char *mirror;
    const char *slot;
};

const ComboInfo kCombos[] = {
    {'G', "GeometryCombo", "GeometryEdit", "on_GeometryCombo_textActivated"},
    {'H', "UniformTempCombo", "UniformTempEdit", "on_UniformTempCombo_textActivated"},
    {'F', "TurbulantCombo", "TurbulantEdit", "on_TurbulantCombo_textActivated"},
    {'L', "LiquidMetalCombo", "LiquidMetalEdit", "on_LiquidMetalCombo_textActivated"},
    {'S', "SphereCombo", "SphereEdit", "on_SphereCombo_textActivated"},
};

const ComboInfo *comboInfo(QChar key)
{
    for (const ComboInfo &c : kCombos)
        if (c.key == key)
            return &c;
    return nullptr;
}

// The widgets whose enabled state the choices change; the last one stands for three line edits.
const QList<QStringList> kColumns = {
    {"UniformTempCombo"}, {"TurbulantCombo"}, {"LiquidMetalCombo"}, {"SphereCombo"}, {"Calculate"},
    {"PrandtlSurfaceEdit"}, {"PlateLengthEdit", "HeatStartEdit", "LeadingEdgeEdit"}};

// Named earlier states, as paths from the start.
const QStringList FP = {"G:Flat Plate"};
const QStringList UT = FP + QStringList{"H:Uniform Temp"};
const QStringList UT_LAM = UT + QStringList{"F:Laminar"};
const QStringList UT_LAM_RF = UT_LAM + QStringList{"L:Regular Fluid"};
const QStringList UT_TURB = UT + QStringList{"F:Turbulant"};
const QStringList UT_MIX = UT + QStringList{"F:Mixed Flow"};
const QStringList UF = FP + QStringList{"H:Uniform Flux"};
const QStringList UF_LAM = UF + QStringList{"F:Laminar"};
const QStringList UF_MIX = UF + QStringList{"F:Mixed Flow"};
const QStringList USL = FP + QStringList{"H:Unheated Starting Length"};
const QStringList CYL = {"G:Cylinder"};
const QStringList SPH = {"G:Sphere"};
const QStringList SPH_RS = SPH + QStringList{"S:Regular Sphere"};
const QStringList SPH_DROPS = SPH + QStringList{"S:Drops"};
const QStringList PLATE_CYL = UT_LAM_RF + QStringList{"G:Cylinder"};
const QStringList PLATE_CYL_PLATE = PLATE_CYL + QStringList{"G:Flat Plate"};

// Prompts that the choices write.
const QString kHeatPrompt = QStringLiteral("NoteEdit=Choose Heat Flow Condition");
const QString kCylPrompt = QStringLiteral("NoteEdit=Enter Prandtl number at surface temperature");
const QString kSphPrompt = QStringLiteral("NoteEdit=Choose Regular Sphere or Drops");
const QString kFlowPrompt = QStringLiteral("NoteEdit=Choose Flow Condition");
const QString kFluxPrompt = QStringLiteral("NoteEdit=Choose Laminar or Turbulant");
const QString kFluidPrompt = QStringLiteral("NoteEdit=Choose Fluid Type");
const QString kCalcNusselt = QStringLiteral("NoteEdit=Calculate Nusselt #");
const QString kCalc = QStringLiteral("NoteEdit=Calculate");
const QStringList kClearResults = {"NusseltEdit=", "AverageNusseltEdit=", "ZhukauskasEdit="};
const QStringList kUnheatedPrompts = {"TurbulantEdit=Choose Laminar or Turbulant Flow",
    "PlateLengthEdit=Enter Plate Length in Flow Direction", "HeatStartEdit=Enter Distance to Heat",
    "LeadingEdgeEdit=Enter Distance to Leading Edge"};

using Sel = QList<int>;

} // namespace

class SelectionTest : public QObject
{
    Q_OBJECT

private:
    guitest::ModalWatchdog watchdog;
    std::unique_ptr<ExternalFlow> dialog;

    ExternalFlowTestAccess access() { return ExternalFlowTestAccess(*dialog); }
    template <typename T = QWidget>
    T *widget(const QString &name)
    {
        T *w = dialog->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }

    void fresh()
    {
        dialog = std::make_unique<ExternalFlow>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // Carries out one step; false when it could not be made (a disabled combo box, say).
    bool apply(const QString &step)
    {
        const bool direct = step.startsWith(QLatin1Char('!'));
        const QString s = direct ? step.mid(1) : step;
        const ComboInfo *c = comboInfo(s.at(0));
        if (!c || s.at(1) != QLatin1Char(':'))
            qFatal("bad step %s", qPrintable(step));
        const QString text = s.mid(2);
        if (direct)
            return QMetaObject::invokeMethod(dialog.get(), c->slot, Qt::DirectConnection,
                                             Q_ARG(QString, text));
        auto *combo = widget<QComboBox>(QString::fromLatin1(c->combo));
        return guitest::choose(combo, text) && combo->currentText() == text;
    }

    bool replay(const QStringList &path)
    {
        for (const QString &step : path)
            if (!apply(step)) {
                qWarning("step %s failed", qPrintable(step));
                return false;
            }
        return true;
    }

    static void addRow(const char *name, const QStringList &prior, const QString &choice,
                       const QString &enabled, const QStringList &writes, const Sel &selection)
    {
        if (enabled.size() != kColumns.size())
            qFatal("row %s: %d enabled states for %d columns", name, int(enabled.size()), int(kColumns.size()));
        QTest::newRow(name) << prior << choice << enabled << writes << selection;
    }

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }

    void cleanup()
    {
        dialog.reset();
        const QStringList boxes = watchdog.take();
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected modal box: ") + boxes.join(QStringLiteral("; "))));
    }

    // One choice from one earlier state. enabled has one character per widget of the
    // enabled-state table (UniformTempCombo, TurbulantCombo, LiquidMetalCombo, SphereCombo, Calculate,
    // PrandtlSurfaceEdit, the three distance edits): '1' on and '0' off after the choice,
    // '+' and '.' unchanged by it and on or off. writes lists the texts the slot writes; every
    // other line edit must keep its text, except the chosen combo box's mirror, which shows the
    // chosen item.
    void transitions_data()
    {
        QTest::addColumn<QStringList>("prior");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<Sel>("selection");

        const QStringList FPW = QStringList{kHeatPrompt} + kClearResults;
        // "Flat Plate": enable U, disable S, note, clear the three result fields.
        addRow("Flat Plate at start (already shown)", {}, "G:Flat Plate", "1..0...", FPW, {1, 0, 0, 0, 0});
        addRow("Flat Plate again", FP, "G:Flat Plate", "1..0...", FPW, {1, 0, 0, 0, 0});
        addRow("Flat Plate after Sphere", SPH, "G:Flat Plate", "1..0...", FPW, {1, 0, 0, 0, 0});
        addRow("Flat Plate after Regular Sphere", SPH_RS, "G:Flat Plate", "1..0+..", FPW, {1, 0, 0, 0, 1});
        addRow("Flat Plate after Cylinder", CYL, "G:Flat Plate", "1..0++.", FPW, {1, 0, 0, 0, 0});
        addRow("Flat Plate after Uniform Temp, Laminar", UT_LAM, "G:Flat Plate", "1++0...", FPW, {1, 1, 1, 0, 0});
        addRow("Flat Plate after Unheated Starting Length", USL, "G:Flat Plate", "1+.0..+", FPW, {1, 3, 0, 0, 0});
        addRow("Flat Plate after plate, Cylinder", PLATE_CYL, "G:Flat Plate", "1..0++.", FPW, {1, 1, 1, 1, 0});

        // "Cylinder": disable T, L, S; enable Calculate and PrandtlSurfaceEdit; keep the results.
        const QStringList CW = {kCylPrompt, "ZhukauskasEdit="};
        addRow("Cylinder at start", {}, "G:Cylinder", ".00011.", CW, {2, 0, 0, 0, 0});
        addRow("Cylinder again", CYL, "G:Cylinder", ".00011.", CW, {2, 0, 0, 0, 0});
        addRow("Cylinder after Uniform Temp, Laminar", UT_LAM, "G:Cylinder", "+00011.", CW, {2, 1, 1, 0, 0});
        addRow("Cylinder after plate path", UT_LAM_RF, "G:Cylinder", "+00011.", CW, {2, 1, 1, 1, 0});
        addRow("Cylinder after Sphere", SPH, "G:Cylinder", ".00011.", CW, {2, 0, 0, 0, 0});
        addRow("Cylinder after Unheated Starting Length", USL, "G:Cylinder", "+00011+", CW, {2, 3, 0, 0, 0});

        // "Sphere": enable S, disable T and L; clear the three result fields.
        const QStringList SW = QStringList{kSphPrompt} + kClearResults;
        addRow("Sphere at start", {}, "G:Sphere", ".001...", SW, {3, 0, 0, 0, 0});
        addRow("Sphere again", SPH, "G:Sphere", ".001...", SW, {3, 0, 0, 0, 0});
        addRow("Sphere after Cylinder keeps Calculate", CYL, "G:Sphere", ".001++.", SW, {3, 0, 0, 0, 0});
        addRow("Sphere after Uniform Temp, Laminar", UT_LAM, "G:Sphere", "+001...", SW, {3, 1, 1, 0, 0});
        addRow("Sphere after Drops", SPH_DROPS, "G:Sphere", ".001+..", SW, {3, 0, 0, 0, 2});

        // "Uniform Temp": enable T; then by flow condition.
        addRow("Uniform Temp, no flow yet", FP, "H:Uniform Temp", "+1.....", {kFlowPrompt}, {1, 1, 0, 0, 0});
        addRow("Uniform Temp again (already shown)", UT, "H:Uniform Temp", "+1.....", {kFlowPrompt}, {1, 1, 0, 0, 0});
        addRow("Uniform Temp after Laminar, no fluid (Calculate stays off)", UT_LAM, "H:Uniform Temp",
               "+11....", {}, {1, 1, 1, 0, 0});
        addRow("Uniform Temp after Uniform Flux, Laminar, no fluid (Calculate stays on)", UF_LAM,
               "H:Uniform Temp", "+11.+..", {}, {1, 1, 1, 0, 0});
        addRow("Uniform Temp after Laminar with a fluid", UT_LAM_RF + QStringList{"F:Laminar"},
               "H:Uniform Temp", "+11.1..", {kCalc}, {1, 1, 1, 1, 0});
        addRow("Uniform Temp after Liquid Metal, Uniform Flux", UT_LAM + QStringList{"L:Liquid Metal", "H:Uniform Flux"},
               "H:Uniform Temp", "+11.1..", {kCalc}, {1, 1, 1, 2, 0});
        addRow("Uniform Temp after plate, Cylinder, Flat Plate", PLATE_CYL_PLATE, "H:Uniform Temp",
               "+11.1+.", {kCalc}, {1, 1, 1, 1, 0});
        addRow("Uniform Temp after Turbulant", UT_TURB, "H:Uniform Temp", "+1..+..", {}, {1, 1, 2, 0, 0});
        addRow("Uniform Temp after Mixed Flow", UT_MIX, "H:Uniform Temp", "+1..+..", {}, {1, 1, 3, 0, 0});
        addRow("Uniform Temp after Uniform Flux, Mixed Flow", UF_MIX, "H:Uniform Temp", "+1..+..", {}, {1, 1, 3, 0, 0});
        addRow("Uniform Temp after Mixed Flow with Calculate off", UF_MIX + QStringList{"H:Uniform Flux"},
               "H:Uniform Temp", "+1.....", {}, {1, 1, 3, 0, 0});
        addRow("Uniform Temp after Unheated Starting Length", USL, "H:Uniform Temp", "+1....+", {kFlowPrompt}, {1, 1, 0, 0, 0});

        // "Uniform Flux": enable T, disable L, Calculate on only for Laminar or Turbulant.
        addRow("Uniform Flux, no flow yet", FP, "H:Uniform Flux", "+10.0..", {kFluxPrompt}, {1, 2, 0, 0, 0});
        addRow("Uniform Flux after Cylinder, Flat Plate", CYL + FP, "H:Uniform Flux", "+10.0+.", {kFluxPrompt}, {1, 2, 0, 0, 0});
        addRow("Uniform Flux after Laminar", UT_LAM, "H:Uniform Flux", "+10.1..", {kFluxPrompt}, {1, 2, 1, 0, 0});
        addRow("Uniform Flux after Turbulant", UT_TURB, "H:Uniform Flux", "+10.1..", {kFluxPrompt}, {1, 2, 2, 0, 0});
        addRow("Uniform Flux after Mixed Flow", UT_MIX, "H:Uniform Flux", "+10.0..", {kFluxPrompt}, {1, 2, 3, 0, 0});
        addRow("Uniform Flux again after Mixed Flow", UF_MIX, "H:Uniform Flux", "+10.0..", {kFluxPrompt}, {1, 2, 3, 0, 0});

        // "Unheated Starting Length": enable T and the three distances, disable L, no note.
        addRow("Unheated Starting Length", FP, "H:Unheated Starting Length", "+10...1", kUnheatedPrompts, {1, 3, 0, 0, 0});
        addRow("Unheated Starting Length after Laminar", UT_LAM, "H:Unheated Starting Length", "+10...1",
               kUnheatedPrompts, {1, 3, 1, 0, 0});
        addRow("Unheated Starting Length after plate path", UT_LAM_RF, "H:Unheated Starting Length", "+10.+.1",
               kUnheatedPrompts, {1, 3, 1, 1, 0});
        addRow("Unheated Starting Length again", USL, "H:Unheated Starting Length", "+10...1",
               kUnheatedPrompts, {1, 3, 0, 0, 0});

        // "Laminar": by heat flow condition.
        addRow("Laminar at Uniform Temp", UT, "F:Laminar", "++1.0..", {kFluidPrompt}, {1, 1, 1, 0, 0});
        addRow("Laminar at Uniform Temp with a fluid", UT_LAM_RF, "F:Laminar", "++1.0..", {kFluidPrompt}, {1, 1, 1, 1, 0});
        addRow("Laminar at Uniform Flux", UF, "F:Laminar", "++..1..", {kCalcNusselt}, {1, 2, 1, 0, 0});
        addRow("Laminar at Unheated Starting Length", USL, "F:Laminar", "++..1.+", {kCalcNusselt}, {1, 3, 1, 0, 0});
        addRow("Laminar with no heat flow condition", {}, "!F:Laminar", ".......", {}, {1, 0, 1, 0, 0});

        // "Turbulant" and "Mixed Flow": Calculate on, L off.
        addRow("Turbulant at Uniform Temp (already shown)", UT, "F:Turbulant", "++0.1..", {kCalcNusselt}, {1, 1, 2, 0, 0});
        addRow("Turbulant after Laminar", UT_LAM, "F:Turbulant", "++0.1..", {kCalcNusselt}, {1, 1, 2, 0, 0});
        addRow("Turbulant at Uniform Flux", UF, "F:Turbulant", "++0.1..", {kCalcNusselt}, {1, 2, 2, 0, 0});
        addRow("Turbulant at Unheated Starting Length", USL, "F:Turbulant", "++0.1.+", {kCalcNusselt}, {1, 3, 2, 0, 0});
        addRow("Mixed Flow at Uniform Temp", UT, "F:Mixed Flow", "++0.1..", {kCalcNusselt}, {1, 1, 3, 0, 0});
        addRow("Mixed Flow after Laminar", UT_LAM_RF, "F:Mixed Flow", "++0.1..", {kCalcNusselt}, {1, 1, 3, 1, 0});
        addRow("Mixed Flow at Unheated Starting Length", USL, "F:Mixed Flow", "++0.1.+", {kCalcNusselt}, {1, 3, 3, 0, 0});

        // Fluid type: Calculate on, note.
        addRow("Regular Fluid (already shown)", UT_LAM, "L:Regular Fluid", "+++.1..", {kCalcNusselt}, {1, 1, 1, 1, 0});
        addRow("Liquid Metal", UT_LAM, "L:Liquid Metal", "+++.1..", {kCalcNusselt}, {1, 1, 1, 2, 0});
        addRow("Liquid Metal after Regular Fluid", UT_LAM_RF, "L:Liquid Metal", "+++.1..", {kCalcNusselt}, {1, 1, 1, 2, 0});

        // Sphere kind: Calculate on; texts differ.
        const QStringList RSW = {"NusseltEdit=Set Mu Film Here", "ZhukauskasEdit=Set Surface Mu Here",
                                 "NoteEdit=Set Mu,Mus and Calculate"};
        const QStringList DW = {"NusseltEdit=", "ZhukauskasEdit=", kCalc};
        addRow("Regular Sphere (already shown)", SPH, "S:Regular Sphere", "...+1..", RSW, {3, 0, 0, 0, 1});
        addRow("Drops", SPH, "S:Drops", "...+1..", DW, {3, 0, 0, 0, 2});
        addRow("Drops after Regular Sphere", SPH_RS, "S:Drops", "...+1..", DW, {3, 0, 0, 0, 2});
        addRow("Drops again", SPH_DROPS, "S:Drops", "...+1..", DW, {3, 0, 0, 0, 2});
        addRow("Regular Sphere after Drops", SPH_DROPS, "S:Regular Sphere", "...+1..", RSW, {3, 0, 0, 0, 1});
        addRow("Regular Sphere after Cylinder, Sphere", CYL + SPH, "S:Regular Sphere", "...+1+.", RSW, {3, 0, 0, 0, 1});

        // Texts that are no item text (only a direct call can hand them over).
        addRow("geometry slot, unknown text", UT_LAM, "!G:flat plate", "+++....", {}, {1, 1, 1, 0, 0});
        addRow("geometry slot, trailing blank", {}, "!G:Cylinder ", ".......", {}, {1, 0, 0, 0, 0});
        addRow("heat slot, unknown text", FP, "!H:Uniform temp", "+......", {}, {1, 0, 0, 0, 0});
        addRow("flow slot, unknown text", UT, "!F:Turbulent", "++.....", {}, {1, 1, 0, 0, 0});
        addRow("fluid slot, unknown text", UT_LAM, "!L:Water", "+++.1..", {kCalcNusselt}, {1, 1, 1, 0, 0});
        addRow("sphere slot, unknown text is Drops", SPH_RS, "!S:Ball", "...+1..", DW, {3, 0, 0, 0, 2});
        addRow("sphere slot, empty text is Drops", SPH, "!S:", "...+1..", DW, {3, 0, 0, 0, 2});
    }

    void transitions()
    {
        QFETCH(QStringList, prior);
        QFETCH(QString, choice);
        QFETCH(QString, enabled);
        QFETCH(QStringList, writes);
        QFETCH(Sel, selection);

        fresh();
        QVERIFY(replay(prior));
        guitest::markLineEdits(*dialog);
        const QMap<QString, QString> before = guitest::snapshot(*dialog);

        QMap<QString, QString> expected = before;
        for (int i = 0; i < kColumns.size(); ++i) {
            const QChar c = enabled.at(i);
            for (const QString &name : kColumns[i]) {
                const QString key = name + QStringLiteral(".enabled");
                const bool on = c == QLatin1Char('1') || c == QLatin1Char('+');
                if (c == QLatin1Char('+') || c == QLatin1Char('.'))
                    QVERIFY2(before[key] == (on ? "on" : "off"),
                             qPrintable(QStringLiteral("before the choice: ") + key + QStringLiteral(" is ") + before[key]));
                expected[key] = on ? QStringLiteral("on") : QStringLiteral("off");
            }
        }
        const bool direct = choice.startsWith(QLatin1Char('!'));
        if (!direct) {
            const ComboInfo *c = comboInfo(choice.at(0));
            expected[QString::fromLatin1(c->mirror) + QStringLiteral(".text")] = choice.mid(2);
            expected[QString::fromLatin1(c->combo) + QStringLiteral(".shown")] = choice.mid(2);
        }
        for (const QString &w : writes) {
            const qsizetype eq = w.indexOf(QLatin1Char('='));
            const QString key = w.left(eq) + QStringLiteral(".text");
            QVERIFY2(expected.contains(key), qPrintable(key));
            expected[key] = w.mid(eq + 1);
        }
        expected[QStringLiteral("selection")] = QStringLiteral("%1 %2 %3 %4 %5")
            .arg(selection[0]).arg(selection[1]).arg(selection[2]).arg(selection[3]).arg(selection[4]);

        QVERIFY2(apply(choice), qPrintable(choice));
        QCOMPARE(guitest::lines(guitest::snapshot(*dialog)), guitest::lines(expected));
        // No slot ever disables the geometry choice.
        QVERIFY(access().ui().GeometryCombo->isEnabled());
    }

    // A disabled combo box does not open, so no item of it can be chosen and no slot runs.
    void disabledComboCannotBeChosen_data()
    {
        QTest::addColumn<QStringList>("prior");
        QTest::addColumn<QString>("choice");
        QTest::newRow("heat flow at start") << QStringList() << "H:Uniform Flux";
        QTest::newRow("flow at start") << QStringList() << "F:Laminar";
        QTest::newRow("fluid at start") << QStringList() << "L:Liquid Metal";
        QTest::newRow("sphere at start") << QStringList() << "S:Drops";
        QTest::newRow("flow after Flat Plate") << FP << "F:Turbulant";
        QTest::newRow("fluid after Uniform Temp") << UT << "L:Regular Fluid";
        QTest::newRow("fluid after Turbulant") << UT_TURB << "L:Regular Fluid";
        QTest::newRow("fluid after Uniform Flux") << UF_LAM << "L:Liquid Metal";
        QTest::newRow("flow after Cylinder") << (UT_LAM + CYL) << "F:Laminar";
        QTest::newRow("flow after plate, Cylinder") << PLATE_CYL << "F:Mixed Flow";
        QTest::newRow("fluid after plate, Cylinder") << PLATE_CYL << "L:Liquid Metal";
        QTest::newRow("sphere after Cylinder") << CYL << "S:Drops";
        QTest::newRow("flow after Sphere") << (UT_LAM + SPH) << "F:Mixed Flow";
        QTest::newRow("sphere after Sphere, Flat Plate") << (SPH + FP) << "S:Regular Sphere";
    }
    void disabledComboCannotBeChosen()
    {
        QFETCH(QStringList, prior);
        QFETCH(QString, choice);
        fresh();
        QVERIFY(replay(prior));
        auto *combo = widget<QComboBox>(QString::fromLatin1(comboInfo(choice.at(0))->combo));
        QVERIFY(!combo->isEnabled());
        guitest::markLineEdits(*dialog);
        const QMap<QString, QString> before = guitest::snapshot(*dialog);
        QVERIFY(!guitest::choose(combo, choice.mid(2)));
        QTest::mouseClick(combo, Qt::LeftButton);
        QTest::keyClick(combo, Qt::Key_Space);
        QTest::qWait(50);
        QCOMPARE(guitest::lines(guitest::snapshot(*dialog)), guitest::lines(before));
    }

    // Changing the shown item from code is no choice: neither the mirror nor the slot runs.
    void mirrorOnlyOnActivation_data()
    {
        QTest::addColumn<QStringList>("prior");
        QTest::addColumn<QString>("comboKey");
        QTest::newRow("geometry") << QStringList() << "G";
        QTest::newRow("heat flow") << FP << "H";
        QTest::newRow("flow") << UT << "F";
        QTest::newRow("fluid") << UT_LAM << "L";
        QTest::newRow("sphere") << SPH << "S";
        QTest::newRow("disabled flow combo") << QStringList() << "F";
    }
    void mirrorOnlyOnActivation()
    {
        QFETCH(QStringList, prior);
        QFETCH(QString, comboKey);
        fresh();
        QVERIFY(replay(prior));
        const ComboInfo *c = comboInfo(comboKey.at(0));
        auto *combo = widget<QComboBox>(QString::fromLatin1(c->combo));
        guitest::markLineEdits(*dialog);
        QMap<QString, QString> expected = guitest::snapshot(*dialog);
        const int last = combo->count() - 1;
        combo->setCurrentIndex(last);
        expected[QString::fromLatin1(c->combo) + QStringLiteral(".shown")] = combo->itemText(last);
        QCOMPARE(guitest::lines(guitest::snapshot(*dialog)), guitest::lines(expected));
        if (!combo->isEnabled())
            return;
        // Choosing the item that code put on display is a choice: the mirror shows it.
        QVERIFY(guitest::choose(combo, combo->itemText(last)));
        QCOMPARE(widget<QLineEdit>(QString::fromLatin1(c->mirror))->text(), combo->itemText(last));
    }

    // With the mouse too: click the combo box open, click the item.
    void mouseActivation_data()
    {
        QTest::addColumn<QStringList>("prior");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("note");
        QTest::newRow("geometry, item already shown") << QStringList() << "G:Flat Plate" << "Choose Heat Flow Condition";
        QTest::newRow("geometry") << QStringList() << "G:Sphere" << "Choose Regular Sphere or Drops";
        QTest::newRow("heat flow") << FP << "H:Uniform Flux" << "Choose Laminar or Turbulant";
        QTest::newRow("flow") << UT << "F:Laminar" << "Choose Fluid Type";
        QTest::newRow("fluid") << UT_LAM << "L:Liquid Metal" << "Calculate Nusselt #";
        QTest::newRow("sphere") << SPH << "S:Drops" << "Calculate";
    }
    void mouseActivation()
    {
        QFETCH(QStringList, prior);
        QFETCH(QString, choice);
        QFETCH(QString, note);
        fresh();
        QVERIFY(replay(prior));
        const ComboInfo *c = comboInfo(choice.at(0));
        auto *combo = widget<QComboBox>(QString::fromLatin1(c->combo));
        const int row = combo->findText(choice.mid(2));
        QVERIFY(row >= 0);
        QTest::mouseClick(combo, Qt::LeftButton);
        QAbstractItemView *view = combo->view();
        QTRY_VERIFY(view->isVisible());
        // A release right after the opening click is taken as part of it; wait that out.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(widget<QLineEdit>(QString::fromLatin1(c->mirror))->text(), choice.mid(2));
        QCOMPARE(access().ui().NoteEdit->text(), note);
    }

    // The mirror connection is made before the slot's: the mirror shows the item first.
    void mirrorBeforeSlot_data()
    {
        QTest::addColumn<QStringList>("prior");
        QTest::addColumn<QString>("choice");
        QTest::newRow("geometry") << QStringList() << "G:Sphere";
        QTest::newRow("heat flow") << FP << "H:Uniform Flux";
        QTest::newRow("flow") << UT << "F:Laminar";
        QTest::newRow("fluid") << UT_LAM << "L:Liquid Metal";
        QTest::newRow("sphere") << SPH << "S:Drops";
    }
    void mirrorBeforeSlot()
    {
        QFETCH(QStringList, prior);
        QFETCH(QString, choice);
        fresh();
        QVERIFY(replay(prior));
        guitest::markLineEdits(*dialog);
        const ComboInfo *c = comboInfo(choice.at(0));
        QStringList order;
        QObject listening; // ends the connections with this function
        for (QLineEdit *e : dialog->findChildren<QLineEdit *>())
            connect(e, &QLineEdit::textChanged, &listening, [&order, e] { order << e->objectName(); });
        QVERIFY(apply(choice));
        QVERIFY(order.size() >= 2);
        QCOMPARE(order.first(), QString::fromLatin1(c->mirror));
        QVERIFY(order.contains(QStringLiteral("NoteEdit")));
    }

    // The main paths, with the note after every step.
    void mainPaths_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<Sel>("selection");
        QTest::newRow("uniform temperature, laminar, regular fluid")
            << QStringList{"G:Flat Plate", "H:Uniform Temp", "F:Laminar", "L:Regular Fluid"}
            << QStringList{"Choose Heat Flow Condition", "Choose Flow Condition", "Choose Fluid Type", "Calculate Nusselt #"}
            << Sel{1, 1, 1, 1, 0};
        QTest::newRow("uniform temperature, mixed flow")
            << QStringList{"G:Flat Plate", "H:Uniform Temp", "F:Mixed Flow"}
            << QStringList{"Choose Heat Flow Condition", "Choose Flow Condition", "Calculate Nusselt #"}
            << Sel{1, 1, 3, 0, 0};
        QTest::newRow("uniform flux, turbulant")
            << QStringList{"G:Flat Plate", "H:Uniform Flux", "F:Turbulant"}
            << QStringList{"Choose Heat Flow Condition", "Choose Laminar or Turbulant", "Calculate Nusselt #"}
            << Sel{1, 2, 2, 0, 0};
        QTest::newRow("unheated starting length, laminar")
            << QStringList{"G:Flat Plate", "H:Unheated Starting Length", "F:Laminar"}
            << QStringList{"Choose Heat Flow Condition", "Choose Heat Flow Condition", "Calculate Nusselt #"}
            << Sel{1, 3, 1, 0, 0};
        QTest::newRow("cylinder") << QStringList{"G:Cylinder"}
            << QStringList{"Enter Prandtl number at surface temperature"} << Sel{2, 0, 0, 0, 0};
        QTest::newRow("sphere, drops") << QStringList{"G:Sphere", "S:Drops"}
            << QStringList{"Choose Regular Sphere or Drops", "Calculate"} << Sel{3, 0, 0, 0, 2};
    }
    void mainPaths()
    {
        QFETCH(QStringList, path);
        QFETCH(QStringList, notes);
        QFETCH(Sel, selection);
        fresh();
        auto &ui = access().ui();
        for (int i = 0; i < path.size(); ++i) {
            QVERIFY2(!ui.Calculate->isEnabled(), qPrintable(path[i]));
            QVERIFY(apply(path[i]));
            QCOMPARE(ui.NoteEdit->text(), notes[i]);
        }
        QVERIFY(ui.Calculate->isEnabled());
        QCOMPARE(access().selection(), selection);
        // The opening prompts are real contents that no choice touches.
        QCOMPARE(ui.ReynoldsEdit->text(), QStringLiteral("Enter Reynolds #"));
        QCOMPARE(ui.PrandtlEdit->text(), QStringLiteral("Enter Prandtl #"));
    }

    // After a flat-plate result, "Cylinder" keeps the shown numbers; "Flat Plate" and "Sphere"
    // clear them.
    void resultsAfterGeometryChoice_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Cylinder") << "G:Cylinder" << true;
        QTest::newRow("Flat Plate") << "G:Flat Plate" << false;
        QTest::newRow("Sphere") << "G:Sphere" << false;
    }
    void resultsAfterGeometryChoice()
    {
        QFETCH(QString, choice);
        QFETCH(bool, kept);
        fresh();
        auto &ui = access().ui();
        QVERIFY(replay(UT_LAM_RF));
        guitest::typeInto(ui.ReynoldsEdit, QStringLiteral("10000"));
        guitest::typeInto(ui.PrandtlEdit, QStringLiteral("1"));
        QCOMPARE(guitest::click(ui.Calculate).size(), 0);
        const QString local = ui.NusseltEdit->text();
        const QString average = ui.AverageNusseltEdit->text();
        QVERIFY(!local.isEmpty());
        QVERIFY(!average.isEmpty());
        QVERIFY(apply(choice));
        QCOMPARE(ui.NusseltEdit->text(), kept ? local : QString());
        QCOMPARE(ui.AverageNusseltEdit->text(), kept ? average : QString());
        QCOMPARE(ui.ReynoldsEdit->text(), QStringLiteral("10000"));
        QCOMPARE(ui.PrandtlEdit->text(), QStringLiteral("1"));
    }

    // "Cylinder" enabled Calculate; "Sphere" leaves it so with no kind chosen, and a press then
    // changes nothing and shows no box.
    void sphereWithoutKind()
    {
        fresh();
        auto &ui = access().ui();
        QVERIFY(replay(CYL + SPH));
        QVERIFY(ui.Calculate->isEnabled());
        QCOMPARE(access().sphereType(), 0);
        guitest::markLineEdits(*dialog);
        guitest::typeInto(ui.ReynoldsEdit, QStringLiteral("10000"));
        guitest::typeInto(ui.PrandtlEdit, QStringLiteral("1"));
        const QMap<QString, QString> before = guitest::snapshot(*dialog);
        QCOMPARE(guitest::click(ui.Calculate).size(), 0);
        QCOMPARE(guitest::lines(guitest::snapshot(*dialog)), guitest::lines(before));
    }

    // The flow prompt of "Unheated Starting Length" lives in the flow mirror until a flow
    // condition is chosen.
    void unheatedPromptGivesWayToFlowChoice()
    {
        fresh();
        auto &ui = access().ui();
        QVERIFY(replay(USL));
        QCOMPARE(ui.TurbulantEdit->text(), QStringLiteral("Choose Laminar or Turbulant Flow"));
        QCOMPARE(ui.NoteEdit->text(), QStringLiteral("Choose Heat Flow Condition"));
        QVERIFY(apply(QStringLiteral("F:Turbulant")));
        QCOMPARE(ui.TurbulantEdit->text(), QStringLiteral("Turbulant"));
        QCOMPARE(ui.PlateLengthEdit->text(), QStringLiteral("Enter Plate Length in Flow Direction"));
        // The distance fields stay enabled whatever comes next.
        QVERIFY(replay({"G:Cylinder", "G:Sphere", "G:Flat Plate", "H:Uniform Temp"}));
        QVERIFY(ui.PlateLengthEdit->isEnabled());
        QVERIFY(ui.HeatStartEdit->isEnabled());
        QVERIFY(ui.LeadingEdgeEdit->isEnabled());
        QVERIFY(ui.PrandtlSurfaceEdit->isEnabled());
        QVERIFY(ui.UniformTempCombo->isEnabled());
    }
};

NUSSELT_GUI_TEST_MAIN(SelectionTest)
#include "tst_selection.moc"
