// The floor of start-up cost: the toolkit showing one dialog with a label and a line edit that
// hold text (so that fonts are loaded for both), quitting after its first paint.

#include "firstpaint.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *layout = new QHBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Reynolds #"), &dialog));
    layout->addWidget(new QLineEdit(QStringLiteral("Enter Reynolds #"), &dialog));
    new QuitAfterFirstPaint(&dialog);
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
