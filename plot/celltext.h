#pragma once

// Texts the plot and the sweep share: the physics library's UTF-8 views as QStrings, and one CSV
// cell, so the two files they save quote as the batch does.

#include "csv.h"

#include <QString>

#include <string>
#include <string_view>

namespace nusselt::plot {

inline QString fromView(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A CSV cell, quoted as every CSV the program writes is (appendCsvCell).
inline QString csvField(const QString &s)
{
    std::string cell;
    appendCsvCell(cell, s.toStdString());
    return QString::fromStdString(cell);
}

} // namespace nusselt::plot
