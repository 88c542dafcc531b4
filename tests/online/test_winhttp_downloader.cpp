// The WinHTTP downloader against tests/online/https_server.py, run on the
// build machine by packaging/windows/test.sh, which passes its ports and the
// certificate (a PEM file) in the environment: NUMORA_HTTPS_PORT serves with
// the certificate NUMORA_HTTPS_CERT, which these tests add to the current
// user's trusted roots (on Windows itself that asks the user; run them under
// Wine), NUMORA_HTTPS_UNTRUSTED_PORT with one nobody trusts. Both are for the
// name localhost alone (Wine matches no IP address in a certificate), so
// 127.0.0.1 is another host to them.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincrypt.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/fakes.h"
#include "downloader.h"

namespace numora::test {
namespace {

using platform::DownloadOptions;
using platform::WinHttpDownloader;
using online::Download;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

class TrustedCertificate : public ::testing::Environment {
public:
    void SetUp() override
    {
        const std::string pem = readFile(environment("NUMORA_HTTPS_CERT"));
        ASSERT_FALSE(pem.empty()) << "NUMORA_HTTPS_CERT names no certificate";
        DWORD size = 0;
        ASSERT_TRUE(CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr));
        std::vector<BYTE> der(size);
        ASSERT_TRUE(CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr, nullptr));
        ASSERT_TRUE(CertAddEncodedCertificateToSystemStoreW(L"Root", der.data(), size)) << GetLastError();
    }
};

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

const auto* const trusted = ::testing::AddGlobalTestEnvironment(new TrustedCertificate);

std::string url(const std::string& path, const char* portVariable = "NUMORA_HTTPS_PORT", const char* host = "localhost")
{
    return "https://" + std::string(host) + ":" + environment(portVariable) + path;
}

struct Attempt {
    Download outcome = Download::Unavailable;
    std::chrono::steady_clock::duration took{};
};

Attempt download(const std::string& address, const std::string& target, DownloadOptions options = {})
{
    WinHttpDownloader d(options);
    Attempt run;
    bool called = false;
    const auto start = std::chrono::steady_clock::now();
    d.download(address, target, [&](Download outcome) {
        run.outcome = outcome;
        called = true;
    });
    run.took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(called) << "the outcome must be given before download() returns";
    return run;
}

TEST(WinHttpDownloader, StoresTheBodyUnderTheTargetNameAndNothingElse)
{
    TempDir dir;
    const std::string target = (dir.path() / "chkupdate2.txt").string();
    EXPECT_EQ(download(url("/ok"), target).outcome, Download::Stored);
    EXPECT_EQ(readFile(target), "213\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"chkupdate2.txt"});
}

TEST(WinHttpDownloader, ReplacesAFileThatIsThereAndFollowsARedirectThatStaysOnHttps)
{
    TempDir dir;
    const std::string target = (dir.path() / "chkupdate2.txt").string();
    writeFile(target, "older\n");
    EXPECT_EQ(download(url("/to-https"), target).outcome, Download::Stored);
    EXPECT_EQ(readFile(target), "213\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"chkupdate2.txt"});
}

// Each of these fails, and leaves the folder as it was: no target, no
// temporary file.
class Refused : public ::testing::TestWithParam<const char*> {};

TEST_P(Refused, FailsAndLeavesNothing)
{
    TempDir dir;
    const std::string target = (dir.path() / "chkupdate2.txt").string();
    const std::string which = GetParam();
    std::string address;
    if (which == "plain http") address = "http://localhost:" + environment("NUMORA_HTTPS_PORT") + "/ok";
    else if (which == "a certificate for another host") address = url("/ok", "NUMORA_HTTPS_PORT", "127.0.0.1");
    else if (which == "an untrusted certificate") address = url("/ok", "NUMORA_HTTPS_UNTRUSTED_PORT");
    else address = url(which);
    EXPECT_EQ(download(address, target).outcome, Download::Failed) << address;
    EXPECT_TRUE(dir.entries().empty()) << address;
}

INSTANTIATE_TEST_SUITE_P(WinHttpDownloader, Refused,
                         ::testing::Values("/status/404", "/status/500", "/to-http", "/big", "/endless", "plain http",
                                           "a certificate for another host", "an untrusted certificate"));

TEST(WinHttpDownloader, AStalledBodyEndsAtTheTotalTimeOut)
{
    TempDir dir;
    using namespace std::chrono_literals;
    const Attempt run = download(url("/stall"), (dir.path() / "chkupdate2.txt").string(), {1s, 2s});
    EXPECT_EQ(run.outcome, Download::Failed);
    EXPECT_LT(run.took, 6s);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(WinHttpDownloader, ATargetThatIsAFolderIsLeftAlone)
{
    TempDir dir;
    const std::filesystem::path target = dir.path() / "chkupdate2.txt";
    std::filesystem::create_directory(target);
    writeFile((target / "inside").string(), "mine\n");
    EXPECT_EQ(download(url("/ok"), target.string()).outcome, Download::Failed);
    EXPECT_EQ(readFile((target / "inside").string()), "mine\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"chkupdate2.txt"});
}

}  // namespace
}  // namespace numora::test
