#include "AppSetup.h"

#include "Accessible.h"
#include "AppLook.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

using namespace Qt::StringLiterals;

static void initProgramPictures()
{
    Q_INIT_RESOURCE(programpictures);
}

// Qt's own texts (the edit fields' context menu, the buttons of message boxes and prompts) in
// Dutch like the rest, whatever language the desktop speaks. Without the translations installed
// they stay English.
static void loadDutchQtTexts(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

// Only the name: a display name would be appended to every window caption on Linux.
void setUpApplication(QApplication &app)
{
    initProgramPictures();
    QApplication::setApplicationName(u"WENDARIX"_s);
    QApplication::setWindowIcon(QIcon(u":/pictures/wendarix.png"_s));
    applyWendarixLook(app);
    installAccessibleWindows();
    loadDutchQtTexts(app);
}

bool startedFromMenu(const QStringList &arguments)
{
    return arguments.size() == 2 && arguments.at(1) == u"--menu"_s;
}

QString enterDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return {};
    return folder;
}
