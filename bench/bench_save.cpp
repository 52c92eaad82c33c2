// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a build: the atomic save (a sibling written, flushed to the disk,
// renamed over the old file) against writing the same text over the file in
// place with no flush, which is what a save costs at the least. Each save of
// the worked wheel is timed alone; prints the median and the slowest.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "buildfile/buildfile.h"

namespace {

double Ms(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

void Print(const char *name, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    printf("%s_median_ms=%.3f %s_slowest_ms=%.3f\n", name, ms[ms.size() / 2], name, ms.back());
}

} // namespace

int main(int argc, char **argv)
{
    const int saves = argc > 1 ? atoi(argv[1]) : 200;
    char folder[] = "/var/tmp/quennick-bench-save-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string path = std::string(folder) + "/rear-wheel.quennick";
    Build b;
    ClearBuild(&b);
    snprintf(b.wheel.name, sizeof b.wheel.name, "rear-wheel");
    b.wheel.rim.diameter = 600;
    b.wheel.hub.flangeDiameter1 = 45;
    b.wheel.hub.flangeDiameter2 = 57;
    b.wheel.hub.flangeDistance1 = 35;
    b.wheel.hub.flangeDistance2 = 20;
    b.wheel.hub.holeDiameter = 2.6;
    Wheel2Results(b.wheel, &b.results);
    std::vector<double> atomic, plain;
    for (int i = 0; i < saves; i++) {
        auto t0 = std::chrono::steady_clock::now();
        if (WriteBuildFile(path.c_str(), b) != 0)
            return 1;
        auto t1 = std::chrono::steady_clock::now();
        const std::string text = Build2Text(b);
        FILE *f = fopen(path.c_str(), "wb");
        if (!f || fwrite(text.data(), 1, text.size(), f) != text.size() || fclose(f) != 0)
            return 1;
        auto t2 = std::chrono::steady_clock::now();
        atomic.push_back(Ms(t0, t1));
        plain.push_back(Ms(t1, t2));
    }
    unlink(path.c_str());
    rmdir(folder);
    printf("saves=%d\n", saves);
    Print("atomic", atomic);
    Print("plain", plain);
    return 0;
}
