#pragma once

#include "services.h"

// The production message boxes and input prompt, captioned with the application title.
class QtPrompts final : public Prompts
{
public:
    void message(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
    std::optional<QString> input(
        const QString &caption, const QString &label, const QString &initial, int maxLength) override;
    std::optional<QString> saveFileName(
        const QString &caption, const QString &proposed, const QString &filter) override;
};

// Opens a file by name: found in the current directory first, then in the folder the program
// installed its data to; shown by a CHM viewer the README names (xchm, kchmviewer), else by
// whatever the desktop has for the file's type. When the file or a viewer is missing it says
// so in a message, rather than leave a press of Help without an answer.
class QtShell final : public Shell
{
public:
    explicit QtShell(Prompts &prompts, QString installedFolder = installedDataFolder());
    void open(const QString &fileName) override;

    // Where `cmake --install` put the help file, found from the program's own place.
    static QString installedDataFolder();

private:
    bool startViewer(const QString &path);

    Prompts &m_prompts;
    QString m_installedFolder;
};
