#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Spin buttons bound to the edit box on their left. An arrow (held down, it
// repeats) or the Up and Down keys in the box step the box's number within
// the range without wrapping, write it into the box as plain decimal, which
// runs the box's own change handling, and then report Clicked.
class RUpDown : public QWidget
{
    Q_OBJECT
public:
    RUpDown(QLineEdit* buddy, QWidget* parent);

    void SetRange(int min, int max);
    int Minimum() const { return Min; }
    int Maximum() const { return Max; }
    // Steps once, as an arrow does: +1 up, -1 down.
    void Step(int delta);

signals:
    void Clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* Buddy;
    QToolButton* UpArrow;
    QToolButton* DownArrow;
    int Min = 0;
    int Max = 255;
    int Position = 0;
};
