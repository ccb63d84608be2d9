#pragma once

#include "services.h"

// The production message boxes and input prompt, captioned with the application title.
class QtPrompts final : public Prompts
{
public:
    void message(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
    std::optional<QString> input(const QString &caption, const QString &label,
                                 const QString &initial, int maxLength) override;
};

// Opens a file by name through the desktop, resolved against the current directory.
class QtShell final : public Shell
{
public:
    void open(const QString &fileName) override;
};
