// Batch files through the nusselt program as a user feeds them: every row answered exactly as the
// same options answer, hostile files row by row (exact output and exit status), the physical
// columns h_local and h_average against the reference properties, CSV cells quoted and read back,
// and outputs written whole or not at all.

#include "clitest.h"
#include "csv.h"
#include "files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace clitest;

class CliBatch : public QObject
{
    Q_OBJECT

private slots:
    void batchRowsAnswerAsOptions();
    void batchRepeatedCasesAnswerAsOptions();
    void batchHostileFiles_data();
    void batchHostileFiles();
    void batchPhysicalColumns();
    void batchBadHeader_data();
    void batchBadHeader();
    void csvCellsQuotedAndReadBack_data();
    void csvCellsQuotedAndReadBack();
    void csvRecordTooLong_data();
    void csvRecordTooLong();
    void batchLongFileEveryForm();
    void batchOutputThatIsTheInputRefused_data();
    void batchOutputThatIsTheInputRefused();
    void batchOutputReplacedOnlyWhenComplete();
    void replacingFileKeepsTheTargetWhenAWriteFails_data();
    void replacingFileKeepsTheTargetWhenAWriteFails();
};

// A row of a batch file answers exactly what the same options answer on their own.
void CliBatch::batchRowsAnswerAsOptions()
{
    const QList<QStringList> rows{
        {"plate", "temperature", "laminar", "regular", "", "1e4", "1", "", "", "", "", "", ""},
        {"plate", "temperature", "turbulent", "", "", "1e6", "0.7", "", "", "", "", "", ""},
        {"plate", "flux", "laminar", "", "", "2e5", "5", "", "", "", "", "", ""},
        {"plate", "unheated", "laminar", "", "", "1e5", "0.7", "", "", "", "1", "0.5", "0.2"},
        {"plate", "unheated", "turbulent", "", "", "1e6", "0.7", "", "", "", "1", "0.1", "0.2"},
        {"cylinder", "", "", "", "", "3e6", "0.7", "0.69", "", "", "", "", ""},
        {"sphere", "", "", "", "regular", "1e3", "0.7", "", "1.8e-5", "2.1e-5", "", "", ""},
        {"sphere", "", "", "", "drops", "", "0.7", "", "", "", "", "", ""},
        {"plate", "temperature", "mixed", "", "", "1e5", "1", "", "", "", "", "", ""},
    };
    const QStringList header{"geometry", "heat", "flow", "fluid_type", "sphere", "re", "pr", "prs", "mu",
                             "mus", "length", "x", "xi"};
    QByteArray csv = header.join(',').toUtf8() + "\r\n";
    for (const QStringList &row : rows)
        csv += row.join(',').toUtf8() + "\r\n";
    const Run b = runProgram({"batch"}, csv);
    QCOMPARE(b.code, 1); // the mixed plate below 500,000 and the drops without Re are refused
    const QList<QByteArray> out = lines(b.out);
    QCOMPARE(out.size(), rows.size() + 1);
    QCOMPARE(out[0], header.join(',').toUtf8() + ",nusselt,average_nusselt,note,zhukauskas,error");
    for (int i = 0; i < rows.size(); ++i) {
        QStringList args{"calculate", "--format", "json"};
        for (int c = 0; c < header.size(); ++c)
            if (!rows[i][c].isEmpty())
                args << "--" + QString(header[c]).replace('_', '-') << rows[i][c];
        const Run one = runProgram(args);
        const json a = parsed(one.out);
        QString expected = rows[i].join(',');
        if (a.contains("refused")) {
            const QString error = QString("%1: %2").arg(QString::fromStdString(a["refused"]["title"]),
                                                        QString::fromStdString(a["refused"]["note"]));
            expected += ",,,,," + (error.contains(',') ? '"' + error + '"' : error);
        } else {
            for (const char *k : {"nusselt", "average_nusselt", "note", "zhukauskas"}) {
                const json &f = a["fields"][k];
                QString text = f.is_null() ? QString() : QString::fromStdString(f.get<std::string>());
                expected += ',' + (text.contains(',') ? '"' + text + '"' : text);
            }
            expected += ',';
        }
        QCOMPARE(QString::fromUtf8(out[i + 1]), expected);
    }
}

