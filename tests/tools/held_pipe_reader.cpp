// Holds back the reading end of a named pipe, so that a program writing its
// result file into the pipe blocks in the middle of its calculation:
//   held_pipe_reader PIPE GO OUT
// The pipe's buffer is made one page small; once the file GO exists, the
// whole stream is read into OUT (written under OUT.part, then renamed).
// Linux only: the end-to-end tests use it to see the In Process box.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

static bool exists(const char *path)
{
    return access(path, F_OK) == 0;
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s PIPE GO OUT\n", argv[0]);
        return 2;
    }
    // non-blocking: the open returns at once, and a writer can open the pipe
    int pipe = open(argv[1], O_RDONLY | O_NONBLOCK);
    if (pipe < 0) {
        perror(argv[1]);
        return 1;
    }
    fcntl(pipe, F_SETPIPE_SZ, 4096);
    for (int waited = 0; !exists(argv[2]); waited += 20) {
        if (waited > 300000)
            return 1;
        usleep(20000);
    }
    fcntl(pipe, F_SETFL, fcntl(pipe, F_GETFL) & ~O_NONBLOCK);
    std::string part = std::string(argv[3]) + ".part";
    FILE *out = fopen(part.c_str(), "wb");
    if (!out)
        return 1;
    char buffer[65536];
    ssize_t count;
    while ((count = read(pipe, buffer, sizeof buffer)) > 0)
        fwrite(buffer, 1, (size_t)count, out);
    fclose(out);
    close(pipe);
    return rename(part.c_str(), argv[3]) == 0 ? 0 : 1;
}
