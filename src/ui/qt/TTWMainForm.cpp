#include "ui/qt/TTWMainForm.h"

#include "shell/Help.h"
#include "shell/ShellOpen.h"
#include "ui/AccessibleNames.h"
#include "ui/FormKeys.h"
#include "ui/FormLayout.h"
#include "ui/SwatchMenu.h"
#include "ui/WindowTexts.h"
#include "ui/qt/ClickFilter.h"
#include "ui/qt/ColorClipboard.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Resources.h"
#include "ui/qt/RPortalColorPicker.h"
#include "ui/qt/RShape.h"
#include "ui/qt/RSwatchImage.h"
#include "ui/qt/RUpDown.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/SwatchMenuPopup.h"
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TOutputPanes.h"
#include "ui/qt/WaylandOutputs.h"
#include "ui/qt/TQLAboutDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QToolTip>
#include <QDBusConnection>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <utility>

TTWMainForm::TTWMainForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowIcon(TintwellIcon());
    setFont(DialogFont());
    setBackgroundRole(QPalette::Window);
    // Movements without a button reach the window's own handler while sampling.
    setMouseTracking(true);

    ThePortalPicker = new RPortalColorPicker(this);
    CreateControls();
    NameControls();
    ConnectHandlers();
    TheClipboard = new RColorClipboard(this, RGBHexEdit, TheEditor);
    TheClipboard->SetColorBoxes({RedEdit, GrnEdit, BluEdit, HueEdit, SatEdit, LumEdit});
    TheSwatchMenu = new RSwatchMenu(TheShape, TheEditor, *TheClipboard);

    TheAppReg = OpenMainFormSettings(*this);
}

TTWMainForm::~TTWMainForm()
{
    // A copy under way answers a window that is going: it is not waited for
    // longer than its own time limit.
    if (TheOutputCopying.valid())
        TheOutputCopying.wait();
}

void TTWMainForm::NameControls()
{
    for (const RAccessibleName& named : MainFormAccessibleNames)
    {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(named.Control));
        if (control == nullptr)
            continue;
        control->setAccessibleName(QString::fromLatin1(named.Name));
        if (auto* label = named.Label != nullptr ? findChild<QLabel*>(QString::fromLatin1(named.Label)) : nullptr)
            label->setBuddy(control);
        // A box's arrows are named after it.
        const QString arrows = QString::fromLatin1(named.Control);
        if (auto* up = findChild<QWidget*>(arrows + "Up"))
            up->setAccessibleName(QString::fromStdString(IncreaseArrowName(named.Name)));
        if (auto* down = findChild<QWidget*>(arrows + "Down"))
            down->setAccessibleName(QString::fromStdString(DecreaseArrowName(named.Name)));
    }
}

