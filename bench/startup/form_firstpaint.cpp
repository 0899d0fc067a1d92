// The calculator's form with no logic at all: the same widgets, texts and layouts set up in a
// plain dialog and shown until the first paint. The calculator against this is what its own code
// costs at start; the rest is the toolkit's work for its form.

#include "firstpaint.h"
#include "ui_externalflow.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    Ui_ExternalFlow ui;
    ui.setupUi(&dialog);
    new QuitAfterFirstPaint(&dialog);
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
