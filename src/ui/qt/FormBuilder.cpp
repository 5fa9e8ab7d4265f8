#include "ui/qt/FormBuilder.h"

#include "ui/qt/CancelKey.h"
#include "ui/qt/DropDownList.h"
#include "ui/qt/Resources.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RFormBuilder::RFormBuilder(QWidget* form, const RFormLayout& layout) : Form(form), Layout(layout)
{
    Form->setObjectName(QString::fromLatin1(Layout.Name));
    Form->setWindowTitle(QString::fromLatin1(Layout.Caption));
    Form->setFixedSize(FormPx(Layout.ClientWidth), FormPx(Layout.ClientHeight));
}

QRect Box(const RControlLayout& row)
{
    const int left = FormPx(row.Left), top = FormPx(row.Top);
    return {left, top, FormPx(row.Left + row.Width) - left, FormPx(row.Top + row.Height) - top};
}

QWidget* RFormBuilder::ParentOf(const RControlLayout& row) const
{
    if (row.Parent == nullptr)
        return Form;
    const auto parent = Made.find(row.Parent);
    Q_ASSERT(parent != Made.end());
    return parent != Made.end() ? parent->second : Form;
}

void RFormBuilder::Place(QWidget* widget, const RControlLayout& row)
{
    widget->setObjectName(QString::fromLatin1(row.Name));
    widget->setGeometry(Box(row));
    if (row.Style & StyleHandCursor)
        widget->setCursor(Qt::PointingHandCursor);
    if (row.Style & StyleHidden)
        widget->hide();
    Made[row.Name] = widget;
}

QFrame* RFormBuilder::Panel(const char* name)
{
    QFrame* panel = Make<QFrame>(name);
    const unsigned style = FindControl(Layout, name).Style;
    panel->setBackgroundRole(QPalette::Window);
    panel->setAutoFillBackground(true);
    if (style & StyleWhite)
    {
        // White in every theme: the pictures on it are drawn for white.
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        panel->setPalette(palette);
    }
    if (style & StyleRaised)
    {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    }
    return panel;
}

QGroupBox* RFormBuilder::GroupBox(const char* name)
{
    return Make<QGroupBox>(name, QString::fromLatin1(FindControl(Layout, name).Text));
}

QLabel* RFormBuilder::Label(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    QLabel* label = Make<QLabel>(name);
    // An image's text is the hint shown on hover.
    if (row.Kind == RControlKind::Image)
        label->setToolTip(QString::fromLatin1(row.Text));
    else
        label->setText(QString::fromLatin1(row.Text));
    if (row.Style & StyleCentred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

QLineEdit* RFormBuilder::Edit(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    QLineEdit* edit = Make<QLineEdit>(name);
    edit->setText(QString::fromLatin1(row.Text));
    edit->setReadOnly(row.Style & StyleReadOnly);
    if (row.TabOrder < 0)
        edit->setFocusPolicy(Qt::ClickFocus); // selectable, but not a tab stop
    return edit;
}

QComboBox* RFormBuilder::DropDownList(const char* name)
{
    return Make<RDropDownList>(name);
}

QPushButton* RFormBuilder::Button(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    QPushButton* button = Make<QPushButton>(name, QString::fromLatin1(row.Text));
    if (row.Kind == RControlKind::SpeedButton)
        button->setFocusPolicy(Qt::NoFocus); // speed buttons never take the focus
    // Neither the default button nor pressed by Enter.
    button->setAutoDefault(false);
    if (row.Style & StyleCancel)
        PressOnEscape(Form, button);
    return button;
}

void RFormBuilder::SetTabOrder()
{
    QWidget* previous = nullptr;
    for (const RControlLayout* control : TabSequence(Layout))
    {
        QWidget* next = Made.at(control->Name);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
