// Runs every benchmark program, ours and its baseline alternately, and
// prints one Markdown table: each figure of ours beside its baseline from
// the same run, medians of the repeats, with the target and whether it is
// met. Needs a display (scripts/bench.sh starts Xvfb and a window manager).
// Usage: zelk_bench BIN_DIR [REPEATS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::int64_t monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Run {
    std::int64_t startNs = 0;
    std::map<std::string, double> values;
    long peakKb = 0;
};

// Starts the program, collects its "name value" lines and its peak resident
// size; a program that fails ends the benchmark.
Run run(const std::vector<std::string>& argv) {
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    Run result;
    pid_t pid = 0;
    result.startNs = monotonicNs();
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        std::exit(1);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", args[0], status);
        std::exit(1);
    }
    result.peakKb = usage.ru_maxrss;
    std::istringstream lines(text);
    std::string name;
    double value = 0;
    while (lines >> name >> value)
        result.values[name] = value;
    return result;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

struct Row {
    std::string what;
    std::string ours;
    std::string baseline;
    std::string ratio;
    std::string target;
    bool met;
};

std::string fixed(double v, int decimals, const char* unit = "") {
    char s[64];
    std::snprintf(s, sizeof s, "%.*f%s", decimals, v, unit);
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelk_bench BIN_DIR [REPEATS]\n");
        return 1;
    }
    const std::string bin = std::string(argv[1]) + "/";
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    std::vector<Row> rows;

    // Start-up: our menu painted, against one empty window painted.
    {
        std::vector<double> ours, bare, label;
        const auto painted = [](Run r) {
            return (r.values["painted_ns"] - double(r.startNs)) / 1e6;
        };
        for (int r = 0; r < repeats; ++r) {
            bare.push_back(painted(run({bin + "bench_bare_window"})));
            label.push_back(painted(run({bin + "bench_bare_window", "label"})));
            ours.push_back(painted(run({bin + "bench_zelk_startup"})));
        }
        const double ratio = median(ours) / median(bare);
        rows.push_back({"Start-up to main menu painted", fixed(median(ours), 1, " ms"),
                        fixed(median(bare), 1, " ms") + " (one empty window)", fixed(ratio, 2, "x"),
                        "at most 1.2x", ratio <= 1.2});
        // For reference, no target: the bare window with one line of text,
        // which pays for loading the fonts as every window with text does.
        const double labelRatio = median(ours) / median(label);
        rows.push_back({"Start-up, reference", fixed(median(ours), 1, " ms"),
                        fixed(median(label), 1, " ms") + " (bare window with one label)",
                        fixed(labelRatio, 2, "x"), "-", true});
    }

    // Peak memory: every screen open and a report printed, against one QTextEdit.
    {
        std::vector<double> ours, bare, buffers;
        double windows = 0;
        for (int r = 0; r < std::max(3, repeats / 2); ++r) {
            bare.push_back(double(run({bin + "bench_bare_text_edit"}).peakKb) / 1024.0);
            Run o = run({bin + "bench_zelk_memory"});
            ours.push_back(double(o.peakKb) / 1024.0);
            buffers.push_back(o.values["window_buffers_mib"]);
            windows = o.values["windows"];
        }
        const double ratio = median(ours) / median(bare);
        rows.push_back({"Peak memory, every screen open and a report printed",
                        fixed(median(ours), 1, " MiB") + " (" + fixed(windows, 0) +
                            " windows, their pixel buffers " + fixed(median(buffers), 1, " MiB") +
                            ")",
                        fixed(median(bare), 1, " MiB") + " (one QTextEdit)", fixed(ratio, 2, "x"),
                        "at most 1.3x", ratio <= 1.3});
    }

    // Opening each screen, repeated inside one process.
    {
        Run s = run({bin + "bench_zelk_inproc", "screens", std::to_string(repeats)});
        for (const auto& [key, ms] : s.values) {
            if (key.rfind("screen_", 0) != 0)
                continue;
            const std::string name = key.substr(7);
            const double blank = s.values["blank_" + name];
            rows.push_back({"Open " + name + " (create, load, show, paint)",
                            fixed(ms, 1, " ms") + " (" +
                                fixed(s.values["build_" + name], 1, " ms") + " to create and load)",
                            fixed(blank, 1, " ms") + " (empty window of its size)",
                            fixed(ms / blank, 2, "x"), "under 15 ms", ms < 15.0});
        }
    }

    // The catch test chart repainted with all 18 bars.
    {
        const Run c = run({bin + "bench_chart_repaint", std::to_string(repeats * 20)});
        const double ms = c.values.at("chart_repaint");
        rows.push_back({"Catch chart repaint, 18 bars", fixed(ms, 2, " ms"),
                        fixed(c.values.at("chart_render"), 2, " ms") + " (rendered to an image)",
                        "-", "under 2 ms", ms < 2.0});
    }

    // The editor with a 10 MB file.
    {
        char dir[] = "/tmp/zelk-bench-XXXXXX";
        if (!mkdtemp(dir))
            return 1;
        Run e = run({bin + "bench_zelk_inproc", "editor", dir, "3"});
        rmdir(dir);
        const char* names[][2] = {
            {"open", "Open"}, {"find", "Find near the end"}, {"save", "Save"}};
        for (const auto& n : names) {
            const double ours = e.values[std::string("editor_") + n[0]];
            const double plain = e.values[std::string("plain_") + n[0]];
            rows.push_back({std::string("Editor, 10 MB file: ") + n[1], fixed(ours, 0, " ms"),
                            fixed(plain, 0, " ms") + " (QFile + QTextEdit)",
                            fixed(ours / plain, 2, "x"), "at most 1.5x", ours <= 1.5 * plain});
        }
        // The same Find once the document is laid out: the search of the
        // plain text and the caret's move, without Qt's first layout.
        const double ours = e.values["editor_find_laid_out"];
        const double plain = e.values["plain_find_laid_out"];
        rows.push_back({"Editor, 10 MB file: Find near the end, laid out", fixed(ours, 1, " ms"),
                        fixed(plain, 1, " ms") + " (QTextEdit::find)", fixed(ours / plain, 2, "x"),
                        "under 50 ms", ours < 50.0});
    }

    // "Print Report" 1,000 and 2,000 times into one document.
    {
        std::vector<double> thousand, twoThousand;
        for (int r = 0; r < 3; ++r) {
            thousand.push_back(
                run({bin + "bench_zelk_inproc", "report", "1000"}).values["report_total"]);
            twoThousand.push_back(
                run({bin + "bench_zelk_inproc", "report", "2000"}).values["report_total"]);
        }
        const double one = median(thousand), two = median(twoThousand);
        rows.push_back({"Print Report x1000 into one document", fixed(one, 0, " ms"), "-", "-",
                        "under 2000 ms", one < 2000.0});
        rows.push_back({"Print Report x2000 into one document", fixed(two, 0, " ms"),
                        fixed(one, 0, " ms") + " (x1000)", fixed(two / one, 2, "x"), "at most 2.2x",
                        two <= 2.2 * one});
    }

    std::printf("| Measure | Ours | Baseline | Ratio | Target | Met |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    bool all = true;
    for (const Row& r : rows) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.what.c_str(), r.ours.c_str(),
                    r.baseline.c_str(), r.ratio.c_str(), r.target.c_str(), r.met ? "yes" : "NO");
        all = all && r.met;
    }
    return all ? 0 : 3;
}
