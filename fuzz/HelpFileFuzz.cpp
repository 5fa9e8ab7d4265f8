// Any bytes at all as the help file, read as the help viewer reads it: open
// it through the real engine, read and parse its table of contents, then
// read every page the contents name and the overview.
//
// The engine is a system library that crashes on some damaged files; the
// program survives those because its viewer is a process of its own. So a
// fault whose instruction lies inside the engine's library ends that input
// as handled (the viewer would have died, nothing else); a fault anywhere
// else, and every sanitizer report, is a finding as usual. What a crashed
// engine held is never freed, so this target runs without leak checks.
#include "shell/ChmContents.h"
#include "shell/ChmFile.h"

#include <csetjmp>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <ucontext.h>
#include <unistd.h>

namespace
{

RHtmlHelpLibrary Engine;
std::string HelpFile;
sigjmp_buf BackToTheTarget;
volatile sig_atomic_t Reading = 0;
// Inputs that crashed the engine, told at the end of a run.
unsigned long EngineCrashes = 0;
struct sigaction Previous[32];
const int FaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};

// The faulting instruction's address, where the platform tells it.
const void* FaultAddress(void* context)
{
#if defined(__x86_64__)
    return reinterpret_cast<const void*>(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    return reinterpret_cast<const void*>(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
    return reinterpret_cast<const void*>(static_cast<ucontext_t*>(context)->uc_mcontext.pc);
#else
    static_cast<void>(context);
    return nullptr;
#endif
}

bool InsideTheEngine(const void* address)
{
    Dl_info info{};
    return address != nullptr && ::dladdr(address, &info) != 0 && info.dli_fname != nullptr &&
           std::strstr(info.dli_fname, "libchm") != nullptr;
}

void OnFault(int signal, siginfo_t* details, void* context)
{
    if (Reading != 0 && InsideTheEngine(FaultAddress(context)))
        siglongjmp(BackToTheTarget, 1);
    // Ours: the handler that was there before reports it.
    ::sigaction(signal, &Previous[signal], nullptr);
    static_cast<void>(details);
}

void ReadAsTheViewerDoes()
{
    RChmFile file(Engine);
    if (!file.Open(HelpFile))
        return;
    const std::vector<RChmContentsEntry> entries = ParseChmContents(file.Read(file.ContentsPath()));
    for (const RChmContentsEntry& entry : entries)
        if (!entry.Local.empty())
            file.Read("/" + entry.Local);
    file.Read("/Overview.htm");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!LoadHtmlHelpLibrary(DefaultHtmlHelpLibraryFile(), Engine))
    {
        std::fprintf(stderr, "the help engine %s is not installed\n", DefaultHtmlHelpLibraryFile());
        std::abort();
    }
    char name[] = "/tmp/tintwell-help-fuzz-XXXXXX";
    const int descriptor = ::mkstemp(name);
    if (descriptor < 0)
        std::abort();
    ::close(descriptor);
    HelpFile = name;
    std::atexit([]
    {
        ::unlink(HelpFile.c_str());
        std::fprintf(stderr, "help_file_fuzz: %lu inputs crashed the help engine (handled as the viewer's end)\n",
                     EngineCrashes);
    });
    for (const int signal : FaultSignals)
    {
        struct sigaction action = {};
        action.sa_sigaction = OnFault;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, &Previous[signal]);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* out = std::fopen(HelpFile.c_str(), "wb");
    if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
        std::abort();
    // A crash inside the engine comes back here; what the engine held is
    // left as it was, as a crashed viewer would leave it.
    if (sigsetjmp(BackToTheTarget, 1) == 0)
    {
        Reading = 1;
        ReadAsTheViewerDoes();
    }
    else
        ++EngineCrashes;
    Reading = 0;
    return 0;
}
