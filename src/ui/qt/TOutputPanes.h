#pragma once

#include "ui/OutputCopies.h"
#include "ui/qt/RLoupe.h"

#include <QEnterEvent>
#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class TTWMainForm;
class TOutputPanes;

// One output's frozen copy, full screen on that output, under the dropper
// and with the loupe: the Wayland twin of the X11 sampling window, where no
// window may span the desktop and no client knows where the pointer is
// unless it is over one of its windows.
class TOutputPane : public QWidget
{
    Q_OBJECT
public:
    TOutputPane(TOutputPanes& panes, ROutputCopy copy, int index);

    const ROutputCopy& Copy() const { return TheCopy; }
    const RLoupe& Loupe() const { return TheLoupe; }
    // Puts the loupe beside hot spot (device pixels of this output), or
    // takes it off with none.
    void ShowLoupeAt(const std::optional<RDevicePixel>& hotSpot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The device pixel under an event's position: its surface position
    // keeps the compositor's fraction of a logical pixel.
    RDevicePixel PixelAt(const QSinglePointEvent& event) const;
    // The loupe's area in this window's logical coordinates.
    QRect LoupeLogicalArea() const;

    TOutputPanes& Panes;
    const ROutputCopy TheCopy;
    const int Index;
    QImage Picture;
    RLoupe TheLoupe;
};

// Every output's pane while sampling: where the pointer was last seen, and
// the end of sampling, whichever pane it comes from.
class TOutputPanes
{
public:
    explicit TOutputPanes(TTWMainForm& owner) : TheOwner(owner) {}

    // Shows copies, one pane on each output; false where no output of the
    // toolkit's matches one of them.
    bool Show(std::vector<ROutputCopy> copies);
    bool IsShown() const { return !Panes.empty(); }
    const std::vector<std::unique_ptr<TOutputPane>>& Shown() const { return Panes; }

    // What a screen reader hears of every pane now.
    void Announce(const std::string& text);
    // The pointer is over pixel of output index: the current colour.
    void Follow(int index, RDevicePixel pixel);
    // A press takes the pixel under the pointer; its release (or, where none
    // comes, a moment later) ends sampling.
    void Press(int index, RDevicePixel pixel);
    // A click's release or a typed key takes the pixel under the pointer (or
    // the one pressed) and ends.
    void Take();
    void KeyPressed(QKeyEvent& event);
    // Takes every pane off the screen, however sampling ended.
    void Close();

    int Notation() const;
    TTWMainForm& Owner() const { return TheOwner; }

private:
    TTWMainForm& TheOwner;
    std::vector<std::unique_ptr<TOutputPane>> Panes;
    // Where the pointer was last seen: a key takes the pixel there.
    int LastOutput = -1;
    RDevicePixel LastPixel;
    bool ThePressed = false;
    static constexpr int ReleaseWait = 400; // milliseconds
};
