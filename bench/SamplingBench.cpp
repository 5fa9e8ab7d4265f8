// The real windows under an X server: one step of an up-down arrow (the box,
// every view refreshed, the repaint); in screen sampling one movement over
// the copy (pixel read, every view refreshed including both swatch images,
// the loupe moved, repaint, pending events), with and without the loupe, and
// one start (the screen copied and shown).
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TTWMainForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace
{

// A window that is shown and exposed, with settings in a throw-away folder.
std::unique_ptr<TTWMainForm> ShownForm()
{
    auto form = std::make_unique<TTWMainForm>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        std::abort();
    return form;
}

// The Up key in the red box, then Down: a new colour at every step.
void BM_UpDownStep(benchmark::State& state)
{
    auto form = ShownForm();
    auto* red = form->findChild<QLineEdit*>(QStringLiteral("RedEdit"));
    red->setFocus();
    int step = 0;
    const int paintsBefore = form->PaintPasses();
    for (auto _ : state)
    {
        QTest::keyClick(red, (step / 50) % 2 == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCoreApplication::processEvents(); // the repaint reaches the server
        ++step;
    }
    state.counters["paints"] = benchmark::Counter(form->PaintPasses() - paintsBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UpDownStep)->Unit(benchmark::kMicrosecond);

// Argument 1 with the loupe beside the hot spot (as the program runs), 0
// without it.
void BM_SampledMovement(benchmark::State& state)
{
    auto form = ShownForm();
    form->findChild<TBigScreenDlg*>()->SetLoupeShown(state.range(0) != 0);
    form->MouseSelectSBtnClick();
    auto* copy = form->findChild<TBigScreenDlg*>();
    if (copy == nullptr || !QTest::qWaitForWindowExposed(copy))
    {
        state.SkipWithError("sampling did not start");
        return;
    }
    int step = 0;
    const int paintsBefore = form->PaintPasses();
    for (auto _ : state)
    {
        // Across the main window's own picture in the copy: a new colour at
        // every step, so every view changes.
        const QPointF at(60 + (step * 7) % 280, 10 + (step * 3) % 230);
        QMouseEvent move(QEvent::MouseMove, at, copy->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(copy, &move);
        QCoreApplication::processEvents(); // the repaint reaches the server
        ++step;
    }
    state.counters["paints"] = benchmark::Counter(form->PaintPasses() - paintsBefore, benchmark::Counter::kAvgIterations);
    copy->hide();
}
BENCHMARK(BM_SampledMovement)->ArgName("loupe")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The desktop's copy alone, as sampling starts with it, carried out by the
// server (a round trip).
void BM_CopyScreen(benchmark::State& state)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
    {
        state.SkipWithError("not an X11 display");
        return;
    }
    for (auto _ : state)
    {
        auto copy = RDesktopCopy::Take();
        std::free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()), nullptr));
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyScreen)->Unit(benchmark::kMillisecond);

// From the button's action to the copy on the screen: shown, exposed, painted
// and flushed, and the X server through everything sent (a round trip).
void BM_SamplingStart(benchmark::State& state)
{
    auto form = ShownForm();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
    {
        state.SkipWithError("not an X11 display");
        return;
    }
    auto* copy = form->findChild<TBigScreenDlg*>();
    for (auto _ : state)
    {
        const int painted = copy != nullptr ? copy->Paints() : 0;
        form->MouseSelectSBtnClick();
        if (copy == nullptr || !copy->isVisible())
        {
            state.SkipWithError("sampling did not start");
            break;
        }
        while (copy->windowHandle() == nullptr || !copy->windowHandle()->isExposed() || copy->Paints() == painted)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the painted copy flushed
        std::free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()), nullptr));
        state.PauseTiming();
        copy->hide();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // its window let go, as after a sampling
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SamplingStart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    // Never the user's own settings.
    std::string folder = "/tmp/tintwell-bench-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr)
        return 1;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
