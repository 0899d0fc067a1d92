// Case files the window cannot take, opened as a user opens them (Open Case…, the file picked in
// the dialog): a warning box names the file and says why, and the case on screen stays as it was.
// What each file is comes from the operating system (a fifo, a device, a file one byte over
// 1 MiB, a text that is no JSON), not from the program.

#include "flowwindowtest.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

class WindowCaseFiles : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void refusedFileKeepsTheCase_data();
    void refusedFileKeepsTheCase();
    void fileWithoutPressureIsOneAtmosphere();
};

void WindowCaseFiles::refusedFileKeepsTheCase_data()
{
    QTest::addColumn<QString>("kind"); // how the file is made
    QTest::addColumn<QString>("says");
    QTest::newRow("one byte over 1 MiB") << "large" << "larger than 1048576 bytes";
    QTest::newRow("fifo without a writer") << "fifo" << "not a regular file";
    QTest::newRow("endless device") << "/dev/zero" << "not a regular file";
    QTest::newRow("no JSON") << "junk" << "is not a case file";
    QTest::newRow("JSON of another kind") << "other" << "is not a case file";
    QTest::newRow("no permission to read") << "unreadable" << "cannot read";
    QTest::newRow("unit of another quantity") << "wrong unit" << "not a unit of velocity";
}

void WindowCaseFiles::refusedFileKeepsTheCase()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QString path = dir.filePath("case.json");
    const auto write = [&path](const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    if (kind == "large") {
        // Valid JSON but for its size: a case followed by blanks up to 1 MiB + 1.
        QByteArray text = R"({"format": "nusselt-case", "version": 1, "fluid": "air"})";
        text += QByteArray((1 << 20) + 1 - text.size(), ' ');
        QVERIFY(write(text));
    } else if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "unreadable") {
        if (geteuid() == 0)
            QSKIP("root reads any file");
        QVERIFY(write(R"({"format": "nusselt-case", "version": 1})"));
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0), 0);
    } else if (kind == "junk") {
        QVERIFY(write("velocity = 10\n"));
    } else if (kind == "other") {
        QVERIFY(write(R"({"format": "something else", "version": 1})"));
    } else if (kind == "wrong unit") {
        QVERIFY(write(R"({"format": "nusselt-case", "version": 1, "fluid": "air",)"
                      R"( "inputs": {"velocity": {"text": "10", "unit": "°C"}}})"));
    } else {
        path = kind;
    }

    // A case on screen: the cylinder in air, in mm.
    pick({"Cylinder"});
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(unit("Length"), "mm"));
    for (const QString t : {"Velocity=10", "Length=12.7", "FreeStreamTemperature=26.2", "SurfaceTemperature=128.4"})
        type(t.section('=', 0, 0), t.section('=', 1));
    const QString before = QString::fromStdString(nusselt::physics::toJson(window->caseFile()));
    const QString nu = cell(row("Hilpert"), "Nu");
    QVERIFY(!nu.isEmpty());

    bool answered = false;
    const QList<guitest::Box> boxes = guitest::catchBoxes([&] {
        answered = answerFileDialog(path, [this] { QTest::mouseClick(window->findChild<QPushButton *>("OpenCase"), Qt::LeftButton); });
    });
    QVERIFY(answered);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("Open Case"));
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QVERIFY2(boxes[0].text.contains(path), qPrintable(boxes[0].text));
    QVERIFY2(boxes[0].text.contains(says), qPrintable(boxes[0].text));
    QCOMPARE(QString::fromStdString(nusselt::physics::toJson(window->caseFile())), before);
    QCOMPARE(cell(row("Hilpert"), "Nu"), nu);
    QCOMPARE(unit("Length")->currentText(), QStringLiteral("mm"));
}

// A case file that gives no pressure means one standard atmosphere, as `nusselt calculate --case`
// reads it, whatever pressure the window showed before.
void WindowCaseFiles::fileWithoutPressureIsOneAtmosphere()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("case.json");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": "nusselt-case", "version": 1, "case": {"geometry": "cylinder"}, "fluid": "air",)"
            R"( "inputs": {"velocity": {"text": "10", "unit": "m/s"}, "length": {"text": "12.7", "unit": "mm"},)"
            R"( "t_inf": {"text": "26.2", "unit": "°C"}, "t_surface": {"text": "128.4", "unit": "°C"}}})");
    f.close();

    pick({"Cylinder"});
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(unit("Pressure"), "bar"));
    type("Pressure", "2");
    bool answered = false;
    const QList<guitest::Box> boxes = guitest::catchBoxes([&] {
        answered = answerFileDialog(path, [this] { QTest::mouseClick(window->findChild<QPushButton *>("OpenCase"), Qt::LeftButton); });
    });
    QVERIFY(answered);
    QVERIFY(boxes.isEmpty());
    QCOMPARE(edit("Pressure")->text(), QStringLiteral("101.325"));
    QCOMPARE(unit("Pressure")->currentText(), QStringLiteral("kPa"));
    // The textbook cylinder at 1 atm: Re = 6124 at the film temperature 77.30 °C.
    QCOMPARE(cell(row("Hilpert"), "Re"), QStringLiteral("6124.16"));
    // Ts is given here, so the table has no Ts − T∞ column to show.
    const auto *table = window->findChild<QTableWidget *>("ResultsTable");
    QVERIFY(table);
    int excess = -1;
    for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)->text().startsWith(QStringLiteral("Ts − T∞")))
            excess = c;
    QVERIFY(excess >= 0);
    QVERIFY(table->isColumnHidden(excess));
}

NUSSELT_GUI_TEST_MAIN(WindowCaseFiles)
#include "tst_windowcasefiles.moc"
