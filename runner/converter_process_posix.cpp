#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "runner/converter_process.h"

extern char** environ;

namespace runner {

namespace {

// A temporary file that the child writes one of its outputs to; removed when
// it goes out of scope.
class CaptureFile {
public:
    CaptureFile() {
        const char* folder = std::getenv("TMPDIR");
        path_ = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/zedrunner-XXXXXX";
        descriptor_ = mkstemp(path_.data());
    }
    ~CaptureFile() {
        if (descriptor_ >= 0) {
            close(descriptor_);
            unlink(path_.c_str());
        }
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    bool Ready() const { return descriptor_ >= 0; }
    int Descriptor() const { return descriptor_; }
    std::string Text() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
    int descriptor_ = -1;
};

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments) {
    ProcessResult result;
    CaptureFile out, err;
    if (!out.Ready() || !err.Ready()) {
        result.problem = std::string("cannot make a temporary file: ") + std::strerror(errno);
        return result;
    }
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.Descriptor(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.Descriptor(), STDERR_FILENO);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.problem = "cannot run " + program + ": " + std::strerror(spawned);
        return result;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            result.problem = "lost the child process " + program + ": " + std::strerror(errno);
            return result;
        }
    }
    result.started = true;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = out.Text();
    result.err = err.Text();
    return result;
}

}  // namespace runner
