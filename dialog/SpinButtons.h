#pragma once

#include <QWidget>

class QToolButton;

// Two stacked arrow buttons that step a number kept in a separate edit field. The field holds
// the number; these buttons only say which way to step.
class SpinButtons final : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButtons(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
