// The Flow Conditions window's fluids beyond air and water, as a user meets them: "From file…"
// in the Fluid box opens a file dialog, a table file is imported, kept by name and offered again
// next time; a faulty file is refused in a box naming it, its line and column, and the fluid
// chosen before stays; a liquid metal brings its own correlation and its stated uncertainty.

#include "flowwindowtest.h"

#include "flowcase.h"
#include "propertytable.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Made-up numbers in the shape of an engine oil's table (not copied from any book).
const char *const oilTable = "T [C], rho [kg/m3], mu [Pa s], k [W/(m K)], cp [J/(kg K)]\n"
                             "0, 899, 3.8, 0.147, 1800\n"
                             "40, 876, 0.21, 0.144, 1960\n"
                             "80, 852, 0.032, 0.138, 2130\n"
                             "120, 828, 0.0102, 0.134, 2300\n";

void write(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(text), qint64(text.size()));
}

} // namespace

class FlowFluids : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { start(); }
    void cleanup() { finish(); }

    void fromFileImportsAndKeeps();
    void keptFluidIsListedNextTime();
    void faultyFileIsRefused();
    void liquidMetalCylinder();

private:
    // Chooses "From file…" and answers the file dialog with path; the boxes it raised.
    QList<guitest::Box> importFile(const QString &path);
    QComboBox *fluidBox() { return window->findChild<QComboBox *>("FluidCombo"); }
    void enterCylinder(const QString &fluid, const QString &tInf, const QString &tSurface);

    QTemporaryDir data, files;
};

void FlowFluids::initTestCase()
{
    guitest::quietOffscreenNotices();
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    write(files.filePath("engine-oil.csv"), oilTable);
    write(files.filePath("bad.csv"), "T [C], rho [kg/m3], mu [Pa s], k [W/(m K)], cp [J/(kg K)]\n"
                                     "0, 899, 3.8, 0.147, 1800\n"
                                     "40, eight, 0.21, 0.144, 1960\n");
}

QList<guitest::Box> FlowFluids::importFile(const QString &path)
{
    return guitest::catchBoxes([this, &path] {
        QVERIFY(guitest::choose(fluidBox(), QStringLiteral("From file…")));
        QFileDialog *fileDialog = nullptr;
        QTRY_VERIFY((fileDialog = window->findChild<QFileDialog *>(QStringLiteral("FluidFileDialog"))) && fileDialog->isVisible());
        // Answered through its API, as answerFileDialog does (the offscreen file list keeps a folder current).
        fileDialog->selectFile(path);
        QMetaObject::invokeMethod(fileDialog, "accept");
        QTRY_VERIFY(!window->findChild<QFileDialog *>(QStringLiteral("FluidFileDialog")));
    });
}

void FlowFluids::enterCylinder(const QString &fluid, const QString &tInf, const QString &tSurface)
{
    pick({"Cylinder"});
    window = openWithShortcut();
    QVERIFY(window);
    if (!fluid.isEmpty())
        QVERIFY(guitest::choose(fluidBox(), fluid));
    QVERIFY(guitest::choose(unit("Length"), "mm"));
    type("Velocity", "0.5");
    type("Length", "20");
    type("FreeStreamTemperature", tInf);
    type("SurfaceTemperature", tSurface);
}

