// A local HTTPS server for tests: a self-signed certificate made at start-up,
// tests/online/https_server.py on a free port of 127.0.0.1, stopped by PID.
#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "common/fakes.h"

extern char** environ;

namespace numora::test {

inline pid_t spawn(std::vector<std::string> args, bool quiet)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet)
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// An address on 127.0.0.1 whose connections the kernel accepts into its backlog
// and nobody ever speaks on, for as long as this lives.
class SilentListener {
public:
    SilentListener()
    {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), len) == 0 && listen(fd_, 4) == 0
            && getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            url = "https://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/ok";
    }
    ~SilentListener() { close(fd_); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    std::string url;  // empty when no port could be had

private:
    int fd_ = socket(AF_INET, SOCK_STREAM, 0);
};

// One certificate and one server for the whole run, stopped by PID at its end.
class Server : public ::testing::Environment {
public:
    static inline TempDir* dir = nullptr;
    static inline pid_t pid = -1;
    static inline int port = 0;

    void SetUp() override
    {
        dir = new TempDir;
        const std::string d = dir->str();
        const pid_t openssl = spawn({NUMORA_OPENSSL, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-subj",
                                     "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-days", "2",
                                     "-keyout", d + "/key.pem", "-out", d + "/cert.pem"},
                                    true);
        int status = -1;
        ASSERT_GT(openssl, 0) << "cannot start openssl";
        waitpid(openssl, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "openssl failed";

        pid = spawn({NUMORA_PYTHON, NUMORA_HTTPS_SERVER, d + "/cert.pem", d + "/key.pem", d + "/port", "120"}, false);
        ASSERT_GT(pid, 0) << "cannot start the server";
        using namespace std::chrono_literals;
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < end && port == 0) {
            std::this_thread::sleep_for(20ms);
            port = std::atoi(readFile(d + "/port").c_str());
        }
        ASSERT_NE(port, 0) << "the server did not come up";
    }

    void TearDown() override
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        delete dir;
    }
};

}  // namespace numora::test
