#include "ui/qt/CancelKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace
{

// Sees the keys that reach the form: those its controls let pass.
class EscapePresses : public QObject
{
public:
    EscapePresses(QWidget* form, QAbstractButton* button) : QObject(form), Button(button) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
        {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)
            {
                Button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* Button;
};

} // namespace

void PressOnEscape(QWidget* form, QAbstractButton* button)
{
    form->installEventFilter(new EscapePresses(form, button));
}
