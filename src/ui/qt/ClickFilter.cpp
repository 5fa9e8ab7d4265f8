#include "ui/qt/ClickFilter.h"

#include <QMouseEvent>
#include <QWidget>

namespace
{

class ClickFilter : public QObject
{
public:
    ClickFilter(QWidget* widget, std::function<void()> onClick) : QObject(widget), OnClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
        {
            const auto* release = static_cast<QMouseEvent*>(event);
            // A press dragged off the widget and released elsewhere is no click.
            if (release->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint()))
                OnClick();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> OnClick;
};

} // namespace

void OnLeftClick(QWidget* widget, std::function<void()> onClick)
{
    widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}
