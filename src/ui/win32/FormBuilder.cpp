#include "ui/win32/FormBuilder.h"

#include "ui/LayoutScale.h"
#include "ui/win32/PixelArt.h"
#include "ui/win32/Resources.h"
#include "ui/win32/RPanel.h"
#include "ui/win32/RShape.h"
#include "ui/win32/RSpeedButton.h"

#include <commctrl.h>

#include <cstring>

namespace
{

constexpr int FirstControlId = 100;
// The closed list is 21 pixels: the selection field and its border.
constexpr int SelectionFieldHeight = 15;

bool TakesFocus(RControlKind kind)
{
    return kind == RControlKind::Edit || kind == RControlKind::DropDownList || kind == RControlKind::Button;
}

} // namespace

RFormBuilder::RFormBuilder(HWND form, const RFormLayout& layout, int dpi) : Form(form), TheDpi(dpi), Layout(layout)
{
}

RFormBuilder::~RFormBuilder()
{
    if (Hints != nullptr)
        ::DestroyWindow(Hints);
    // The controls go with the form after this; pictures they still show are
    // not drawn again.
    for (RScaledPicture& picture : Pictures)
        Release(picture);
}

int RFormBuilder::Px(int layout) const
{
    return ToDevicePixels(layout, TheDpi);
}

RECT RFormBuilder::Placement(const RControlLayout& row) const
{
    int height = row.Height;
    // A drop-down list's window reaches down over its dropped rows.
    if (row.Kind == RControlKind::DropDownList)
        height += DroppedListRows * ListItemHeight + 2;
    return RECT{Px(row.Left), Px(row.Top), Px(row.Left + row.Width), Px(row.Top + height)};
}

void RFormBuilder::SetItemHeights(HWND list) const
{
    ::SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Px(SelectionFieldHeight));
    ::SendMessageA(list, CB_SETITEMHEIGHT, 0, Px(ListItemHeight));
}

void RFormBuilder::Release(RScaledPicture& picture)
{
    if (picture.BitmapCopy != nullptr)
        ::DeleteObject(picture.BitmapCopy);
    if (picture.IconCopy != nullptr)
        ::DestroyIcon(picture.IconCopy);
    picture.BitmapCopy = nullptr;
    picture.IconCopy = nullptr;
}

RFormBuilder::RScaledPicture& RFormBuilder::PictureOf(HWND control)
{
    for (RScaledPicture& picture : Pictures)
        if (picture.Control == control)
            return picture;
    Pictures.push_back(RScaledPicture{control});
    return Pictures.back();
}

void RFormBuilder::ShowScaled(RScaledPicture& picture)
{
    // The new copy is shown before the old one goes.
    RScaledPicture old = picture;
    picture.BitmapCopy = nullptr;
    picture.IconCopy = nullptr;
    if (picture.Icon != nullptr)
    {
        picture.IconCopy = IconInBlocks(picture.Icon, Px(picture.Width));
        ::SendMessageA(picture.Control, STM_SETICON,
                       reinterpret_cast<WPARAM>(picture.IconCopy != nullptr ? picture.IconCopy : picture.Icon), 0);
    }
    else if (picture.Bitmap != nullptr)
    {
        picture.BitmapCopy = BitmapInBlocks(picture.Bitmap, Px(picture.Left + picture.Width) - Px(picture.Left),
                                            Px(picture.Top + picture.Height) - Px(picture.Top));
        HBITMAP shown = picture.BitmapCopy != nullptr ? picture.BitmapCopy : picture.Bitmap;
        if (picture.Button != nullptr)
            picture.Button->SetGlyph(shown);
        else
            ::SendMessageA(picture.Control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    }
    Release(old);
}

void RFormBuilder::Rescale(int dpi)
{
    TheDpi = dpi;
    for (const RControlLayout& row : Layout.Controls)
    {
        HWND control = Find(row.Name);
        if (control == nullptr)
            continue;
        const RECT place = Placement(row);
        ::SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(dpi)), TRUE);
        if (row.Kind == RControlKind::DropDownList)
            SetItemHeights(control);
    }
    for (RScaledPicture& picture : Pictures)
        ShowScaled(picture);
    ::InvalidateRect(Form, nullptr, TRUE);
}

