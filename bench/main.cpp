#include "qtdialogs.h"

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // The print benchmarks draw windows; no screen is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kb::Application app(argc, argv); // the databases are found beside the program
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