// Rows of a few case shapes, over and over, among rows that differ from one of them only in a
// blank, a letter's case or which cells are filled, with the columns in an unusual order: each row
// still answers exactly what its options answer on their own, or fails as they fail.
void CliBatch::batchRepeatedCasesAnswerAsOptions()
{
    const QStringList header{"xi", "pr", "sphere", "re", "flow", "mus", "geometry", "x", "heat",
                             "fluid_type", "length", "mu", "prs"};
    const QList<QStringList> rows{
        {"", "0.7", "", "1e6", "turbulent", "", "plate", "", "temperature", "", "", "", ""},
        {"", "0.7", "", "1e6", "turbulent", "", "plate ", "", "temperature", "", "", "", ""},
        {"", "0.7", "", "1e6", "turbulent", "", "Plate", "", "temperature", "", "", "", ""},
        {"", "0.7", "", "1e6", "turbulent", "", "plate", "", "temperature", "", "", "", "0.69"},
        {"", "1", "", "1e4", "laminar", "", "plate", "", "temperature", "regular", "", "", ""},
        {"", "1", "", "1e4", "laminar", "", "plate", "", "temperature", "", "", "", ""},
        {"", "1", "", "", "laminar", "", "plate", "", "temperature", "regular", "", "", ""},
        {"0.2", "0.7", "", "1e5", "laminar", "", "plate", "0.5", "unheated", "", "1", "", ""},
        {"0.2", "0.7", "", "1e5", "laminar", "", "plate", "0.5", "temperature", "", "1", "", ""},
        {"", "0.7", "regular", "1e3", "", "2.1e-5", "sphere", "", "", "", "", "1.8e-5", ""},
        {"", "0.7", "drops", "1e3", "", "2.1e-5", "sphere", "", "", "", "", "1.8e-5", ""},
        {"", "0.7", "", "3e6", "", "", "cylinder", "", "", "", "", "", "0.69"},
    };
    const QList<int> order{0, 1, 0, 2, 0, 3, 0, 4, 5, 4, 6, 4, 7, 8, 7, 9, 10, 9, 11, 1, 11, 3, 2, 10};
    QByteArray csv = header.join(',').toUtf8() + "\n";
    for (int i : order)
        csv += rows[i].join(',').toUtf8() + "\n";
    const Run b = runProgram({"batch"}, csv);
    QCOMPARE(b.code, 1);
    const QList<QByteArray> out = lines(b.out);
    QCOMPARE(out.size(), order.size() + 1);
    const auto cell = [](QString text) {
        return text.contains(',') || text.contains('"') ? '"' + text.replace("\"", "\"\"") + '"' : text;
    };
    for (int n = 0; n < order.size(); ++n) {
        const QStringList &row = rows[order[n]];
        QStringList args{"calculate", "--format", "json"};
        for (int c = 0; c < header.size(); ++c)
            if (!row[c].isEmpty())
                args << "--" + QString(header[c]).replace('_', '-') << row[c];
        const Run one = runProgram(args);
        QString expected = row.join(',');
        if (one.code == 2) { // what the options are refused for is the row's error
            expected += ",,,,," + cell(QString::fromUtf8(one.err.split('\n').first()).remove("nusselt: "));
        } else if (const json a = parsed(one.out); a.contains("refused")) {
            expected += ",,,,," + cell(QString("%1: %2").arg(QString::fromStdString(a["refused"]["title"]),
                                                           QString::fromStdString(a["refused"]["note"])));
        } else {
            for (const char *k : {"nusselt", "average_nusselt", "note", "zhukauskas"}) {
                const json &f = a["fields"][k];
                expected += ',' + cell(f.is_null() ? QString() : QString::fromStdString(f.get<std::string>()));
            }
            expected += ',';
        }
        QCOMPARE(QString::fromUtf8(out[n + 1]), expected);
    }
}

