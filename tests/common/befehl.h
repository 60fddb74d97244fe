// Runs a shell command for a test: its exit status (-1 when it did not end normally) and standard output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <utility>

namespace dkm::test {

inline std::pair<int, std::string> Ausfuehren(const std::string& befehl) {
    std::string aus;
    FILE* p = popen(befehl.c_str(), "r");
    char buf[4096];
    for (size_t n; p && (n = fread(buf, 1, sizeof buf, p)) > 0;) aus.append(buf, n);
    const int s = p ? pclose(p) : -1;
    return {s != -1 && WIFEXITED(s) ? WEXITSTATUS(s) : -1, aus};
}

}  // namespace dkm::test
