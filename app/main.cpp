#include "externalflow.h"
#include "flowconditions.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ExternalFlow dialog;
    // Only the ways to open Flow Conditions; the window is built when first asked for.
    FlowConditions::attachTo(dialog);
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