// Each row: a batch file, the exit status (1 when any row is refused) and the whole output, row
// by row. Good rows answer the Ranz-Marshall drop 2 + 0.6 Re^1/2 Pr^1/3 = 7.32742 at Re 100, Pr 0.7.
void CliBatch::batchHostileFiles_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray head = "geometry,sphere,re,pr\n";
    const QByteArray good = "sphere,drops,100,0.7\n";
    const QByteArray answers = "geometry,sphere,re,pr,nusselt,average_nusselt,note,zhukauskas,error\n";
    const QByteArray answered = "sphere,drops,100,0.7,,7.32742,,,\n";
    const QByteArray notEntered = ",,,,,Values not entered: Enter Reynolds and Prandtl number\n";

    QTest::newRow("BOM, CRLF, CR and LF mixed")
        << "\xEF\xBB\xBFgeometry,sphere,re,pr\r\n" + good + "sphere,drops,100,0.7\rsphere,drops,100,0.7\r\n"
               "sphere,drops,100,0.7"
        << 0 << answers + answered.repeated(4);
    QTest::newRow("quoted cells, then CRLF")
        << head + "\"sphere\",\"drops\",\"100\",\"0.7\"\r\nsphere,drops,100,\"0.7\"\r\n" + good << 0
        << answers + answered.repeated(3);
    QTest::newRow("blank lines") << head + "\n\r\n" + good + "\n\n" + good + "\r\n" << 0
                                 << answers + answered.repeated(2);
    QTest::newRow("a refused row among good ones")
        << head + good + "sphere,drops,-1,0.7\n" + good << 1
        << answers + answered + "sphere,drops,-1,0.7,,,,,Conditions not met: Check Reynolds and Prandtl numbers\n"
               + answered;
    QTest::newRow("unterminated quote: the rest is one cell")
        << head + good + "sphere,\"drops,100,0.7\n" + good << 1
        << answers + answered + "sphere,\"drops,100,0.7\nsphere,drops,100,0.7\n\",,,,,,,unterminated quoted field\n";
    QTest::newRow("quoted newline and quote")
        << head + "\"sph\"\"ere\",\"dr\nops\",1,1\n" + good << 1
        << answers + "\"sph\"\"ere\",\"dr\nops\",1,1,,,,,\"--geometry: \"\"sph\"\"ere\"\" is not one of plate, cylinder, sphere, tube-bank or noncircular\"\n"
               + answered;
    QTest::newRow("NUL byte in a number") << head + QByteArray("sphere,drops,1\0" "00,0.7\n", 22) + good << 1
                                          << answers + QByteArray("sphere,drops,1\0" "00,0.7", 21) + notEntered + answered;
    QTest::newRow("huge exponents")
        << head + "sphere,drops,1e999999999,0.7\nsphere,drops,1e-99999,0.7\n" + good << 1
        << answers + "sphere,drops,1e999999999,0.7" + notEntered + "sphere,drops,1e-99999,0.7" + notEntered + answered;
    QTest::newRow("missing cells") << head + "sphere,drops,100\n" + good << 1
                                   << answers + "sphere,drops,100,,,,,,\"the row has 3 cells, the header 4\"\n" + answered;
    QTest::newRow("extra cells") << head + "sphere,drops,100,0.7,9\n" + good << 1
                                 << answers + "sphere,drops,100,0.7,,,,,\"the row has 5 cells, the header 4\"\n" + answered;
    QTest::newRow("unused cell") << head + "plate,drops,100,0.7\n" + good << 1
                                 << answers + "plate,drops,100,0.7,,,,,--sphere is not used by a flat plate\n" + answered;
    // Re 10^20 (twenty digits): Nu = 2 + 0.6 · 10^10 · 0.7^1/3.
    QTest::newRow("twenty-digit Reynolds number") << head + "sphere,drops,100000000000000000000,0.7\n" << 0
                                                  << answers + "sphere,drops,100000000000000000000,0.7,,5.32742e+09,,,\n";
    const QByteArray big = QByteArray(1 << 20, '7');
    QTest::newRow("1 MiB field") << head + "sphere,drops,100,0." + big + "\n" + good << 0
                                 << answers + "sphere,drops,100,0." + big + ",,7.51785,,,\n" + answered;
}

