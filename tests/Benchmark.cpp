// zvbench: how fast our layers are, never a test.
//   zvbench.exe report THREADS COUNT   ReportActivity records per second, straight to the
//                                      server and through the user service, from THREADS
//                                      client threads sending COUNT records in all
//   zvbench.exe summary [REPEATS [FROM TO]]
//                                      latency of each summary type, straight to the server,
//                                      over everything or over the days FROM to TO (DATE numbers)
// Each result is one line: a name, a tab and the number.
#include "E2eSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace e2e;

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point iSince)
{
    return std::chrono::duration<double>(TClock::now() - iSince).count();
}

// One client thread: its own connection, its own user, COUNT records.
void Reporter(bool iThroughService, int iThread, int iCount, int* oFailures)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        ComPtr<IZorvane> client = iThroughService ? ConnectService() : ConnectServer();
        TText computer(L"BENCH"), user(L"BENCH\\user" + std::to_wstring(iThread));
        for (int i = 0; client && i < iCount; ++i) {
            TText process(L"program" + std::to_wstring(i % 50) + L".exe");
            TText title(L"Document " + std::to_wstring(i % 200) + L" - Program");
            long needMore = 0;
            if (FAILED(client->ReportActivity(45292.5 + i / 1440.0, computer, user, process, 1000, 10, 20, title,
                                              &needMore)))
                ++*oFailures;
        }
        if (!client)
            *oFailures += iCount;
    }
    CoUninitialize();
}

int Report(int iThreads, int iCount)
{
    for (bool throughService : {false, true}) {
        std::vector<std::thread> threads;
        std::vector<int> failures(iThreads, 0);
        const TClock::time_point start = TClock::now();
        for (int t = 0; t < iThreads; ++t)
            threads.emplace_back(Reporter, throughService, t, iCount / iThreads, &failures[t]);
        for (std::thread& thread : threads)
            thread.join();
        const double seconds = Seconds(start);
        int failed = 0;
        for (int f : failures)
            failed += f;
        std::printf("report-%s-%dthreads\t%.1f\n", throughService ? "service" : "server", iThreads,
                    (iCount / iThreads * iThreads) / seconds);
        if (failed)
            std::fprintf(stderr, "zvbench: %d reports failed\n", failed);
    }
    return 0;
}

int Summaries(int iRepeats, DATE iFrom, DATE iTo)
{
    static const char* const names[] = {"user",     "computer",  "program", "document", "hours",
                                        "weekdays", "monthdays", "months",  "years"};
    ComPtr<IZorvane> server = ConnectServer();
    if (!server)
        return 1;
    for (int type = 0; type <= ZorvaneYearsDistribution; ++type) {
        std::vector<TRow> rows;
        if (FAILED(Summary(server.Get(), static_cast<ZorvaneObjectType>(type), rows, iFrom, iTo))) {
            std::fprintf(stderr, "zvbench: summary %s failed\n", names[type]);
            continue;
        }
        std::vector<double> times;
        for (int i = 0; i < iRepeats; ++i) {
            const TClock::time_point start = TClock::now();
            Summary(server.Get(), static_cast<ZorvaneObjectType>(type), rows, iFrom, iTo);
            times.push_back(Seconds(start) * 1000);
        }
        std::sort(times.begin(), times.end());
        std::printf("summary-%s\t%.0f\t%u rows\n", names[type], times[times.size() / 2],
                    static_cast<unsigned>(rows.size()));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command != "report" && command != "summary") {
        std::fprintf(stderr, "usage: zvbench report THREADS COUNT | zvbench summary [REPEATS [FROM TO]]\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    int status = command == "report"
        ? Report(std::max(1, argc > 2 ? atoi(argv[2]) : 1), std::max(1, argc > 3 ? atoi(argv[3]) : 1000))
        : Summaries(std::max(1, argc > 2 ? atoi(argv[2]) : 3), argc > 4 ? atof(argv[3]) : 0,
                    argc > 4 ? atof(argv[4]) : 0);
    CoUninitialize();
    std::fflush(stdout);
    return status;
}
