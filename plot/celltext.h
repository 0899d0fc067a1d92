#pragma once

// Texts the plot and the sweep share: the physics library's UTF-8 views as QStrings.

#include <QString>

#include <string_view>

namespace nusselt::plot {

inline QString fromView(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace nusselt::plot
