// korvan7x: the programming software for the KORVAN 7X transceiver.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "app/DesktopProgram.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvan7x"));

    // "korvan7x FILE.dat" opens that file after the start, as file managers call it.
    QCommandLineParser options;
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("a .dat file to open"),
                                  QStringLiteral("[file]"));
    options.process(app);
    const QStringList files = options.positionalArguments();

    k7x::DesktopProgram program;
    program.start(files.isEmpty() ? std::string()
                                  : QFileInfo(files.first()).absoluteFilePath().toStdString());
    return program.exec();
}