void TTWMainForm::ConnectHandlers()
{
    const struct
    {
        QLineEdit* Edit;
        RUpDown* Spin;
        void (RColorEditor::*Change)();
        void (RColorEditor::*Click)();
    } boxes[] = {
        {RedEdit, RedUpDown, &RColorEditor::RedEditChange, &RColorEditor::RedUpDownClick},
        {GrnEdit, GrnUpDown, &RColorEditor::GrnEditChange, &RColorEditor::GrnUpDownClick},
        {BluEdit, BluUpDown, &RColorEditor::BluEditChange, &RColorEditor::BluUpDownClick},
        {HueEdit, HueUpDown, &RColorEditor::HueEditChange, &RColorEditor::HueUpDownClick},
        {SatEdit, SatUpDown, &RColorEditor::SatEditChange, &RColorEditor::SatUpDownClick},
        {LumEdit, LumUpDown, &RColorEditor::LumEditChange, &RColorEditor::LumUpDownClick},
    };
    // textChanged runs inside setText too, which the editor relies on.
    for (const auto& box : boxes)
    {
        connect(box.Edit, &QLineEdit::textChanged, this, [this, change = box.Change] { (TheEditor.*change)(); });
        connect(box.Spin, &RUpDown::Clicked, this, [this, click = box.Click] { (TheEditor.*click)(); });
    }
    // activated is the user's choice alone; a selection by the program raises nothing.
    connect(ColorNameCB, &QComboBox::activated, this, [this] { TheEditor.ColorNameCBChange(); });
    connect(HexFormatCB, &QComboBox::activated, this, [this] { TheEditor.HexFormatCBChange(); });
    connect(ColorDlgSelectSBtn, &QPushButton::clicked, this, [this] { TheEditor.ColorDlgSelectSBtnClick(); });
    connect(MouseSelectSBtn, &QPushButton::clicked, this, [this] { MouseSelectSBtnClick(); });
    connect(ThePortalPicker, &RPortalColorPicker::Picked, this,
            [this](ColorValue color) { TheSampling.PickerPicked(color); });
    connect(ThePortalPicker, &RPortalColorPicker::Shot, this,
            [this](const QString& fileName) { ScreenshotTaken(fileName); });
    connect(ThePortalPicker, &RPortalColorPicker::Ended, this,
            [this](const QString& explanation) { EndPortalSelect(explanation); });
    connect(HueSatImage, &RSwatchImage::MouseUp, this, [this](int x, int y) { TheEditor.HueSatImageMouseUp(x, y); });
    connect(LumImage, &RSwatchImage::MouseUp, this, [this](int x, int y) { TheEditor.LumImageMouseUp(x, y); });
    connect(LumArrowImage, &RSwatchImage::MouseUp, this,
            [this](int x, int y) { TheEditor.LumArrowImageMouseUp(x, y); });
    OnLeftClick(SidebarImage, [this] { QLImageClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
    connect(AboutBtn, &QPushButton::clicked, this, [this] { AboutBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    ConnectKeys();
}

void TTWMainForm::ConnectKeys()
{
    // F1, the desktop's key for help, does what the Help button does; not
    // while sampling holds the keyboard, where such keys do nothing.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this]
    {
        if (QWidget::keyboardGrabber() == nullptr)
            HelpBtnClick();
    });
    for (const RFormKey& key : FormKeys)
    {
        const int code = key.Key == RFormKeyName::F10    ? Qt::Key_F10
                         : key.Key == RFormKeyName::Menu ? Qt::Key_Menu
                                                         : Qt::Key_A + (key.Letter - 'A');
        const Qt::KeyboardModifiers held = (key.Ctrl ? Qt::ControlModifier : Qt::NoModifier) |
                                           (key.Shift ? Qt::ShiftModifier : Qt::NoModifier);
        const QKeySequence keys(QKeyCombination(held, static_cast<Qt::Key>(code)));
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, command = key.Command]
        {
            if (QWidget::keyboardGrabber() == nullptr)
                RunFormCommand(command);
        });
    }
}

void TTWMainForm::RunFormCommand(RFormCommand command)
{
    // The select buttons never take the focus, so their keys work from
    // whichever control has it; not while a selection is under way.
    switch (command)
    {
    case RFormCommand::SelectWithMouse:
        if (MouseSelectSBtn->isEnabled())
            MouseSelectSBtnClick();
        break;
    case RFormCommand::SelectFromDialog:
        if (ColorDlgSelectSBtn->isEnabled())
            TheEditor.ColorDlgSelectSBtnClick();
        break;
    case RFormCommand::SwatchMenu:
        TheSwatchMenu->ShowBelowSwatch();
        break;
    }
}

void TTWMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (TheFirstShowing)
    {
        FormShow();
        // Moved to a monitor of another scale, the window keeps its size in
        // device pixels; it is laid out again once the move is through.
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { FitToScreen(); }, Qt::QueuedConnection);
        FitToScreen();
    }
}

void TTWMainForm::FitToScreen()
{
    const QSize size(FormPx(MainFormLayout().ClientWidth), FormPx(MainFormLayout().ClientHeight));
    if (this->size() == size && windowHandle()->minimumSize() == size)
        return;
    // The size limits again, now in the new scale's device pixels: set to
    // what they were, they would not reach the window manager again.
    windowHandle()->setMinimumSize(QSize(0, 0));
    windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    windowHandle()->setMinimumSize(size);
    windowHandle()->setMaximumSize(size);
    resize(size);
}

void TTWMainForm::FormShow()
{
    TheFirstShowing = false;
    ShowMainForm(*this, TheEditor, *TheAppReg);
}

void TTWMainForm::SetHSLSpinRange(int minimum, int maximum)
{
    for (RUpDown* spin : {HueUpDown, SatUpDown, LumUpDown})
        spin->SetRange(minimum, maximum);
}

void TTWMainForm::SelectHexFormat(int index)
{
    HexFormatCB->setCurrentIndex(index);
}

