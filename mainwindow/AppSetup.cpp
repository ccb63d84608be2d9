#include "AppSetup.h"

#include "Accessible.h"
#include "AppLook.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

static void initProgramPictures() { Q_INIT_RESOURCE(programpictures); }

// Only the name: a display name would be appended to every window caption on Linux.
void setUpApplication(QApplication &app)
{
    initProgramPictures();
    QApplication::setApplicationName(u"WENDARIX"_s);
    QApplication::setWindowIcon(QIcon(u":/pictures/wendarix.png"_s));
    applyWendarixLook(app);
    installAccessibleWindows();
}
