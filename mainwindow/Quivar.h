#pragma once

#include <QWidget>

// The main window: shows one consultation at a time.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};
