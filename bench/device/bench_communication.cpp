// A write transfer against a ready virtual card, against 9 single library round trips (as many
// calls as the write makes) timed the same way: the ratio is the transfer layer's own cost on top of
// the calls it is made of. The two are measured in alternation, so that load on a shared machine
// falls on both alike.

#include "device/communication.h"
#include "device/parameterblock.h"
#include "device/vendorlibrary.h"
#include "virtualcardprocess.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int vid = 0x0C76;
const int pid = 0x1000;
const int rounds = 1000;
const int callsPerWrite = 9;

// Microseconds taken by `step`, or a negative number when it failed.
template<typename Step>
double timed(Step step)
{
    QElapsedTimer timer;
    timer.start();
    return step() ? timer.nsecsElapsed() / 1000.0 : -1;
}

double percentile(std::vector<double> times, double p)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, static_cast<size_t>(p * times.size()))];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}); // the transfer log
    VirtualCardProcess card;
    card.setTrace(false);
    if (!card.start()) {
        std::fprintf(stderr, "bench_communication: the virtual card did not start: %s\n", qPrintable(card.errorText()));
        return 1;
    }
    Communication comm;
    const VendorCalls *lib = VendorLibrary::calls();
    if (!lib || !comm.init(vid, pid))
        return 1;

    const auto roundTrips = [lib] {
        unsigned char value = 0;
        for (int i = 0; i < callsPerWrite; ++i) {
            if (lib->getGpioEx(vid, pid, 2, &value, 1) != 0)
                return false;
        }
        return true;
    };
    ParameterBlock &block = ParameterBlock::instance();
    const auto write = [&] {
        block.eQ60 = static_cast<unsigned char>((block.eQ60 + 1) % 44);
        return comm.writeData();
    };
    std::vector<double> baseline;
    std::vector<double> writes;
    for (int i = 0; i < rounds; ++i) {
        baseline.push_back(timed(roundTrips));
        writes.push_back(timed(write));
        if (baseline.back() < 0 || writes.back() < 0) {
            std::fprintf(stderr, "bench_communication: a call failed\n");
            return 1;
        }
    }
    const double baseMedian = percentile(baseline, 0.5);
    const double baseP99 = percentile(baseline, 0.99);
    std::printf("communication.roundtrips9.median: %.1f us\n", baseMedian);
    std::printf("communication.roundtrips9.p99: %.1f us\n", baseP99);
    std::printf("communication.write.median: %.1f us\n", percentile(writes, 0.5));
    std::printf("communication.write.p99: %.1f us\n", percentile(writes, 0.99));
    std::printf("communication.write.median.ratio: %.2f\n", percentile(writes, 0.5) / baseMedian);
    std::printf("communication.write.p99.ratio: %.2f\n", percentile(writes, 0.99) / baseP99);
    return 0;
}
