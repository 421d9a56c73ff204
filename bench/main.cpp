// The benchmarks: the core alone, and with Qt the real screens on the offscreen platform.
#include <benchmark/benchmark.h>

#ifdef KABROLUX_MIT_OBERFLAECHE
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef KABROLUX_MIT_OBERFLAECHE
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
