#include "AppSetup.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    Program program;
    return QApplication::exec();
}
