#include "ui/qt/WaylandOutputs.h"

#include "output-copy-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>

namespace
{

// One output's objects and what the compositor said of it.
struct ROutputState
{
    wl_output* Output = nullptr;
    zxdg_output_v1* XdgOutput = nullptr;
    ROutput Described;
    std::int32_t Transform = WL_OUTPUT_TRANSFORM_NORMAL;
    bool HasLogicalPlace = false;
};

struct RConnection
{
    wl_display* Display = nullptr;
    wl_registry* Registry = nullptr;
    wl_shm* Shm = nullptr;
    zxdg_output_manager_v1* XdgOutputs = nullptr;
    zwlr_screencopy_manager_v1* Copier = nullptr;
    std::uint32_t CopierVersion = 0;
    std::vector<std::unique_ptr<ROutputState>> Outputs;

    ~RConnection()
    {
        for (auto& output : Outputs)
        {
            if (output->XdgOutput != nullptr)
                zxdg_output_v1_destroy(output->XdgOutput);
            if (output->Output != nullptr)
                wl_proxy_destroy(reinterpret_cast<wl_proxy*>(output->Output));
        }
        if (Copier != nullptr)
            zwlr_screencopy_manager_v1_destroy(Copier);
        if (XdgOutputs != nullptr)
            zxdg_output_manager_v1_destroy(XdgOutputs);
        if (Shm != nullptr)
            wl_shm_destroy(Shm);
        if (Registry != nullptr)
            wl_registry_destroy(Registry);
        if (Display != nullptr)
            wl_display_disconnect(Display);
    }
};

// --- what the compositor tells of each output

void OutputGeometry(void* data, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    const char*, const char*, std::int32_t transform)
{
    static_cast<ROutputState*>(data)->Transform = transform;
}

void OutputMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t)
{
    if ((flags & WL_OUTPUT_MODE_CURRENT) == 0)
        return;
    auto& output = static_cast<ROutputState*>(data)->Described;
    output.DeviceWidth = width;
    output.DeviceHeight = height;
}

void OutputDone(void*, wl_output*) {}
void OutputScale(void*, wl_output*, std::int32_t) {}

void OutputName(void* data, wl_output*, const char* name)
{
    auto& output = static_cast<ROutputState*>(data)->Described;
    if (output.Name.empty() && name != nullptr)
        output.Name = name;
}

void OutputDescription(void*, wl_output*, const char*) {}

const wl_output_listener OutputListener{OutputGeometry, OutputMode, OutputDone, OutputScale, OutputName,
                                        OutputDescription};

void LogicalPosition(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y)
{
    auto* state = static_cast<ROutputState*>(data);
    state->Described.LogicalX = x;
    state->Described.LogicalY = y;
    state->HasLogicalPlace = true;
}

void LogicalSize(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height)
{
    auto& output = static_cast<ROutputState*>(data)->Described;
    output.LogicalWidth = width;
    output.LogicalHeight = height;
}

void XdgDone(void*, zxdg_output_v1*) {}

void XdgName(void* data, zxdg_output_v1*, const char* name)
{
    // The same name as the output's own where both are sent.
    if (name != nullptr)
        static_cast<ROutputState*>(data)->Described.Name = name;
}

void XdgDescription(void*, zxdg_output_v1*, const char*) {}

const zxdg_output_v1_listener XdgOutputListener{LogicalPosition, LogicalSize, XdgDone, XdgName, XdgDescription};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    auto* connection = static_cast<RConnection*>(data);
    const auto bind = [&](const wl_interface* of, std::uint32_t highest)
    { return wl_registry_bind(registry, name, of, std::min(version, highest)); };
    if (std::strcmp(interface, wl_output_interface.name) == 0)
    {
        auto state = std::make_unique<ROutputState>();
        state->Output = static_cast<wl_output*>(bind(&wl_output_interface, 4));
        wl_output_add_listener(state->Output, &OutputListener, state.get());
        connection->Outputs.push_back(std::move(state));
    }
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        connection->Shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0)
        connection->XdgOutputs = static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 3));
    else if (std::strcmp(interface, zwlr_screencopy_manager_v1_interface.name) == 0)
    {
        connection->CopierVersion = std::min<std::uint32_t>(version, 3);
        connection->Copier =
            static_cast<zwlr_screencopy_manager_v1*>(bind(&zwlr_screencopy_manager_v1_interface, 3));
    }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener RegistryListener{Global, GlobalRemove};

