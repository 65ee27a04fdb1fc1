// Runs every benchmark, prints the usual table, then the ratios the targets are stated in.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// The console table, keeping each case's wall time for the ratios.
class reporter_rapporti : public benchmark::ConsoleReporter {
  public:
    explicit reporter_rapporti(OutputOptions opzioni) : ConsoleReporter(opzioni) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) {
                tempi_[r.benchmark_name()] = r.GetAdjustedRealTime();
            }
        }
    }

    void stampa_rapporto(const char* testo, const std::string& a, const std::string& b) const {
        const auto ta = tempi_.find(a);
        const auto tb = tempi_.find(b);
        if (ta == tempi_.end() || tb == tempi_.end() || tb->second <= 0) return;
        std::printf("%-48s %6.2f\n", testo, ta->second / tb->second);
    }

  private:
    std::map<std::string, double> tempi_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    reporter_rapporti reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                       : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios (wall time)\n");
    reporter.stampa_rapporto("longest line / its write floor, disk",
                             "linea_lunga/disco_profilo/real_time",
                             "pavimento/disco_profilo/real_time");
    reporter.stampa_rapporto("longest line / its write floor, tmpfs",
                             "linea_lunga/memoria_profilo/real_time",
                             "pavimento/memoria_profilo/real_time");
    reporter.stampa_rapporto("longest line, no profile / its write floor, disk",
                             "linea_lunga/disco_senza_profilo/real_time",
                             "pavimento/disco_senza_profilo/real_time");
    reporter.stampa_rapporto("compile process, longest line / write floor, disk",
                             "processo/compile_linea_lunga/real_time",
                             "pavimento/disco_profilo/real_time");
    reporter.stampa_rapporto("embedded run process, disk / bare process (true)",
                             "processo/incorporato_disco/real_time", "processo/true/real_time");
    reporter.stampa_rapporto("embedded run process, tmpfs / bare process (true)",
                             "processo/incorporato_memoria/real_time", "processo/true/real_time");
    reporter.stampa_rapporto("program start (--version) / bare process (true)",
                             "processo/versione/real_time", "processo/true/real_time");
    reporter.stampa_rapporto("100 trains: one command per train / one command",
                             "treni/cento_un_comando_per_treno/iterations:3/real_time",
                             "treni/cento_un_comando/real_time");
    benchmark::Shutdown();
    return 0;
}
