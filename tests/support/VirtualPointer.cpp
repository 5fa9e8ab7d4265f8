#include "support/VirtualPointer.h"

#include "virtual-pointer-client-protocol.h"

#include <wayland-client.h>

#include <cstring>

namespace
{
constexpr std::uint32_t LeftButton = 0x110; // the kernel's BTN_LEFT
}

struct RVirtualPointer::RState
{
    wl_display* Display = nullptr;
    wl_seat* Seat = nullptr;
    zwlr_virtual_pointer_manager_v1* Manager = nullptr;
    zwlr_virtual_pointer_v1* Pointer = nullptr;
    std::uint32_t Width = 0, Height = 0, Time = 0;
};

RVirtualPointer::RVirtualPointer(int layoutWidth, int layoutHeight) : State(std::make_unique<RState>())
{
    State->Width = static_cast<std::uint32_t>(layoutWidth);
    State->Height = static_cast<std::uint32_t>(layoutHeight);
    State->Display = wl_display_connect(nullptr);
    if (State->Display == nullptr)
        return;
    static const wl_registry_listener listener{
        [](void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
        {
            auto* state = static_cast<RState*>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0 && state->Seat == nullptr)
                state->Seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
            else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
                state->Manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
                    wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(State->Display);
    wl_registry_add_listener(registry, &listener, State.get());
    wl_display_roundtrip(State->Display);
    wl_registry_destroy(registry);
    if (State->Manager != nullptr)
        State->Pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(State->Manager, State->Seat);
    wl_display_roundtrip(State->Display);
}

RVirtualPointer::~RVirtualPointer()
{
    if (State->Pointer != nullptr)
        zwlr_virtual_pointer_v1_destroy(State->Pointer);
    if (State->Display != nullptr)
        wl_display_disconnect(State->Display);
}

bool RVirtualPointer::Ready() const
{
    return State->Pointer != nullptr;
}

void RVirtualPointer::MoveTo(long x256, long y256)
{
    // The extent in 1/256 of a pixel: the compositor scales the position to
    // its layout box and sends the surface position in the same units.
    zwlr_virtual_pointer_v1_motion_absolute(State->Pointer, ++State->Time, static_cast<std::uint32_t>(x256),
                                            static_cast<std::uint32_t>(y256), State->Width * 256,
                                            State->Height * 256);
    zwlr_virtual_pointer_v1_frame(State->Pointer);
    wl_display_roundtrip(State->Display);
}

void RVirtualPointer::Click()
{
    for (std::uint32_t state : {1U, 0U})
    {
        zwlr_virtual_pointer_v1_button(State->Pointer, ++State->Time, LeftButton, state);
        zwlr_virtual_pointer_v1_frame(State->Pointer);
    }
    wl_display_roundtrip(State->Display);
}