HWND RFormBuilder::ParentOf(const RControlLayout& row) const
{
    if (row.Parent == nullptr)
        return Form;
    HWND parent = Find(row.Parent);
    return parent != nullptr ? parent : Form;
}

bool RFormBuilder::ShowHandOver(HWND control) const
{
    if (HandCursor.count(control) == 0)
        return false;
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    return true;
}

HWND RFormBuilder::Find(const char* name) const
{
    const auto found = Controls.find(name);
    return found != Controls.end() ? found->second : nullptr;
}

void RFormBuilder::Made(const RControlLayout& row, HWND control)
{
    Controls[row.Name] = control;
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(TheDpi)), FALSE);
    if (row.Style & StyleHandCursor)
        HandCursor.insert(control);
    if (row.Style & StyleHidden)
        ::ShowWindow(control, SW_HIDE);
}

HWND RFormBuilder::Create(const RControlLayout& row, const char* className, DWORD style, DWORD extendedStyle)
{
    if (row.TabOrder >= 0 && TakesFocus(row.Kind))
        style |= WS_TABSTOP;
    const int id = (row.Style & StyleCancel) ? IDCANCEL
                                             : FirstControlId + static_cast<int>(&row - Layout.Controls.data());
    // An image's text is its hint, not a resource name for the control to load.
    const char* text = row.Kind == RControlKind::Image ? "" : row.Text;
    const RECT place = Placement(row);
    HWND control = ::CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left,
                                     place.top, place.right - place.left, place.bottom - place.top, ParentOf(row),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                     nullptr);
    Made(row, control);
    return control;
}

HWND RFormBuilder::Panel(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    const RPanel::Look look = row.Kind == RControlKind::GroupBox ? RPanel::Look::Group
                              : (row.Style & StyleRaised)       ? RPanel::Look::Raised
                                                                 : RPanel::Look::Flat;
    const RECT place = Placement(row);
    auto panel = std::make_unique<RPanel>(ParentOf(row), row.Text, look, (row.Style & StyleWhite) != 0, place.left,
                                          place.top, place.right - place.left, place.bottom - place.top);
    HWND handle = panel->Handle();
    Owned.push_back(std::move(panel));
    Made(row, handle);
    return handle;
}

HWND RFormBuilder::Label(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    DWORD style = (row.Style & StyleCentred) ? SS_CENTER : SS_LEFT;
    if (row.Style & StyleHandCursor)
        style |= SS_NOTIFY; // a label that reacts to a click
    return Create(row, "STATIC", style);
}

HWND RFormBuilder::Icon(const char* name, HICON icon)
{
    const RControlLayout& row = FindControl(Layout, name);
    HWND image = Create(row, "STATIC", SS_ICON | SS_NOTIFY);
    AddHint(image, row.Text);
    if (icon != nullptr)
        SetIcon(name, icon);
    return image;
}

void RFormBuilder::SetIcon(const char* name, HICON icon)
{
    const RControlLayout& row = FindControl(Layout, name);
    RScaledPicture& picture = PictureOf(Find(name));
    picture.Icon = icon;
    picture.Width = row.Width;
    picture.Height = row.Height;
    ShowScaled(picture);
}

HWND RFormBuilder::Bitmap(const char* name, HBITMAP bitmap)
{
    const RControlLayout& row = FindControl(Layout, name);
    HWND image = Create(row, "STATIC", SS_BITMAP | SS_NOTIFY);
    BITMAP shape{};
    if (bitmap != nullptr && ::GetObjectA(bitmap, sizeof shape, &shape) != 0)
    {
        // The picture's own size is its size in the layout.
        RScaledPicture& picture = PictureOf(image);
        picture.Bitmap = bitmap;
        picture.Width = shape.bmWidth;
        picture.Height = shape.bmHeight;
        picture.Left = row.Left;
        picture.Top = row.Top;
        ShowScaled(picture);
    }
    AddHint(image, row.Text);
    return image;
}

