/* Runs a command N times and prints, per run, the wall time from fork to exit, the CPU time
 * (user and system) and the largest resident set of the child:
 *   peer-run N command [args...]  ->  "wall_ms cpu_ms maxrss_kib status" per line. */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Ms(struct timeval t) {
    return (double)t.tv_sec * 1e3 + (double)t.tv_usec / 1e3;
}

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 3 || atoi(argv[1]) <= 0) {
        fprintf(stderr, "usage: peer-run N command [args...]\n");
        return 2;
    }
    const int runs = atoi(argv[1]);
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        const pid_t child = fork();
        if (child == 0) {
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        struct rusage usage;
        if (child < 0 || wait4(child, &status, 0, &usage) != child) {
            perror("peer-run");
            return 1;
        }
        const double wall = Now() - start;
        printf("%.2f %.2f %ld %d\n", wall, Ms(usage.ru_utime) + Ms(usage.ru_stime), usage.ru_maxrss,
               WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        fflush(stdout);
    }
    return 0;
}
