// korvan7x: the programming software for the KORVAN 7X transceiver.
#include <QApplication>

#include "app/DesktopProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvan7x"));
    k7x::DesktopProgram program;
    program.start();
    return program.exec();
}
