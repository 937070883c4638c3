#pragma once

// A small up-down control: two arrow buttons and no number. A click on an
// arrow, or the Up and Down keys while the control has the focus, report one
// step; the control keeps no position of its own.

#include <QWidget>

class QToolButton;

namespace zm::ui {

class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    QToolButton *upArrow() const { return m_up; }
    QToolButton *downArrow() const { return m_down; }

signals:
    // +1 for the upper arrow, -1 for the lower one.
    void stepped(int direction);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};

} // namespace zm::ui
