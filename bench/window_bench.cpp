// The dead-reckoning window offscreen: the time from the process start to
// the window shown, then one exit handler end to end (read the field,
// convert, store, recompute five legs, write twenty labels).
#include "legplot/window/form1.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

legplot::TForm1* form = nullptr;

// Seconds since the process started, from the kernel's own record.
double SecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field; // field 22: start time in clock ticks after boot
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::ifstream uptime("/proc/uptime");
    double now = 0;
    uptime >> now;
    return now - started;
}

void FillVoyage()
{
    form->lat_edit->SetText("52\xB0" "30'00");
    form->lat_editExit();
    const char* courses[] = {"045.0", "123.4", "200.1", "315.0", "017.3"};
    for (int k = 0; k < 5; ++k) {
        legplot::TForm1* f = form;
        platform::MaskEdit* course[] = {f->MaskEdit21, f->MaskEdit22, f->MaskEdit23, f->MaskEdit24, f->MaskEdit25};
        platform::MaskEdit* speed[] = {f->MaskEdit16, f->MaskEdit17, f->MaskEdit18, f->MaskEdit19, f->MaskEdit20};
        platform::PictureField* interval[] = {f->Maskedit11, f->Maskedit12, f->Maskedit13, f->Maskedit14,
                                              f->maskedit15};
        course[k]->SetText(courses[k]);
        speed[k]->SetText("12.5");
        interval[k]->SetText("06:30");
    }
    form->MaskEdit11Exit(); form->MaskEdit12Exit(); form->MaskEdit13Exit(); form->MaskEdit14Exit();
    form->MaskEdit15Exit(); form->MaskEdit16Exit(); form->MaskEdit17Exit(); form->MaskEdit18Exit();
    form->MaskEdit19Exit(); form->MaskEdit20Exit(); form->MaskEdit21Exit(); form->MaskEdit22Exit();
    form->MaskEdit23Exit(); form->MaskEdit24Exit(); form->MaskEdit25Exit();
}

void SpeedExitEndToEnd(benchmark::State& state)
{
    for (auto _ : state) {
        form->MaskEdit16Exit();
        benchmark::DoNotOptimize(form->Plan().Legs[4].EndLon);
    }
}
BENCHMARK(SpeedExitEndToEnd);

void FormatSwitchEndToEnd(benchmark::State& state)
{
    int format = 0;
    for (auto _ : state) {
        form->RadioGroup1->SetItemIndex(format = (format + 1) % 3);
        form->RadioGroup1Click();
    }
}
BENCHMARK(FormatSwitchEndToEnd);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dead Reckoning"));
    legplot::TForm1 window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    std::printf("process start to window shown: %.0f ms (kernel clock ticks of %ld ms)\n",
                SecondsSinceProcessStart() * 1000, 1000 / sysconf(_SC_CLK_TCK));
    form = &window;
    FillVoyage();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