void FlowFluids::fromFileImportsAndKeeps()
{
    enterCylinder(QString(), "30", "70");
    const QList<guitest::Box> boxes = importFile(files.filePath("engine-oil.csv"));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.value(0).text));
    QCOMPARE(fluidBox()->currentText(), QStringLiteral("engine-oil"));
    QVERIFY(QFile::exists(data.path() + "/nusselt-calculator/fluids/engine-oil.csv"));

    // The window answers as the problem stated with the table read straight from the file.
    const nusselt::physics::Problem shown = window->problem();
    QCOMPARE(int(shown.fluid), int(nusselt::physics::FluidChoice::Table));
    nusselt::physics::Problem direct = shown;
    nusselt::physics::TableRead read = nusselt::physics::readPropertyTableFile(files.filePath("engine-oil.csv").toStdString());
    QVERIFY(read.table);
    direct.table = std::make_shared<const nusselt::physics::PropertyTable>(*read.table);
    const nusselt::physics::Evaluation expected = nusselt::physics::evaluate(direct);
    const nusselt::physics::Evaluation &got = window->evaluation();
    QVERIFY(got.messages.empty());
    QCOMPARE(got.results.size(), expected.results.size());
    QVERIFY(!got.results.empty());
    for (std::size_t i = 0; i < got.results.size(); ++i)
        QCOMPARE(got.results[i].heatTransferCoefficient, expected.results[i].heatTransferCoefficient);
    QVERIFY(row("Hilpert") >= 0);

    // Outside the table: refused beside the temperature, with the table's range.
    type("SurfaceTemperature", "130");
    QTRY_COMPARE(message("SurfaceTemperature")->text(),
                 QStringLiteral("engine-oil properties are known from 0.00 °C to 120.00 °C: lower Ts"));
}

// A new session lists the fluid kept by the last test, and choosing it needs no file.
void FlowFluids::keptFluidIsListedNextTime()
{
    enterCylinder(QStringLiteral("engine-oil"), "30", "70");
    QCOMPARE(fluidBox()->currentText(), QStringLiteral("engine-oil"));
    QVERIFY(window->evaluation().messages.empty());
    QVERIFY(!window->evaluation().results.empty());
    QCOMPARE(window->caseFile().fluidTable, std::string("engine-oil"));
}

void FlowFluids::faultyFileIsRefused()
{
    enterCylinder(QStringLiteral("Water"), "30", "70");
    const QList<guitest::Box> boxes = importFile(files.filePath("bad.csv"));
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].text.contains(files.filePath("bad.csv")), qPrintable(boxes[0].text));
    QVERIFY2(boxes[0].text.contains("line 3, column 2"), qPrintable(boxes[0].text));
    QTRY_COMPARE(fluidBox()->currentText(), QStringLiteral("Water"));
    QVERIFY(!QFile::exists(data.path() + "/nusselt-calculator/fluids/bad.csv"));
    QVERIFY(!window->evaluation().results.empty());
}

// Sodium at 400 °C on a cylinder at 450 °C: Ishiguro et al. 1.125 (Re Pr)^0.413 among the results,
// the gas correlations outside their Prandtl range; lead shows the handbook's uncertainty.
void FlowFluids::liquidMetalCylinder()
{
    enterCylinder(QStringLiteral("Sodium"), "400", "450");
    const int ishiguro = row("Ishiguro");
    QVERIFY(ishiguro >= 0);
    const nusselt::physics::Evaluation &e = window->evaluation();
    const double pe = *e.reynolds * *e.prandtl;
    QVERIFY(std::abs(value(ishiguro, "Nu") / (1.125 * std::pow(pe, 0.413)) - 1) < 1e-9);
    for (const nusselt::physics::Result &r : e.results)
        if (r.name == "Hilpert")
            QVERIFY(!r.outsideRange.empty() && r.outsideRange[0].rfind("Pr = ", 0) == 0);
    QVERIFY(!window->findChild<QLabel *>("FluidNote")->isVisible());

    QVERIFY(guitest::choose(fluidBox(), QStringLiteral("Lead")));
    type("FreeStreamTemperature", "450");
    type("SurfaceTemperature", "500");
    QLabel *note = window->findChild<QLabel *>("FluidNote");
    QTRY_VERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QStringLiteral("ρ ±1 %, c_p ±5 %, k ±15 %, μ ±5 %")), qPrintable(note->text()));
}

NUSSELT_GUI_TEST_MAIN(FlowFluids)
#include "tst_flowfluids.moc"
