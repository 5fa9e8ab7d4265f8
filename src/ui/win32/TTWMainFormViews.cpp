// The main window as the editor, the first showing and the settings store
// see it: its boxes, lists, swatches and colour dialog, and its outer bounds.
#include "ui/win32/TTWMainForm.h"

#include "ui/AccessibleNames.h"
#include "ui/FormLayout.h"
#include "ui/SwatchMenu.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/RShape.h"
#include "ui/win32/RSwatchImage.h"
#include "ui/win32/RToolTip.h"
#include "ui/win32/ScreenReaderNames.h"
#include "ui/win32/TBigScreenDlg.h"
#include "ui/win32/WindowText.h"

#include <commctrl.h>
#include <commdlg.h>

#include <span>
#include <string_view>


HWND TTWMainForm::EditOf(REditBox box) const
{
    // In the order of REditBox.
    const HWND boxes[] = {RedEdit, GrnEdit, BluEdit, HueEdit, SatEdit, LumEdit};
    return boxes[static_cast<std::size_t>(box)];
}

RString TTWMainForm::GetEditText(REditBox box) const
{
    return RString(WindowUtf8Text(EditOf(box)).c_str());
}

void TTWMainForm::SetEditText(REditBox box, const RString& text)
{
    SetWindowUtf8Text(EditOf(box), text.Text());
}

int TTWMainForm::GetColorNameIndex() const
{
    return static_cast<int>(::SendMessageA(ColorNameCB, CB_GETCURSEL, 0, 0));
}

void TTWMainForm::SelectColorName(int index)
{
    ::SendMessageA(ColorNameCB, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TTWMainForm::GetHexFormatIndex() const
{
    return static_cast<int>(::SendMessageA(HexFormatCB, CB_GETCURSEL, 0, 0));
}

void TTWMainForm::SetHexText(const RString& text)
{
    SetWindowUtf8Text(RGBHexEdit, text.Text());
}

void TTWMainForm::SetSwatchColor(ColorValue color)
{
    TheShape->SetFill(color);
    // Made once: the tip and the screen reader's description say the same.
    const std::string described = SwatchToolTip(color);
    TheSwatchTip->SetText(described);
    SetAccessibleDescription(TheShape->Handle(), described);
    AnnounceSampledColour();
}

void TTWMainForm::AnnounceSampledColour()
{
    // The colour under a moving pointer, said when the interval ends: the
    // latest then, never one a movement has passed.
    if (!TheSampling.IsSampling() || !TheBigScreen || TheAnnouncementPending)
        return;
    TheAnnouncementPending = true;
    ::SetTimer(Handle(), AnnouncementTimer, SamplingAnnouncementIntervalMs, nullptr);
}

void TTWMainForm::FormAnnouncementDue()
{
    ::KillTimer(Handle(), AnnouncementTimer);
    TheAnnouncementPending = false;
    if (TheSampling.IsSampling() && TheBigScreen)
        TheBigScreen->Announce(SamplingAnnouncement(TheEditor.Color()));
}

void TTWMainForm::NameControls()
{
    const std::span<const RControlLayout> rows = MainFormLayout().Controls;
    for (const RAccessibleName& named : MainFormAccessibleNames)
    {
        SetAccessibleName(ControlNamed(named.Control), named.Name);
        // A box's arrows, in the up-down control just after it, named after it.
        for (std::size_t i = 0; i + 1 < rows.size(); ++i)
            if (std::string_view(rows[i].Name) == named.Control && rows[i + 1].Kind == RControlKind::UpDown)
            {
                SetAccessibleName(ControlNamed(rows[i + 1].Name), IncreaseArrowName(named.Name), 1);
                SetAccessibleName(ControlNamed(rows[i + 1].Name), DecreaseArrowName(named.Name), 2);
            }
    }
}

void TTWMainForm::DescribeColour()
{
    SetAccessibleDescription(HueSatImage->Handle(), PlaneValueText(TheEditor.Color()));
    const std::string bar = BarValueText(TheEditor.Color());
    for (RSwatchImage* image : {LumImage, LumArrowImage})
        SetAccessibleDescription(image->Handle(), bar);
}

std::string TTWMainForm::SwatchToolTipText() const
{
    return TheSwatchTip->Text();
}

void TTWMainForm::SetHSLSpinRange(int minimum, int maximum)
{
    for (HWND spin : {HueUpDown, SatUpDown, LumUpDown})
        ::SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void TTWMainForm::SelectHexFormat(int index)
{
    ::SendMessageA(HexFormatCB, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TTWMainForm::CreateSamplingWindow()
{
    TheBigScreen = std::make_unique<TBigScreenDlg>(*this);
}

void TTWMainForm::FillColorNames(const std::vector<const char*>& names)
{
    ::SendMessageA(ColorNameCB, CB_RESETCONTENT, 0, 0);
    for (const char* name : names)
        ::SendMessageA(ColorNameCB, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

void TTWMainForm::FocusRedEdit()
{
    ::SetFocus(RedEdit);
}

void TTWMainForm::ShowSwatches(const RSwatchPicture& picture)
{
    for (RSwatchImage* image : {HueSatImage, LumImage, LumArrowImage})
        image->Show(picture);
    DescribeColour();
}

void TTWMainForm::ProcessPendingEvents()
{
    ProcessPendingMessages();
}

bool TTWMainForm::RunColorDialog(ColorValue& color)
{
    // The custom colours last for the run, as the dialog expects of its caller.
    static COLORREF customColors[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.rgbResult = color & 0x00FFFFFF;
    dialog.lpCustColors = customColors;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!::ChooseColorA(&dialog))
        return false;
    color = dialog.rgbResult;
    return true;
}

RECT TTWMainForm::Bounds() const
{
    // A minimised window's own rectangle is off the screen; its restored one counts.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::IsIconic(Handle()) && ::GetWindowPlacement(Handle(), &placement))
        return placement.rcNormalPosition;
    RECT bounds{};
    ::GetWindowRect(Handle(), &bounds);
    return bounds;
}

int TTWMainForm::GetLeft() const
{
    return Bounds().left;
}

int TTWMainForm::GetTop() const
{
    return Bounds().top;
}

int TTWMainForm::GetWidth() const
{
    const RECT bounds = Bounds();
    return bounds.right - bounds.left;
}

int TTWMainForm::GetHeight() const
{
    const RECT bounds = Bounds();
    return bounds.bottom - bounds.top;
}

int TTWMainForm::GetWindowState() const
{
    if (::IsIconic(Handle()))
        return StateMinimized;
    return ::IsZoomed(Handle()) ? StateMaximized : StateNormal;
}

void TTWMainForm::SetLeft(int left)
{
    ::SetWindowPos(Handle(), nullptr, left, Bounds().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTWMainForm::SetTop(int top)
{
    ::SetWindowPos(Handle(), nullptr, Bounds().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    TheShowState = state == StateMinimized ? SW_SHOWMINIMIZED : state == StateMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    if (::IsWindowVisible(Handle()))
        ::ShowWindow(Handle(), TheShowState);
}