void CliBatch::batchHostileFiles()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, code);
    QFETCH(QByteArray, expected);
    const Run r = runProgram({"batch"}, csv);
    QCOMPARE(r.code, code);
    QCOMPARE(r.err, QByteArray());
    const QList<QByteArray> out = r.out.split('\n'), want = expected.split('\n');
    for (qsizetype i = 0; i < std::min(out.size(), want.size()); ++i)
        QCOMPARE(out[i], want[i]);
    QCOMPARE(out.size(), want.size());
}

// A physical batch: h_local and h_average, named in the header, are the first local and the first
// average result's h (the textbook cylinder in air: stagnation point and Hilpert, from the
// reference properties at 350.45 K, as in tst_cli_json), a fluid cell with a blank is the fluid,
// and a refused row leaves both empty.
namespace {

// A CSV answer read back record by record with the program's own reader (cells may hold commas).
QList<QList<QByteArray>> csvRecords(QByteArray text)
{
    QList<QList<QByteArray>> records;
    std::FILE *in = fmemopen(text.data(), static_cast<std::size_t>(text.size()), "rb");
    if (!in)
        return records;
    nusselt::CsvReader reader(in);
    while (reader.next()) {
        QList<QByteArray> cells;
        for (std::size_t i = 0; i < reader.size(); ++i)
            cells << QByteArray::fromStdString(std::string(reader.field(i)));
        records << cells;
    }
    std::fclose(in);
    return records;
}

} // namespace

void CliBatch::batchPhysicalColumns()
{
    const QByteArray csv = "geometry,fluid,velocity,length,t_inf,t_surface\n"
                           "cylinder,air,10m/s,12.7mm,26.2C,128.4C\n"
                           "cylinder, air,10m/s,12.7mm,26.2C,128.4C\n"
                           "cylinder,air,-1m/s,12.7mm,26.2C,128.4C\n";
    const Run r = runProgram({"batch"}, csv);
    QCOMPARE(r.code, 1);
    const QList<QList<QByteArray>> out = csvRecords(r.out);
    QCOMPARE(out.size(), 4);
    const QList<QByteArray> &header = out[0];
    const qsizetype local = header.indexOf("h_local"), average = header.indexOf("h_average"),
                    error = header.indexOf("error");
    QVERIFY(local > 0 && average > 0 && error > 0);
    for (int row : {1, 2, 3}) {
        QCOMPARE(out[row].size(), header.size());
        QCOMPARE(out[row].mid(0, 6), csv.split('\n')[row].split(','));
    }
    for (int row : {1, 2}) {
        QVERIFY2(near(out[row][local].toDouble(), 189.1458881204824, 1e-6), out[row][local].constData());
        QVERIFY2(near(out[row][average].toDouble(), 88.82349391982815, 1e-6), out[row][average].constData());
        QCOMPARE(out[row][error], QByteArray());
    }
    QCOMPARE(out[3][error], QByteArray("Velocity: Velocity must be greater than zero"));
    QCOMPARE(out[3][local], QByteArray());
    QCOMPARE(out[3][average], QByteArray());
}

