#include "externalflow.h"
#include "flowconditions.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int code = 0;
    {
        ExternalFlow dialog;
        // Only the ways to open Flow Conditions; the window is built when first asked for.
        FlowConditions::attachTo(dialog);
        dialog.show();
        QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
        code = app.exec();
    }
    // Qt 6.4's Wayland plugin can hang for good in its display destructor (its event thread and
    // the main thread wait on each other), leaving a process without a window after the user
    // closed it. The window is gone and nothing is left to save, so on Wayland leave at once
    // instead of tearing the platform down.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
