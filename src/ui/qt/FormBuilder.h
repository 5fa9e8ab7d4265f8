#pragma once

#include "ui/FormLayout.h"

#include <QRect>
#include <QWidget>

#include <map>
#include <string>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Makes a window's controls from its layout: each is found by its system
// name (also its objectName), placed in its parent at its position and size,
// and given its text and properties. Parents must be made before children.
class RFormBuilder
{
public:
    RFormBuilder(QWidget* form, const RFormLayout& layout);

    // A control of a class of ours, constructed with arguments and its parent.
    template <typename Widget, typename... Arguments>
    Widget* Make(const char* name, Arguments&&... arguments)
    {
        const RControlLayout& row = FindControl(Layout, name);
        auto* widget = new Widget(std::forward<Arguments>(arguments)..., ParentOf(row));
        Place(widget, row);
        return widget;
    }

    QFrame* Panel(const char* name);
    QGroupBox* GroupBox(const char* name);
    // Labels and the images that show a fixed picture.
    QLabel* Label(const char* name);
    QLineEdit* Edit(const char* name);
    QComboBox* DropDownList(const char* name);
    // Push buttons and speed buttons.
    QPushButton* Button(const char* name);

    // Chains the controls that the Tab key visits, in the layout's order.
    void SetTabOrder();

private:
    QWidget* ParentOf(const RControlLayout& row) const;
    void Place(QWidget* widget, const RControlLayout& row);

    QWidget* Form;
    const RFormLayout& Layout;
    std::map<std::string, QWidget*> Made;
};

// A row's position and size at FormDpi: its edges each scaled, so that
// neighbours stay neighbours.
QRect Box(const RControlLayout& row);