void TTWMainForm::CreateSamplingWindow()
{
    TheBigScreen = std::make_unique<TBigScreenDlg>(*this);
}

void TTWMainForm::FillColorNames(const std::vector<const char*>& names)
{
    // In one insertion: the list's model tells its views once, not once a name.
    QStringList items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (const char* name : names)
        items.append(QString::fromLatin1(name));
    ColorNameCB->clear();
    ColorNameCB->addItems(items);
}

void TTWMainForm::FocusRedEdit()
{
    RedEdit->setFocus();
}

void TTWMainForm::SaveSettings()
{
    if (!TheAppReg)
        return;
    SaveMainFormSettings(*TheAppReg, {TheShape->GetFill(), HexFormatCB->currentIndex(), WindowPlacementKnown()},
                         TheEditor, TheSampling);
    // The capture, then the sampling window (taking it off the screen).
    TheScreenBitmap.reset();
    TheBigScreen.reset();
    TheOutputPanes.reset();
    TheAppReg.reset(); // writes the file
}

void TTWMainForm::ComeForward(bool pick, const std::string& startupToken)
{
    // A dialog of ours (the colour dialog, the About box) holds the window:
    // it comes forward, and nothing starts behind it that it would block.
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog != nullptr && dialog != this)
    {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    // The launcher of the start that asked stops waiting, and the desktop
    // lets the window take the focus by its token.
    CompleteStartup(*this, startupToken);
    activateWindow();
    if (!pick)
        return;
    // Once the window is on the screen, so that the copy is taken with it
    // where it stands.
    QTimer::singleShot(0, this, [this]
    {
        if (MouseSelectSBtn->isEnabled())
            MouseSelectSBtnClick();
    });
}

void TTWMainForm::PickOnce(RSamplingSession::RDone done)
{
    TheSampling.PickForCommandLine(std::move(done));
    FormShow(); // the saved notation, the sampling window
    QTimer::singleShot(0, this, [this] { MouseSelectSBtnClick(); });
}

void TTWMainForm::MouseSelectSBtnClick()
{
    SetSelectButtonsEnabled(false);
    if (SamplingMethodOfThisDisplay() == RSamplingMethod::OutputCopies)
    {
        StartOutputSampling();
        return;
    }
    // One block copy of the whole desktop, every monitor, replacing the last
    // one. Some display servers refuse copies: then sampling simply does not
    // start.
    TheScreenBitmap.reset();
    TheScreenBitmap = RDesktopCopy::Take();
    const bool shown = TheScreenBitmap && TheBigScreen && TheBigScreen->ShowScreenImage(TheScreenBitmap.get());
    if (shown)
        raise(); // above the copy also where no window manager keeps it on top
    else
        SetSelectButtonsEnabled(true);
    TheSampling.Begin(shown);
}

void TTWMainForm::EndMouseSelect()
{
    SetSelectButtonsEnabled(true);
    unsetCursor();
    TheSampling.End();
}

void TTWMainForm::StartOutputSampling()
{
    // On a thread of its own: the compositor may wait for this program's own
    // windows (a change to acknowledge) before it draws the frame it copies,
    // so the event loop must go on meanwhile.
    TheOutputCopying = std::async(std::launch::async, [this]
    {
        // A compositor answers at once or not at all; the user may be waiting.
        constexpr int CopyTimeout = 3000;
        const RWaylandDesktop desktop = DescribeWaylandDesktop();
        std::optional<std::vector<ROutputCopy>> copies;
        if (desktop.OffersOutputCopies)
            copies = CopyEveryOutput(CopyTimeout);
        QMetaObject::invokeMethod(
            this, [this, offered = desktop.OffersOutputCopies, copies = std::move(copies)]() mutable
            { OutputsCopied(offered, std::move(copies)); },
            Qt::QueuedConnection);
    });
}

void TTWMainForm::OutputsCopied(bool offered, std::optional<std::vector<ROutputCopy>> copies)
{
    switch (ChooseCopySource(offered, QDBusConnection::sessionBus().isConnected()))
    {
    case RCopySource::OutputCopies:
        if (copies && ShowOutputCopies(std::move(*copies)))
            return;
        [[fallthrough]];
    case RCopySource::PortalScreenshot:
        TheAwaitingScreenshot = true;
        TheScreenshotArrived = false;
        ThePortalPicker->StartScreenshot();
        return;
    case RCopySource::PortalPicker:
        FallBackToPortalPicker();
        return;
    }
}

