// Sets or clears an environment variable for the life of the object (POSIX
// only: the tests that need it stand in for the host's machine outside Windows).
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_SCOPED_ENVIRONMENT_H
#define LEDGEWRIGHT_TESTS_SUPPORT_SCOPED_ENVIRONMENT_H

#ifndef _WIN32
#include <cstdlib>
#include <string>

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        const char* previous = std::getenv(name);
        hadValue_ = previous != nullptr;
        previous_ = hadValue_ ? previous : "";
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (hadValue_) {
            setenv(name_.c_str(), previous_.c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string previous_;
    bool hadValue_ = false;
};
#endif

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_SCOPED_ENVIRONMENT_H