void CliBatch::batchBadHeader_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("unknown column") << QByteArray("geometry,reynolds\nsphere,1\n") << QByteArray("unknown column \"reynolds\"");
    QTest::newRow("duplicate column") << QByteArray("re,pr,re\n1,1,1\n") << QByteArray("column \"re\" appears twice");
    QTest::newRow("empty input") << QByteArray() << QByteArray("no header row");
}

void CliBatch::batchBadHeader()
{
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, says);
    const Run r = runProgram({"batch"}, csv);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(says), r.err.constData());
}

// One cell of every CSV the program writes (batch answers, plot and sweep exports), quoted as
// RFC 4180 says (a cell with a comma, a quote or a line break in quotes, each quote doubled;
// anything else as it is), and read back by the batch reader as the same text.
void CliBatch::csvCellsQuotedAndReadBack_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("plain") << QByteArray("Churchill-Bernstein") << QByteArray("Churchill-Bernstein");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("blanks around, kept as they are") << QByteArray(" 1e5 ") << QByteArray(" 1e5 ");
    QTest::newRow("UTF-8 unit") << QByteArray("h W/(m\xC2\xB2\xC2\xB7K)") << QByteArray("h W/(m\xC2\xB2\xC2\xB7K)");
    QTest::newRow("comma") << QByteArray("Re 5e5, Pr 0.7") << QByteArray("\"Re 5e5, Pr 0.7\"");
    QTest::newRow("quotes") << QByteArray("say \"hi\"") << QByteArray("\"say \"\"hi\"\"\"");
    QTest::newRow("a lone quote") << QByteArray("\"") << QByteArray("\"\"\"\"");
    QTest::newRow("line feed") << QByteArray("two\nlines") << QByteArray("\"two\nlines\"");
    QTest::newRow("carriage return") << QByteArray("two\rlines") << QByteArray("\"two\rlines\"");
    QTest::newRow("CRLF and comma") << QByteArray("a,\r\nb") << QByteArray("\"a,\r\nb\"");
}

void CliBatch::csvCellsQuotedAndReadBack()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, cell);
    std::string written;
    nusselt::appendCsvCell(written, text.toStdString());
    QCOMPARE(QByteArray::fromStdString(written), cell);

    // The cell between two others, as a record of a file.
    std::string file = "before," + written + ",after\r\n";
    std::FILE *in = fmemopen(file.data(), file.size(), "rb");
    QVERIFY(in);
    nusselt::CsvReader reader(in);
    QVERIFY(reader.next());
    QCOMPARE(reader.size(), std::size_t{3});
    QCOMPARE(reader.field(0), std::string_view("before"));
    QCOMPARE(QByteArray::fromStdString(std::string(reader.field(1))), text);
    QCOMPARE(reader.field(2), std::string_view("after"));
    QVERIFY(reader.fault().empty());
    QVERIFY(!reader.next());
    std::fclose(in);
}

// A record over the reader's size limit is read to its end and marked, keeps no more than the
// limit, and the record after it is read whole, wherever the limit falls: in a field, on a comma,
// inside quotes or just after a closing quote.
void CliBatch::csvRecordTooLong_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("limit");
    QTest::newRow("in a field") << QByteArray("abcdefghij,k\nx,y\n") << 4;
    QTest::newRow("on a comma") << QByteArray("abc,def,ghi\nx,y\n") << 3;
    QTest::newRow("after a comma") << QByteArray("abc,def,ghi\nx,y\n") << 4;
    QTest::newRow("many commas") << QByteArray(",,,,,,,,,,,,,,,,\nx,y\n") << 5;
    QTest::newRow("in quotes") << QByteArray("\"ab,\"\"cd\nef\",g\r\nx,y\n") << 5;
    QTest::newRow("after a closing quote") << QByteArray("\"abc\",def\rx,y\n") << 5;
}

