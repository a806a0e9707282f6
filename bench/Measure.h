#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// Runs a step many times and keeps each time, for medians: the machines
// here are noisy, and a median shrugs off the odd slow run.
template <typename Step> double medianMicroseconds(int runs, Step step)
{
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        step(i);
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// The same, with an untimed preparation before each timed step.
template <typename Prepare, typename Step>
double medianMicroseconds(int runs, Prepare prepare, Step step)
{
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        timer.start();
        step(i);
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// Resident memory of this process in KiB.
inline long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

inline void row(const char* what, double value, const char* unit)
{
    std::printf("| %-44s | %12.1f %-4s |\n", what, value, unit);
}

inline void header(const char* title)
{
    std::printf("\n%s\n| %-44s | %17s |\n|%s|%s|\n", title, "measure", "median",
                std::string(46, '-').c_str(), std::string(19, '-').c_str());
}
