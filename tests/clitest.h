#pragma once

// The nusselt program run as a user runs it, shared by the command-line tests: its exit status,
// what it writes, and small readers of its answers.

#include <nlohmann/json.hpp>

#include <QProcess>
#include <QStringList>

#include <cmath>

namespace clitest {

using nlohmann::json;

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline Run runProgram(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(NUSSELT_BINARY), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

inline QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

inline json parsed(const QByteArray &text)
{
    return json::parse(text.constData(), text.constData() + text.size());
}

inline QList<QByteArray> lines(const QByteArray &csv)
{
    QList<QByteArray> l = csv.split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

inline bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

} // namespace clitest
