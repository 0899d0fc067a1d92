#include "externalflow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ExternalFlow dialog;
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
