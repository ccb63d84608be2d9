#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// The program's names, its fixed look (AppLook.h), its accessible windows and Qt's own texts in
// Dutch. Tests call it too, so they see what the user sees.
void setUpApplication(QApplication &app);

// The desktop entry starts the program as "wendarix --menu"; from a terminal it has no
// arguments and works in the folder it was started in.
bool startedFromMenu(const QStringList &arguments);

// Makes the per-user data folder (QStandardPaths::AppDataLocation, ~/.local/share/WENDARIX)
// the current directory, creating it when missing, so the journal and the help file are looked
// for there. Returns that folder, or nothing when it cannot be made (the directory stays).
QString enterDataFolder();
