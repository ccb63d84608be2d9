#include "AppSetup.h"

#include "AppLook.h"

#include <QApplication>

using namespace Qt::StringLiterals;

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(u"WENDARIX"_s);
    QApplication::setApplicationDisplayName(u"WENDARIX"_s);
    applyWendarixLook(app);
}