bool TTWMainForm::ShowOutputCopies(std::vector<ROutputCopy> copies)
{
    if (!TheOutputPanes)
        TheOutputPanes = std::make_unique<TOutputPanes>(*this);
    if (!TheOutputPanes->Show(std::move(copies)))
        return false;
    TheSampling.Begin(true);
    return true;
}

void TTWMainForm::ScreenshotTaken(const QString& fileName)
{
    // The portal's picture of the whole desktop, cut into each output's
    // copy where the outputs add up to it; otherwise not shown at all.
    TheScreenshotArrived = true;
    const QImage picture = QImage(fileName).convertToFormat(QImage::Format_RGB32);
    std::vector<ColorValue> pixels;
    pixels.reserve(static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
    {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            pixels.push_back(FromQRgb(line[x]));
    }
    if (auto copies = CopiesFromPicture(DescribeWaylandDesktop().Outputs, pixels, picture.width(), picture.height()))
        ShowOutputCopies(std::move(*copies));
}

void TTWMainForm::FallBackToPortalPicker()
{
    static bool told = false;
    if (!std::exchange(told, true))
    {
        const QString notice = QString::fromUtf8(WindowTexts::NoScreenCopy);
        if (TheSampling.IsCommandLinePick())
            std::fprintf(stderr, "%s\n", notice.toLocal8Bit().constData());
        else
            QToolTip::showText(MouseSelectSBtn->mapToGlobal(MouseSelectSBtn->rect().bottomLeft()), notice,
                               MouseSelectSBtn);
    }
    ThePortalPicker->Start();
}

void TTWMainForm::EndPortalSelect(const QString& explanation)
{
    if (std::exchange(TheAwaitingScreenshot, false))
    {
        // Shown: sampling goes on over the copy. Refused by the user: the
        // pick is cancelled. Anything else (a picture that does not fit the
        // outputs included): the desktop's picker instead.
        if (TheSampling.IsSampling())
            return;
        if (!explanation.isEmpty() || std::exchange(TheScreenshotArrived, false))
        {
            FallBackToPortalPicker();
            return;
        }
    }
    SetSelectButtonsEnabled(true);
    // A pick from the command line gives the reason to its caller instead.
    if (!explanation.isEmpty() && !TheSampling.IsCommandLinePick())
        QMessageBox::information(this, QString::fromLatin1(MainFormLayout().Caption), explanation);
    TheSampling.PickerEnded(explanation.toStdString());
}

void TTWMainForm::SetSelectButtonsEnabled(bool enabled)
{
    MouseSelectSBtn->setEnabled(enabled);
    ColorDlgSelectSBtn->setEnabled(enabled);
}

void TTWMainForm::ApplyOwnPixel(QPointF at)
{
    if (TheSampling.IsSampling())
        TheSampling.Follow(WindowPixel(*this, at));
}

// The scene position: the window's own, with the fraction of a logical pixel
// that names the device pixel at a scaled display.
void TTWMainForm::mouseMoveEvent(QMouseEvent* event)
{
    ApplyOwnPixel(event->scenePosition());
}

void TTWMainForm::mousePressEvent(QMouseEvent* event)
{
    ApplyOwnPixel(event->scenePosition());
}

void TTWMainForm::closeEvent(QCloseEvent* event)
{
    SaveSettings();
    event->accept();
}

void TTWMainForm::CloseBtnClick()
{
    close();
}

void TTWMainForm::AboutBtnClick()
{
    ShowAboutBox(this, MainFormTexts::WebSite, MainFormTexts::WebLinkText, MainFormTexts::SupportMail,
                 MainFormTexts::MailLinkText);
}

void TTWMainForm::HelpBtnClick()
{
    ShowHelpTopic(this, MainFormTexts::HelpTopic);
}

void TTWMainForm::QLImageClick()
{
    ShellOpen(MainFormTexts::ProductPage);
}

QLineEdit* TTWMainForm::EditOf(REditBox box) const
{
    // In the order of REditBox.
    QLineEdit* const boxes[] = {RedEdit, GrnEdit, BluEdit, HueEdit, SatEdit, LumEdit};
    return boxes[static_cast<std::size_t>(box)];
}

RString TTWMainForm::GetEditText(REditBox box) const
{
    return ToRString(EditOf(box)->text());
}

void TTWMainForm::SetEditText(REditBox box, const RString& text)
{
    EditOf(box)->setText(ToQString(text));
}

int TTWMainForm::GetColorNameIndex() const
{
    return ColorNameCB->currentIndex();
}

void TTWMainForm::SelectColorName(int index)
{
    ColorNameCB->setCurrentIndex(index);
}

int TTWMainForm::GetHexFormatIndex() const
{
    return HexFormatCB->currentIndex();
}

void TTWMainForm::SetHexText(const RString& text)
{
    RGBHexEdit->setText(ToQString(text));
}

void TTWMainForm::SetSwatchColor(ColorValue color)
{
    TheShape->SetFill(color);
    const QString described = QString::fromStdString(SwatchToolTip(color));
    TheShape->setToolTip(described);
    TheShape->setAccessibleDescription(described);
    AnnounceSampledColour();
}

void TTWMainForm::AnnounceSampledColour()
{
    // The colour under a moving pointer, said when the interval ends: the
    // latest then, never one a movement has passed.
    if (!TheSampling.IsSampling() || TheAnnouncementPending)
        return;
    TheAnnouncementPending = true;
    QTimer::singleShot(SamplingAnnouncementIntervalMs, this, [this]
    {
        TheAnnouncementPending = false;
        if (!TheSampling.IsSampling())
            return;
        const std::string text = SamplingAnnouncement(TheEditor.Color());
        if (TheOutputPanes && TheOutputPanes->IsShown())
            TheOutputPanes->Announce(text);
        else if (TheBigScreen)
            TheBigScreen->Announce(text);
    });
}

void TTWMainForm::ShowSwatches(const RSwatchPicture& picture)
{
    for (RSwatchImage* image : {HueSatImage, LumImage, LumArrowImage})
        image->Show(picture);
    HueSatImage->setAccessibleDescription(QString::fromStdString(PlaneValueText(TheEditor.Color())));
    const QString bar = QString::fromStdString(BarValueText(TheEditor.Color()));
    LumImage->setAccessibleDescription(bar);
    LumArrowImage->setAccessibleDescription(bar);
}

void TTWMainForm::ProcessPendingEvents()
{
    // Everything pending is let through, input included, which keeps sampling
    // and dragging responsive; only this window's repaint waits for the end
    // of the change, so that a change of several views paints them at once.
    // Only in this event loop: a dialog opened by an event delivered here
    // runs a loop of its own, and the window paints there as usual.
    const int outer = ThePaintWaitLoop;
    ThePaintWaitLoop = QThread::currentThread()->loopLevel() + 1;
    QCoreApplication::processEvents();
    ThePaintWaitLoop = outer;
}

bool TTWMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest)
    {
        if (ThePaintWaitLoop == QThread::currentThread()->loopLevel() + 1)
        {
            // Asked again behind what is queued now: after the change.
            QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
            return true;
        }
        ++ThePaintPasses;
    }
    return QWidget::event(event);
}

