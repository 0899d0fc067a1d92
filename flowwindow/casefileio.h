#pragma once

// Save Case and Open Case of the Flow Conditions window: the file dialogs, the case written whole
// or not at all, and a warning box naming the file and what went wrong.

#include "casefile.h"

#include <optional>

class QWidget;

namespace nusselt::flowwindow {

void saveCase(QWidget *parent, const physics::CaseFile &caseFile);
// The case in the file the user picks; nothing when they cancel or the file is no case.
std::optional<physics::CaseFile> openCase(QWidget *parent);

} // namespace nusselt::flowwindow
