#pragma once

#include <QWidget>

// The journal window: a hidden placeholder until the journal is built.
class TVerleden : public QWidget
{
    Q_OBJECT
public:
    explicit TVerleden(QWidget *parent = nullptr);
};
