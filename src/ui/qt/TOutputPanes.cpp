#include "ui/qt/TOutputPanes.h"

#include "ui/AccessibleNames.h"
#include "ui/LoupePicture.h"
#include "ui/qt/CursorTable.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TTWMainForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace
{

QImage PictureOf(const ROutputCopy& copy)
{
    QImage picture(copy.Output.DeviceWidth, copy.Output.DeviceHeight, QImage::Format_RGB32);
    auto pixel = copy.Pixels.begin();
    for (int y = 0; y < picture.height(); ++y)
    {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, ++pixel)
            line[x] = ToQRgb(*pixel);
    }
    // Drawn over the output's logical size: one picture pixel to one device
    // pixel wherever the toolkit draws at the output's own scale.
    picture.setDevicePixelRatio(copy.Output.Scale());
    return picture;
}

// The toolkit's screen for an output: by name, or else where it lies.
QScreen* ScreenOf(const ROutput& output)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (screen->name().toStdString() == output.Name)
            return screen;
    for (QScreen* screen : screens)
        if (screen->geometry().topLeft() == QPoint(output.LogicalX, output.LogicalY))
            return screen;
    return nullptr;
}

} // namespace

TOutputPane::TOutputPane(TOutputPanes& panes, ROutputCopy copy, int index)
    // The main window's child, so that a pane waiting to be deleted when
    // the program ends goes with it.
    : QWidget(&panes.Owner(), Qt::Window | Qt::FramelessWindowHint), Panes(panes), TheCopy(std::move(copy)), Index(index),
      Picture(PictureOf(TheCopy))
{
    setObjectName(QStringLiteral("OutputPane%1").arg(index));
    setWindowTitle(QStringLiteral("Tintwell"));
    setAccessibleName(QString::fromLatin1(SamplingWindowName));
    setMouseTracking(true); // movement without a button counts
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(DropperCursor());
}

RDevicePixel TOutputPane::PixelAt(const QSinglePointEvent& event) const
{
    return OutputDevicePixel(TheCopy.Output, event.scenePosition().x(), event.scenePosition().y());
}

QRect TOutputPane::LoupeLogicalArea() const
{
    const double scale = TheCopy.Output.Scale();
    const QRect area = TheLoupe.Area;
    return QRectF(area.x() / scale, area.y() / scale, area.width() / scale, area.height() / scale).toAlignedRect();
}

void TOutputPane::ShowLoupeAt(const std::optional<RDevicePixel>& hotSpot)
{
    const QRect before = LoupeLogicalArea();
    if (hotSpot)
        TheLoupe.MoveTo(QPoint(hotSpot->X, hotSpot->Y),
                        QRect(0, 0, TheCopy.Output.DeviceWidth, TheCopy.Output.DeviceHeight), TheCopy.Output.Scale());
    else
        TheLoupe.Hide();
    update(before);
    update(LoupeLogicalArea());
}

void TOutputPane::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), Picture,
                      QRectF(QPointF(event->rect().topLeft()) * Picture.devicePixelRatio(),
                             QSizeF(event->rect().size()) * Picture.devicePixelRatio()));
    if (TheLoupe.Area.isEmpty())
        return;
    QImage loupe = TheLoupe.Render(TheCopy.Block({TheLoupe.Source().x(), TheLoupe.Source().y(),
                                                  TheLoupe.Source().width(), TheLoupe.Source().height()}),
                                   Panes.Notation());
    loupe.setDevicePixelRatio(TheCopy.Output.Scale());
    painter.drawImage(QPointF(TheLoupe.Area.topLeft()) / TheCopy.Output.Scale(), loupe);
}

void TOutputPane::mouseMoveEvent(QMouseEvent* event)
{
    Panes.Follow(Index, PixelAt(*event));
}

void TOutputPane::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Panes.Press(Index, PixelAt(*event));
}

void TOutputPane::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Panes.Take();
}

void TOutputPane::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    ShowLoupeAt(std::nullopt);
}