void CliBatch::csvRecordTooLong()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, limit);
    std::FILE *in = fmemopen(csv.data(), static_cast<std::size_t>(csv.size()), "rb");
    QVERIFY(in);
    nusselt::CsvReader reader(in, static_cast<std::size_t>(limit));
    QVERIFY(reader.next());
    QCOMPARE(QByteArray::fromStdString(std::string(reader.fault())), QByteArray("record too long"));
    std::size_t kept = 0;
    for (std::size_t i = 0; i < reader.size(); ++i)
        kept += reader.field(i).size();
    QVERIFY(kept <= static_cast<std::size_t>(limit));
    QVERIFY(reader.next());
    QVERIFY(reader.fault().empty());
    QCOMPARE(reader.size(), std::size_t{2});
    QCOMPARE(reader.field(0), std::string_view("x"));
    QCOMPARE(reader.field(1), std::string_view("y"));
    QVERIFY(!reader.next());
    std::fclose(in);
}

// Megabytes of drops, so that records straddle the reader's blocks at many offsets, in every form
// a record takes: LF, CRLF and lone CR line ends, blank lines, quoted cells, blanks around a
// number. Every row answers the Ranz-Marshall value 2 + 0.6 Re^1/2 Pr^1/3 and echoes its cells.
void CliBatch::batchLongFileEveryForm()
{
    QRandomGenerator rng(4181);
    const QList<QByteArray> ends{"\n", "\r\n", "\r", "\n", "\r\n", "\r", "\n", "\n\n", "\r\r\n", "\r\n\n"};
    QByteArray csv = "geometry,sphere,re,pr\r\n";
    QList<QByteArray> expected{"geometry,sphere,re,pr,nusselt,average_nusselt,note,zhukauskas,error"};
    while (csv.size() < 5 << 20) {
        const QByteArray re = QByteArray::number(rng.bounded(1, 100000));
        const QByteArray pr = QByteArray::number(0.7 + rng.bounded(100) / 10.0);
        const QByteArray nu =
            QByteArray::number(2.0 + 0.6 * std::sqrt(re.toDouble()) * std::cbrt(pr.toDouble()), 'g', 6);
        switch (rng.bounded(10)) {
        case 1:
            csv += "\"sphere\",drops,\"" + re + "\"," + pr;
            expected << "sphere,drops," + re + ',' + pr + ",," + nu + ",,,";
            break;
        case 2:
        case 3:
            csv += "sphere,drops, " + re + "\t," + pr;
            expected << "sphere,drops, " + re + "\t," + pr + ",," + nu + ",,,";
            break;
        case 4:
            csv += "sphere,\"drops\",\"\"," + pr;
            expected << "sphere,drops,," + pr + ",,,,,Values not entered: Enter Reynolds and Prandtl number";
            break;
        default:
            csv += "sphere,drops," + re + ',' + pr;
            expected << "sphere,drops," + re + ',' + pr + ",," + nu + ",,,";
        }
        csv += ends[rng.bounded(int(ends.size()))];
    }
    const Run r = runProgram({"batch"}, csv);
    QCOMPARE(r.code, 1);
    const QList<QByteArray> out = lines(r.out);
    QCOMPARE(out.size(), expected.size());
    for (int i = 0; i < out.size(); ++i)
        QCOMPARE(out[i], expected[i]);
}

void CliBatch::batchOutputThatIsTheInputRefused_data()
{
    QTest::addColumn<QString>("command"); // run in a folder holding a.csv, its links l.csv and h.csv
    QTest::addColumn<bool>("fromStdin");
    QTest::newRow("same path") << "batch --input a.csv --output a.csv" << false;
    QTest::newRow("same file, other spelling") << "batch --input ./a.csv --output a.csv" << false;
    QTest::newRow("symbolic link") << "batch --input a.csv --output l.csv" << false;
    QTest::newRow("hard link") << "batch --input h.csv --output a.csv" << false;
    QTest::newRow("standard input") << "batch --output l.csv" << true;
}