bool TTWMainForm::RunColorDialog(ColorValue& color)
{
    QColorDialog dialog(ToQColor(color), this);
    dialog.setObjectName("TheColorDialog");
    // The toolkit's own dialog, which always shows its custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = FromQColor(dialog.selectedColor());
    return true;
}

int TTWMainForm::GetLeft() const
{
    return frameGeometry().x();
}

int TTWMainForm::GetTop() const
{
    return frameGeometry().y();
}

int TTWMainForm::GetWidth() const
{
    return frameGeometry().width();
}

int TTWMainForm::GetHeight() const
{
    return frameGeometry().height();
}

int TTWMainForm::GetWindowState() const
{
    if (isMinimized())
        return StateMinimized;
    return isMaximized() ? StateMaximized : StateNormal;
}

void TTWMainForm::SetLeft(int left)
{
    move(left, frameGeometry().y());
}

void TTWMainForm::SetTop(int top)
{
    move(frameGeometry().x(), top);
}

void TTWMainForm::SetWidth(int width)
{
    // The window has a fixed size; a stored outer size cannot change it.
    static_cast<void>(width);
}

void TTWMainForm::SetHeight(int height)
{
    static_cast<void>(height);
}

void TTWMainForm::SetWindowState(int state)
{
    // Anything but the three known states shows the window normally.
    if (state == StateMinimized)
        setWindowState(Qt::WindowMinimized);
    else if (state == StateMaximized)
        setWindowState(Qt::WindowMaximized);
    else
        setWindowState(Qt::WindowNoState);
}
