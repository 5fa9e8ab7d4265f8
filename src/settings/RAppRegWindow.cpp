// Window placement: the part of the settings store that keeps a window's
// position, size and state in a section of the current user's profile.
#include "settings/RAppReg.h"

void RAppReg::RestoreWindow(RPlaceableWindow* window, const RString& section, bool restoreSize,
                            int defaultWidth, int defaultHeight)
{
    // 1, 2. The registration stands even when there is nothing to apply.
    PlacementWindow = window;
    PlacementSection = section;
    if (window == nullptr || section.IsEmpty())
        return;
    RestoreSize = restoreSize;

    // 4, 5. Placement is per user, also in an all-users store.
    const RString profile = ProfileName;
    const RString path = GetSectionPath();
    UseCurrentUserProfile();
    SetSection(section);

    // 6. Only the low byte is a state.
    const int state = ReadInt("State", RPlaceableWindow::StateNormal) & 0xFF;
    // 7. A position without a size to go with it is not applied.
    if (state == RPlaceableWindow::StateNormal)
    {
        const int left = ReadInt("Left", 0);
        const int top = ReadInt("Top", 0);
        int width = ReadInt("Width", 0);
        int height = ReadInt("Height", 0);
        if ((width == 0 || height == 0) && defaultWidth != 0 && defaultHeight != 0)
        {
            width = defaultWidth;
            height = defaultHeight;
        }
        if (width != 0 && height != 0)
        {
            window->SetLeft(left);
            window->SetTop(top);
            if (RestoreSize)
            {
                window->SetWidth(width);
                window->SetHeight(height);
            }
        }
    }
    // 8. Always, so a first start is normal.
    window->SetWindowState(state);

    // 9. An empty path comes back as "Default", as SetSection makes it.
    ProfileName = profile;
    SetSection(path);
}

void RAppReg::SaveWindow()
{
    if (PlacementWindow == nullptr || PlacementSection.IsEmpty())
        return;
    const RString profile = ProfileName;
    const RString path = GetSectionPath();
    UseCurrentUserProfile();
    SetSection(PlacementSection);

    WriteInt("Left", PlacementWindow->GetLeft());
    WriteInt("Top", PlacementWindow->GetTop());
    WriteInt("Width", PlacementWindow->GetWidth());
    WriteInt("Height", PlacementWindow->GetHeight());
    WriteInt("State", PlacementWindow->GetWindowState());

    ProfileName = profile;
    SetSection(path);
}