bool TOutputPane::eventFilter(QObject* watched, QEvent* event)
{
    // Coming from another output the pointer arrives with its position,
    // and no movement follows until it moves again. The window's own enter
    // event keeps the compositor's fraction of a pixel; the widget's is
    // rounded to whole logical pixels on its way.
    if (watched == windowHandle() && event->type() == QEvent::Enter)
        Panes.Follow(Index, PixelAt(*static_cast<QEnterEvent*>(event)));
    return QWidget::eventFilter(watched, event);
}

bool TOutputPane::event(QEvent* event)
{
    // Tab and Backtab type characters too; they must not move the focus.
    if (event->type() == QEvent::KeyPress)
    {
        Panes.KeyPressed(*static_cast<QKeyEvent*>(event));
        return true;
    }
    // The compositor closed a pane (its own key, a killed surface): sampling
    // ends as if the pixel were taken where the pointer last was.
    if (event->type() == QEvent::Close)
    {
        event->ignore();
        Panes.Take();
        return true;
    }
    return QWidget::event(event);
}

bool TOutputPanes::Show(std::vector<ROutputCopy> copies)
{
    Close();
    std::vector<QScreen*> screens;
    for (const ROutputCopy& copy : copies)
    {
        QScreen* screen = copy.Complete() ? ScreenOf(copy.Output) : nullptr;
        if (screen == nullptr)
            return false;
        screens.push_back(screen);
    }
    LastOutput = -1;
    for (std::size_t i = 0; i < copies.size(); ++i)
    {
        auto pane = std::make_unique<TOutputPane>(*this, std::move(copies[i]), static_cast<int>(i));
        pane->setScreen(screens[i]);
        pane->setGeometry(screens[i]->geometry());
        // Full screen on its own output: the compositor places it there.
        pane->showFullScreen();
        pane->windowHandle()->installEventFilter(pane.get());
        Panes.push_back(std::move(pane));
    }
    return true;
}

int TOutputPanes::Notation() const
{
    return TheOwner.CurrentColor().GetHexFormat();
}

void TOutputPanes::Announce(const std::string& text)
{
    for (const auto& pane : Panes)
        pane->setAccessibleName(QString::fromStdString(text));
}

void TOutputPanes::Follow(int index, RDevicePixel pixel)
{
    if (index < 0 || index >= static_cast<int>(Panes.size()) || ThePressed)
        return;
    if (LastOutput >= 0 && LastOutput != index)
        Panes[static_cast<std::size_t>(LastOutput)]->ShowLoupeAt(std::nullopt);
    LastOutput = index;
    LastPixel = pixel;
    Panes[static_cast<std::size_t>(index)]->ShowLoupeAt(pixel);
    TheOwner.Sampling().Follow(Panes[static_cast<std::size_t>(index)]->Copy().Pixel(pixel));
}

void TOutputPanes::Press(int index, RDevicePixel pixel)
{
    Follow(index, pixel);
    ThePressed = true;
    // The press decides; the release ends sampling, so that it reaches no
    // window beneath. A compositor that moves the keyboard focus to the
    // pane clicked may send that release nowhere the toolkit passes on.
    QTimer::singleShot(ReleaseWait, Panes.front().get(), [this] { Take(); });
}

void TOutputPanes::Take()
{
    if (Panes.empty())
        return;
    // Where the pointer never came over a pane, nothing was shown under it:
    // the colour stays as it is.
    if (LastOutput >= 0)
        TheOwner.Sampling().Take(Panes[static_cast<std::size_t>(LastOutput)]->Copy().Pixel(LastPixel));
    Close();
    TheOwner.EndMouseSelect();
}

void TOutputPanes::KeyPressed(QKeyEvent& event)
{
    event.accept();
    switch (TheOwner.Sampling().KeyPressed(KeyTypesCharacter(event), event.key() == Qt::Key_Escape))
    {
    case RSamplingKey::Nothing:
        return;
    case RSamplingKey::Cancels:
        TheOwner.Sampling().Cancel();
        Close();
        TheOwner.EndMouseSelect();
        return;
    case RSamplingKey::Takes:
        Take();
        return;
    }
}

void TOutputPanes::Close()
{
    // Later, not now: this may run inside a pane's own event.
    for (auto& pane : Panes)
    {
        pane->hide();
        pane.release()->deleteLater();
    }
    Panes.clear();
    ThePressed = false;
}
