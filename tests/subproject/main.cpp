#include "externalflow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ExternalFlow dialog;
    return dialog.windowTitle() == QLatin1String("Nusselt # Calculator") ? 0 : 1;
}
