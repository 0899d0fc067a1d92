// One evaluation through the page's entry point, natively: the same binding the WebAssembly
// module exports, so that bench/web/run compares like with like. Prints microseconds per call.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" const char *nusselt_calculate(const char *lines);

int main(int argc, char **argv)
{
    const char *lines = argc > 1 ? argv[1] : "";
    const int calls = argc > 2 ? std::atoi(argv[2]) : 100000;
    std::size_t sink = 0;
    for (int i = 0; i < calls / 10; ++i) // warm up
        sink += std::strlen(nusselt_calculate(lines));
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        sink += std::strlen(nusselt_calculate(lines));
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    std::printf("%.3f %zu\n", spent.count() / calls, sink);
}
