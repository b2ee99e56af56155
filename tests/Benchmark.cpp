// zvbench: how fast our layers are, never a test.
//   zvbench.exe report server|service THREADS COUNT
//                                      ReportActivity straight to the server or through the user
//                                      service, from THREADS client threads sending COUNT records
//                                      in all: records per second, the latency of the median and
//                                      the 99th percentile call, and the calls that failed
//   zvbench.exe summary [REPEATS [FROM TO]]
//                                      latency of each summary type, straight to the server,
//                                      over everything or over the days FROM to TO (DATE numbers)
// Each result is one line: a name, a tab and the numbers, tab-separated. Only calls that
// succeeded are timed and counted in a rate: a failed call says nothing about speed.
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

// The nearest-rank percentile of values sorted in ascending order; 0 for none.
double Percentile(const std::vector<double>& iSorted, int iPercent)
{
    if (iSorted.empty())
        return 0;
    const size_t rank = (iSorted.size() * iPercent + 99) / 100;
    return iSorted[std::max<size_t>(rank, 1) - 1];
}

// What the calls of a run came to: the milliseconds of each one that succeeded, and the failures.
struct TCalls {
    std::vector<double> Milliseconds;
    int Failed = 0;
};

// One client thread: its own connection, its own user, COUNT records.
void Reporter(bool iThroughService, int iThread, int iCount, TCalls* oCalls)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        ComPtr<IZorvane> client = iThroughService ? ConnectService() : ConnectServer();
        TText computer(L"BENCH"), user(L"BENCH\\user" + std::to_wstring(iThread));
        for (int i = 0; client && i < iCount; ++i) {
            TText process(L"program" + std::to_wstring(i % 50) + L".exe");
            TText title(L"Document " + std::to_wstring(i % 200) + L" - Program");
            long needMore = 0;
            const TClock::time_point start = TClock::now();
            if (SUCCEEDED(client->ReportActivity(45292.5 + i / 1440.0, computer, user, process, 1000, 10, 20, title,
                                                 &needMore)))
                oCalls->Milliseconds.push_back(Seconds(start) * 1000);
            else
                ++oCalls->Failed;
        }
        if (!client)
            oCalls->Failed += iCount;
    }
    CoUninitialize();
}

int Report(bool iThroughService, int iThreads, int iCount)
{
    std::vector<std::thread> threads;
    std::vector<TCalls> calls(iThreads);
    const TClock::time_point start = TClock::now();
    for (int t = 0; t < iThreads; ++t)
        threads.emplace_back(Reporter, iThroughService, t, iCount / iThreads, &calls[t]);
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = Seconds(start);
    TCalls all;
    for (const TCalls& thread : calls) {
        all.Milliseconds.insert(all.Milliseconds.end(), thread.Milliseconds.begin(), thread.Milliseconds.end());
        all.Failed += thread.Failed;
    }
    std::sort(all.Milliseconds.begin(), all.Milliseconds.end());
    std::printf("report-%s-%dthreads\t%.1f\t%.2f\t%.2f\t%d\n", iThroughService ? "service" : "server", iThreads,
                all.Milliseconds.size() / seconds, Percentile(all.Milliseconds, 50), Percentile(all.Milliseconds, 99),
                all.Failed);
    if (all.Failed)
        std::fprintf(stderr, "zvbench: %d reports failed\n", all.Failed);
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
        TCalls calls;
        for (int i = 0; i < iRepeats; ++i) {
            const TClock::time_point start = TClock::now();
            if (SUCCEEDED(Summary(server.Get(), static_cast<ZorvaneObjectType>(type), rows, iFrom, iTo)))
                calls.Milliseconds.push_back(Seconds(start) * 1000);
            else
                ++calls.Failed;
        }
        if (calls.Failed)
            std::fprintf(stderr, "zvbench: %d of %d summaries %s failed\n", calls.Failed, iRepeats, names[type]);
        if (calls.Milliseconds.empty())
            continue;
        std::sort(calls.Milliseconds.begin(), calls.Milliseconds.end());
        std::printf("summary-%s\t%.0f\t%u rows\n", names[type], Percentile(calls.Milliseconds, 50),
                    static_cast<unsigned>(rows.size()));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    const std::string way = argc > 2 ? argv[2] : "";
    const bool report = command == "report" && (way == "server" || way == "service");
    if (!report && command != "summary") {
        std::fprintf(stderr,
                     "usage: zvbench report server|service THREADS COUNT | zvbench summary [REPEATS [FROM TO]]\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    int status = report ? Report(way == "service", std::max(1, argc > 3 ? atoi(argv[3]) : 1),
                                 std::max(1, argc > 4 ? atoi(argv[4]) : 1000))
                        : Summaries(std::max(1, argc > 2 ? atoi(argv[2]) : 3), argc > 4 ? atof(argv[3]) : 0,
                                    argc > 4 ? atof(argv[4]) : 0);
    CoUninitialize();
    std::fflush(stdout);
    return status;
}
