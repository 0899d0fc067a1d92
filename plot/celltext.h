#pragma once

// Texts the plot and the sweep share: the physics library's UTF-8 views as QStrings, and one CSV
// cell, so the two files they save quote the same way.

#include <QString>

#include <string_view>

namespace nusselt::plot {

inline QString fromView(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A CSV cell: quoted when it holds a comma or a quote, a quote inside doubled (RFC 4180).
inline QString csvField(const QString &s)
{
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')))
        return s;
    QString quoted = s;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace nusselt::plot
