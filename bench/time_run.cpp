// Times one run of a program for run-bench.sh without a shell or a second
// program in between: starts it with standard input and output redirected to
// files (standard error discarded), waits for it and prints
// "<wall seconds> <processor seconds> <peak resident KB>" on one line.
//
//   time_run INPUT OUTPUT PROGRAM [ARGUMENT...]
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: time_run INPUT OUTPUT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, argv[1], O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    const double start = now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[3], &files, nullptr, argv + 3, environ) != 0) {
        std::perror(argv[3]);
        return 2;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 2;
    }
    const double wall = now() - start;
    posix_spawn_file_actions_destroy(&files);
    std::printf("%.4f %.4f %ld\n", wall, seconds(usage.ru_utime) + seconds(usage.ru_stime),
                usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
