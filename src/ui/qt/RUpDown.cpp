#include "ui/qt/RUpDown.h"

#include "ui/UpDownStep.h"
#include "ui/qt/QtText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace
{

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The box keeps the focus, as with the platform's spin control.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

RUpDown::RUpDown(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), Buddy(buddy),
      UpArrow(MakeArrow(this, Qt::UpArrow, buddy->objectName() + "Up")),
      DownArrow(MakeArrow(this, Qt::DownArrow, buddy->objectName() + "Down"))
{
    setFocusPolicy(Qt::NoFocus);
    connect(UpArrow, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(DownArrow, &QToolButton::clicked, this, [this] { Step(-1); });
    Buddy->installEventFilter(this);
}

void RUpDown::SetRange(int min, int max)
{
    Min = min;
    Max = max;
}

void RUpDown::Step(int delta)
{
    if (StepUpDown(ToRString(Buddy->text()), Position, Min, Max, delta))
        Buddy->setText(QString::number(Position));
    emit Clicked();
}

bool RUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Buddy && event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
        {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    UpArrow->setGeometry(0, 0, width(), half);
    DownArrow->setGeometry(0, half, width(), height() - half);
}
