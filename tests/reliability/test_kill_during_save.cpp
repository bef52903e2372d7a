// A save killed at any moment leaves partida.sdk whole: the earlier saved game or the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

#include "tests/reliability/two_saved_games.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Starts the save loop on the folder; returns its process id once it has begun saving.
pid_t startSaveLoop(const fs::path& folder)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(ready[1], STDOUT_FILENO);
        ::close(ready[0]);
        ::close(ready[1]);
        ::execl(SAVE_LOOP_PROGRAM, SAVE_LOOP_PROGRAM, folder.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    char byte = 0;
    const bool started = pid > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (pid > 0 && !started) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

}  // namespace

TEST(KillDuringSave, SavedGameIsAlwaysOneOfTheTwoWhole)
{
    const fs::path folder = fs::temp_directory_path() / ("cuadrix-kill-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "game");
    const fs::path partida = folder / "game" / "partida.sdk";
    const std::string a = savedGameA().file(), b = savedGameB().file();
    std::ofstream(partida, std::ios::binary) << a;

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> microseconds(0, 6000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int rounds = 0, sawA = 0, sawB = 0, interrupted = 0;
    for (; rounds < 1000 && std::chrono::steady_clock::now() < deadline; ++rounds) {
        const pid_t pid = startSaveLoop(folder);
        ASSERT_GT(pid, 0) << "the save loop did not start";
        ::usleep(static_cast<useconds_t>(microseconds(random)));
        ASSERT_EQ(::kill(pid, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the save loop ended by itself, status " << status << " (a save failed)";

        const std::string bytes = readBytes(partida);
        ASSERT_TRUE(bytes == a || bytes == b) << "round " << rounds << ": partida.sdk holds " << bytes.size()
                                              << " bytes that are neither saved game";
        ++(bytes == a ? sawA : sawB);
        // A save killed between creating its temporary file and the rename leaves that file.
        for (const auto& entry : fs::directory_iterator(folder / "game")) {
            if (entry.path() != partida) {
                ++interrupted;
                fs::remove(entry.path());
            }
        }
    }
    fs::remove_all(folder);

    std::cout << "[ figures  ] " << rounds << " kills: " << sawA << " times game A, " << sawB << " times game B, "
              << interrupted << " saves killed before their rename\n";
    RecordProperty("rounds", rounds);
    RecordProperty("interrupted", interrupted);
    EXPECT_GE(rounds, 100) << "too few rounds in the time allowed";
    // Both games turn up, so the loop really saved and replaced the file while being killed.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