void CliBatch::batchOutputThatIsTheInputRefused()
{
    QFETCH(QString, command);
    QFETCH(bool, fromStdin);
    QTemporaryDir dir;
    const QByteArray csv = "geometry,re,pr,prs\ncylinder,6000,0.7,0.69\n";
    QFile a(dir.filePath("a.csv"));
    QVERIFY(a.open(QIODevice::WriteOnly) && a.write(csv) == csv.size());
    a.close();
    QVERIFY(QFile::link("a.csv", dir.filePath("l.csv")));
    QVERIFY(::link(QFile::encodeName(a.fileName()).constData(), QFile::encodeName(dir.filePath("h.csv")).constData()) == 0);
    QProcess p;
    p.setWorkingDirectory(dir.path());
    if (fromStdin)
        p.setStandardInputFile(a.fileName());
    p.start(QStringLiteral(NUSSELT_BINARY), command.split(' '));
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("is the input file"));
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), csv);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

void CliBatch::batchOutputReplacedOnlyWhenComplete()
{
    QTemporaryDir dir;
    QByteArray csv = "geometry,re,pr,prs\n";
    for (int i = 0; i < 200; ++i)
        csv += "cylinder,6000,0.7,0.69\n";
    const Run whole = runProgram({"batch"}, csv);
    QCOMPARE(whole.code, 0);
    const QString in = dir.filePath("in.csv");
    const QString target = dir.filePath("out.csv");
    for (const QString &path : {in, target}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(path == in ? csv : QByteArray("old answers\n"));
    }
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link("out.csv", dir.filePath("link.csv")));
    const auto contentOf = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    };

    // A write that fails part way (the files this process may write limited to 1000 bytes): the
    // old answers stay, and no temporary file is left beside them.
    QProcess failing;
    failing.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    failing.start(QStringLiteral(NUSSELT_BINARY), {"batch", "--input", in, "--output", target});
    QVERIFY(failing.waitForFinished(60000));
    QCOMPARE(failing.exitCode(), 2);
    QCOMPARE(contentOf(target), QByteArray("old answers\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);

    // Written through the link: the file it points to replaced whole, its mode kept, the link kept.
    const Run done = runProgram({"batch", "--input", in, "--output", dir.filePath("link.csv")});
    QCOMPARE(done.code, 0);
    QCOMPARE(contentOf(target), whole.out);
    QVERIFY(QFileInfo(dir.filePath("link.csv")).isSymLink());
    struct stat st {};
    QVERIFY(stat(QFile::encodeName(target).constData(), &st) == 0);
    QCOMPARE(st.st_mode & 0777, 0640u);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);

    // A device is written in place, and a full one says so.
    const Run full = runProgram({"batch", "--input", in, "--output", "/dev/full"});
    QCOMPARE(full.code, 2);
}

// The writer every export shares: a write that fails part way (a file size limit, as on a full
// disk) leaves the target as it was, whether the failure shows at the write or only at the flush.
void CliBatch::replacingFileKeepsTheTargetWhenAWriteFails_data()
{
    QTest::addColumn<int>("bytes");
    QTest::newRow("one large write") << 100000;
    QTest::newRow("small writes, failing at a flush") << 1;
}

void CliBatch::replacingFileKeepsTheTargetWhenAWriteFails()
{
    QFETCH(int, bytes);
    QTemporaryDir dir;
    const std::string target = QFile::encodeName(dir.filePath("out.csv")).toStdString();
    {
        QFile f(QString::fromStdString(target));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old\n") == 4);
    }
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool committed = false;
        {
            nusselt::ReplacingFile out(target);
            const std::string chunk(static_cast<std::size_t>(bytes), 'x');
            for (int written = 0; out.stream() && written < 100000; written += bytes)
                std::fwrite(chunk.data(), 1, chunk.size(), out.stream());
            committed = out.commit();
        }
        _exit(committed ? 0 : 3);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 3); // commit() said it failed
    QFile f(QString::fromStdString(target));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}

QTEST_GUILESS_MAIN(CliBatch)
#include "tst_cli_batch.moc"
