// The calculator started exactly as app/main.cpp starts it, but ending after the dialog's first
// paint, so that its start-up can be set against the bare toolkit's (baseline.cpp).

#include "externalflow.h"
#include "firstpaint.h"
#include "flowconditions.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ExternalFlow dialog;
    FlowConditions::attachTo(dialog);
    new QuitAfterFirstPaint(&dialog);
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
