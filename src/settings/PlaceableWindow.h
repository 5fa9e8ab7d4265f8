#pragma once

// What the settings store needs of a window to keep its placement: its edges
// and size in screen pixels and its state, read and set.
class RPlaceableWindow
{
public:
    static constexpr int StateNormal = 0;
    static constexpr int StateMinimized = 1;
    static constexpr int StateMaximized = 2;

    virtual int GetLeft() const = 0;
    virtual int GetTop() const = 0;
    // For a maximised window, its maximised bounds.
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual int GetWindowState() const = 0;

    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // A state other than the three is the window's to interpret.
    virtual void SetWindowState(int state) = 0;

protected:
    ~RPlaceableWindow() = default;
};