void RFormBuilder::AddHint(HWND control, const char* text)
{
    if (text == nullptr || *text == '\0')
        return;
    if (Hints == nullptr)
        Hints = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Form, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE; // understood by every version of the control
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    ::SendMessageA(Hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND RFormBuilder::Edit(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    DWORD style = ES_AUTOHSCROLL;
    if (row.Style & StyleReadOnly)
        style |= ES_READONLY;
    return Create(row, "EDIT", style, WS_EX_CLIENTEDGE);
}

HWND RFormBuilder::DropDownList(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    HWND list = Create(row, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
    SetItemHeights(list);
    return list;
}

HWND RFormBuilder::UpDown(const char* name, HWND buddy)
{
    const RControlLayout& row = FindControl(Layout, name);
    // The position is set before the buddy, so that setting it writes nothing.
    HWND spin = Create(row, UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS);
    ::SendMessageA(spin, UDM_SETRANGE32, UpDownLayoutMin, UpDownLayoutMax);
    ::SendMessageA(spin, UDM_SETPOS32, 0, UpDownLayoutMin);
    ::SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    // Taking a buddy, some versions of the control go back to the width of a
    // scroll bar at the system's density.
    const RECT place = Placement(row);
    ::SetWindowPos(spin, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return spin;
}

HWND RFormBuilder::Button(const char* name)
{
    return Create(FindControl(Layout, name), "BUTTON", BS_PUSHBUTTON);
}

RSpeedButton& RFormBuilder::SpeedButton(const char* name, HBITMAP glyph)
{
    const RControlLayout& row = FindControl(Layout, name);
    const RECT place = Placement(row);
    auto button = std::make_unique<RSpeedButton>(ParentOf(row), FirstControlId + static_cast<int>(&row - Layout.Controls.data()),
                                                 row.Text, glyph, place.left, place.top, place.right - place.left,
                                                 place.bottom - place.top);
    RSpeedButton& made = *button;
    Owned.push_back(std::move(button));
    Made(row, made.Handle());
    BITMAP shape{};
    if (glyph != nullptr && ::GetObjectA(glyph, sizeof shape, &shape) != 0)
    {
        RScaledPicture& picture = PictureOf(made.Handle());
        picture.Bitmap = glyph;
        picture.Button = &made;
        picture.Width = shape.bmWidth;
        picture.Height = shape.bmHeight;
        ShowScaled(picture);
    }
    return made;
}

RShape& RFormBuilder::Shape(const char* name)
{
    const RControlLayout& row = FindControl(Layout, name);
    const RECT place = Placement(row);
    auto shape = std::make_unique<RShape>(ParentOf(row), place.left, place.top, place.right - place.left,
                                          place.bottom - place.top);
    RShape& made = *shape;
    Owned.push_back(std::move(shape));
    Made(row, made.Handle());
    return made;
}

RSwatchImage& RFormBuilder::SwatchImage(const char* name, RSwatchImage::Kind kind)
{
    const RControlLayout& row = FindControl(Layout, name);
    const RECT place = Placement(row);
    auto image = std::make_unique<RSwatchImage>(kind, ParentOf(row), place.left, place.top, place.right - place.left,
                                                place.bottom - place.top);
    RSwatchImage& made = *image;
    Owned.push_back(std::move(image));
    Made(row, made.Handle());
    return made;
}

void RFormBuilder::SetTabOrder()
{
    // Placing each child at the bottom in turn leaves the first on top: the
    // order the dialog navigation walks.
    std::vector<const char*> parents{nullptr};
    for (const RControlLayout& control : Layout.Controls)
        parents.push_back(control.Name);
    for (const char* parent : parents)
        for (const RControlLayout* child : ChildrenInTabOrder(Layout, parent))
            if (HWND control = Find(child->Name))
                ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
