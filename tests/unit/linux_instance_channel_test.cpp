#include "linux/linux_instance_channel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "workstation/process/instance_messages.h"

namespace ostrel {
namespace {

class LinuxInstanceChannelTest : public ::testing::Test {
protected:
    LinuxInstanceChannelTest() {
        char pattern[] = "/tmp/ostrel-channel-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        path_ = folder_ + "/" + LinuxInstanceChannel::kSocketName;
    }
    ~LinuxInstanceChannelTest() override { std::filesystem::remove_all(folder_); }

    // A socket file whose listener is gone, as a killed instance leaves it.
    void LeaveStaleSocket() const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path_.c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(fd, 1), 0);
        ::close(fd);
    }
    // Writes raw bytes on one connection.
    void SendRaw(const std::string& bytes) const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path_.c_str());
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }

    std::string folder_;
    std::string path_;
};

TEST_F(LinuxInstanceChannelTest, TheMarkIsHeldByOneUntilWithdrawn) {
    LinuxInstanceChannel first(path_);
    LinuxInstanceChannel second(path_);
    EXPECT_TRUE(first.ClaimFirstInstance());
    EXPECT_FALSE(second.ClaimFirstInstance());
    EXPECT_TRUE(second.SendToRunningInstance(kActivationMessage));
    first.Withdraw();
    EXPECT_FALSE(second.SendToRunningInstance(kActivationMessage));
    EXPECT_TRUE(second.ClaimFirstInstance());
}

TEST_F(LinuxInstanceChannelTest, ASocketLeftByADeadInstanceIsReplaced) {
    LeaveStaleSocket();
    LinuxInstanceChannel sender(path_);
    EXPECT_FALSE(sender.SendToRunningInstance(kTerminateRequest));
    LinuxInstanceChannel next(path_);
    EXPECT_TRUE(next.ClaimFirstInstance());
    EXPECT_FALSE(LinuxInstanceChannel(path_).ClaimFirstInstance());
}

TEST_F(LinuxInstanceChannelTest, OfSimultaneousStartsExactlyOneIsFirst) {
    constexpr int kStarts = 6;
    for (int round = 0; round < 20; ++round) {
        if (round % 2 == 1) LeaveStaleSocket();
        std::vector<std::unique_ptr<LinuxInstanceChannel>> channels;
        for (int i = 0; i < kStarts; ++i) {
            channels.push_back(std::make_unique<LinuxInstanceChannel>(path_));
        }
        std::atomic<int> ready = 0;
        std::atomic<int> firsts = 0;
        std::vector<std::thread> starts;
        for (auto& channel : channels) {
            starts.emplace_back([&, c = channel.get()] {
                ++ready;
                while (ready < kStarts) std::this_thread::yield();
                if (c->ClaimFirstInstance()) ++firsts;
            });
        }
        for (auto& start : starts) start.join();
        EXPECT_EQ(firsts, 1) << "round " << round;
        channels.clear();
        EXPECT_FALSE(std::filesystem::exists(path_)) << "round " << round;
    }
}

TEST_F(LinuxInstanceChannelTest, MessagesArriveOnceInOrderIncludingThoseSentBeforeReceiving) {
    int argc = 1;
    char name[] = "unit_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    LinuxInstanceChannel first(path_);
    ASSERT_TRUE(first.ClaimFirstInstance());
    LinuxInstanceChannel second(path_);
    ASSERT_TRUE(second.SendToRunningInstance(kActivationMessage));

    std::vector<InstanceMessage> received;
    QObject::connect(&first, &LinuxInstanceChannel::MessageReceived,
                     [&](InstanceMessage message) { received.push_back(message); });
    first.StartReceiving();
    SendRaw("12346 51 6998\nnot a message\n" + std::string(100, '7') + "\n12346 50 6999\n");
    ASSERT_TRUE(second.SendToRunningInstance(kTerminateRequest));

    QElapsedTimer waited;
    waited.start();
    while (received.size() < 3 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    // The line after an overlong one is not read: a sender that writes one is no instance.
    EXPECT_EQ(received, (std::vector<InstanceMessage>{kActivationMessage, kActivateRequest,
                                                      kTerminateRequest}));
}

TEST(InstanceSocketFolderTest, WithoutARuntimeFolderAPrivateFolderOfTheUser) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string runtime = saved != nullptr ? saved : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string folder = InstanceSocketFolder();
    if (saved != nullptr) ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    EXPECT_EQ(folder, "/tmp/ostrel-" + std::to_string(::getuid()) + "/");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::getuid());

    ::setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(InstanceSocketFolder(), "/run/user/1000/");
    if (saved != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
}

}  // namespace
}  // namespace ostrel