// Dispatches the compositor's answers until done() holds or the deadline
// passes; false on a timeout or a broken connection. A compositor that stops
// answering must not freeze the program.
template <typename Done>
bool DispatchUntil(wl_display* display, std::chrono::steady_clock::time_point deadline, Done done)
{
    while (!done())
    {
        while (wl_display_prepare_read(display) != 0)
            if (wl_display_dispatch_pending(display) < 0)
                return false;
        if (done())
        {
            wl_display_cancel_read(display);
            return true;
        }
        wl_display_flush(display);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd descriptor{wl_display_get_fd(display), POLLIN, 0};
        if (left <= 0 || poll(&descriptor, 1, static_cast<int>(left)) <= 0)
        {
            wl_display_cancel_read(display);
            return false;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return true;
}

// Connects and learns every output, with its logical place where the
// compositor gives one.
std::unique_ptr<RConnection> Connect(std::chrono::steady_clock::time_point deadline)
{
    auto connection = std::make_unique<RConnection>();
    connection->Display = wl_display_connect(nullptr);
    if (connection->Display == nullptr)
        return nullptr;
    connection->Registry = wl_display_get_registry(connection->Display);
    wl_registry_add_listener(connection->Registry, &RegistryListener, connection.get());
    // The globals, then each output's own events, then the logical places.
    for (int round = 0; round < 2; ++round)
    {
        wl_callback* sync = wl_display_sync(connection->Display);
        bool synced = false;
        static const wl_callback_listener syncListener{[](void* data, wl_callback*, std::uint32_t)
                                                       { *static_cast<bool*>(data) = true; }};
        wl_callback_add_listener(sync, &syncListener, &synced);
        const bool answered = DispatchUntil(connection->Display, deadline, [&] { return synced; });
        wl_callback_destroy(sync);
        if (!answered)
            return nullptr;
        if (round == 0 && connection->XdgOutputs != nullptr)
            for (auto& output : connection->Outputs)
            {
                output->XdgOutput = zxdg_output_manager_v1_get_xdg_output(connection->XdgOutputs, output->Output);
                zxdg_output_v1_add_listener(output->XdgOutput, &XdgOutputListener, output.get());
            }
    }
    return connection;
}

std::vector<ROutput> OutputsOf(const RConnection& connection)
{
    std::vector<ROutput> outputs;
    for (const auto& output : connection.Outputs)
    {
        // A turned output's mode is in its own orientation, its logical size
        // in the desktop's: not mapped here, so not described.
        if (!output->HasLogicalPlace || output->Transform != WL_OUTPUT_TRANSFORM_NORMAL || !output->Described.Described())
            return {};
        outputs.push_back(output->Described);
    }
    return outputs;
}

// --- one output's copy

struct RFrame
{
    std::uint32_t Format = 0, Width = 0, Height = 0, Stride = 0;
    bool BufferOffered = false, BuffersListed = false, Ready = false, Failed = false, YInverted = false;
};

void FrameBuffer(void* data, zwlr_screencopy_frame_v1*, std::uint32_t format, std::uint32_t width,
                 std::uint32_t height, std::uint32_t stride)
{
    auto* frame = static_cast<RFrame*>(data);
    *frame = RFrame{format, width, height, stride, true};
}

void FrameFlags(void* data, zwlr_screencopy_frame_v1*, std::uint32_t flags)
{
    static_cast<RFrame*>(data)->YInverted = (flags & 1U) != 0;
}

void FrameReady(void* data, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t, std::uint32_t)
{
    static_cast<RFrame*>(data)->Ready = true;
}

void FrameFailed(void* data, zwlr_screencopy_frame_v1*)
{
    static_cast<RFrame*>(data)->Failed = true;
}

void FrameDamage(void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void FrameDmabuf(void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t, std::uint32_t) {}

void FrameBuffersListed(void* data, zwlr_screencopy_frame_v1*)
{
    static_cast<RFrame*>(data)->BuffersListed = true;
}

const zwlr_screencopy_frame_v1_listener FrameListener{FrameBuffer, FrameFlags, FrameReady, FrameFailed,
                                                      FrameDamage, FrameDmabuf, FrameBuffersListed};

// Reads one pixel of a shared-memory format as a colour value; false for a
// format this does not know. The formats are little-endian words.
bool ReadsFormat(std::uint32_t format)
{
    return format == WL_SHM_FORMAT_XRGB8888 || format == WL_SHM_FORMAT_ARGB8888 ||
           format == WL_SHM_FORMAT_XBGR8888 || format == WL_SHM_FORMAT_ABGR8888;
}

ColorValue PixelOf(std::uint32_t word, std::uint32_t format)
{
    const std::uint32_t high = (word >> 16) & 0xFF, middle = (word >> 8) & 0xFF, low = word & 0xFF;
    const bool redHigh = format == WL_SHM_FORMAT_XRGB8888 || format == WL_SHM_FORMAT_ARGB8888;
    return redHigh ? ColorValueOf(static_cast<std::uint8_t>(high), static_cast<std::uint8_t>(middle),
                                  static_cast<std::uint8_t>(low))
                   : ColorValueOf(static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(middle),
                                  static_cast<std::uint8_t>(high));
}

// A memory file the compositor writes the copy into.
struct RSharedMemory
{
    int File = -1;
    void* Data = MAP_FAILED;
    std::size_t Size = 0;

    explicit RSharedMemory(std::size_t size) : Size(size)
    {
        File = memfd_create("tintwell-output-copy", MFD_CLOEXEC);
        if (File < 0 || ftruncate(File, static_cast<off_t>(size)) != 0)
            return;
        Data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, File, 0);
    }
    ~RSharedMemory()
    {
        if (Data != MAP_FAILED)
            munmap(Data, Size);
        if (File >= 0)
            close(File);
    }
    bool Made() const { return Data != MAP_FAILED; }
};

// One output's copy, from the request to the pixels. Every output's is
// asked for at once, so that the compositor draws them in one frame each
// rather than one after the other.
class ROutputCapture
{
public:
    ROutputCapture(RConnection& connection, const ROutputState& output)
        : Connection(connection), Described(output.Described),
          Request(zwlr_screencopy_manager_v1_capture_output(connection.Copier, 0, output.Output))
    {
        zwlr_screencopy_frame_v1_add_listener(Request, &FrameListener, &Frame);
    }
    ~ROutputCapture()
    {
        if (Buffer != nullptr)
            wl_buffer_destroy(Buffer);
        zwlr_screencopy_frame_v1_destroy(Request);
    }
    ROutputCapture(const ROutputCapture&) = delete;
    ROutputCapture& operator=(const ROutputCapture&) = delete;

    // Version 3 lists every kind of buffer it takes, then says so; earlier
    // ones offer a shared-memory buffer and nothing else.
    bool Offered() const
    {
        return Frame.Failed || (Connection.CopierVersion >= 3 ? Frame.BuffersListed : Frame.BufferOffered);
    }
    bool Done() const { return Frame.Ready || Frame.Failed; }

    // Gives the compositor a buffer to copy into; false where the offer is
    // not one this reads, or the output's mode.
    bool StartCopy()
    {
        if (Frame.Failed || !Frame.BufferOffered || !ReadsFormat(Frame.Format) ||
            static_cast<int>(Frame.Width) != Described.DeviceWidth ||
            static_cast<int>(Frame.Height) != Described.DeviceHeight || Frame.Stride < Frame.Width * 4)
            return false;
        Memory = std::make_unique<RSharedMemory>(static_cast<std::size_t>(Frame.Stride) * Frame.Height);
        if (!Memory->Made())
            return false;
        wl_shm_pool* pool =
            wl_shm_create_pool(Connection.Shm, Memory->File, static_cast<std::int32_t>(Memory->Size));
        Buffer = wl_shm_pool_create_buffer(pool, 0, static_cast<std::int32_t>(Frame.Width),
                                           static_cast<std::int32_t>(Frame.Height),
                                           static_cast<std::int32_t>(Frame.Stride), Frame.Format);
        wl_shm_pool_destroy(pool);
        zwlr_screencopy_frame_v1_copy(Request, Buffer);
        return true;
    }

    std::optional<ROutputCopy> Result() const
    {
        if (!Frame.Ready || !Memory)
            return std::nullopt;
        ROutputCopy copy{Described, {}, true};
        copy.Pixels.reserve(static_cast<std::size_t>(Frame.Width) * Frame.Height);
        for (std::uint32_t row = 0; row < Frame.Height; ++row)
        {
            const std::uint32_t from = Frame.YInverted ? Frame.Height - 1 - row : row;
            const auto* words = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(Memory->Data) + static_cast<std::size_t>(from) * Frame.Stride);
            for (std::uint32_t x = 0; x < Frame.Width; ++x)
                copy.Pixels.push_back(PixelOf(words[x], Frame.Format));
        }
        return copy;
    }

private:
    RConnection& Connection;
    ROutput Described;
    RFrame Frame;
    zwlr_screencopy_frame_v1* Request;
    std::unique_ptr<RSharedMemory> Memory;
    wl_buffer* Buffer = nullptr;
};

} // namespace

