#include "AppSetup.h"
#include "CommandLine.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const CommandLineVerdict verdict = readCommandLine(argc, argv); !verdict.proceed)
        return verdict.exitCode;
    QApplication app(argc, argv);
    setUpApplication(app);
    // Before anything reads or writes a file: the journal and the help file go by bare names.
    if (startedFromMenu(QCoreApplication::arguments()))
        enterDataFolder();
    Program program;
    return QApplication::exec();
}