RWaylandDesktop DescribeWaylandDesktop()
{
    const auto connection = Connect(std::chrono::steady_clock::now() + std::chrono::seconds(2));
    if (!connection)
        return {};
    return {OutputsOf(*connection), connection->Copier != nullptr && connection->Shm != nullptr};
}

std::optional<std::vector<ROutputCopy>> CopyEveryOutput(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto connection = Connect(deadline);
    if (!connection || connection->Copier == nullptr || connection->Shm == nullptr)
        return std::nullopt;
    if (OutputsOf(*connection).empty())
        return std::nullopt;
    std::vector<std::unique_ptr<ROutputCapture>> captures;
    for (const auto& output : connection->Outputs)
        captures.push_back(std::make_unique<ROutputCapture>(*connection, *output));
    const auto all = [&](bool (ROutputCapture::*state)() const)
    { return std::all_of(captures.begin(), captures.end(), [&](const auto& capture) { return (*capture.*state)(); }); };
    if (!DispatchUntil(connection->Display, deadline, [&] { return all(&ROutputCapture::Offered); }))
        return std::nullopt;
    for (auto& capture : captures)
        if (!capture->StartCopy())
            return std::nullopt;
    if (!DispatchUntil(connection->Display, deadline, [&] { return all(&ROutputCapture::Done); }))
        return std::nullopt;
    std::vector<ROutputCopy> copies;
    for (const auto& capture : captures)
    {
        auto copy = capture->Result();
        if (!copy)
            return std::nullopt;
        copies.push_back(std::move(*copy));
    }
    return copies;
}
